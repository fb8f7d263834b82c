#include "suite/data/DataService.h"

#include "CompanyFolder.h"

#include <gtest/gtest.h>

using namespace suite;

namespace {

// 23 rows in each table, so that the last page of 7 is a short one: items whose names tie,
// pairs with a key of two columns, a key that admits nulls, a key unique by case where its
// column ignores case, and a rowid key. The last two tables sort in a temporary b-tree, which
// keeps ties in the order it met them, whichever way the order runs.
const QString kTables = QStringLiteral(
    "create table Item (code nvarchar(10) collate nocase not null primary key,"
    " name nvarchar(20) collate nocase, grp int);"
    "create table Pair (a int not null, b nvarchar(5) not null, v int, primary key (a, b));"
    "create table Loose (k nvarchar(5) collate nocase primary key, v int);"
    "create index Loose_v on Loose (v);"
    "create table Cased (k nvarchar(5) collate nocase not null, v int,"
    " primary key (k collate binary));"
    "create table Numbered (id integer primary key, v int);"
    "create temp table n as with recursive n(i) as (select 1 union all select i + 1 from n"
    " where i < 23) select i from n;"
    "insert into Item select printf('I%02d', i), 'name' || (i % 8), i % 3 from n;"
    "insert into Pair select i % 4, printf('b%02d', 30 - i), i from n;"
    "insert into Loose select case when i % 5 = 0 then null else 'k' || i end, i from n;"
    "insert into Cased select iif(i % 2 = 0, 'k', 'K') || (i / 2), i from n;"
    "insert into Numbered select i * 3, i from n;");

} // namespace

// Pages in the second half are read from the end when the order is total; whichever way a
// page is read, the pages together are the statement's rows in its order.
TEST(DataServiceBackwardPage, EveryPageHoldsTheRowsTheForwardOrderPutsThere)
{
    CompanyFolder folder;
    folder.runOnCompany(kTables);
    ClsCommon service;
    service.Init(folder.connectionText());
    ASSERT_TRUE(service.Status()) << qPrintable(service.LastError());
    const char *statements[] = {
        "select * from Item where grp <> 2 order by code desc",
        "select code, name from Item i order by i.name, code",
        "select code, name from Item order by name",
        "select * from Pair order by a desc, b",
        "select * from Pair order by a",
        "select * from Loose where v between 2 and 22 order by k desc",
        "select * from Cased order by k",
        "select v, id from Numbered order by id desc",
    };
    for (const char *statement : statements) {
        const QString text = QString::fromUtf8(statement);
        const QStringList expected = rowTexts(service.OpenX(text));
        QStringList paged;
        for (int page = 1, pageCount = 1; page <= pageCount; ++page) {
            int pageSize = 7;
            int asked = page;
            RecordSet rows;
            QString sMsg;
            bool read = false;
            service.OpenPage(text, pageSize, asked, pageCount, rows, sMsg, read);
            ASSERT_TRUE(read) << statement << ": " << qPrintable(sMsg);
            paged += rowTexts(rows);
        }
        EXPECT_EQ(paged, expected) << statement;
    }
}
