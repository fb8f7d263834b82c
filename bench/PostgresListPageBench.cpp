#include "BenchCompany.h"

#include "demo/ServerDemoCompany.h"
#include "suite/data/DataService.h"
#include "suite/data/PageStatements.h"
#include "suite/data/PostgresConnection.h"
#include "suite/pub/ClsPub.h"

#include <benchmark/benchmark.h>

#include <cstdio>

// The customer list's pages on a PostgreSQL company of 1,000,000 customers, as a user of a
// shared company waits for them: a first read of a new session (the first page comes before
// the count, a middle and the last page need it) and the same page again once counted.
// Arguments: page (0 first, 1 middle, 2 last). Runs against the server CUSTOMER_ARCHIVE_PG
// names (scripts/with-postgres.sh); the company KVDATA_001_2026 is made there when it has
// fewer customers, which takes a few minutes.

namespace {

constexpr int kPageSize = 100;
constexpr int kCustomers = 1'000'000;

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

// The company's connection text once it has its customers; empty, told on standard error,
// when there is no server or the company cannot be made.
QString prepareCompany()
{
    static const QString prepared = [] {
        QString sMsg;
        const std::optional<suite::ConnectionText> text =
            suite::ConnectionText::parse(companyText(), sMsg);
        if (!text) {
            std::fprintf(stderr, "no PostgreSQL server: run through scripts/with-postgres.sh\n");
            return QString();
        }
        if (customersOn(*text) >= kCustomers)
            return companyText();
        demo::DemoSettings settings;
        settings.customers = kCustomers;
        settings.overwrite = true;
        if (!demo::ServerDemoCompany::create(*text, settings, {}, sMsg)) {
            std::fprintf(stderr, "cannot make the company: %s\n", qPrintable(sMsg));
            return QString();
        }
        return companyText();
    }();
    return prepared;
}

bool readPage(suite::ClsPub &pub, const std::shared_ptr<suite::ClsCommon> &service, int kind)
{
    const suite::PageRequest request = {
        QStringLiteral("Customer"),
        QStringLiteral("cCusCode"),
        bench::kListSelect,
        bench::kListJoins,
        QStringLiteral(" where isnull(Customer.bTransFlag,0) =0 and 1=1"),
        QStringLiteral(" order by Customer.cCusCode"),
    };
    const int pages = kCustomers / kPageSize;
    int page = kind == 0 ? 1 : kind == 1 ? pages / 2 : pages;
    int pageCount = 0;
    suite::RecordSet rows;
    const bool read = kind == 0
        ? pub.GetPageRstUncounted(service, rows, request, page, kPageSize, pageCount)
        : pub.GetPageRst(nullptr, service, rows, request.table, request.keyField, request.select,
                         request.join, request.where, request.order, page, kPageSize, pageCount);
    return read && rows.RecordCount() > 0;
}

std::shared_ptr<suite::ClsCommon> openService(const QString &text)
{
    auto service = std::make_shared<suite::ClsCommon>();
    service->Init(text);
    return service;
}

void BM_PostgresListRead(benchmark::State &state, bool cached)
{
    const QString text = prepareCompany();
    if (text.isEmpty()) {
        state.SkipWithError("no PostgreSQL company");
        return;
    }
    const int kind = int(state.range(0));
    suite::ClsPub pub;
    std::shared_ptr<suite::ClsCommon> service = openService(text);
    if (cached && !readPage(pub, service, kind)) {
        state.SkipWithError(qPrintable(service->LastError()));
        return;
    }
    for (auto _ : state) {
        if (!cached) {
            state.PauseTiming();
            service = openService(text);
            state.ResumeTiming();
        }
        if (!readPage(pub, service, kind)) {
            state.SkipWithError(qPrintable(service->LastError()));
            return;
        }
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_PostgresListRead, first, false)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(BM_PostgresListRead, cached, true)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
