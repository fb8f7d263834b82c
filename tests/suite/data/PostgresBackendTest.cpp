#include "suite/data/PostgresBackend.h"

#include "BackendUnderTest.h"

using namespace suite;

namespace {

class PostgresBackendTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_POSTGRES();
        QString sMsg;
        ASSERT_TRUE(company.open(sMsg)) << qPrintable(sMsg);
    }

    void run(const QString &tsql)
    {
        const tsql::BatchRunner::Outcome outcome = company.run(tsql);
        ASSERT_TRUE(outcome.ok) << qPrintable(outcome.message);
    }

    BackendUnderTest company{ BackendKind::Postgres };
};

std::unique_ptr<DataBackend> opened(const QString &connectionText, QString &sMsg)
{
    const std::optional<ConnectionText> text = ConnectionText::parse(connectionText, sMsg);
    return text ? openBackend(*text, sMsg) : nullptr;
}

} // namespace

TEST(PostgresBackendOpen, AMissingCompanyOrServerIsRefusedWithTheReason)
{
    SKIP_WITHOUT_POSTGRES();
    QString sMsg;
    EXPECT_FALSE(opened(
        PostgresCompany::serverText() + QStringLiteral(";Initial Catalog=KVDATA_999_1999"), sMsg));
    EXPECT_EQ(sMsg,
              QStringLiteral("The company database 'KVDATA_999_1999' does not exist on the "
                             "PostgreSQL server."));
    EXPECT_FALSE(opened(QStringLiteral("Provider=PostgreSQL;Host=/nonexistent;Database=x;"
                                       "Initial Catalog=KVDATA_001_2026"),
                        sMsg));
    EXPECT_TRUE(sMsg.startsWith(QStringLiteral("Cannot connect to the PostgreSQL server:")))
        << qPrintable(sMsg);
}

TEST_F(PostgresBackendTest, TablesReportTheColumnsTheirTsqlDeclared)
{
    run(QStringLiteral("CREATE TABLE [dbo].[Customer]([cCusCode] [nvarchar](20) NOT NULL, "
                       "cCusName nvarchar(98) NULL, iId int IDENTITY(1,1) NOT NULL, "
                       "bCusState bit NOT NULL DEFAULT (0), dCusCreateDatetime datetime NULL, "
                       "iCusCreLine decimal(19, 4) NULL, "
                       "CONSTRAINT [PK_Customer] PRIMARY KEY CLUSTERED ([cCusCode] ASC))"));
    TableColumns columns;
    QString sMsg;
    ASSERT_TRUE(company.backend().tableColumns(QStringLiteral("customer"), columns, sMsg))
        << qPrintable(sMsg);
    ASSERT_EQ(columns.fields.size(), 6);
    EXPECT_EQ(columns.fields.at(0), (Field{ QStringLiteral("cCusCode"), adVarWChar, 20 }));
    EXPECT_EQ(columns.fields.at(1), (Field{ QStringLiteral("cCusName"), adVarWChar, 98 }));
    EXPECT_EQ(columns.fields.at(2).type, adInteger);
    EXPECT_EQ(columns.fields.at(3).type, adBoolean);
    EXPECT_EQ(columns.fields.at(4).type, adDBTimeStamp);
    EXPECT_EQ(columns.fields.at(5).name, QStringLiteral("iCusCreLine"));
    EXPECT_EQ(columns.primaryKey, QStringList{ QStringLiteral("cCusCode") });
    EXPECT_TRUE(columns.primaryKeyOrdersRows);
    EXPECT_TRUE(company.backend().isTextColumn(u"Customer", u"CCUSNAME"));
    EXPECT_FALSE(company.backend().isTextColumn(u"c", u"iId"));
    EXPECT_FALSE(company.backend().tableColumns(QStringLiteral("Nothing"), columns, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("The company database has no table Nothing."));
}

TEST_F(PostgresBackendTest, ResultsNameColumnsAsDeclaredAndIdentitiesCountFromTheirSeed)
{
    run(QStringLiteral("CREATE TABLE Customer(cCusCode nvarchar(20) NOT NULL PRIMARY KEY, "
                       "iId int IDENTITY(10,5) NOT NULL)"));
    run(QStringLiteral("insert into Customer(cCusCode) values ('C001')\n"
                       "insert into Customer(cCusCode) values ('C002')"));
    tsql::BatchRunner::Outcome outcome =
        company.run(QStringLiteral("select cCusCode, iId from Customer order by iId"));
    ASSERT_TRUE(outcome.ok) << qPrintable(outcome.message);
    ASSERT_EQ(outcome.lastResult.FieldCount(), 2);
    EXPECT_EQ(outcome.lastResult.Fields().at(0).name, QStringLiteral("cCusCode"));
    EXPECT_EQ(outcome.lastResult.Fields().at(1).name, QStringLiteral("iId"));
    EXPECT_EQ(company.rowsOf(QStringLiteral("select cCusCode, iId from Customer order by iId")),
              QStringLiteral("C001|10\nC002|15"));
    EXPECT_EQ(company.rowsOf(QStringLiteral("insert into Customer(cCusCode) values ('C003')\n"
                                            "select @@IDENTITY")),
              QStringLiteral("20"));
}

TEST_F(PostgresBackendTest, TooLongATextIsRefusedAndChangesNothing)
{
    run(QStringLiteral("CREATE TABLE Customer(cCusCode nvarchar(5) NOT NULL PRIMARY KEY)"));
    const tsql::BatchRunner::Outcome outcome =
        company.run(QStringLiteral("insert into Customer(cCusCode) values (N'甲乙丙丁戊己')"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("check constraint")))
        << qPrintable(outcome.message);
    run(QStringLiteral("insert into Customer(cCusCode) values (N'甲乙丙丁戊')"));
    EXPECT_EQ(company.rowsOf(QStringLiteral("select count(*) from Customer")), QStringLiteral("1"));
}

TEST_F(PostgresBackendTest, TemporaryTablesBelongToTheConnection)
{
    run(QStringLiteral("if OBJECT_ID(N'tempdb..#picked') is not null truncate table #picked "
                       "else CREATE TABLE #picked(AutoID int IDENTITY(1,1) NOT NULL, "
                       "cCode nvarchar(20) NULL)"));
    run(QStringLiteral("insert into #picked(cCode) values ('a')\n"
                       "insert into #picked(cCode) values ('b')"));
    EXPECT_EQ(company.rowsOf(QStringLiteral("select AutoID, cCode from #picked order by AutoID")),
              QStringLiteral("1|a\n2|b"));
    run(QStringLiteral("if OBJECT_ID(N'tempdb..#picked') is not null truncate table #picked "
                       "else CREATE TABLE #picked(AutoID int IDENTITY(1,1) NOT NULL, "
                       "cCode nvarchar(20) NULL)"));
    run(QStringLiteral("insert into #picked(cCode) values ('c')"));
    EXPECT_EQ(company.rowsOf(QStringLiteral("select AutoID, cCode from #picked")),
              QStringLiteral("1|c"))
        << "truncating starts the identity again, as on SQL Server";

    BackendUnderTest other{ BackendKind::Postgres };
    QString sMsg;
    ASSERT_TRUE(other.open(sMsg)) << qPrintable(sMsg);
    EXPECT_FALSE(other.run(QStringLiteral("select * from #picked")).ok);
}
