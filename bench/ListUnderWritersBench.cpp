#include "BenchCompany.h"

#include "suite/data/DataService.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>
#include <vector>

// The list's first and last page read through the data service while writers change customers
// one statement after another, each writer on a connection of its own as separate users would
// be: 0 writers against 7. The counters tell how many writes went through and how many failed
// (a writer that waited past the busy time-out). The company of 100,000 customers is made once
// and kept in the cache folder (or CUSTOMER_ARCHIVE_BENCH_DIR); the writers change only memos.

namespace {

constexpr int kCustomers = 100'000;
constexpr int kPageSize = 100;

const QString kListStatement = QStringLiteral(
    "select customer.ccuscode,ccusname,ccusabbname,customerclass.cccname,ccusphone,cmemo "
    "from customer left join customerclass on customer.ccccode=customerclass.ccccode "
    " left join customer_extradefine on customer.ccuscode=customer_extradefine.ccuscode "
    " where isnull(customer.btransflag,0) =0 and 1=1 order by customer.ccuscode");

QString prepareCompany()
{
    const QString dir = bench::companyDirectory(QStringLiteral("100k-writers"));
    return bench::makeCompany(dir, kCustomers) ? dir : QString();
}

// Writers that update one customer's memo per statement until told to stop.
class Writers
{
public:
    Writers(const QString &connection, const QStringList &codes, int count)
        : m_codes(codes)
    {
        for (int writer = 0; writer < count; ++writer)
            m_threads.emplace_back([this, connection, writer] { write(connection, writer); });
    }
    ~Writers()
    {
        m_stop = true;
        for (std::thread &thread : m_threads)
            thread.join();
    }
    qint64 written() const { return m_written; }
    qint64 failed() const { return m_failed; }

private:
    void write(const QString &connection, int writer)
    {
        suite::ClsCommon service;
        service.Init(connection);
        for (qint64 round = 0; !m_stop; ++round) {
            const QString &code = m_codes.at(int((round * 7 + writer) * 7919 % m_codes.size()));
            const bool ok = service.ExecuteX(
                QStringLiteral("update Customer set cMemo = 'writer %1 round %2' where "
                               "cCusCode = '%3'")
                    .arg(writer)
                    .arg(round)
                    .arg(code));
            (ok ? m_written : m_failed)++;
        }
    }

    const QStringList m_codes;
    std::atomic<bool> m_stop = false;
    std::atomic<qint64> m_written = 0;
    std::atomic<qint64> m_failed = 0;
    std::vector<std::thread> m_threads;
};

// Arguments: writers (0 or 7), page (0 first, 1 last).
void BM_ListPageUnderWriters(benchmark::State &state)
{
    const QString dir = prepareCompany();
    if (dir.isEmpty()) {
        state.SkipWithError("no company");
        return;
    }
    suite::ClsCommon reader;
    reader.Init(bench::connectionText(dir));
    const suite::RecordSet all = reader.OpenX(QStringLiteral("select cCusCode from Customer"));
    QStringList codes;
    for (int row = 0; row < all.RecordCount(); ++row)
        codes.append(all.valueAt(row, 0).toString());
    if (codes.isEmpty()) {
        state.SkipWithError("no customers");
        return;
    }
    Writers writers(bench::connectionText(dir), codes, int(state.range(0)));
    int failedReads = 0;
    for (auto _ : state) {
        int pageSize = kPageSize;
        int page = state.range(1) == 0 ? 1 : kCustomers / kPageSize;
        int pageCount = 0;
        suite::RecordSet rs;
        QString sMsg;
        bool ok = false;
        reader.OpenPage(kListStatement, pageSize, page, pageCount, rs, sMsg, ok);
        if (!ok || rs.RecordCount() != kPageSize)
            ++failedReads;
    }
    state.counters["failed_reads"] = failedReads;
    state.counters["writes"] = double(writers.written());
    state.counters["failed_writes"] = double(writers.failed());
}
BENCHMARK(BM_ListPageUnderWriters)
    ->Args({ 0, 0 })
    ->Args({ 7, 0 })
    ->Args({ 0, 1 })
    ->Args({ 7, 1 })
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
