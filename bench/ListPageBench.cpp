#include "BenchCompany.h"

#include "demo/CompanyIndexes.h"
#include "demo/DemoCompany.h"
#include "suite/data/CoarseColumns.h"
#include "suite/data/DataService.h"
#include "suite/data/PageQuery.h"
#include "suite/data/PageStatements.h"
#include "suite/data/SqliteConnection.h"
#include "suite/data/tsql/SqliteDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"
#include "suite/pub/ClsPub.h"

#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <cstdio>

// What a user waits for when the customer list shows a page, on companies of 100,000 and
// 1,000,000 customers, each beside raw SQLite running the same statements in the same run:
//
//   first read   a new session (a data service just opened, nothing counted): the first page
//                of all customers or of class 01 comes before the count; a middle and the last
//                page need it.
//   cached read  the same page again once the session has counted the rows.
//
// The desktop list reads keys first through the public service (ListRead*); web mode hands the
// data service the list's whole statement with its joins (WebRead*). Arguments: company
// (0 = 100K, 1 = 1M), page (0 first, 1 middle, 2 last, 3 first and 4 last of class 01). The
// companies are made once and kept in the cache folder (or CUSTOMER_ARCHIVE_BENCH_DIR); a
// company kept from an earlier version first gets the indexes a new one would have.

namespace {

constexpr int kPageSize = 100;

struct Company
{
    const char *name;
    int customers;
};
constexpr Company kCompanies[] = { { "100k", 100'000 }, { "1m", 1'000'000 } };

const QString &kSelect = bench::kListSelect;
const QString &kJoins = bench::kListJoins;
const QString kAllWhere = QStringLiteral(" where isnull(Customer.bTransFlag,0) =0 and 1=1");
const QString kClassWhere = QStringLiteral(
    " where isnull(Customer.bTransFlag,0) =0 and Customer.cCCCode like '01%' and 1=1");
const QString kOrder = QStringLiteral(" order by Customer.cCusCode");

bool updateIndexes(const QString &file)
{
    suite::SqliteConnection connection;
    QString sMsg;
    QStringList created;
    if (!connection.open(file, sMsg, suite::SqliteConnection::OpenMode::ReadWrite)
        || !demo::CompanyIndexes::update(connection, created, sMsg)) {
        std::fprintf(stderr, "cannot update the indexes of %s: %s\n", qPrintable(file),
                     qPrintable(sMsg));
        return false;
    }
    return true;
}

QString prepareCompany(const Company &company)
{
    const QString dir = bench::companyDirectory(QString::fromLatin1(company.name));
    const bool kept = QFileInfo::exists(bench::companyFile(dir));
    if (!bench::makeCompany(dir, company.customers))
        return QString();
    return !kept || updateIndexes(bench::companyFile(dir)) ? dir : QString();
}

struct PageCase
{
    suite::PageRequest request;
    int page = 1;
    // Whether the page needs the count: the first page of a list does not.
    bool needsCount = false;
};

PageCase pageCase(const benchmark::State &state, int customers)
{
    const int kind = int(state.range(1));
    const bool byClass = kind >= 3;
    PageCase result;
    result.request = { QStringLiteral("Customer"),
                       QStringLiteral("cCusCode"),
                       kSelect,
                       kJoins,
                       byClass ? kClassWhere : kAllWhere,
                       kOrder };
    const int pages = customers / kPageSize;
    const int pageOf[] = { 1, pages / 2, pages, 1, pages };
    result.page = pageOf[kind];
    result.needsCount = kind == 1 || kind == 2 || kind == 4;
    return result;
}

std::shared_ptr<suite::ClsCommon> openService(const QString &dir)
{
    auto service = std::make_shared<suite::ClsCommon>();
    service->Init(bench::connectionText(dir));
    return service;
}

// The data service of a new session inside the timed loop, opened outside the timing.
std::shared_ptr<suite::ClsCommon> reopenService(benchmark::State &state, const QString &dir)
{
    state.PauseTiming();
    std::shared_ptr<suite::ClsCommon> service = openService(dir);
    state.ResumeTiming();
    return service;
}

bool readListPage(suite::ClsPub &pub, const std::shared_ptr<suite::ClsCommon> &service,
                  const PageCase &wanted)
{
    int page = wanted.page;
    int pageCount = 0;
    suite::RecordSet rows;
    const bool read = wanted.needsCount
        ? pub.GetPageRst(nullptr, service, rows, wanted.request.table, wanted.request.keyField,
                         wanted.request.select, wanted.request.join, wanted.request.where,
                         wanted.request.order, page, kPageSize, pageCount)
        : pub.GetPageRstUncounted(service, rows, wanted.request, page, kPageSize, pageCount);
    return read && rows.RecordCount() > 0;
}

void BM_ListRead(benchmark::State &state, bool cached)
{
    const Company &company = kCompanies[state.range(0)];
    const QString dir = prepareCompany(company);
    if (dir.isEmpty()) {
        state.SkipWithError("no company");
        return;
    }
    const PageCase wanted = pageCase(state, company.customers);
    suite::ClsPub pub;
    std::shared_ptr<suite::ClsCommon> service = openService(dir);
    if (cached && !readListPage(pub, service, { wanted.request, wanted.page, true })) {
        state.SkipWithError(qPrintable(service->LastError()));
        return;
    }
    for (auto _ : state) {
        if (!cached)
            service = reopenService(state, dir);
        if (!readListPage(pub, service, wanted)) {
            state.SkipWithError(qPrintable(service->LastError()));
            return;
        }
    }
}

// Raw SQLite on the statements the service runs for the same page: the count when the page
// needs it, the page of keys, the rows of those keys.
void BM_ListReadRaw(benchmark::State &state, bool cached)
{
    const Company &company = kCompanies[state.range(0)];
    const QString dir = prepareCompany(company);
    if (dir.isEmpty()) {
        state.SkipWithError("no company");
        return;
    }
    const PageCase wanted = pageCase(state, company.customers);
    QString sMsg;
    suite::SqliteConnection connection;
    if (!connection.open(bench::companyFile(dir), sMsg)) {
        state.SkipWithError(qPrintable(sMsg));
        return;
    }
    // The statements as the data service translates them, with its planner hints.
    auto dialect = std::make_shared<suite::tsql::SqliteDialect>();
    suite::tsql::TsqlTranslator translator(dialect);
    translator.setCoarseColumnLookup(suite::CoarseColumns::lookupOf(connection));
    const auto translated = [&](const QString &text) {
        return translator.translate(text, sMsg)->steps.front().sql;
    };
    const QString keys = suite::page_statements::keysStatement(wanted.request, false);
    const QString count = translated(*suite::pageCountText(keys, sMsg));
    // The last page of a class is the last of the rows the class has.
    const qint64 rowCount = connection.query(count, {}, sMsg).valueAt(0, 0).toLongLong();
    const qint64 lastPage = (rowCount + kPageSize - 1) / kPageSize;
    const QString page =
        suite::pageStatement(*dialect, translated(keys), kPageSize,
                             (qMin<qint64>(wanted.page, lastPage) - 1) * kPageSize);
    const QString rows = translated(suite::page_statements::rowsStatement(
        wanted.request, suite::page_statements::keyLiterals(connection.query(page, {}, sMsg))));
    for (auto _ : state) {
        if (!cached) {
            state.PauseTiming();
            connection.close();
            connection.open(bench::companyFile(dir), sMsg);
            state.ResumeTiming();
        }
        if (!cached && wanted.needsCount)
            benchmark::DoNotOptimize(connection.query(count, {}, sMsg).Value(0));
        benchmark::DoNotOptimize(connection.query(page, {}, sMsg).RecordCount());
        if (connection.query(rows, {}, sMsg).RecordCount() == 0) {
            state.SkipWithError(qPrintable(sMsg));
            return;
        }
    }
}

// Web mode: the data service gets the list's whole statement, joins and all.
void BM_WebRead(benchmark::State &state, bool cached)
{
    const Company &company = kCompanies[state.range(0)];
    const QString dir = prepareCompany(company);
    if (dir.isEmpty()) {
        state.SkipWithError("no company");
        return;
    }
    const PageCase wanted = pageCase(state, company.customers);
    const QString text = QStringLiteral("select ") + kSelect + QStringLiteral(" from Customer")
        + kJoins + wanted.request.where + kOrder;
    std::shared_ptr<suite::ClsCommon> service = openService(dir);
    const auto read = [&](bool waitForCount) {
        int pageSize = kPageSize;
        int page = wanted.page;
        int pageCount = 0;
        suite::RecordSet rows;
        QString sMsg;
        bool ok = false;
        if (waitForCount)
            service->OpenPage(text, pageSize, page, pageCount, rows, sMsg, ok);
        else
            service->OpenPageUncounted(text, pageSize, page, pageCount, rows, sMsg, ok);
        return ok && rows.RecordCount() > 0;
    };
    if (cached && !read(true)) {
        state.SkipWithError(qPrintable(service->LastError()));
        return;
    }
    for (auto _ : state) {
        if (!cached)
            service = reopenService(state, dir);
        if (!read(wanted.needsCount)) {
            state.SkipWithError(qPrintable(service->LastError()));
            return;
        }
    }
}

void pageArguments(benchmark::internal::Benchmark *benchmark)
{
    for (int company = 0; company < 2; ++company) {
        for (int page = 0; page < 5; ++page)
            benchmark->Args({ company, page });
    }
    benchmark->ArgNames({ "company", "page" })->Unit(benchmark::kMillisecond);
}

void webArguments(benchmark::internal::Benchmark *benchmark)
{
    for (int company = 0; company < 2; ++company) {
        for (int page : { 0, 2, 3 })
            benchmark->Args({ company, page });
    }
    benchmark->ArgNames({ "company", "page" })->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(BM_ListRead, first, false)->Apply(pageArguments);
BENCHMARK_CAPTURE(BM_ListReadRaw, first, false)->Apply(pageArguments);
BENCHMARK_CAPTURE(BM_ListRead, cached, true)->Apply(pageArguments);
BENCHMARK_CAPTURE(BM_ListReadRaw, cached, true)->Apply(pageArguments);
BENCHMARK_CAPTURE(BM_WebRead, first, false)->Apply(webArguments);
BENCHMARK_CAPTURE(BM_WebRead, cached, true)->Apply(webArguments);

} // namespace
