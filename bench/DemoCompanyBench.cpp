#include "demo/DemoCompany.h"
#include "demo/ServerDemoCompany.h"
#include "suite/data/ConnectionText.h"
#include "suite/data/PostgresConnection.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Builds the whole demo company: schemas, reference data, divisions, customers with their
// sub-records and receivables, indexes. The target is a million customers in under a minute.
void BM_DemoCompanyCreate(benchmark::State &state)
{
    demo::DemoSettings settings;
    settings.customers = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        state.ResumeTiming();
        QString sMsg;
        if (!demo::DemoCompany::create(dir.path(), settings, {}, sMsg)) {
            state.SkipWithError(qPrintable(sMsg));
            return;
        }
        state.PauseTiming();
        // Removing a large database file is not part of building it.
        dir.remove();
        state.ResumeTiming();
    }
    state.counters["customers/s"] = benchmark::Counter(
        double(settings.customers), benchmark::Counter::kIsIterationInvariantRate);
}

// The same company on the PostgreSQL server CUSTOMER_ARCHIVE_PG names (scripts/with-postgres.sh),
// through COPY, under a company and system schema of its own, which are dropped afterwards. The
// target is a million customers within two minutes.
void BM_PostgresDemoCompanyCreate(benchmark::State &state)
{
    QString sMsg;
    const std::optional<suite::ConnectionText> server = suite::ConnectionText::parse(
        qEnvironmentVariable("CUSTOMER_ARCHIVE_PG")
            + QStringLiteral(";Initial Catalog=KVDATA_009_2026;System Schema=kvsystem_load"),
        sMsg);
    suite::PostgresConnection admin;
    if (!server || !admin.open(server->postgresConnectionString(), {}, sMsg)) {
        state.SkipWithError("no PostgreSQL server: run through scripts/with-postgres.sh");
        return;
    }
    demo::DemoSettings settings;
    settings.customers = int(state.range(0));
    settings.overwrite = true;
    for (auto _ : state) {
        if (!demo::ServerDemoCompany::create(*server, settings, {}, sMsg)) {
            state.SkipWithError(qPrintable(sMsg));
            return;
        }
        state.PauseTiming();
        admin.execute(
            QStringLiteral("drop schema kvdata_009_2026, kvmeta_009, kvsystem_load cascade"), sMsg);
        state.ResumeTiming();
    }
    state.counters["customers/s"] = benchmark::Counter(
        double(settings.customers), benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

BENCHMARK(BM_PostgresDemoCompanyCreate)
    ->Arg(1'000'000)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

BENCHMARK(BM_DemoCompanyCreate)
    ->Arg(10'000)
    ->Arg(1'000'000)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
