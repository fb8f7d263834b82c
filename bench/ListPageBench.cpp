#include "BenchCompany.h"

#include "demo/CompanyIndexes.h"
#include "demo/DemoCompany.h"
#include "suite/data/DataService.h"
#include "suite/data/PageQuery.h"
#include "suite/data/SqliteConnection.h"
#include "suite/data/tsql/SqliteDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"
#include "suite/pub/ClsPub.h"

#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <cstdio>

// The list's page statement over a company of one million customers: page 1, a middle page
// and the last page through the data service, each next to raw SQLite running the same
// translated count and page statements. The company is made once and kept in the cache
// folder (or CUSTOMER_ARCHIVE_BENCH_DIR); making it takes about a minute. A company kept from
// an earlier version first gets the indexes a new one would have.

namespace {

constexpr int kCustomers = 1'000'000;
constexpr int kPageSize = 100;

const QString kListStatement = QStringLiteral(
    "select customer.ccuscode,ccusname,ccusabbname,customerclass.cccname,districtclass.cdcname,"
    "person.cpersonname,department.cdepname,ccusphone,ccusaddress,icuscreline "
    "from customer  left join customerclass on customer.ccccode=customerclass.ccccode "
    " left join department on customer.ccusdepart=department.cdepcode "
    " left join districtclass on customer.cdccode=districtclass.cdccode "
    " left join person on customer.ccuspperson=person.cpersoncode "
    " left join customer_extradefine on customer.ccuscode=customer_extradefine.ccuscode "
    " where isnull(customer.btransflag,0) =0 and 1=1 order by customer.ccuscode");

bool updateIndexes(const QString &file)
{
    suite::SqliteConnection connection;
    QString sMsg;
    QStringList created;
    if (!connection.open(file, sMsg, suite::SqliteConnection::OpenMode::ReadWrite)
        || !demo::CompanyIndexes::update(connection, created, sMsg)) {
        std::fprintf(stderr, "cannot update the indexes of %s: %s\n", qPrintable(file),
                     qPrintable(sMsg));
        return false;
    }
    if (!created.isEmpty())
        std::fprintf(stderr, "added %s to %s\n", qPrintable(created.join(QStringLiteral(", "))),
                     qPrintable(file));
    return true;
}

// A company kept from an earlier version first gets the indexes a new one would have.
QString prepareCompany()
{
    const QString dir = bench::companyDirectory(QStringLiteral("1m"));
    const bool kept = QFileInfo::exists(bench::companyFile(dir));
    if (!bench::makeCompany(dir, kCustomers))
        return QString();
    return !kept || updateIndexes(bench::companyFile(dir)) ? dir : QString();
}

int pageOf(const benchmark::State &state)
{
    const int pages = kCustomers / kPageSize;
    switch (state.range(0)) {
    case 0:
        return 1;
    case 1:
        return pages / 2;
    default:
        return pages;
    }
}

void BM_ListPageThroughDataService(benchmark::State &state)
{
    const QString dir = prepareCompany();
    if (dir.isEmpty()) {
        state.SkipWithError("no company");
        return;
    }
    suite::ClsCommon service;
    service.Init(bench::connectionText(dir));
    for (auto _ : state) {
        int pageSize = kPageSize;
        int page = pageOf(state);
        int pageCount = 0;
        suite::RecordSet rs;
        QString sMsg;
        bool ok = false;
        service.OpenPage(kListStatement, pageSize, page, pageCount, rs, sMsg, ok);
        if (!ok || rs.RecordCount() != kPageSize) {
            state.SkipWithError(qPrintable(sMsg));
            return;
        }
    }
}
BENCHMARK(BM_ListPageThroughDataService)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_ListPageRawSqlite(benchmark::State &state)
{
    const QString dir = prepareCompany();
    if (dir.isEmpty()) {
        state.SkipWithError("no company");
        return;
    }
    auto dialect = std::make_shared<suite::tsql::SqliteDialect>();
    suite::tsql::TsqlTranslator translator(dialect);
    QString sMsg;
    const QString select = translator.translate(kListStatement, sMsg)->steps.front().sql;
    const QString count =
        translator.translate(*suite::pageCountText(kListStatement, sMsg), sMsg)->steps.front().sql;
    const qint64 firstRow = qint64(pageOf(state) - 1) * kPageSize;
    const QString page = suite::pageStatement(*dialect, select, kPageSize, firstRow);

    suite::SqliteConnection connection;
    if (!connection.open(demo::DemoCompany::paths(dir).first(), sMsg)) {
        state.SkipWithError(qPrintable(sMsg));
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(connection.query(count, {}, sMsg).Value(0));
        const suite::RecordSet rows = connection.query(page, {}, sMsg);
        if (rows.RecordCount() != kPageSize) {
            state.SkipWithError(qPrintable(sMsg));
            return;
        }
    }
}
BENCHMARK(BM_ListPageRawSqlite)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The public service's page reader on the same company, as the list window calls it: keys of
// the page first, then the rows of those keys with every join. Arguments: 0 first page,
// 1 middle page, 2 last page, 3 first and 4 last page of the customers of class 01 and its
// sub-classes.
const QString kPageSelect = QStringLiteral(
    "'' as selcol,customer.ccuscode,ccusname,ccusabbname,customerclass.cccname,"
    "districtclass.cdcname,person.cpersonname,department.cdepname,ccusphone,ccusaddress,"
    "icuscreline");
const QString kPageJoins = QStringLiteral(
    " left join customerclass on customer.ccccode=customerclass.ccccode "
    " left join department on customer.ccusdepart=department.cdepcode "
    " left join districtclass on customer.cdccode=districtclass.cdccode "
    " left join person on customer.ccuspperson=person.cpersoncode "
    " left join customer_extradefine on customer.ccuscode=customer_extradefine.ccuscode ");

void BM_GetPageRst(benchmark::State &state)
{
    const QString dir = prepareCompany();
    if (dir.isEmpty()) {
        state.SkipWithError("no company");
        return;
    }
    auto service = std::make_shared<suite::ClsCommon>();
    service->Init(bench::connectionText(dir));
    suite::ClsPub pub;
    const bool byClass = state.range(0) >= 3;
    const QString where = byClass
        ? QStringLiteral(" where isnull(Customer.bTransFlag,0) =0 and Customer.cCCCode like "
                         "'01%' and 1=1")
        : QStringLiteral(" where isnull(Customer.bTransFlag,0) =0 and 1=1");
    const int asked = byClass ? (state.range(0) == 3 ? 1 : kCustomers) : pageOf(state);
    for (auto _ : state) {
        int page = asked;
        int pageCount = 0;
        suite::RecordSet rs;
        if (!pub.GetPageRst(nullptr, service, rs, QStringLiteral("Customer"),
                            QStringLiteral("cCusCode"), kPageSelect, kPageJoins, where,
                            QStringLiteral(" order by Customer.cCusCode"), page, kPageSize,
                            pageCount)
            || rs.RecordCount() == 0) {
            state.SkipWithError(qPrintable(service->LastError()));
            return;
        }
        state.counters["page"] = page;
    }
}
BENCHMARK(BM_GetPageRst)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

} // namespace
