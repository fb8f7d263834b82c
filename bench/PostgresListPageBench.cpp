#include "BenchCompany.h"
#include "ServerBenchCompany.h"

#include "suite/data/DataService.h"
#include "suite/data/PageStatements.h"
#include "suite/pub/ClsPub.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cstdio>

// The customer list's pages on a PostgreSQL company of 1,000,000 customers, as a user of a
// shared company waits for them: a first read of a new session (the first page comes before
// the count, a middle and the last page need it), and pages once counted: the first, the last,
// and each time another page around the middle, read from the known rows nearest to it.
// Arguments: page (0 first, 1 middle, 2 last). Once counted, the service reads the list's
// marks (every thousandth row) on its counting connection; the benchmark gives them the few
// seconds a user takes to look at the first page before it turns pages. Runs against the server
// CUSTOMER_ARCHIVE_PG names (scripts/with-postgres.sh); the company KVDATA_001_2026 is made there
// when it has fewer customers, which takes a few minutes.

namespace {

constexpr int kPageSize = 100;
constexpr int kCustomers = 1'000'000;
constexpr int kMarksWaitMs = 5000;

// The middle page first, then a different page around the middle each time: spread over the
// middle half of the list.
int middlePage(int pages, int reading)
{
    return pages / 4 + int((pages / 4 + qint64(reading) * 7919) % (pages / 2));
}

bool readPage(suite::ClsPub &pub, const std::shared_ptr<suite::ClsCommon> &service, int kind,
              int reading = 0)
{
    const suite::PageRequest request = {
        QStringLiteral("Customer"),
        QStringLiteral("cCusCode"),
        bench::kListSelect,
        bench::kListJoins,
        QStringLiteral(" where isnull(Customer.bTransFlag,0) =0 and 1=1"),
        QStringLiteral(" order by Customer.cCusCode"),
    };
    const int pages = kCustomers / kPageSize;
    int page = kind == 0 ? 1 : kind == 1 ? middlePage(pages, reading) : pages;
    int pageCount = 0;
    suite::RecordSet rows;
    const bool read = kind == 0
        ? pub.GetPageRstUncounted(service, rows, request, page, kPageSize, pageCount)
        : pub.GetPageRst(nullptr, service, rows, request.table, request.keyField, request.select,
                         request.join, request.where, request.order, page, kPageSize, pageCount);
    return read && rows.RecordCount() > 0;
}

// The marks come through the event queue, as the count does to the list window.
void deliverMarks()
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kMarksWaitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
}

std::shared_ptr<suite::ClsCommon> openService(const QString &text)
{
    auto service = std::make_shared<suite::ClsCommon>();
    service->Init(text);
    return service;
}

void BM_PostgresListRead(benchmark::State &state, bool cached)
{
    const QString text = bench::preparedServerCompany(kCustomers);
    if (text.isEmpty()) {
        state.SkipWithError("no PostgreSQL company");
        return;
    }
    const int kind = int(state.range(0));
    suite::ClsPub pub;
    std::shared_ptr<suite::ClsCommon> service = openService(text);
    int reading = 0;
    if (cached && !readPage(pub, service, kind, reading++)) {
        state.SkipWithError(qPrintable(service->LastError()));
        return;
    }
    if (cached)
        deliverMarks();
    for (auto _ : state) {
        if (!cached) {
            state.PauseTiming();
            service = openService(text);
            state.ResumeTiming();
        }
        if (!readPage(pub, service, kind, cached ? reading++ : 0)) {
            state.SkipWithError(qPrintable(service->LastError()));
            return;
        }
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_PostgresListRead, first, false)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(BM_PostgresListRead, cached, true)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
