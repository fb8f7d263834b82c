#include "BenchCompany.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>

// The export sub-command as a user runs it, on the demo company (10,000 customers) and on the
// company of one million customers the list-page benchmark makes: the time of a whole export
// and the most memory the exporting process held (counter peak_MB), which must stay flat in
// the number of rows.

namespace {

QString millionCompany()
{
    return bench::companyFile(bench::companyDirectory(QStringLiteral("1m")));
}

// Runs one export and returns the peak resident memory of the process in megabytes; -1 when
// it failed.
double exportOnce(const QString &format, const QString &database, const QString &file)
{
    QStringList arguments{ QStringLiteral("export"), QStringLiteral("--format"), format, file,
                           QStringLiteral("--lang"), QStringLiteral("en-US") };
    if (!database.isEmpty())
        arguments << QStringLiteral("--db") << database;
    QProcess process;
    process.setProgram(QStringLiteral(CUSTOMER_ARCHIVE_PATH));
    process.setArguments(arguments);
    process.start();
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return -1;
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void runExport(benchmark::State &state, const QString &format, const QString &database)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("list.") + format);
    double peak = 0;
    for (auto _ : state) {
        peak = exportOnce(format, database, file);
        if (peak < 0) {
            state.SkipWithError("the export failed");
            return;
        }
    }
    state.counters["peak_MB"] = peak;
}

void BM_ExportDemoPdf(benchmark::State &state)
{
    runExport(state, QStringLiteral("pdf"), QString());
}

void BM_ExportDemoCsv(benchmark::State &state)
{
    runExport(state, QStringLiteral("csv"), QString());
}

void BM_ExportDemoXlsx(benchmark::State &state)
{
    runExport(state, QStringLiteral("xlsx"), QString());
}

void BM_ExportMillion(benchmark::State &state, const char *format)
{
    if (!QFile::exists(millionCompany())) {
        state.SkipWithError("run BM_ListPage first: it makes the company of a million customers");
        return;
    }
    runExport(state, QString::fromLatin1(format), millionCompany());
}

} // namespace

BENCHMARK(BM_ExportDemoPdf)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_ExportDemoCsv)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_ExportDemoXlsx)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_ExportMillion, csv, "csv")->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_ExportMillion, xlsx, "xlsx")->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_ExportMillion, pdf, "pdf")->Unit(benchmark::kSecond)->Iterations(1);
