#include "BenchCompany.h"
#include "QuickSearches.h"

#include "catalogue/QuickSearch.h"
#include "demo/CompanySearchIndex.h"
#include "suite/data/DataService.h"
#include "suite/data/SqliteConnection.h"
#include "suite/data/tsql/SqliteDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"
#include "suite/pub/ClsPub.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <cstdio>

// The quick search of the list over the company of one million customers: from the words to
// the first page of 100 customers as the window shows it after a keystroke, and apart from it
// the count of pages that follows. Short and long, Chinese and
// Latin, rare and common words. A company kept from an earlier version first gets its search
// index, as opening it in the product does; that is told on standard error with its time.

namespace {

constexpr int kCustomers = 1'000'000;
constexpr int kPageSize = 100;

using bench::kSearches;
using bench::Search;

bool addSearchIndex(const QString &file)
{
    suite::SqliteConnection connection;
    QString sMsg;
    bool created = false;
    QElapsedTimer clock;
    clock.start();
    const auto progress = [](qint64 done, qint64 total) {
        std::fprintf(stderr, "quick-search index %lld/%lld\n", static_cast<long long>(done),
                     static_cast<long long>(total));
    };
    if (!connection.open(file, sMsg, suite::SqliteConnection::OpenMode::ReadWrite)
        || !demo::CompanySearchIndex::ensure(connection, progress, created, sMsg)) {
        std::fprintf(stderr, "cannot add the search index to %s: %s\n", qPrintable(file),
                     qPrintable(sMsg));
        return false;
    }
    if (created)
        std::fprintf(stderr, "added the quick-search index to %s in %.1f s\n", qPrintable(file),
                     clock.elapsed() / 1000.0);
    return true;
}

QString prepareCompany()
{
    const QString dir = bench::companyDirectory(QStringLiteral("1m"));
    if (!bench::makeCompany(dir, kCustomers) || !addSearchIndex(bench::companyFile(dir)))
        return QString();
    return dir;
}

const QString &kSelect = bench::kListSelect;
const QString &kJoins = bench::kListJoins;

suite::PageRequest searchPage(const Search &search, qint64 keystroke)
{
    // Every keystroke sends a text the data service has not translated yet: the road a search
    // reads by is chosen with each translation, and that is part of what a user waits for.
    const QString fresh = QStringLiteral(" and %1=%1").arg(keystroke);
    return { QStringLiteral("Customer"),
             QStringLiteral("cCusCode"),
             kSelect,
             kJoins,
             QStringLiteral(" where isnull(Customer.bTransFlag,0) =0") + fresh
                 + QStringLiteral(" and ")
                 + customer::quickSearchCondition(QString::fromUtf8(search.text)),
             QStringLiteral(" order by Customer.cCusCode") };
}

// Reads one page of each keystroke's search; counted waits for the count of pages too.
void readSearchPages(benchmark::State &state, bool counted)
{
    const Search &search = kSearches[state.range(0)];
    state.SetLabel(search.label);
    const QString dir = prepareCompany();
    if (dir.isEmpty()) {
        state.SkipWithError("no company");
        return;
    }
    auto service = std::make_shared<suite::ClsCommon>();
    service->Init(bench::connectionText(dir));
    suite::ClsPub pub;
    qint64 keystroke = 0;
    for (auto _ : state) {
        int page = 1;
        int pageCount = 0;
        suite::RecordSet rs;
        const suite::PageRequest request = searchPage(search, ++keystroke);
        const bool read = counted
            ? pub.GetPageRst(nullptr, service, rs, request.table, request.keyField, request.select,
                             request.join, request.where, request.order, page, kPageSize, pageCount)
            : pub.GetPageRstUncounted(service, rs, request, page, kPageSize, pageCount);
        if (!read) {
            state.SkipWithError(qPrintable(service->LastError()));
            return;
        }
        state.counters["rows"] = rs.RecordCount();
        state.counters["pages"] = pageCount;
    }
}

// From the keystroke to the first page's rows, as the window shows them before their count.
void BM_QuickSearchFirstPage(benchmark::State &state)
{
    readSearchPages(state, false);
}
BENCHMARK(BM_QuickSearchFirstPage)
    ->DenseRange(0, bench::kSearchCount - 1)
    ->Unit(benchmark::kMillisecond);

// The same with the count of pages that follows the page on the window's second connection.
void BM_QuickSearchCount(benchmark::State &state)
{
    readSearchPages(state, true);
}
BENCHMARK(BM_QuickSearchCount)
    ->DenseRange(0, bench::kSearchCount - 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
