#include "BenchCompany.h"
#include "EnteredCompany.h"

#include "demo/DemoCompany.h"
#include "entry/SessionContext.h"
#include "import/StagingFileImport.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

// A 100,000-row CSV file of new customers (Chinese names and addresses, codes of the demo
// company's classes, departments, salespersons and currencies, dates, amounts, flags) imported
// into the staging table of a fresh copy of the 100,000-customer company, with the peak memory
// of the process; the file and the copy are made outside the time.

namespace {

constexpr int kRows = 100'000;

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

bool writeRows(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    static const char *const places[] = { "北京", "上海", "苏州", "无锡", "杭州", "成都" };
    static const char *const trades[] = { "科技", "贸易", "机械", "食品", "物流", "电子" };
    static const char *const classes[] = { "0101", "0102", "0103" };
    static const char *const persons[] = { "001", "002", "003" };
    file.write(
        "客户名称,客户简称,所属分类码,分管部门,专管业务员,币种,发展日期,信用额度,控制信用额度,"
        "电话,地址,备注\r\n");
    for (int row = 0; row < kRows; ++row) {
        const QString place = QString::fromUtf8(places[row % 6]);
        const QString name = place + QString::fromUtf8(trades[(row / 6) % 6])
            + QStringLiteral("%1有限公司").arg(row);
        const QString line =
            QStringLiteral("%1,%2,%3,0201,%4,人民币,2026-%5-%6,%7,%8,0512-%9,"
                           "\"%10市工业园区%11号, 二楼\",\"导入 \"\"批次\"\" %12\"\r\n")
                .arg(name, place + QString::number(row), QString::fromLatin1(classes[row % 3]),
                     QString::fromLatin1(persons[row % 3]))
                .arg(row % 12 + 1)
                .arg(row % 28 + 1)
                .arg(row * 10.5, 0, 'f', 1)
                .arg(row % 2 ? QStringLiteral("是") : QStringLiteral("否"))
                .arg(60000000 + row)
                .arg(place)
                .arg(row % 500)
                .arg(row);
        file.write(line.toUtf8());
    }
    return true;
}

void BM_ImportOfAHundredThousandRowCsv(benchmark::State &state)
{
    const QString dir = bench::companyDirectory(QStringLiteral("100k"));
    QTemporaryDir files;
    const QString csv = files.filePath(QStringLiteral("customers.csv"));
    if (!bench::makeCompany(dir, kRows) || !writeRows(csv)) {
        state.SkipWithError("no company or no file");
        return;
    }
    customer::StagingImportReport report;
    for (auto _ : state) {
        state.PauseTiming();
        auto copy = std::make_unique<QTemporaryDir>();
        for (const QString &file : demo::DemoCompany::paths(dir))
            QFile::copy(file, copy->filePath(QFileInfo(file).fileName()));
        auto session = std::make_unique<bench::EnteredCompany>();
        QString sMsg;
        if (!session->enter(copy->path(), sMsg)) {
            state.SkipWithError(qPrintable(sMsg));
            return;
        }
        state.ResumeTiming();
        report = customer::StagingFileImport(*customer::g_oSrv, *customer::g_oPub).run(csv);
        state.PauseTiming();
        session.reset();
        copy.reset();
        state.ResumeTiming();
        if (!report.failure.isEmpty() || report.landed != kRows) {
            state.SkipWithError(qPrintable(report.failure));
            return;
        }
    }
    state.counters["rows"] = double(report.landed);
    state.counters["with_errors"] = double(report.withErrors);
    state.counters["peak_MB"] = double(peakMegabytes());
}

} // namespace

BENCHMARK(BM_ImportOfAHundredThousandRowCsv)->Unit(benchmark::kMillisecond)->Iterations(1);
