#include "suite/data/tsql/BatchRunner.h"
#include "suite/data/SqliteConnection.h"
#include "suite/data/tsql/SqliteDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"

#include "TsqlCatalogue.h"
#include "TsqlTestSupport.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace suite;
using namespace suite::tsql;

namespace {

// The tables of the salesperson, temporary-table and batch-modify batches, written in T-SQL
// as the company schema is.
const char *const kSchema = R"(
CREATE TABLE [dbo].[Customer](
    [iId] [int] IDENTITY(1,1) NOT NULL,
    [cCusCode] [nvarchar](20) NOT NULL,
    [cCusName] [nvarchar](98) NULL,
    [cCusAbbName] [nvarchar](60) NULL,
    [cCusAddressGUID] uniqueidentifier NULL,
    [dModifyDate] [datetime] NULL DEFAULT (getdate()),
    CONSTRAINT [PK_Customer] PRIMARY KEY CLUSTERED ([cCusCode] ASC) ON [PRIMARY]
) ON [PRIMARY]
CREATE TABLE Customer_extradefine(cCusCode nvarchar(20) NOT NULL PRIMARY KEY, cCDefine1 nvarchar(60) NULL)
CREATE TABLE UserHRPersonContro(cUser_Id nvarchar(20) NOT NULL, cPsn_Num nvarchar(20) NOT NULL)
CREATE TABLE customer_user(Account_ID nvarchar(20), User_ID nvarchar(20), Is_Self bit)
CREATE TABLE Crm_Contact(OID uniqueidentifier NOT NULL PRIMARY KEY, cContactCode nvarchar(60),
    cCusCode nvarchar(20), cPrincipal nvarchar(20))
CREATE TABLE crm_contact_User(Contact_Id nvarchar(60), User_ID nvarchar(20), Is_Self bit)
CREATE TABLE customer_import(AutoID int IDENTITY(1,1) NOT NULL PRIMARY KEY, iSourceId varchar(20),
    cCusName nvarchar(98))
insert into Customer(cCusCode, cCusName, cCusAbbName) values ('C001', N'甲公司', 'A')
insert into Customer(cCusCode, cCusName, cCusAbbName) values ('C002', N'乙公司', 'B')
insert into Customer(cCusCode, cCusName, cCusAbbName) values ('C003', N'丙公司', 'C')
insert into Customer_extradefine values ('C001', 'x')
insert into Customer_extradefine values ('C003', 'y')
insert into UserHRPersonContro values ('U1', 'P01')
insert into UserHRPersonContro values ('U2', 'P02')
insert into customer_user values ('C001', 'U1', 1)
insert into customer_user values ('C002', 'U1', 1)
insert into Crm_Contact values ('6F9619FF-8B86-D011-B42D-00C04FC964FF', 'CT1', 'C001', 'P01')
insert into crm_contact_User values ('CT1', 'U1', 1)
)";

class BatchRunnerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString sMsg;
        ASSERT_TRUE(db.open(QStringLiteral(":memory:"), sMsg)) << qPrintable(sMsg);
        const BatchRunner::Outcome schema = run(QString::fromUtf8(kSchema));
        ASSERT_TRUE(schema.ok) << qPrintable(schema.message);
    }

    BatchRunner::Outcome run(const QString &tsql)
    {
        QString sMsg;
        auto batch = translator.translate(tsql, sMsg);
        if (!batch) {
            BatchRunner::Outcome refused;
            refused.message = sMsg;
            return refused;
        }
        return runner.run(*batch);
    }

    // The rows of a query as "a|b" lines, in the query's order.
    QString rowsOf(const QString &tsql)
    {
        BatchRunner::Outcome outcome = run(tsql);
        EXPECT_TRUE(outcome.ok) << qPrintable(outcome.message);
        QStringList rows;
        RecordSet &rs = outcome.lastResult;
        for (; rs.IsOpen() && !rs.Eof(); rs.MoveNext()) {
            QStringList values;
            for (int field = 0; field < rs.FieldCount(); ++field)
                values.append(rs.Value(field).toString());
            rows.append(values.join(u'|'));
        }
        return rows.join(u'\n');
    }

    SqliteConnection db;
    TsqlTranslator translator{ std::make_shared<SqliteDialect>() };
    BatchRunner runner{ db };
};

} // namespace

TEST_F(BatchRunnerTest, SalespersonScriptMovesTheCustomerAndItsContactToTheNewUser)
{
    const BatchRunner::Outcome outcome = run(tsqlcatalogue::salespersonScript(
        QStringLiteral("P01"), QStringLiteral("P02"), QStringLiteral("C001"),
        QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF")));
    ASSERT_TRUE(outcome.ok) << qPrintable(outcome.message);
    EXPECT_EQ(rowsOf(QStringLiteral("select Account_ID, User_ID, Is_Self from customer_user order "
                                    "by Account_ID, User_ID")),
              QStringLiteral("C001|U2|true\nC002|U1|true"));
    EXPECT_EQ(rowsOf(QStringLiteral("select Contact_Id, User_ID from crm_contact_User")),
              QStringLiteral("CT1|U2"));
    EXPECT_EQ(rowsOf(QStringLiteral("select cPrincipal from Crm_Contact")), QStringLiteral("P02"));
    EXPECT_EQ(outcome.rowsChanged, 5);
}

TEST_F(BatchRunnerTest, SalespersonScriptChangesNothingWhenTheNewPersonHasNoUser)
{
    ASSERT_TRUE(run(tsqlcatalogue::salespersonScript(QStringLiteral("P01"), QStringLiteral("P09"),
                                                     QStringLiteral("C001"), QString()))
                    .ok);
    EXPECT_EQ(rowsOf(QStringLiteral("select Account_ID, User_ID from customer_user order by 1")),
              QStringLiteral("C001|U1\nC002|U1"));
    EXPECT_EQ(rowsOf(QStringLiteral("select cPrincipal from Crm_Contact")), QStringLiteral("P01"));
}

TEST_F(BatchRunnerTest, TemporaryTableIsCreatedThenTruncatedBesideTheStagingTable)
{
    const QString prepare = QStringLiteral(
        "if OBJECT_ID(N'tempdb..#customer_import') is not null\r\ntruncate table "
        "#customer_import\r\nElse\r\nCREATE TABLE #customer_import(\r\n[AutoID] [int] "
        "IDENTITY(1,1) NOT NULL,\r\n[iSourceId] [varchar](20) NULL,\r\n[cCusName] [nvarchar](98) "
        "NULL)");
    ASSERT_TRUE(run(prepare).ok);
    ASSERT_TRUE(run(QStringLiteral("insert into #customer_import (iSourceId,cCusName)values('7',"
                                   "N'丁')\r\ninsert into #customer_import (iSourceId)values('8')"))
                    .ok);
    EXPECT_EQ(rowsOf(QStringLiteral("select AutoID, iSourceId from #customer_import")),
              QStringLiteral("1|7\n2|8"));
    EXPECT_EQ(rowsOf(QStringLiteral("select count(*) from customer_import")), QStringLiteral("0"));
    ASSERT_TRUE(
        run(QStringLiteral("insert into customer_import(iSourceId,cCusName) select tmp.iSourceId, "
                           "tmp.cCusName from #customer_import tmp left join customer_import on "
                           "tmp.iSourceId= customer_import.iSourceId\r\nWhere "
                           "customer_import.iSourceId Is Null"))
            .ok);
    ASSERT_TRUE(
        run(QStringLiteral("update #customer_import set cCusName=N'戊' where iSourceId='8'")).ok);
    ASSERT_TRUE(run(QStringLiteral("update customer_import\r\nset cCusName=tmp.cCusName\r\nfrom "
                                   "#customer_import tmp inner join  customer_import on "
                                   "tmp.iSourceId=customer_import.iSourceId"))
                    .ok);
    EXPECT_EQ(rowsOf(QStringLiteral("select iSourceId, cCusName from customer_import order by 1")),
              QStringLiteral("7|丁\n8|戊"));
    ASSERT_TRUE(run(prepare).ok);
    EXPECT_EQ(rowsOf(QStringLiteral("select count(*) from #customer_import")), QStringLiteral("0"));
}

TEST_F(BatchRunnerTest, UpdateFromJoinChangesOnlyTheJoinedRows)
{
    const BatchRunner::Outcome outcome = run(QStringLiteral(
        "update customer set cCusAbbName='Z' ,DModifyDate=getdate(), Customer.cCusName="
        "cCusAbbName from customer inner join Customer_extradefine on customer.cCusCode "
        "=Customer_extradefine.cCusCode where (1=1) and Customer_extradefine.cCDefine1 <> 'y'"));
    ASSERT_TRUE(outcome.ok) << qPrintable(outcome.message);
    EXPECT_EQ(outcome.rowsChanged, 1);
    EXPECT_EQ(rowsOf(QStringLiteral("select cCusCode, cCusName, cCusAbbName from Customer order by "
                                    "cCusCode")),
              QStringLiteral("C001|A|Z\nC002|乙公司|B\nC003|丙公司|C"));
    const QString modified = rowsOf(QStringLiteral("select substring(dModifyDate, 1, 30) from "
                                                   "Customer where cCusCode='C001'"));
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3}$"))
            .match(modified)
            .hasMatch())
        << qPrintable(modified);
}

TEST_F(BatchRunnerTest, CodesAndNamesCompareWithoutCase)
{
    EXPECT_EQ(rowsOf(QStringLiteral("select cCusCode from Customer where cCusCode='c001'")),
              QStringLiteral("C001"));
    EXPECT_EQ(rowsOf(QStringLiteral("select cCusAbbName from Customer where cCusAbbName in "
                                    "('a','b') or cCusCode like 'c00_3' order by cCusAbbName")),
              QStringLiteral("A\nB"));
    EXPECT_EQ(rowsOf(QStringLiteral("select top 1 cCusCode from Customer where cCusCode > 'c002' "
                                    "order by cCusCode")),
              QStringLiteral("C003"));
}

TEST_F(BatchRunnerTest, QuotedHostileValueStaysALiteral)
{
    const QString hostile = QStringLiteral("x'') ; drop table Customer; --");
    ASSERT_TRUE(run(QStringLiteral("update Customer set cCusName='") + hostile
                    + QStringLiteral("' where cCusCode='C002'"))
                    .ok);
    EXPECT_EQ(rowsOf(QStringLiteral("select cCusName from Customer where cCusCode='C002'")),
              QStringLiteral("x') ; drop table Customer; --"));
    EXPECT_EQ(rowsOf(QStringLiteral("select count(*) from Customer")), QStringLiteral("3"));
}

TEST_F(BatchRunnerTest, NewIdGivesEachRowItsOwnUppercaseGuid)
{
    ASSERT_TRUE(run(QStringLiteral("update Customer set cCusAddressGUID=NEWID()")).ok);
    const QStringList guids =
        rowsOf(QStringLiteral("select cCusAddressGUID from Customer")).split(u'\n');
    ASSERT_EQ(guids.size(), 3);
    EXPECT_EQ(QSet<QString>(guids.begin(), guids.end()).size(), 3);
    for (const QString &guid : guids) {
        EXPECT_TRUE(
            QRegularExpression(QStringLiteral("^[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}$"))
                .match(guid)
                .hasMatch())
            << qPrintable(guid);
    }
}

TEST_F(BatchRunnerTest, AssignmentSelectKeepsTheLastRowAndNoRowLeavesTheValue)
{
    EXPECT_EQ(rowsOf(QStringLiteral(
                  "declare @code nvarchar(20), @none nvarchar(20)\r\nset @none = N'kept'\r\n"
                  "select @code = cCusCode from Customer order by cCusCode\r\n"
                  "select @none = cCusCode from Customer where 1=2\r\nselect @code, @none")),
              QStringLiteral("C003|kept"));
}

TEST_F(BatchRunnerTest, ProceduresAreCalledWithTheBatchValues)
{
    QVariantList received;
    runner.registerProcedure(
        QStringLiteral("SA_UpdateCusCreditSum"),
        [&received](SqlConnection &, const QVariantList &arguments, RecordSet &, QString &) {
            received = arguments;
            return true;
        });
    EXPECT_TRUE(runner.hasProcedure(QStringLiteral("sa_updatecuscreditsum")));
    ASSERT_TRUE(
        run(QStringLiteral("declare @c nvarchar(20)\r\nselect @c = cCusCode from Customer "
                           "where cCusCode='C002'\r\nexec SA_UpdateCusCreditSum @c, 'it''s', "
                           "-3, 1.5, NULL"))
            .ok);
    EXPECT_EQ(received,
              QVariantList({ QStringLiteral("C002"), QStringLiteral("it's"), qlonglong(-3), 1.5,
                             QVariant() }));
    const BatchRunner::Outcome unknown = run(QStringLiteral("TCPro_UpCustomerArBalance 'C001'"));
    EXPECT_FALSE(unknown.ok);
    EXPECT_EQ(unknown.message,
              QStringLiteral("The procedure TCPro_UpCustomerArBalance does not exist."));
}

TEST_F(BatchRunnerTest, FirstFailureStopsTheBatchAndNamesTheStatement)
{
    const BatchRunner::Outcome outcome =
        run(QStringLiteral("update Customer set cCusAbbName='Q' where cCusCode='C001'\r\n"
                           "insert into Customer(cCusCode) values ('C001')\r\n"
                           "update Customer set cCusAbbName='R'"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("UNIQUE"))) << qPrintable(outcome.message);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("insert into Customer(cCusCode)")))
        << qPrintable(outcome.message);
    EXPECT_EQ(outcome.rowsChanged, 1);
    EXPECT_EQ(rowsOf(QStringLiteral("select cCusAbbName from Customer order by cCusCode")),
              QStringLiteral("Q\nB\nC"));
}

TEST_F(BatchRunnerTest, CodeListTableNamedByAGuidIsDroppedAndCreatedAgain)
{
    const QString table = QStringLiteral("3F2504E04F8911D39A0C0305E82C3301CusCodeList");
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(run(QStringLiteral("IF OBJECT_ID('") + table
                        + QStringLiteral("') IS NOT NULL DROP TABLE  ") + table)
                        .ok);
        const BatchRunner::Outcome created = run(QStringLiteral(" CREATE TABLE ") + table
                                                 + QStringLiteral("( cCusCode nvarchar(40))"));
        ASSERT_TRUE(created.ok) << qPrintable(created.message);
        ASSERT_TRUE(
            run(QStringLiteral("insert into ") + table + QStringLiteral(" values ('c001')")).ok);
    }
    EXPECT_EQ(rowsOf(QStringLiteral("select cCusCode from Customer where cCusCode in ( select  "
                                    "cCusCode from ")
                     + table + u')'),
              QStringLiteral("C001"));
}

TEST_F(BatchRunnerTest, RowsInsertedWithValuesAreCountedByTheNextLine)
{
    EXPECT_EQ(rowsOf(QStringLiteral("create table #t (c nvarchar(10))\r\n"
                                    "insert into #t (c) values('7')\r\n"
                                    "insert into #t (c) values('8'), ('9')\r\n"
                                    "select count(*) from #t")),
              QStringLiteral("3"));
}
