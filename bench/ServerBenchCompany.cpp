#include "ServerBenchCompany.h"

#include "demo/ServerDemoCompany.h"
#include "suite/data/ConnectionText.h"
#include "suite/data/PostgresConnection.h"

#include <cstdio>

namespace bench {

namespace {

QString companyText()
{
    const QString server = qEnvironmentVariable("CUSTOMER_ARCHIVE_PG");
    return server.isEmpty() ? QString()
                            : server + QStringLiteral(";Initial Catalog=KVDATA_001_2026");
}

qint64 customersOn(const suite::ConnectionText &text)
{
    suite::PostgresConnection connection;
    QString sMsg;
    if (!connection.open(text.postgresConnectionString(), {}, sMsg))
        return -1;
    const suite::RecordSet count = connection.queryStatement(
        QStringLiteral("select count(*) from kvdata_001_2026.customer"), {}, sMsg);
    return count.IsOpen() ? count.valueAt(0, 0).toLongLong() : 0;
}

} // namespace

QString preparedServerCompany(int customers)
{
    static const QString prepared = [customers] {
        QString sMsg;
        const std::optional<suite::ConnectionText> text =
            suite::ConnectionText::parse(companyText(), sMsg);
        if (!text) {
            std::fprintf(stderr, "no PostgreSQL server: run through scripts/with-postgres.sh\n");
            return QString();
        }
        if (customersOn(*text) >= customers)
            return companyText();
        demo::DemoSettings settings;
        settings.customers = customers;
        settings.overwrite = true;
        if (!demo::ServerDemoCompany::create(*text, settings, {}, sMsg)) {
            std::fprintf(stderr, "cannot make the company: %s\n", qPrintable(sMsg));
            return QString();
        }
        return companyText();
    }();
    return prepared;
}

} // namespace bench
