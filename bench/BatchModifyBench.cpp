#include "BenchCompany.h"
#include "EnteredCompany.h"

#include "batch/BatchModify.h"
#include "catalogue/FieldCatalogue.h"
#include "demo/DemoCompany.h"
#include "entry/ClsCustomer.h"
#include "entry/SessionContext.h"
#include "suite/SuiteServices.h"
#include "suite/login/ClsLogin.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/MessageScript.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// Batch modify on a company of 100,000 customers, as the window runs it after the user said
// yes: one field for every customer (with the credit sums of the customers with credit on),
// and the address of 10,000 customers with their delivery address rows. The company is made
// once in the cache folder (or CUSTOMER_ARCHIVE_BENCH_DIR) and copied afresh for every run,
// outside the time measured.

namespace {

constexpr int kCustomers = 100'000;
constexpr int kAddressCustomers = 10'000;

// A fresh copy of the company, entered by the demo user as the list window enters it.
class BatchCompany
{
public:
    bool open(const QString &templateDir, QString &sMsg)
    {
        for (const QString &file : demo::DemoCompany::paths(templateDir)) {
            if (!QFile::copy(file, m_dir.filePath(QFileInfo(file).fileName()))) {
                sMsg = QStringLiteral("cannot copy ") + file;
                return false;
            }
        }
        if (!m_entered.enter(m_dir.path(), sMsg))
            return false;
        customer::BuildColInfo();
        return true;
    }

private:
    QTemporaryDir m_dir;
    bench::EnteredCompany m_entered;
};

void runBatch(benchmark::State &state, const customer::BatchModifyRequest &request)
{
    const QString dir = bench::companyDirectory(QStringLiteral("100k"));
    if (!bench::makeCompany(dir, kCustomers)) {
        state.SkipWithError("no company");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto company = std::make_unique<BatchCompany>();
        QString sMsg;
        if (!company->open(dir, sMsg)) {
            state.SkipWithError(qPrintable(sMsg));
            return;
        }
        state.ResumeTiming();
        if (!customer::BatchModify().run(request)) {
            state.SkipWithError("the batch failed");
            return;
        }
        state.PauseTiming();
        company.reset();
        state.ResumeTiming();
    }
}

void BM_BatchModifyEveryCustomer(benchmark::State &state)
{
    runBatch(state,
             { QStringLiteral("cCusDepart"), QStringLiteral("Department"), QStringLiteral("0201"),
               QStringLiteral("(1=1)"), QStringLiteral("all") });
}

void BM_BatchModifyAddressOf10000(benchmark::State &state)
{
    const QString last = QStringLiteral("%1").arg(kAddressCustomers, 7, 10, QChar(u'0'));
    runBatch(state,
             { QStringLiteral("cCusAddress"), QStringLiteral("Address"),
               QStringLiteral("北京市海淀区中关村大街1号"),
               QStringLiteral("(Customer.cCusCode <= N'%1')").arg(last),
               QStringLiteral("first customers") });
}

} // namespace

BENCHMARK(BM_BatchModifyEveryCustomer)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BatchModifyAddressOf10000)->Unit(benchmark::kMillisecond)->Iterations(3);
