#include "suite/data/tsql/SqliteDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"

#include "../tests/suite/data/tsql/TsqlCatalogue.h"

#include <benchmark/benchmark.h>

using namespace suite::tsql;

namespace {

// The list sends its page statement for every page and every refresh: thirty columns, the
// twenty-four joins of the query builder, the rights clause and the order.
void translateRepeatedly(benchmark::State &state, int cacheSize, const QString &text)
{
    TsqlTranslator translator(std::make_shared<SqliteDialect>(), cacheSize);
    QString sMsg;
    for (auto _ : state) {
        auto batch = translator.translate(text, sMsg);
        benchmark::DoNotOptimize(batch);
        if (!batch)
            state.SkipWithError(qPrintable(sMsg));
    }
    state.counters["chars"] = double(text.size());
}

void BM_ListPageUncached(benchmark::State &state)
{
    translateRepeatedly(state, 0, tsqlcatalogue::listPageStatement());
}
BENCHMARK(BM_ListPageUncached)->Unit(benchmark::kMicrosecond);

void BM_ListPageCached(benchmark::State &state)
{
    translateRepeatedly(state, 512, tsqlcatalogue::listPageStatement());
}
BENCHMARK(BM_ListPageCached)->Unit(benchmark::kMicrosecond);

void BM_SalespersonScriptUncached(benchmark::State &state)
{
    translateRepeatedly(state, 0, tsqlcatalogue::salespersonScript());
}
BENCHMARK(BM_SalespersonScriptUncached)->Unit(benchmark::kMicrosecond);

} // namespace
