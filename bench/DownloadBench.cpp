#include "BenchCompany.h"
#include "EnteredCompany.h"

#include "demo/DemoCompany.h"
#include "demo/MarketingServer.h"
#include "entry/SessionContext.h"
#include "import/MarketingDownload.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

// The customers of the local marketing service (in this process, on a free port) downloaded
// page by page into the staging table of a fresh copy of a small demo company and merged; the
// copy is made outside the time. Run with 10,000 and then 100,000 records: the peak memory of
// the process after each tells whether memory stays flat in the number of pages.

namespace {

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

void BM_DownloadFromTheMarketingService(benchmark::State &state)
{
    const int records = int(state.range(0));
    const QString dir = bench::companyDirectory(QStringLiteral("1k"));
    if (!bench::makeCompany(dir, 1000)) {
        state.SkipWithError("no company");
        return;
    }
    demo::MarketingServerSettings settings;
    settings.records = records;
    demo::MarketingServer server(settings);
    QString sMsg;
    if (!server.start(0, sMsg)) {
        state.SkipWithError(qPrintable(sMsg));
        return;
    }
    customer::MarketingOptions options;
    options.serviceUrl = server.baseUrl();
    customer::DownloadOutcome outcome;
    for (auto _ : state) {
        state.PauseTiming();
        auto copy = std::make_unique<QTemporaryDir>();
        for (const QString &file : demo::DemoCompany::paths(dir))
            QFile::copy(file, copy->filePath(QFileInfo(file).fileName()));
        auto session = std::make_unique<bench::EnteredCompany>();
        if (!session->enter(copy->path(), sMsg)) {
            state.SkipWithError(qPrintable(sMsg));
            return;
        }
        state.ResumeTiming();
        customer::MarketingDownload download(*customer::g_oSrv, *customer::g_oPub, options);
        outcome = download.run(demo::kDemoEnterpriseCode);
        state.PauseTiming();
        session.reset();
        copy.reset();
        state.ResumeTiming();
        if (!outcome.merged || outcome.rows != records) {
            state.SkipWithError(qPrintable(outcome.messages.join(u' ')));
            return;
        }
    }
    state.counters["records"] = double(outcome.rows);
    state.counters["pages"] = double(outcome.pages);
    state.counters["peak_MB"] = double(peakMegabytes());
}

} // namespace

BENCHMARK(BM_DownloadFromTheMarketingService)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
