#include "plugins/creditreview/CreditFigures.h"

#include "demo/DemoCompany.h"
#include "suite/SuiteServices.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/SqliteConnection.h"

#include <QDate>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

// What the card's credit review costs a user when its page is shown: the figures of a customer
// whose receivables ledger holds range(0) invoices, all but the last ten paid, read through the
// data service as the plug-in reads them (three statements, and the open invoices a page at a
// time, oldest first). The company is a small demo company made outside the time.

namespace {

bool addLedger(const QString &companyFile, int invoices, QString &sMsg)
{
    suite::SqliteConnection db;
    if (!db.open(companyFile, sMsg))
        return false;
    return db.execute(QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 "
                                     "from n where i < %1) insert into Ar_Detail (cDwCode, "
                                     "dVouchDate, cVouchType, cVouchID, iDAmount, iCAmount) "
                                     "select 'LONG', date('2020-01-01', '+' || (i / 10) || "
                                     "' days') || ' 00:00:00.000', '26', printf('XS%%08d', i), "
                                     "100, 0 from n; insert into Ar_Detail (cDwCode, dVouchDate, "
                                     "cVouchType, cVouchID, iDAmount, iCAmount) values ('LONG', "
                                     "'2026-11-30 00:00:00.000', '48', 'SK1', 0, %2)")
                          .arg(invoices)
                          .arg(100.0 * (invoices - 10)),
                      sMsg);
}

void BM_CreditReviewFiguresOfALongLedger(benchmark::State &state)
{
    const int invoices = int(state.range(0));
    QTemporaryDir dir;
    demo::DemoSettings settings;
    settings.customers = 1000;
    settings.plugIns = false;
    QString sMsg;
    if (!dir.isValid() || !demo::DemoCompany::create(dir.path(), settings, {}, sMsg)
        || !addLedger(demo::DemoCompany::paths(dir.path()).first(), invoices, sMsg)) {
        state.SkipWithError(qPrintable(sMsg));
        return;
    }
    suite::registerSuiteServices();
    const auto service =
        suite::createObject<suite::IClsCommon>(QLatin1String(suite::IClsCommon::kProgId));
    service->Init(QStringLiteral("Provider=SQLite;Data Source=%1;Initial Catalog=KVDATA_001_2026")
                      .arg(demo::DemoCompany::paths(dir.path()).first()));
    creditreview::CreditFiguresReader reader(*service);
    creditreview::CreditFigures figures;
    for (auto _ : state) {
        if (!reader.read(QStringLiteral("LONG"), QDate(2026, 12, 1), figures, sMsg)) {
            state.SkipWithError(qPrintable(sMsg));
            return;
        }
        benchmark::DoNotOptimize(figures.oldestOpenAmount);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024;
}
BENCHMARK(BM_CreditReviewFiguresOfALongLedger)
    ->Arg(100)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

} // namespace
