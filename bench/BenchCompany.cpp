#include "BenchCompany.h"

#include "demo/DemoCompany.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

namespace bench {

QString companyDirectory(const QString &name)
{
    QString base = qEnvironmentVariable("CUSTOMER_ARCHIVE_BENCH_DIR");
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
            + QStringLiteral("/customer-archive-bench");
    return base + u'/' + name;
}

QString companyFile(const QString &dir)
{
    return demo::DemoCompany::paths(dir).first();
}

bool makeCompany(const QString &dir, int customers)
{
    if (QFileInfo::exists(companyFile(dir)))
        return true;
    QDir().mkpath(dir);
    std::fprintf(stderr, "making a company of %d customers in %s\n", customers, qPrintable(dir));
    demo::DemoSettings settings;
    settings.customers = customers;
    QString sMsg;
    if (demo::DemoCompany::create(dir, settings, {}, sMsg))
        return true;
    std::fprintf(stderr, "cannot make the company: %s\n", qPrintable(sMsg));
    return false;
}

const QString kListSelect = QStringLiteral(
    "'' as selcol,customer.ccuscode,ccusname,ccusabbname,customerclass.cccname,"
    "districtclass.cdcname,person.cpersonname,department.cdepname,ccusphone,ccusaddress,"
    "icuscreline");
const QString kListJoins = QStringLiteral(
    " left join customerclass on customer.ccccode=customerclass.ccccode "
    " left join department on customer.ccusdepart=department.cdepcode "
    " left join districtclass on customer.cdccode=districtclass.cdccode "
    " left join person on customer.ccuspperson=person.cpersoncode "
    " left join customer_extradefine on customer.ccuscode=customer_extradefine.ccuscode ");

QString connectionText(const QString &dir)
{
    return QStringLiteral("Provider=SQLite;Data Source=%1;Initial Catalog=KVDATA_001_2026")
        .arg(companyFile(dir));
}

} // namespace bench
