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

// A '+' chain of n terms, one of them text: the translation must stay linear in n.
void BM_PlusChain(benchmark::State &state)
{
    QStringList terms;
    for (int i = 0; i < state.range(0); ++i)
        terms.append(i == 1 ? QStringLiteral("'x'") : QStringLiteral("cCusCode"));
    translateRepeatedly(state, 0, QStringLiteral("select ") + terms.join(u'+'));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PlusChain)
    ->RangeMultiplier(2)
    ->Range(2500, 20000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// A filter of about 60 KB as a user might paste it: many conditions with concatenations.
void BM_LongFilter(benchmark::State &state)
{
    QString filter;
    for (int i = 0; filter.size() < 60000; ++i)
        filter += QStringLiteral(" or cCusName + cCusAbbName like '%%1%'").arg(i);
    translateRepeatedly(state, 0,
                        QStringLiteral("select cCusCode from Customer where (1=0") + filter + u')');
}
BENCHMARK(BM_LongFilter)->Unit(benchmark::kMillisecond);

} // namespace
