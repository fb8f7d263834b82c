#include "suite/pub/ResourceTable.h"

#include <benchmark/benchmark.h>

// Every message and caption goes through a lookup; a window sets dozens of them on load.
static void BM_ResourceLookup(benchmark::State &state)
{
    const suite::ResourceTable &table = suite::ResourceTable::builtIn(QStringLiteral("zh-cn"));
    const QString key = QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information");
    for (auto _ : state)
        benchmark::DoNotOptimize(table.text(key));
}
BENCHMARK(BM_ResourceLookup);

static void BM_ResourceFormat(benchmark::State &state)
{
    const suite::ResourceTable &table = suite::ResourceTable::builtIn(QStringLiteral("zh-cn"));
    const QString key = QStringLiteral("Tarn.AA.ARCHIVE.BUTTON.sumpages");
    const QStringList args{ QStringLiteral("10000") };
    for (auto _ : state)
        benchmark::DoNotOptimize(table.format(key, args));
}
BENCHMARK(BM_ResourceFormat);
