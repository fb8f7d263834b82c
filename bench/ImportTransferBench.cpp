#include "BenchCompany.h"
#include "EnteredCompany.h"

#include "catalogue/SharedUtilities.h"
#include "demo/DemoCompany.h"
#include "entry/SessionContext.h"
#include "import/StagingTransfer.h"
#include "suite/data/SqliteConnection.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The transfer ("Sync") of 10,000 staging rows into the 100,000-customer company as the import
// list runs it: three in four rows are new customers numbered by the rule, one in four modify
// the archive customer whose code they carry. Every run works on a fresh copy of the company
// with its rows staged, both made outside the time.

namespace {

constexpr int kHundredThousand = 100'000;
constexpr int kStagedRows = 10'000;

bool stageRows(const QString &file, QString &sMsg)
{
    suite::SqliteConnection db;
    if (!db.open(file, sMsg) || !db.execute(QStringLiteral("begin"), {}, sMsg)
        || !db.execute(QStringLiteral("update customer_import set bTransFlag=1"), {}, sMsg))
        return false;
    for (int n = 0; n < kStagedRows; ++n) {
        const QVariant code = n % 4 == 0
            ? QVariant(QStringLiteral("%1").arg(n / 4 + 1, 7, 10, QChar(u'0')))
            : QVariant();
        if (!db.execute(QStringLiteral("insert into customer_import (cCusCode, cCusName, cCCCode,"
                                       " cCusPhone, dCusCreateDatetime) values"
                                       " (?, ?, '0101', ?, '2026-10-05 09:00:00')"),
                        { code, QStringLiteral("导入测试客户%1有限公司").arg(n),
                          QStringLiteral("010-6%1").arg(n, 7, 10, QChar(u'0')) },
                        sMsg))
            return false;
    }
    return db.execute(QStringLiteral("commit"), {}, sMsg);
}

QStringList stagedIds(const QString &file, QString &sMsg)
{
    suite::SqliteConnection db;
    QStringList ids;
    if (!db.open(file, sMsg))
        return ids;
    const suite::RecordSet rows = db.query(
        QStringLiteral("select AutoID from customer_import where bTransFlag is null"), {}, sMsg);
    for (int row = 0; row < rows.RecordCount(); ++row)
        ids.append(rows.valueAt(row, 0).toString());
    return ids;
}

void BM_TransferOfTenThousandStagedRows(benchmark::State &state)
{
    const QString dir = bench::companyDirectory(QStringLiteral("100k"));
    QString sMsg;
    if (!bench::makeCompany(dir, kHundredThousand)) {
        state.SkipWithError("no company");
        return;
    }
    int transferred = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto copy = std::make_unique<QTemporaryDir>();
        for (const QString &file : demo::DemoCompany::paths(dir))
            QFile::copy(file, copy->filePath(QFileInfo(file).fileName()));
        auto session = std::make_unique<bench::EnteredCompany>();
        const QString file = bench::companyFile(copy->path());
        if (!stageRows(file, sMsg) || !session->enter(copy->path(), sMsg)) {
            state.SkipWithError(qPrintable(sMsg));
            return;
        }
        const QStringList ids = stagedIds(file, sMsg);
        using namespace customer;
        const TransferXmlContext context = StagingTransfer::withDatabaseDefaults(
            *g_oSrv, { g_cUserId, g_cUserName, QStringLiteral("2026-11-20 10:00:00"), {}, {} },
            GetAccId());
        StagingTransfer transfer(g_oSrv, g_oPub, context, g_cDBName);
        state.ResumeTiming();
        if (!transfer.markSelection(ids, sMsg)) {
            state.SkipWithError(qPrintable(sMsg));
            return;
        }
        const TransferOutcome outcome = transfer.run();
        if (outcome.failed()) {
            state.SkipWithError(qPrintable(outcome.message));
            return;
        }
        transferred = outcome.transferred;
        state.PauseTiming();
        session.reset();
        copy.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = double(transferred);
}

} // namespace

BENCHMARK(BM_TransferOfTenThousandStagedRows)->Unit(benchmark::kSecond)->Iterations(1);
