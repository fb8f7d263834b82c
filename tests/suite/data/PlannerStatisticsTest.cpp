#include "suite/data/PlannerStatistics.h"
#include "suite/data/DataService.h"

#include "CompanyFolder.h"

#include <gtest/gtest.h>

using namespace suite;

namespace {

// 1,000 customers, analysed.
const QString kCompany = QStringLiteral(
    "create table Customer (cCusCode nvarchar(20) not null primary key, cCCCode nvarchar(12));"
    "create index IX_Customer_Class on Customer (cCCCode);"
    "create table customer_import (AutoID integer primary key, cCusCode nvarchar(20));"
    "insert into Customer with recursive n(i) as (select 1 union all select i + 1 from n"
    " where i < 1000) select printf('C%05d', i), '01' from n;"
    "create table Seq (i int not null primary key, code nvarchar(20));"
    "insert into Seq with recursive n(i) as (select 1 union all select i + 1 from n"
    " where i < 5000) select i, printf('C%05d', i) from n;"
    "analyze;");

// The same in T-SQL, as a component sends it.
QString addCustomersTsql(int from, int count)
{
    return QStringLiteral("insert into Customer (cCusCode, cCCCode) select code, '02' from Seq"
                          " where i between %1 and %2")
        .arg(from)
        .arg(from + count - 1);
}

QString addCustomers(int from, int count)
{
    return QStringLiteral("insert into Customer with recursive n(i) as (select %1 union all"
                          " select i + 1 from n where i < %2) select printf('C%05d', i), '02'"
                          " from n")
        .arg(from)
        .arg(from + count - 1);
}

class PlannerStatisticsTest : public ::testing::Test
{
protected:
    void SetUp() override { folder.runOnCompany(kCompany); }

    // The row count the planner's statistics hold for the customers.
    qint64 analysedCustomers() const
    {
        return folder
            .query(QStringLiteral("select stat from sqlite_stat1 where tbl = 'Customer'"
                                  " and idx = 'IX_Customer_Class'"))
            .valueAt(0, 0)
            .toString()
            .section(u' ', 0, 0)
            .toLongLong();
    }

    QStringList refreshOnOpen()
    {
        SqliteConnection connection;
        QString sMsg;
        QStringList analysed;
        EXPECT_TRUE(connection.open(folder.companyFile(), sMsg)) << qPrintable(sMsg);
        EXPECT_TRUE(PlannerStatistics(connection).refreshStale(analysed, sMsg)) << qPrintable(sMsg);
        return analysed;
    }

    CompanyFolder folder;
};

} // namespace

TEST_F(PlannerStatisticsTest, OpeningACompanyThatGrewByATenthAnalysesItAgain)
{
    EXPECT_TRUE(refreshOnOpen().isEmpty()) << "fresh statistics stay";
    folder.runOnCompany(addCustomers(1001, 90));
    EXPECT_TRUE(refreshOnOpen().isEmpty()) << "9 % more is close enough";
    EXPECT_EQ(analysedCustomers(), 1000);
    folder.runOnCompany(addCustomers(1091, 20));
    EXPECT_EQ(refreshOnOpen(), QStringList{ QStringLiteral("Customer") });
    EXPECT_EQ(analysedCustomers(), 1110);

    folder.runOnCompany(QStringLiteral("delete from sqlite_stat1;"
                                       "insert into customer_import (cCusCode) values ('x')"));
    EXPECT_EQ(refreshOnOpen(),
              (QStringList{ QStringLiteral("Customer"), QStringLiteral("customer_import") }))
        << "tables never analysed are analysed, empty ones are left";
}

// A batch that changes a tenth of the customers leaves statistics that no longer describe them:
// the data service takes them again once the change is committed, and not for a rollback.
TEST_F(PlannerStatisticsTest, ASessionThatChangedATenthOfTheRowsAnalysesAgainAfterCommit)
{
    ClsCommon service;
    service.Init(folder.connectionText());
    ASSERT_TRUE(service.Status()) << qPrintable(service.LastError());

    ASSERT_TRUE(service.m_cnn().BeginTrans());
    ASSERT_TRUE(service.ExecuteX(addCustomersTsql(2001, 150)));
    ASSERT_TRUE(service.m_cnn().RollbackTrans());
    ASSERT_TRUE(service.ExecuteX(addCustomersTsql(3001, 60)));
    EXPECT_EQ(analysedCustomers(), 1000) << "60 rows written, 150 rolled back";

    ASSERT_TRUE(service.m_cnn().BeginTrans());
    ASSERT_TRUE(service.ExecuteX(addCustomersTsql(4001, 50)));
    EXPECT_EQ(analysedCustomers(), 1000) << "nothing before the commit";
    ASSERT_TRUE(service.m_cnn().CommitTrans());
    EXPECT_EQ(analysedCustomers(), 1110);

    ASSERT_TRUE(service.ExecuteX(QStringLiteral("update Customer set cCCCode = '03'"
                                                " where cCusCode < 'C00060'")));
    EXPECT_EQ(analysedCustomers(), 1110) << "59 of 1,110 changed";
}
