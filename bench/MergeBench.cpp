#include "BenchCompany.h"
#include "EnteredCompany.h"

#include "demo/CompanyIndexes.h"
#include "demo/DemoCompany.h"
#include "entry/ClsCustomer.h"
#include "entry/SessionContext.h"
#include "merge/CustomerUnite.h"
#include "merge/DuplicateScan.h"
#include "suite/SuiteServices.h"
#include "suite/data/SqliteConnection.h"
#include "suite/login/ClsLogin.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/MessageScript.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

// The duplicate scan of the 1,000,000-customer company as the list's "Find duplicates" runs it
// (every customer read a page at a time, the pairs found), with the peak memory of the process;
// and the merge of two customers of the 100,000-customer company that have 100 sub-records
// each, on a fresh copy for every run, the copy and the sub-records made outside the time.

namespace {

constexpr int kMillion = 1'000'000;
constexpr int kHundredThousand = 100'000;

using Session = bench::EnteredCompany;

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

bool withCurrentIndexes(const QString &dir, QString &sMsg)
{
    suite::SqliteConnection connection;
    QStringList created;
    return connection.open(bench::companyFile(dir), sMsg,
                           suite::SqliteConnection::OpenMode::ReadWrite)
        && demo::CompanyIndexes::update(connection, created, sMsg);
}

void BM_DuplicateScanOfAMillionCustomers(benchmark::State &state)
{
    const QString dir = bench::companyDirectory(QStringLiteral("1m"));
    QString sMsg;
    if (!bench::makeCompany(dir, kMillion) || !withCurrentIndexes(dir, sMsg)) {
        state.SkipWithError("no company");
        return;
    }
    Session session;
    if (!session.enter(dir, sMsg)) {
        state.SkipWithError(qPrintable(sMsg));
        return;
    }
    qsizetype found = 0;
    for (auto _ : state) {
        QList<customer::DuplicatePair> pairs;
        if (!customer::DuplicateScan().run(customer::DuplicateScan::kDefaultMinScore, 1000,
                                           pairs)) {
            state.SkipWithError("the scan failed");
            return;
        }
        found = pairs.size();
    }
    state.counters["pairs"] = double(found);
    state.counters["peak_MB"] = double(peakMegabytes());
}

// 40 addresses, 20 banks, 20 persons, 10 invoice units and 10 rights rows for one customer.
bool giveSubRecords(const QString &file, const QString &code, QString &sMsg)
{
    suite::SqliteConnection db;
    if (!db.open(file, sMsg))
        return false;
    for (int n = 1; n <= 40; ++n) {
        if (!db.execute(QStringLiteral("insert into CusDeliverAdd (cCusCode, cAddCode, cDeliverAdd,"
                                       " bDefault) values (?, ?, ?, 0)"),
                        { code, QStringLiteral("%1").arg(n + 100, 4, 10, QChar(u'0')),
                          QStringLiteral("%1 路 %2 号").arg(code).arg(n) },
                        sMsg))
            return false;
    }
    for (int n = 1; n <= 20; ++n) {
        if (!db.execute(QStringLiteral("insert into CustomerBank (cCusCode, cBranch, cAccountNum,"
                                       " bDefault) values (?, '支行', ?, 0)"),
                        { code, code + QString::number(n) }, sMsg)
            || !db.execute(QStringLiteral("insert into CustomerPerson (cCusCode, cPersonCode,"
                                          " bDefault) values (?, ?, 0)"),
                           { code, QStringLiteral("P%1").arg(n) }, sMsg))
            return false;
    }
    for (int n = 1; n <= 10; ++n) {
        if (!db.execute(QStringLiteral("insert into CustomerInvoiceCorp (cCusCode,"
                                       " cInvoiceCompany, bDefault) values (?, ?, 0)"),
                        { code, QStringLiteral("%1").arg(n, 7, 10, QChar(u'0')) }, sMsg)
            || !db.execute(QStringLiteral("insert into customer_auth (Account_ID, Privilege_Type,"
                                          " Privilege_ID) values (?, 9, ?)"),
                           { code, QString::number(n) }, sMsg))
            return false;
    }
    return true;
}

void BM_MergeOfTwoCustomersWithAHundredSubRecordsEach(benchmark::State &state)
{
    const QString dir = bench::companyDirectory(QStringLiteral("100k"));
    QString sMsg;
    if (!bench::makeCompany(dir, kHundredThousand) || !withCurrentIndexes(dir, sMsg)) {
        state.SkipWithError("no company");
        return;
    }
    const QString first = QStringLiteral("0050001");
    const QString second = QStringLiteral("0050002");
    for (auto _ : state) {
        state.PauseTiming();
        auto copy = std::make_unique<QTemporaryDir>();
        for (const QString &file : demo::DemoCompany::paths(dir))
            QFile::copy(file, copy->filePath(QFileInfo(file).fileName()));
        auto session = std::make_unique<Session>();
        if (!giveSubRecords(bench::companyFile(copy->path()), first, sMsg)
            || !giveSubRecords(bench::companyFile(copy->path()), second, sMsg)
            || !session->enter(copy->path(), sMsg)) {
            state.SkipWithError(qPrintable(sMsg));
            return;
        }
        state.ResumeTiming();
        if (!customer::CustomerUnite::run(first, second, sMsg)) {
            state.SkipWithError(qPrintable(sMsg));
            return;
        }
        state.PauseTiming();
        session.reset();
        copy.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_DuplicateScanOfAMillionCustomers)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_MergeOfTwoCustomersWithAHundredSubRecordsEach)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
