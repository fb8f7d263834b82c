#include "suite/data/CoarseColumns.h"

#include "CompanyFolder.h"

#include <gtest/gtest.h>

using namespace suite;

TEST(CoarseColumnsTest, AnIndexedColumnWhoseValuesEachTakeAHundredthOfTheRowsIsCoarse)
{
    CompanyFolder folder;
    SqliteConnection connection;
    QString sMsg;
    ASSERT_TRUE(connection.open(folder.companyFile(), sMsg)) << qPrintable(sMsg);
    CoarseColumns columns;
    columns.load(connection);
    EXPECT_FALSE(columns.isCoarse(u"", u"cls")) << "a company never analysed has no statistics";

    ASSERT_TRUE(connection.execute(
        QStringLiteral(
            "create table Cus (code text primary key, cls text, area text, name text);"
            "create table Small (cls text);"
            "insert into Cus with recursive n(i) as (select 1 union all select i + 1 from n"
            " where i < 3000) select printf('C%05d', i), 'K' || (i % 30), 'A' || (i % 150),"
            " 'name' || i from n;"
            "insert into Small select cls from Cus limit 500;"
            "create index IX_Cus_cls on Cus (cls, code); create index IX_Cus_area on Cus (area);"
            "create index IX_Cus_name on Cus (name); create index IX_Small_cls on Small (cls);"
            "analyze"),
        sMsg))
        << qPrintable(sMsg);
    columns.load(connection);
    EXPECT_TRUE(columns.isCoarse(u"Cus", u"CLS")) << "100 rows a value of 3,000";
    EXPECT_TRUE(columns.isCoarse(u"", u"cls"));
    EXPECT_TRUE(columns.isCoarse(u"c", u"cls")) << "an alias stands for any table";
    EXPECT_FALSE(columns.isCoarse(u"Cus", u"area")) << "20 rows a value: under a hundredth";
    EXPECT_FALSE(columns.isCoarse(u"Cus", u"name"));
    EXPECT_FALSE(columns.isCoarse(u"Cus", u"code")) << "not the first column of an index";
    EXPECT_TRUE(columns.isCoarse(u"Small", u"cls")) << "however small the table";
    EXPECT_FALSE(columns.isCoarse(u"Small", u"area")) << "the table named answers for itself";
}
