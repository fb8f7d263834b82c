#include "BenchCompany.h"

#include "app/HeadlessSession.h"
#include "app/ListPage.h"
#include "suite/data/SqliteConnection.h"
#include "suite/data/tsql/SqliteDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <cstdio>
#include <cstring>
#include <ctime>

#include <sys/resource.h>
#include <sys/wait.h>

// The export sub-command as a user runs it, on the demo company (10,000 customers) and on the
// company of one million customers the list-page benchmark makes: the time of a whole export
// and the most memory the exporting process held (counter peak_MB), which must stay flat in
// the number of rows. On the company of 100,000 customers the CSV export runs beside raw
// SQLite writing the same rows as CSV the way `sqlite3 -csv` does, in the same run.

namespace {

constexpr int kHundredThousand = 100'000;

QString millionCompany()
{
    return bench::companyFile(bench::companyDirectory(QStringLiteral("1m")));
}

double seconds(const timeval &time)
{
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

// What one export process cost: its wall time, the processor time it used and its peak
// resident memory in megabytes; peakMB is -1 when it failed.
struct ExportCost
{
    double wallSeconds = 0;
    double cpuSeconds = 0;
    double peakMB = -1;
};

ExportCost exportOnce(const QString &format, const QString &database, const QString &file)
{
    QStringList arguments{ QStringLiteral("export"), QStringLiteral("--format"), format, file,
                           QStringLiteral("--lang"), QStringLiteral("en-US") };
    if (!database.isEmpty())
        arguments << QStringLiteral("--db") << database;
    rusage before{};
    getrusage(RUSAGE_CHILDREN, &before);
    QElapsedTimer wall;
    wall.start();
    QProcess process;
    process.setProgram(QStringLiteral(CUSTOMER_ARCHIVE_PATH));
    process.setArguments(arguments);
    process.start();
    ExportCost cost;
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return cost;
    cost.wallSeconds = double(wall.nsecsElapsed()) / 1e9;
    rusage after{};
    getrusage(RUSAGE_CHILDREN, &after);
    cost.cpuSeconds = seconds(after.ru_utime) + seconds(after.ru_stime) - seconds(before.ru_utime)
        - seconds(before.ru_stime);
    cost.peakMB = double(after.ru_maxrss) / 1024.0;
    return cost;
}

void runExport(benchmark::State &state, const QString &format, const QString &database)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("list.") + format);
    ExportCost cost;
    for (auto _ : state) {
        cost = exportOnce(format, database, file);
        if (cost.peakMB < 0) {
            state.SkipWithError("the export failed");
            return;
        }
    }
    state.counters["peak_MB"] = cost.peakMB;
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

// The translated statement of the whole list the export writes, as the demo user sees it.
bool listStatement(const QString &dir, QString &sql, QString &sMsg)
{
    host::HeadlessSession session;
    if (!session.start(
            { bench::connectionText(dir), QStringLiteral("demo"), QStringLiteral("en-US") },
            sMsg)) {
        return false;
    }
    host::ListRequest request;
    request.database = bench::connectionText(dir);
    request.languageRegion = QStringLiteral("en-US");
    request.pageSize = 1;
    host::ListPage page;
    if (!page.read(request, sMsg, host::ListPage::Binding::RowsOnly))
        return false;
    suite::tsql::TsqlTranslator translator(std::make_shared<suite::tsql::SqliteDialect>());
    const auto batch = translator.translate(page.listStatement(), sMsg);
    if (!batch)
        return false;
    sql = batch->steps.front().sql;
    return true;
}

void writeCsvCell(std::FILE *out, const char *text, int length)
{
    std::fputc('"', out);
    if (length > 0 && std::strchr("=+-@\t\r", text[0]))
        std::fputc('\'', out);
    for (int at = 0; at < length; ++at) {
        if (text[at] == '"')
            std::fputc('"', out);
        std::fputc(text[at], out);
    }
    std::fputc('"', out);
}

// Raw SQLite writing the rows of the statement as `sqlite3 -csv` does, every cell as stored:
// the rows written, or -1.
qint64 writeRawCsv(sqlite3 *db, const QString &sql, const QString &file, QString &sMsg)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK) {
        sMsg = QString::fromUtf8(sqlite3_errmsg(db));
        return -1;
    }
    std::FILE *out = std::fopen(QFile::encodeName(file).constData(), "wb");
    if (!out) {
        sqlite3_finalize(statement);
        sMsg = QStringLiteral("cannot write ") + file;
        return -1;
    }
    std::fputs("\xEF\xBB\xBF", out);
    const int width = sqlite3_column_count(statement);
    for (int column = 0; column < width; ++column) {
        const char *name = sqlite3_column_name(statement, column);
        if (column > 0)
            std::fputc(',', out);
        writeCsvCell(out, name, int(std::strlen(name)));
    }
    std::fputs("\r\n", out);
    qint64 rows = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int column = 0; column < width; ++column) {
            if (column > 0)
                std::fputc(',', out);
            const auto *text =
                reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
            writeCsvCell(out, text ? text : "", sqlite3_column_bytes(statement, column));
        }
        std::fputs("\r\n", out);
        ++rows;
    }
    std::fclose(out);
    sqlite3_finalize(statement);
    return rows;
}

double processSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The CSV export of 100,000 customers beside raw SQLite writing the same rows: seconds of
// each (wall and processor) and their ratios, which must stay within 2.
void BM_ExportCsvBesideRawSqlite(benchmark::State &state)
{
    const QString dir = bench::companyDirectory(QStringLiteral("100k"));
    QString sql;
    QString sMsg;
    suite::SqliteConnection connection;
    if (!bench::makeCompany(dir, kHundredThousand) || !listStatement(dir, sql, sMsg)
        || !connection.open(bench::companyFile(dir), sMsg)) {
        state.SkipWithError(qPrintable(sMsg.isEmpty() ? QStringLiteral("no company") : sMsg));
        return;
    }
    QTemporaryDir files;
    const QString ours = files.filePath(QStringLiteral("list.csv"));
    const QString raw = files.filePath(QStringLiteral("raw.csv"));
    ExportCost cost;
    double rawWall = 0;
    double rawCpu = 0;
    for (auto _ : state) {
        cost = exportOnce(QStringLiteral("csv"), bench::connectionText(dir), ours);
        QElapsedTimer wall;
        wall.start();
        const double cpuBefore = processSeconds();
        const qint64 rows = writeRawCsv(connection.handle(), sql, raw, sMsg);
        rawCpu = processSeconds() - cpuBefore;
        rawWall = double(wall.nsecsElapsed()) / 1e9;
        if (cost.peakMB < 0 || rows != kHundredThousand) {
            state.SkipWithError(
                qPrintable(sMsg.isEmpty() ? QStringLiteral("the export failed") : sMsg));
            return;
        }
    }
    state.counters["ours_s"] = cost.wallSeconds;
    state.counters["raw_s"] = rawWall;
    state.counters["ratio"] = cost.wallSeconds / rawWall;
    state.counters["ours_cpu_s"] = cost.cpuSeconds;
    state.counters["raw_cpu_s"] = rawCpu;
    state.counters["cpu_ratio"] = cost.cpuSeconds / rawCpu;
    state.counters["ours_MB"] = double(QFile(ours).size()) / 1e6;
    state.counters["raw_MB"] = double(QFile(raw).size()) / 1e6;
    state.counters["peak_MB"] = cost.peakMB;
}

} // namespace

BENCHMARK(BM_ExportDemoPdf)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_ExportDemoCsv)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_ExportDemoXlsx)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_ExportCsvBesideRawSqlite)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_ExportMillion, csv, "csv")->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_ExportMillion, xlsx, "xlsx")->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_ExportMillion, pdf, "pdf")->Unit(benchmark::kSecond)->Iterations(1);
