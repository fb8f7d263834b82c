#include "suite/data/DataService.h"
#include "suite/data/PageSeeker.h"
#include "suite/data/PostgresConnection.h"
#include "suite/data/tsql/TsqlTranslator.h"

#include "BackendUnderTest.h"

#include <algorithm>

using namespace suite;

// Pages read from known rows on the server hold exactly the rows that skipping from the start
// puts there, whatever order the pages are read in, under orders whose first column ties and
// holds NULL, ascending and descending, with a filter.
namespace {

constexpr int kPageSize = 7;

const char *const kOrders[] = {
    " order by cCusAbbName, cCusCode",
    " order by cCusAbbName desc, cCusCode desc",
    " order by dCusCreateDatetime desc, cCusAbbName, cCusCode",
    " order by cCusCode desc",
    " order by bTransFlag, cCusCode",
};

class PostgresSeekPage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_POSTGRES();
        QString sMsg;
        ASSERT_TRUE(company.open(sMsg)) << qPrintable(sMsg);
        // 130 customers: names repeat every six rows and every fifth has none, dates repeat
        // every four days with every seventh missing, every ninth is transferred.
        QString tsql = QStringLiteral(
            "CREATE TABLE Customer (cCusCode nvarchar(20) NOT NULL PRIMARY KEY, "
            "cCusAbbName nvarchar(60) NULL, bTransFlag bit NULL, dCusCreateDatetime datetime "
            "NULL)\n");
        for (int i = 1; i <= 130; ++i) {
            const QString name =
                i % 5 == 0 ? QStringLiteral("NULL") : QStringLiteral("N'名%1'").arg(i % 6);
            const QString date = i % 7 == 0
                ? QStringLiteral("NULL")
                : QStringLiteral("'2026-03-%1 10:00:00.250'").arg(1 + i % 4, 2, 10, QChar(u'0'));
            const QString flag = i % 9 == 0 ? QStringLiteral("1")
                : i % 2 == 0                ? QStringLiteral("NULL")
                                            : QStringLiteral("0");
            tsql += QStringLiteral("insert into Customer values ('c%1', %2, %3, %4)\n")
                        .arg(i, 3, 10, QChar(u'0'))
                        .arg(name, flag, date);
        }
        const tsql::BatchRunner::Outcome outcome = company.run(tsql);
        ASSERT_TRUE(outcome.ok) << qPrintable(outcome.message);
        translator = std::make_unique<tsql::TsqlTranslator>(company.backend().dialect());
    }

    static QString keysText(const char *order)
    {
        return QStringLiteral("select Customer.cCusCode from Customer where "
                              "isnull(Customer.bTransFlag,0) =0")
            + QString::fromUtf8(order);
    }

    std::optional<QString> translated(const QString &text, QString &sMsg)
    {
        const std::shared_ptr<const tsql::Batch> batch = translator->translate(text, sMsg);
        if (!batch || batch->steps.size() != 1)
            return std::nullopt;
        return batch->steps.front().sql;
    }

    // The codes of the whole select in its order.
    QStringList allCodes(const QString &text)
    {
        QString sMsg;
        const std::optional<QString> select = translated(text, sMsg);
        EXPECT_TRUE(select) << qPrintable(sMsg);
        return select ? codes(company.backend().connection().queryStatement(*select, {}, sMsg))
                      : QStringList();
    }

    static QStringList codes(const RecordSet &rows)
    {
        QStringList codes;
        for (int row = 0; row < rows.RecordCount(); ++row)
            codes.append(rows.valueAt(row, 0).toString());
        return codes;
    }

    std::optional<SeekableSelect> seekable(const QString &text)
    {
        DataBackend &backend = company.backend();
        return seekableSelect(text,
                              [&backend](const QString &table) -> std::optional<TableColumns> {
                                  TableColumns columns;
                                  QString sMsg;
                                  if (!backend.tableColumns(table, columns, sMsg))
                                      return std::nullopt;
                                  return columns;
                              });
    }

    PageSeeker seeker(PageMarks &marks)
    {
        return PageSeeker(
            company.backend().connection(), *company.backend().dialect(),
            [this](const QString &text, QString &sMsg) { return translated(text, sMsg); }, marks);
    }

    // Reads the marks of every stretch-th row into marks.
    void readMarks(const QString &text, PageMarks &marks, const QString &stamp, qint64 stretch)
    {
        QString sMsg;
        const std::optional<QString> statement =
            seeker(marks).marksStatement(*seekable(text), stretch, sMsg);
        ASSERT_TRUE(statement) << qPrintable(sMsg);
        const RecordSet rows = company.backend().connection().queryStatement(*statement, {}, sMsg);
        ASSERT_TRUE(rows.IsOpen()) << qPrintable(sMsg);
        marks.addAll(text, stamp, rows);
    }

    // Reads the pages in the order given, each compared with its slice of the whole select;
    // with a stretch, the marks of every stretch-th row are read first.
    void readPages(const QString &text, const QList<int> &pages, bool counted, qint64 stretch = 0)
    {
        const QStringList expected = allCodes(text);
        ASSERT_GT(expected.size(), 3 * kPageSize);
        const std::optional<SeekableSelect> select = seekable(text);
        ASSERT_TRUE(select) << qPrintable(text);
        PageMarks marks;
        const QString stamp = company.backend().connection().changeStamp();
        ASSERT_FALSE(stamp.isEmpty());
        if (stretch > 0)
            readMarks(text, marks, stamp, stretch);
        for (const int page : pages) {
            const PageSpan span = pageSpan(expected.size(), kPageSize, page);
            QString sMsg;
            const RecordSet rows = seeker(marks).read(
                text, *select, stamp, span, counted ? expected.size() : 0, kPageSize, sMsg);
            ASSERT_TRUE(rows.IsOpen()) << qPrintable(sMsg);
            EXPECT_EQ(rows.FieldCount(), 1) << "the order's values are not the page's columns";
            EXPECT_EQ(codes(rows), expected.mid(span.firstRow, kPageSize))
                << qPrintable(text) << " page " << page;
            const std::optional<PageMarks::Known> known =
                marks.nearest(text, stamp, span.firstRow, true);
            ASSERT_TRUE(known) << "the page's first row is a known place";
            EXPECT_EQ(known->row, span.firstRow);
        }
    }

    BackendUnderTest company{ BackendKind::Postgres };
    std::unique_ptr<tsql::TsqlTranslator> translator;
};

} // namespace

TEST_F(PostgresSeekPage, PagesReadOnwardOrBackwardAreTheSkippedPages)
{
    QList<int> onward;
    QList<int> backward;
    for (int page = 1; page <= 14; ++page) {
        onward.append(page);
        backward.prepend(page);
    }
    for (const char *order : kOrders) {
        readPages(keysText(order), onward, false);
        readPages(keysText(order), backward, true);
    }
}

TEST_F(PostgresSeekPage, PagesJumpedToAreTheSkippedPagesWithOrWithoutMarks)
{
    const QList<int> jumps = { 8, 9, 7, 13, 1, 12, 5, 6, 4, 10 };
    for (const char *order : kOrders) {
        readPages(keysText(order), jumps, true);
        readPages(keysText(order), jumps, true, 10);
        readPages(keysText(order), jumps, false, 9);
    }
}

TEST_F(PostgresSeekPage, TheMarksAreEveryStretchOfTheOrder)
{
    const QString text = keysText(kOrders[1]);
    const QStringList expected = allCodes(text);
    PageMarks marks;
    const QString stamp = company.backend().connection().changeStamp();
    readMarks(text, marks, stamp, 10);
    for (qint64 row = 0; row < expected.size(); row += 10) {
        const std::optional<PageMarks::Known> known = marks.nearest(text, stamp, row + 9, true);
        ASSERT_TRUE(known);
        EXPECT_EQ(known->row, row);
        EXPECT_EQ(known->mark.last().toString(), expected.at(row));
    }
}

// The data service reads pages so on its own, from the pages it read before.
TEST_F(PostgresSeekPage, TheDataServicesPagesAreTheSkippedPages)
{
    ClsCommon service;
    service.Init(company.connectionText());
    ASSERT_TRUE(service.Status()) << qPrintable(service.LastError());
    const QString text = keysText(kOrders[2]);
    const QStringList expected = allCodes(text);
    for (const int asked : { 1, 2, 14, 13, 7, 8, 6, 99 }) {
        int pageSize = kPageSize;
        int page = asked;
        int pageCount = 0;
        RecordSet rows;
        QString sMsg;
        bool read = false;
        service.OpenPage(text, pageSize, page, pageCount, rows, sMsg, read);
        ASSERT_TRUE(read) << qPrintable(sMsg);
        EXPECT_EQ(pageCount, (expected.size() + kPageSize - 1) / kPageSize);
        EXPECT_EQ(codes(rows), expected.mid((page - 1) * kPageSize, kPageSize)) << "page " << asked;
        EXPECT_EQ(rows.FieldCount(), 1);
    }
}

// The count and the known rows of a list are kept while the stamp stays: reads leave it as it
// is, any client's write moves it, and a transaction that wrote gives none. The stamp is the
// whole server's, and other tests may write there meanwhile: a read is tried a few times.
TEST_F(PostgresSeekPage, TheChangeStampMovesWithEveryWriteOfAnyClient)
{
    SqlConnection &connection = company.backend().connection();
    QString sMsg;
    bool readKeptTheStamp = false;
    for (int attempt = 0; attempt < 20 && !readKeptTheStamp; ++attempt) {
        const QString before = connection.changeStamp();
        ASSERT_FALSE(before.isEmpty());
        ASSERT_TRUE(
            connection.queryStatement(QStringLiteral("select count(*) from customer"), {}, sMsg)
                .IsOpen());
        readKeptTheStamp = connection.changeStamp() == before;
    }
    EXPECT_TRUE(readKeptTheStamp);

    const auto &server = static_cast<PostgresConnection &>(connection);
    PostgresConnection other;
    ASSERT_TRUE(other.open(server.connectionString(), server.sessionSetup(), sMsg))
        << qPrintable(sMsg);
    const QString before = connection.changeStamp();
    ASSERT_TRUE(other.execute(
        QStringLiteral("update customer set ccusabbname = 'x' where ccuscode = 'c001'"), sMsg))
        << qPrintable(sMsg);
    EXPECT_NE(connection.changeStamp(), before);

    ASSERT_TRUE(connection.beginTransaction(sMsg));
    EXPECT_FALSE(connection.changeStamp().isEmpty()) << "a transaction that only read";
    ASSERT_TRUE(connection.executeStatement(
        QStringLiteral("update customer set ccusabbname = 'y' where ccuscode = 'c002'"), {}, sMsg));
    EXPECT_TRUE(connection.changeStamp().isEmpty());
    ASSERT_TRUE(connection.rollbackTransaction(sMsg));
    EXPECT_FALSE(connection.changeStamp().isEmpty());
}

// A far page of a list not counted yet is read forward while the counting connection counts,
// where the server expects it in the list's first part, and from the end after the count
// otherwise. Either way the page and the count are those of skipping from the start, a page
// past the last row is the last page, also when the server expects more rows than there are.
TEST_F(PostgresSeekPage, AFarPageOfAnUncountedListIsTheSkippedPage)
{
    auto &connection = static_cast<PostgresConnection &>(company.backend().connection());
    QString sMsg;
    ASSERT_TRUE(connection.execute(
        QStringLiteral("insert into customer select 'd' || lpad(n::text, 6, '0'), "
                       "case when n % 11 = 0 then null else 'n' || (n % 97) end, "
                       "(n % 13 = 0)::int, null from generate_series(1, 30000) n; "
                       "create statistics customer_trans_flag on (coalesce(btransflag, 0)) "
                       "from customer; analyze customer"),
        sMsg))
        << qPrintable(sMsg);
    const auto readPages = [&](const QList<int> &asked) {
        for (const char *order : { " order by cCusCode desc", " order by cCusAbbName, cCusCode" }) {
            const QString text = keysText(order);
            const QStringList expected = allCodes(text);
            const int pages = int((expected.size() + 49) / 50);
            for (const int page : asked) {
                // A service of its own each time: a new session knows no count.
                ClsCommon service;
                service.Init(company.connectionText());
                ASSERT_TRUE(service.Status()) << qPrintable(service.LastError());
                int pageSize = 50;
                int read = page;
                int pageCount = 0;
                RecordSet rows;
                bool ok = false;
                service.OpenPage(text, pageSize, read, pageCount, rows, sMsg, ok);
                ASSERT_TRUE(ok) << qPrintable(sMsg);
                EXPECT_EQ(pageCount, pages);
                EXPECT_EQ(read, std::min(page, pages));
                EXPECT_EQ(codes(rows), expected.mid((read - 1) * 50, 50)) << order << " " << page;
            }
        }
    };
    // Pages 250 and 300 lie in the first part, 500 in the last, 999 past the last row.
    readPages({ 250, 300, 500, 999 });
    // Two rows in three gone, the server still expects them: page 300 lies past the last row.
    ASSERT_TRUE(connection.execute(
        QStringLiteral("delete from customer where ccuscode like 'd%' and right(ccuscode, 1) "
                       "not in ('0', '3', '6')"),
        sMsg))
        << qPrintable(sMsg);
    readPages({ 250, 300 });
}
