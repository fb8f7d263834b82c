#include "BackendUnderTest.h"

// What SQL Server does where the backends' own SQL would differ, the same on each backend.
namespace {

class DialectDifferences : public OnBothBackends
{
protected:
    void SetUp() override
    {
        OnBothBackends::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        run(QStringLiteral(
            "CREATE TABLE Customer(cCusCode nvarchar(20) NOT NULL PRIMARY KEY, "
            "cCusName nvarchar(98) NULL, iCount int NULL, bFlag bit NOT NULL DEFAULT (0), "
            "dDate datetime NULL, iId int IDENTITY(1,1))\n"
            "insert into Customer(cCusCode, cCusName, iCount, bFlag, dDate) "
            "values ('C001', '', 7, 1, '2026-12-08 10:30:15.123')\n"
            "insert into Customer(cCusCode, cCusName, iCount, bFlag, dDate) "
            "values ('c002', NULL, 2, 0, '2026-12-08')\n"
            "insert into Customer(cCusCode, cCusName, iCount) values ('C003', N'甲公司', NULL)"));
    }
};

} // namespace

TEST_P(DialectDifferences, AnEmptyTextIsNoNull)
{
    EXPECT_EQ(rowsOf(QStringLiteral("select count(*) from Customer where cCusName = ''")),
              QStringLiteral("1"));
    EXPECT_EQ(rowsOf(QStringLiteral("select cCusCode from Customer where cCusName is null")),
              QStringLiteral("c002"));
    EXPECT_EQ(rowsOf(QStringLiteral("select cCusCode, len(cCusName) from Customer where "
                                    "isnull(cCusName, '') = '' order by cCusCode")),
              QStringLiteral("C001|0\nc002|<null>"));
}

TEST_P(DialectDifferences, DatesKeepTheirMillisecondsAndADateMeetsItsMidnight)
{
    EXPECT_EQ(rowsOf(QStringLiteral("select dDate from Customer where cCusCode = 'C001'")),
              QStringLiteral("2026-12-08T10:30:15.123"));
    EXPECT_EQ(rowsOf(QStringLiteral("select cCusCode from Customer where dDate = '2026-12-08'")),
              QStringLiteral("c002"));
    EXPECT_EQ(rowsOf(QStringLiteral("select count(*) from Customer where dDate >= '2026-12-08' "
                                    "and dDate < '2026-12-09'")),
              QStringLiteral("2"));
    EXPECT_EQ(rowsOf(QStringLiteral("select datediff(day, dDate, '2026-12-10'), "
                                    "datediff(hour, dDate, '2026-12-08 12:00:00') from Customer "
                                    "where cCusCode = 'C001'")),
              QStringLiteral("2|2"));
    EXPECT_EQ(rowsOf(QStringLiteral("select count(*) from Customer where "
                                    "datediff(second, getdate(), getdate()) = 0")),
              QStringLiteral("3"));
}

TEST_P(DialectDifferences, BitColumnsCompareWithOneAndZero)
{
    EXPECT_EQ(rowsOf(QStringLiteral("select cCusCode from Customer where bFlag = 1")),
              QStringLiteral("C001"));
    EXPECT_EQ(rowsOf(QStringLiteral("select count(*) from Customer where bFlag = 0")),
              QStringLiteral("2"));
    run(QStringLiteral("update Customer set bFlag = 1 - bFlag"));
    EXPECT_EQ(rowsOf(QStringLiteral("select count(*) from Customer where bFlag <> 0")),
              QStringLiteral("2"));
}

TEST_P(DialectDifferences, DividingIntegersCutsTheFraction)
{
    EXPECT_EQ(rowsOf(QStringLiteral("select iCount / 2, iCount % 4, iCount / 2.0, -iCount / 2 "
                                    "from Customer where cCusCode = 'C001'")),
              QStringLiteral("3|3|3.5|-3"));
}

TEST_P(DialectDifferences, TextJoinedWithNullIsNull)
{
    EXPECT_EQ(rowsOf(QStringLiteral("select cCusCode + cCusName, cCusCode + isnull(cCusName, '-') "
                                    "from Customer order by cCusCode")),
              QStringLiteral("C001|C001\n<null>|c002-\nC003甲公司|C003甲公司"));
}

TEST_P(DialectDifferences, CodesAndNamesCompareWithoutRegardToCase)
{
    EXPECT_EQ(rowsOf(QStringLiteral("select cCusCode from Customer where cCusCode = 'c001'")),
              QStringLiteral("C001"));
    EXPECT_EQ(rowsOf(QStringLiteral("select count(*) from Customer where cCusCode like 'c00%'")),
              QStringLiteral("3"));
    EXPECT_EQ(rowsOf(QStringLiteral("select cCusCode from Customer where cCusCode in ('C002', "
                                    "'c003') order by cCusCode desc")),
              QStringLiteral("C003\nc002"));
    EXPECT_FALSE(company.run(QStringLiteral("insert into Customer(cCusCode) values ('c001')")).ok)
        << "a code differing only in case is the same code";
}

TEST_P(DialectDifferences, RowCountIsTheRowsOfTheStatementBefore)
{
    EXPECT_EQ(rowsOf(QStringLiteral("select @@ROWCOUNT")), QStringLiteral("0"));
    EXPECT_EQ(rowsOf(QStringLiteral("update Customer set iCount = 1 where cCusCode like 'c00%'\n"
                                    "select @@rowcount")),
              QStringLiteral("3"));
    EXPECT_EQ(rowsOf(QStringLiteral("select cCusCode from Customer where bFlag = 0\n"
                                    "select @@rowcount")),
              QStringLiteral("2"));
    EXPECT_EQ(rowsOf(QStringLiteral("update Customer set iCount = 2 where cCusCode = 'none'\n"
                                    "if @@rowcount = 0 insert into Customer(cCusCode) values "
                                    "('C004')\n"
                                    "select @@rowcount, count(*) from Customer")),
              QStringLiteral("1|4"))
        << "the IF's own test leaves the count of the update for the insert to read";
    EXPECT_EQ(rowsOf(QStringLiteral("declare @last nvarchar(20)\n"
                                    "select @last = cCusCode from Customer order by cCusCode\n"
                                    "select @@rowcount, @last")),
              QStringLiteral("4|C004"));
}

INSTANTIATE_TEST_SUITE_P(Backends, DialectDifferences,
                         ::testing::Values(BackendKind::Sqlite, BackendKind::Postgres),
                         backendName);
