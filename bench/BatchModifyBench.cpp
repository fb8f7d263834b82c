#include "BenchCompany.h"

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
        suite::registerSuiteServices();
        customer::registerCustomerComponent();
        customer::resetSessionContext();
        suite::ClsPub::installMessageScript(m_messages);
        m_login = std::make_shared<suite::ClsLogin>();
        const QString connection = bench::connectionText(m_dir.path());
        if (!m_login->Login({ QStringLiteral("demo"), QString(), connection,
                              QDate::currentDate().toString(Qt::ISODate), QStringLiteral("en-us"),
                              QString() },
                            sMsg))
            return false;
        m_entry = customer::ClsCustomer::create();
        m_entry->Init(m_login);
        if (!m_entry->CreateObj(0, m_login->cUserId(), m_login->cUserName(), m_login->KvDbName())) {
            sMsg = QStringLiteral("cannot enter the company");
            return false;
        }
        customer::BuildColInfo();
        return true;
    }

    ~BatchCompany()
    {
        if (m_entry)
            m_entry->LogOff();
        suite::ClsPub::installMessageScript(nullptr);
        customer::resetSessionContext();
    }

private:
    QTemporaryDir m_dir;
    std::shared_ptr<suite::MessageScript> m_messages = std::make_shared<suite::MessageScript>();
    std::shared_ptr<suite::ClsLogin> m_login;
    std::shared_ptr<customer::ClsCustomer> m_entry;
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
