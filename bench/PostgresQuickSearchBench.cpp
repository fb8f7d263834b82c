#include "BenchCompany.h"
#include "QuickSearches.h"
#include "ServerBenchCompany.h"

#include "catalogue/QuickSearch.h"
#include "suite/data/DataService.h"
#include "suite/pub/ClsPub.h"

#include <benchmark/benchmark.h>

// The quick search of the list on a PostgreSQL company of one million customers, from the
// keystroke to the first page of 100 customers as the window shows it before their count: the
// searches of the SQLite benchmark, found through the trigram index of the searched fields.
// Runs against the server CUSTOMER_ARCHIVE_PG names (scripts/with-postgres.sh).

namespace {

constexpr int kCustomers = 1'000'000;
constexpr int kPageSize = 100;

suite::PageRequest searchPage(const bench::Search &search, qint64 keystroke)
{
    // Every keystroke sends a text the data service has not translated yet.
    const QString fresh = QStringLiteral(" and %1=%1").arg(keystroke);
    return { QStringLiteral("Customer"),
             QStringLiteral("cCusCode"),
             bench::kListSelect,
             bench::kListJoins,
             QStringLiteral(" where isnull(Customer.bTransFlag,0) =0") + fresh
                 + QStringLiteral(" and ")
                 + customer::quickSearchCondition(QString::fromUtf8(search.text)),
             QStringLiteral(" order by Customer.cCusCode") };
}

void BM_PostgresQuickSearchFirstPage(benchmark::State &state)
{
    const bench::Search &search = bench::kSearches[state.range(0)];
    state.SetLabel(search.label);
    const QString text = bench::preparedServerCompany(kCustomers);
    if (text.isEmpty()) {
        state.SkipWithError("no PostgreSQL company");
        return;
    }
    auto service = std::make_shared<suite::ClsCommon>();
    service->Init(text);
    suite::ClsPub pub;
    qint64 keystroke = 0;
    for (auto _ : state) {
        int page = 1;
        int pageCount = 0;
        suite::RecordSet rs;
        if (!pub.GetPageRstUncounted(service, rs, searchPage(search, ++keystroke), page, kPageSize,
                                     pageCount)) {
            state.SkipWithError(qPrintable(service->LastError()));
            return;
        }
        state.counters["rows"] = rs.RecordCount();
    }
}

} // namespace

BENCHMARK(BM_PostgresQuickSearchFirstPage)
    ->DenseRange(0, bench::kSearchCount - 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
