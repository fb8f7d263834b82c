#include "demo/DemoCompany.h"

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

} // namespace

BENCHMARK(BM_DemoCompanyCreate)
    ->Arg(10'000)
    ->Arg(1'000'000)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
