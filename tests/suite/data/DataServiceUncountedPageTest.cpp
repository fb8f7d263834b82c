#include "suite/data/DataService.h"
#include "suite/data/KeyedSelect.h"

#include "CompanyFolder.h"
#include "CompanyUnderTest.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace suite;

namespace {

// 23 customers, so that pages of 7 end on a short one, with to-one look-ups (class, person)
// and a table of notes that may hold several rows per customer.
const QString kTables = [] {
    QStringList customers;
    QStringList notes;
    for (int i = 1; i <= 23; ++i) {
        customers.append(
            QStringLiteral("('C%1', 'name%2', '%3', %4)")
                .arg(24 - i, 2, 10, QLatin1Char('0'))
                .arg(i % 5)
                .arg(i % 3 == 0 ? u'B' : u'A')
                .arg(i % 4 == 0 ? QStringLiteral("null") : QStringLiteral("'P%1'").arg(1 + i % 2)));
    }
    for (const auto &[every, prefix] : { std::pair{ 2, u'n' }, std::pair{ 4, u'm' } }) {
        for (int i = every; i <= 23; i += every)
            notes.append(QStringLiteral("('C%1', '%2%3')")
                             .arg(i, 2, 10, QLatin1Char('0'))
                             .arg(prefix)
                             .arg(i));
    }
    return QStringLiteral(
               "create table Cus (code nvarchar(10) collate nocase not null primary key,"
               " name nvarchar(20), cls nvarchar(5), person nvarchar(5));"
               "create table Cls (cls nvarchar(5) not null primary key, clsName nvarchar(20));"
               "create table Person (code nvarchar(5) not null primary key, pname nvarchar(20));"
               "create table Note (id int identity(1, 1) not null primary key, cus nvarchar(10),"
               " note nvarchar(20));"
               "insert into Cls values ('A', 'Retail'), ('B', 'Trade');"
               "insert into Person values ('P1', 'Wang'), ('P2', 'Li');"
               "insert into Cus values %1;"
               "insert into Note (cus, note) values %2;")
        .arg(customers.join(QStringLiteral(", ")), notes.join(QStringLiteral(", ")));
}();

const QString kJoined = QStringLiteral(
    "select Cus.code, name, Cls.clsName, p.pname from Cus left join Cls on Cus.cls = Cls.cls"
    " left outer join Person as p on p.code = Cus.person");

// The tables' columns as a backend describes them, key columns first.
TableColumnsLookup tablesOfTheTest()
{
    return [](const QString &table) -> std::optional<TableColumns> {
        static const QMap<QString, QStringList> tables{
            { QStringLiteral("cus"), { "code", "name", "cls", "person" } },
            { QStringLiteral("cls"), { "cls", "clsName" } },
            { QStringLiteral("person"), { "code", "pname" } },
            { QStringLiteral("note"), { "id", "cus", "note" } },
        };
        const auto found = tables.constFind(table.toLower());
        if (found == tables.cend())
            return std::nullopt;
        TableColumns columns;
        for (const QString &name : *found) {
            Field field;
            field.name = name;
            columns.fields.append(field);
        }
        columns.primaryKey = { found->first() };
        columns.primaryKeyOrdersRows = true;
        return columns;
    };
}

class UncountedPageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.runOnCompany(kTables);
        service = std::make_unique<ClsCommon>();
        service->Init(folder.connectionText());
        ASSERT_TRUE(service->Status()) << qPrintable(service->LastError());
    }

    struct Page
    {
        QStringList rows;
        int page = 0;
        int pageCount = 0;
        bool read = false;
    };

    Page uncounted(const QString &text, int asked, int pageSize = 7)
    {
        Page result;
        result.page = asked;
        RecordSet rows;
        QString sMsg;
        service->OpenPageUncounted(text, pageSize, result.page, result.pageCount, rows, sMsg,
                                   result.read);
        result.rows = rowTexts(rows);
        return result;
    }

    // Waits on the event loop for the count CountPageLater hands back.
    std::optional<qint64> countLater(const QString &text, QObject *requester)
    {
        std::optional<qint64> counted;
        service->CountPageLater(text, requester,
                                [&counted](qint64 rows, const QString &) { counted = rows; });
        QElapsedTimer clock;
        clock.start();
        while (!counted && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return counted;
    }

    CompanyUnderTest folder;
    std::unique_ptr<ClsCommon> service;
};

} // namespace

TEST_F(UncountedPageTest, ASelectOfOneTableWithToOneJoinsIsReadKeysFirst)
{
    const TableColumnsLookup columnsOf = tablesOfTheTest();
    const std::optional<PageRequest> request =
        keyedSelect(kJoined
                        + QStringLiteral(" where isnull(Cus.cls, '') <> 'X' and (name like 'n%')"
                                         " order by Cus.name desc"),
                    columnsOf);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->table, QStringLiteral("Cus"));
    EXPECT_EQ(request->keyField, QStringLiteral("code"));
    EXPECT_EQ(request->select, QStringLiteral("Cus.code, name, Cls.clsName, p.pname"));
    EXPECT_EQ(request->join,
              QStringLiteral("left join Cls on Cus.cls = Cls.cls left outer join "
                             "Person as p on p.code = Cus.person"));
    EXPECT_EQ(request->where,
              QStringLiteral(" where isnull(Cus.cls, '') <> 'X' and (name like 'n%')"));
    EXPECT_EQ(request->order, QStringLiteral(" order by Cus.name desc"));

    // Whatever could drop, repeat or invent rows is read as it stands.
    const char *asTheyStand[] = {
        "select code from Cus",
        "select Cus.code from Cus left join Note on Note.cus = Cus.code",
        "select Cus.code from Cus join Cls on Cus.cls = Cls.cls",
        "select Cus.code from Cus inner join Cls on Cus.cls = Cls.cls",
        "select Cus.code from Cus left join Cls on Cus.cls = Cls.cls and Cls.cls <> 'A'",
        "select Cus.code from Cus left join Cls on Cls.clsName = Cus.cls",
        "select Cus.code from Cus left join Cls on Cus.cls = Cls.cls, Person",
        "select distinct Cus.code from Cus left join Cls on Cus.cls = Cls.cls",
        "select top 5 Cus.code from Cus left join Cls on Cus.cls = Cls.cls",
        "select cls, count(*) from Cus left join Cls on Cus.cls = Cls.cls group by cls",
        "select Cus.code from Cus left join Cls on Cus.cls = Cls.cls union select code from Cus",
        "select Cus.code into #t from Cus left join Cls on Cus.cls = Cls.cls",
        "select c.code from Cus c left join Cls on c.cls = Cls.cls",
        "select Cus.code from Cus with (nolock) left join Cls on Cus.cls = Cls.cls",
        "select Cus.code from Cus left join Cls on Cus.cls = Cls.cls;",
        "select Cus.code from Cus left join Nowhere on Cus.cls = Nowhere.cls",
        "select Cus.code from Cus left join Cls on Cus.cls = Cls.cls order by (select 1) ) x",
    };
    for (const char *text : asTheyStand)
        EXPECT_FALSE(keyedSelect(QString::fromUtf8(text), columnsOf)) << text;
}

// However a page is read (keys first or as the text stands, forward or from the end), the
// pages together are the statement's rows in its order, and the count is exact.
TEST_F(UncountedPageTest, EveryPageHoldsTheRowsOfTheWholeResult)
{
    const QStringList statements = {
        kJoined + QStringLiteral(" order by Cus.code"),
        kJoined
            + QStringLiteral(
                " where p.pname = 'Wang' or Cls.clsName = 'Trade' order by name, Cus.code desc"),
        kJoined + QStringLiteral(" where name <> 'name1' order by p.pname desc, Cus.code"),
        QStringLiteral("select Cus.code, Note.note from Cus left join Note on Note.cus = Cus.code"
                       " order by Cus.code, Note.note"),
    };
    for (const QString &text : statements) {
        const QStringList expected = rowTexts(service->OpenX(text));
        ASSERT_FALSE(expected.isEmpty()) << qPrintable(text);
        QStringList paged;
        int pageCount = 1;
        for (int page = 1; page <= pageCount; ++page) {
            int pageSize = 7;
            int asked = page;
            RecordSet rows;
            QString sMsg;
            bool read = false;
            service->OpenPage(text, pageSize, asked, pageCount, rows, sMsg, read);
            ASSERT_TRUE(read) << qPrintable(text) << ": " << qPrintable(sMsg);
            paged += rowTexts(rows);
        }
        EXPECT_EQ(paged, expected) << qPrintable(text);
        EXPECT_EQ(pageCount, (expected.size() + 6) / 7) << qPrintable(text);
    }
}

TEST_F(UncountedPageTest, TheFirstPageComesBeforeTheCountAndTheCountIsKeptAfter)
{
    const QString text = kJoined + QStringLiteral(" order by Cus.code");
    const QStringList all = rowTexts(service->OpenX(text));
    ASSERT_EQ(all.size(), 23);

    const Page first = uncounted(text, 1);
    ASSERT_TRUE(first.read);
    EXPECT_EQ(first.pageCount, -1) << "nothing has counted the rows yet";
    EXPECT_EQ(first.rows, all.mid(0, 7));
    const Page middle = uncounted(text, 3);
    EXPECT_EQ(middle.pageCount, -1);
    EXPECT_EQ(middle.page, 3);
    EXPECT_EQ(middle.rows, all.mid(14, 7));

    QObject requester;
    EXPECT_EQ(countLater(text, &requester), 23);
    const Page last = uncounted(text, 4);
    EXPECT_EQ(last.pageCount, 4) << "the count made in the background serves the pages after";
    EXPECT_EQ(last.rows, all.mid(21));

    // The count is no longer current once a row is added.
    ASSERT_TRUE(
        service->ExecuteX(QStringLiteral("insert into Cus (code, name) values ('C99', 'x')")));
    EXPECT_EQ(uncounted(text, 1).pageCount, -1);
    EXPECT_EQ(countLater(text, &requester), 24);
}

TEST_F(UncountedPageTest, APageBeyondTheRowsWaitsForTheCountAndIsTheLastOne)
{
    const QString text = kJoined + QStringLiteral(" order by Cus.code desc");
    const Page beyond = uncounted(text, 50);
    ASSERT_TRUE(beyond.read);
    EXPECT_EQ(beyond.page, 4);
    EXPECT_EQ(beyond.pageCount, 4);
    EXPECT_EQ(beyond.rows.size(), 2);
    EXPECT_TRUE(beyond.rows.first().startsWith(QStringLiteral("C02|")));

    ASSERT_TRUE(service->ExecuteX(QStringLiteral("delete from Cus")));
    const Page empty = uncounted(text, 1);
    EXPECT_TRUE(empty.read);
    EXPECT_EQ(empty.pageCount, -1) << "an empty first page still comes before the count";
    EXPECT_TRUE(empty.rows.isEmpty());
}

TEST_F(UncountedPageTest, APageFarInIsReadWithItsCount)
{
    ASSERT_TRUE(service->ExecuteX(
        QStringLiteral("create table Big (id integer primary key, v nvarchar(5));"
                       "insert into Big (id, v) with recursive n(i) as (select 1 union all"
                       " select i + 1 from n where i < 10010) select i, 'v' from n")));
    const QString text = QStringLiteral("select id from Big order by id");
    const Page near = uncounted(text, 2, 10000);
    EXPECT_EQ(near.pageCount, -1) << "10,000 rows are skipped before the count comes";
    EXPECT_EQ(near.rows.size(), 10);
    const Page far = uncounted(text, 2, 10001);
    EXPECT_EQ(far.pageCount, 2) << "a page further in waits for the count";
    EXPECT_EQ(far.rows.size(), 9);
    EXPECT_EQ(far.rows.first(), QStringLiteral("10002"));
}

// A count made while another connection commits belongs to neither state: it is handed back,
// but the pages after count again.
TEST_F(UncountedPageTest, ACountOvertakenByACommitIsNotKept)
{
    const QString text = kJoined + QStringLiteral(" order by Cus.code");
    QObject requester;
    std::optional<qint64> counted;
    service->CountPageLater(text, &requester,
                            [&counted](qint64 rows, const QString &) { counted = rows; });
    folder.runOnCompany(QStringLiteral("insert into Cus (code, name) values ('C98', 'y')"));
    QElapsedTimer clock;
    clock.start();
    while (!counted && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_TRUE(counted);
    EXPECT_TRUE(*counted == 23 || *counted == 24) << *counted;
    const Page page = uncounted(text, 1);
    EXPECT_EQ(page.pageCount, -1);
}

TEST_F(UncountedPageTest, ACountForARequesterThatIsGoneIsNotHandedBack)
{
    const QString text = kJoined + QStringLiteral(" order by Cus.code");
    bool called = false;
    auto requester = std::make_unique<QObject>();
    service->CountPageLater(text, requester.get(),
                            [&called](qint64, const QString &) { called = true; });
    requester.reset();
    service.reset();
    QCoreApplication::processEvents();
    EXPECT_FALSE(called);
}

TEST_F(UncountedPageTest, ACountThatCannotBeMadeSaysWhy)
{
    QObject requester;
    std::optional<qint64> counted;
    QString reason;
    service->CountPageLater(QStringLiteral("select code from Nowhere"), &requester,
                            [&](qint64 rows, const QString &sMsg) {
                                counted = rows;
                                reason = sMsg;
                            });
    QElapsedTimer clock;
    clock.start();
    while (!counted && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(counted, -1);
    EXPECT_TRUE(reason.contains(QStringLiteral("Nowhere"), Qt::CaseInsensitive))
        << qPrintable(reason);
}
