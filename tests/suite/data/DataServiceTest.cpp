#include "suite/data/DataService.h"
#include "suite/data/tsql/StartingValues.h"

#include "CompanyFolder.h"
#include "CompanyUnderTest.h"
#include "suite/SuiteServices.h"
#include "suite/core/ErrorLog.h"
#include "suite/core/ObjectFactory.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace suite;

namespace {

// 23 customers C001 ... C023 of account 001, with its system and metadata databases.
const QString kCustomers = [] {
    QStringList rows;
    for (int i = 1; i <= 23; ++i)
        rows.append(QStringLiteral("('C%1', '客户%2')").arg(i, 3, 10, QLatin1Char('0')).arg(i));
    return QStringLiteral("insert into Customer (cCusCode, cCusName) values ")
        + rows.join(QStringLiteral(", ")) + u';';
}();
const QString kSystem =
    QStringLiteral("create table ua_account (cAcc_Id nvarchar(3) not null primary key,"
                   " cAcc_Name nvarchar(100) not null, cCurName nvarchar(50));"
                   "insert into ua_account values ('001', '演示公司', '人民币');");
const QString kMeta = QStringLiteral(
    "create table aa_columndic (ckey nvarchar(40), cfield nvarchar(40), ccaption nvarchar(60));"
    "insert into aa_columndic values ('customer', 'cCusCode', '客户编码');");

QStringList codesOf(const RecordSet &rows)
{
    QStringList codes;
    const int column = rows.FieldIndex(QStringLiteral("cCusCode"));
    for (int row = 0; row < rows.RecordCount(); ++row)
        codes.append(rows.valueAt(row, column).toString());
    return codes;
}

QStringList customerRange(int first, int last)
{
    QStringList codes;
    for (int i = first; i <= last; ++i)
        codes.append(QStringLiteral("C%1").arg(i, 3, 10, QLatin1Char('0')));
    return codes;
}

class DataServiceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.runOnCompany(kCustomerTables + kCustomers);
        folder.run(CompanyUnderTest::System, kSystem);
        folder.run(CompanyUnderTest::Meta, kMeta);
        service.Init(folder.connectionText());
        ASSERT_TRUE(service.Status()) << qPrintable(service.LastError());
    }

    struct Page
    {
        bool read = false;
        int page = 0;
        int pageCount = 0;
        RecordSet rows;
        QString sMsg;
    };

    Page openPage(const QString &sql, int pageSize, int page)
    {
        Page result;
        result.page = page;
        result.pageCount = -1;
        result.sMsg = QStringLiteral("stale");
        bool bFlag = false;
        result.read = service.OpenPage(sql, pageSize, result.page, result.pageCount, result.rows,
                                       result.sMsg, bFlag);
        EXPECT_EQ(bFlag, result.read);
        return result;
    }

    CompanyUnderTest folder;
    ClsCommon service;
};

const QString kAllCustomers = QStringLiteral("select * from Customer order by cCusCode");

} // namespace

TEST(DataServiceInit, AMissingCompanyFileIsAFailedConnectionAndStaysMissing)
{
    CompanyFolder folder;
    ClsCommon service;
    service.Init(folder.connectionText());
    EXPECT_FALSE(service.Status());
    EXPECT_EQ(
        service.LastError(),
        QStringLiteral("The company database file '%1' does not exist.").arg(folder.companyFile()));
    EXPECT_FALSE(QFileInfo::exists(folder.companyFile()));
}

TEST(DataServiceInit, BadConnectionTextsAndFilesAreFailedConnections)
{
    CompanyFolder folder;
    ClsCommon service;
    service.Init(
        QStringLiteral("Provider=SQLOLEDB;Data Source=srv;Initial Catalog=KVDATA_001_2026"));
    EXPECT_FALSE(service.Status());
    EXPECT_EQ(service.LastError(),
              QStringLiteral("The provider 'SQLOLEDB' is not supported; the data service opens "
                             "Provider=SQLite and Provider=PostgreSQL databases."));

    QFile junk(folder.companyFile());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    service.Init(folder.connectionText());
    EXPECT_FALSE(service.Status());
    EXPECT_TRUE(service.LastError().startsWith(QStringLiteral("Cannot open the database")))
        << qPrintable(service.LastError());
}

TEST(DataServiceInit, EveryMemberFailsPlainlyBeforeAConnection)
{
    ClsCommon service;
    const QString notConnected = QStringLiteral(
        "The data service is not connected to a company database (Init was not called or "
        "failed).");
    EXPECT_FALSE(service.OpenX(QStringLiteral("select 1")).IsOpen());
    EXPECT_EQ(service.LastError(), notConnected);
    EXPECT_FALSE(service.ExecuteX(QStringLiteral("select 1")));
    EXPECT_FALSE(service.m_cnn().BeginTrans());
    EXPECT_EQ(service.LastError(), notConnected);
    QString sMsg;
    EXPECT_FALSE(service.Add(QStringLiteral("<Customer/>"), QStringLiteral("Customer"), sMsg));
    EXPECT_EQ(sMsg, notConnected);
}

TEST(DataServiceInit, TheFactoryMakesTheServiceUnderItsProgId)
{
    registerSuiteServices();
    const auto service = createObject<IClsCommon>(QStringLiteral("tarnsrvtrans.iclscommon"));
    ASSERT_TRUE(service);
    EXPECT_NE(dynamic_cast<ClsCommon *>(service.get()), nullptr);
    EXPECT_FALSE(service->Status());
}

TEST_F(DataServiceTest, TheSystemAndMetadataDatabasesAreReachedByTheirTsqlNames)
{
    const RecordSet account = service.OpenX(
        QStringLiteral("select top 1 cCurName from kvsystem..ua_account where cAcc_Id='001'"));
    ASSERT_TRUE(account.IsOpen()) << qPrintable(service.LastError());
    ASSERT_EQ(account.RecordCount(), 1);
    EXPECT_EQ(account.Value(QStringLiteral("cCurName")).toString(), QStringLiteral("人民币"));

    const RecordSet captions = service.OpenX(
        QStringLiteral("select ccaption from KvMeta_%1..aa_columndic where ckey='customer'")
            .arg(folder.accountId()));
    ASSERT_TRUE(captions.IsOpen()) << qPrintable(service.LastError());
    EXPECT_EQ(captions.Value(0).toString(), QStringLiteral("客户编码"));
}

TEST(DataServiceAttach, AMissingSystemDatabaseIsLeftOutNotCreated)
{
    CompanyFolder folder;
    folder.runOnCompany(kCustomerTables);
    ClsCommon service;
    service.Init(folder.connectionText());
    ASSERT_TRUE(service.Status()) << qPrintable(service.LastError());
    EXPECT_FALSE(service.OpenX(QStringLiteral("select * from kvsystem..ua_account")).IsOpen());
    EXPECT_FALSE(service.LastError().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(folder.path(QStringLiteral("kvsystem.db"))));
    EXPECT_FALSE(QFileInfo::exists(folder.path(QStringLiteral("KvMeta_001.db"))));
}

TEST_F(DataServiceTest, OpenXGivesRowsOrCountsTheRowsAStatementChanged)
{
    const RecordSet rows = service.OpenX(
        QStringLiteral("select cCusCode, cCusName from Customer where cCusCode = 'c002'"));
    ASSERT_TRUE(rows.IsOpen()) << qPrintable(service.LastError());
    EXPECT_EQ(codesOf(rows), QStringList{ QStringLiteral("C002") });
    EXPECT_EQ(rows.Value(QStringLiteral("cCusName")).toString(), QStringLiteral("客户2"));

    EXPECT_FALSE(service
                     .OpenX(QStringLiteral("update Customer set cCusAbbName = 'x' where "
                                           "cCusCode like 'C00%'"))
                     .IsOpen());
    EXPECT_EQ(service.LastError(), QString());
    EXPECT_EQ(service.LastRowsChanged(), 9);
    EXPECT_TRUE(service.ExecuteX(QStringLiteral("delete from Customer where cCusCode > 'C020'")));
    EXPECT_EQ(service.LastRowsChanged(), 3);
}

TEST_F(DataServiceTest, VariablesGivenWithATextAreItsValuesNeverPartOfIt)
{
    const QString rename = QStringLiteral("declare @Name nvarchar(98)\r\ndeclare @code "
                                          "nvarchar(20)\r\nupdate Customer set cCusName=@name "
                                          "where cCusCode=@code");
    const QString hostile = QStringLiteral("x'; delete from Customer; --");
    ASSERT_TRUE(service.ExecuteWith(rename,
                                    { { QStringLiteral("NAME"), hostile },
                                      { QStringLiteral("code"), QStringLiteral("C002") } }))
        << qPrintable(service.LastError());
    EXPECT_EQ(service.LastRowsChanged(), 1);
    ASSERT_TRUE(service.ExecuteWith(rename,
                                    { { QStringLiteral("name"), QStringLiteral("第三") },
                                      { QStringLiteral("code"), QStringLiteral("C003") } }));

    const QString read = QStringLiteral("declare @code nvarchar(20)\r\ndeclare @unused int\r\n"
                                        "select cCusName from Customer where cCusCode=@code");
    EXPECT_EQ(service.OpenWith(read, { { QStringLiteral("code"), QStringLiteral("C002") } })
                  .Value(0)
                  .toString(),
              hostile);
    EXPECT_EQ(service.OpenWith(read, { { QStringLiteral("code"), QStringLiteral("C003") } })
                  .Value(0)
                  .toString(),
              QStringLiteral("第三"));
    EXPECT_EQ(service.OpenWith(read, {}).RecordCount(), 0) << "a variable not given is NULL";
    EXPECT_EQ(service.OpenX(QStringLiteral("select count(*) from Customer")).Value(0).toInt(), 23);

    EXPECT_FALSE(service.ExecuteWith(QStringLiteral("update Customer set cCusName=@name"),
                                     { { QStringLiteral("name"), QStringLiteral("x") } }))
        << "a text must declare the variables it uses";
    EXPECT_TRUE(service.LastError().contains(QStringLiteral("@name is not declared")))
        << qPrintable(service.LastError());
}

TEST_F(DataServiceTest, StartingValuesWrittenIntoTheTextDoWhatTheVariablesDo)
{
    const QString text = QStringLiteral(
        "declare @name nvarchar(98)\r\ndeclare @credit int\r\ndeclare @abb nvarchar(9)\r\n"
        "declare @code nvarchar(20)\r\nupdate Customer set cCusName=@name, iCusCreLine=@credit,"
        " cCusAbbName=@abb where cCusCode=@code");
    const QVariantHash values{ { QStringLiteral("Name"), QStringLiteral("N'x'; drop table t --") },
                               { QStringLiteral("credit"), 5000 },
                               { QStringLiteral("abb"), QVariant() },
                               { QStringLiteral("unknown"), QStringLiteral("left out") } };
    const QString written = tsql::withStartingValues(text, values);
    EXPECT_EQ(
        written,
        QStringLiteral("declare @name nvarchar(98)\r\ndeclare @credit int\r\ndeclare @abb "
                       "nvarchar(9)\r\ndeclare @code nvarchar(20)\r\nset @name=N'N''x''; drop "
                       "table t --'\r\nset @credit=5000\r\nset @abb=NULL\r\nupdate "
                       "Customer set cCusName=@name, iCusCreLine=@credit, cCusAbbName=@abb where "
                       "cCusCode=@code"));
    QVariantHash first = values;
    first.insert(QStringLiteral("code"), QStringLiteral("C004"));
    QVariantHash second = values;
    second.insert(QStringLiteral("code"), QStringLiteral("C005"));
    ASSERT_TRUE(service.ExecuteWith(text, first)) << qPrintable(service.LastError());
    ASSERT_TRUE(service.ExecuteX(tsql::withStartingValues(text, second)))
        << qPrintable(service.LastError());
    const RecordSet rows =
        service.OpenX(QStringLiteral("select cCusName, iCusCreLine, cCusAbbName is null from "
                                     "Customer where cCusCode in ('C004', "
                                     "'C005') order by cCusCode"));
    ASSERT_EQ(rows.RecordCount(), 2);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(rows.valueAt(row, 0).toString(), QStringLiteral("N'x'; drop table t --"));
        EXPECT_EQ(rows.valueAt(row, 1).toInt(), 5000);
        EXPECT_EQ(rows.valueAt(row, 2).toInt(), 1);
    }
}

TEST_F(DataServiceTest, RowsAddedToAnEmptySelectOfATableAreStoredInIt)
{
    RecordSet added = service.OpenX(QStringLiteral("select top 0  * from Customer "));
    ASSERT_TRUE(added.IsOpen()) << qPrintable(service.LastError());
    QString sMsg;
    ASSERT_TRUE(added.AddNew(sMsg));
    added.SetValue(QStringLiteral("cCusCode"), QStringLiteral("C100"));
    added.SetValue(QStringLiteral("cCusName"), QStringLiteral("O'Brien"));
    ASSERT_TRUE(added.Update(sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(folder.column(QStringLiteral("select cCusName from Customer where cCusCode = "
                                           "'C100'")),
              QStringList{ QStringLiteral("O'Brien") });

    RecordSet selected = service.OpenX(QStringLiteral("select top 0 cCusCode from Customer"));
    ASSERT_TRUE(selected.IsOpen()) << qPrintable(service.LastError());
    EXPECT_FALSE(selected.AddNew(sMsg)) << "only all columns of one table take new rows";
}

TEST_F(DataServiceTest, PlusBetweenTextColumnsConcatenatesThem)
{
    const RecordSet labels = service.OpenX(
        QStringLiteral("select c.cCusCode + c.cCusName as label, cCusCode + cCusAbbName as "
                       "noabbr from Customer c where c.cCusCode = 'C001'"));
    ASSERT_TRUE(labels.IsOpen()) << qPrintable(service.LastError());
    EXPECT_EQ(labels.Value(QStringLiteral("label")).toString(), QStringLiteral("C001客户1"));
    EXPECT_TRUE(labels.Value(QStringLiteral("noabbr")).isNull()) << "text + NULL is NULL";

    ASSERT_TRUE(service.ExecuteX(
        QStringLiteral("create table #pairs (cLeft nvarchar(10), cRight nvarchar(10));"
                       "insert into #pairs values ('1', '2')")))
        << qPrintable(service.LastError());
    const RecordSet pair = service.OpenX(QStringLiteral("select cLeft + cRight from #pairs"));
    ASSERT_TRUE(pair.IsOpen()) << qPrintable(service.LastError());
    EXPECT_EQ(pair.Value(0).toString(), QStringLiteral("12"))
        << "columns of a table made after Init are known too";
}

TEST_F(DataServiceTest, AFailingStatementReportsAndLogsItsReason)
{
    ErrorLog::instance().clear();
    EXPECT_FALSE(service.ExecuteX(QStringLiteral("update NoSuchTable set x = 1")));
    // The backend's own words, naming the table.
    EXPECT_TRUE(service.LastError().contains(QStringLiteral("NoSuchTable"), Qt::CaseInsensitive))
        << qPrintable(service.LastError());
    const QList<ErrorLog::Entry> entries = ErrorLog::instance().entries();
    ASSERT_FALSE(entries.isEmpty());
    EXPECT_EQ(entries.last().where, QStringLiteral("TarnSrvTrans.IClsCommon.ExecuteX"));
    EXPECT_EQ(entries.last().text, service.LastError());

    EXPECT_FALSE(service.OpenX(QStringLiteral("select 'not closed from Customer")).IsOpen());
    EXPECT_FALSE(service.LastError().isEmpty());
    EXPECT_TRUE(service.OpenX(QStringLiteral("select 1 as one")).IsOpen());
    EXPECT_EQ(service.LastError(), QString()) << "a success clears the last failure";
}

TEST_F(DataServiceTest, RollbackUndoesAndCommitKeepsWhatRanInTheTransaction)
{
    ASSERT_TRUE(service.m_cnn().BeginTrans());
    ASSERT_TRUE(service.ExecuteX(QStringLiteral("delete from Customer where cCusCode = 'C001'")));
    ASSERT_TRUE(service.ExecuteX(
        QStringLiteral("update Customer set cCusName = 'renamed' where cCusCode = 'C002'")));
    ASSERT_TRUE(service.m_cnn().RollbackTrans());
    EXPECT_EQ(folder.column(QStringLiteral("select cCusName from Customer where cCusCode in "
                                           "('C001', 'C002') order by cCusCode")),
              (QStringList{ QStringLiteral("客户1"), QStringLiteral("客户2") }));

    ASSERT_TRUE(service.m_cnn().BeginTrans());
    ASSERT_TRUE(service.ExecuteX(QStringLiteral("delete from Customer where cCusCode = 'C001'")));
    ASSERT_TRUE(service.m_cnn().CommitTrans());
    EXPECT_EQ(folder.column(QStringLiteral("select count(*) from Customer")),
              QStringList{ QStringLiteral("22") });
}

TEST_F(DataServiceTest, TransactionMisuseIsAFailureWithAMessage)
{
    EXPECT_FALSE(service.m_cnn().CommitTrans());
    EXPECT_EQ(service.LastError(), QStringLiteral("No transaction is open on this connection."));
    EXPECT_FALSE(service.m_cnn().RollbackTrans());
    ASSERT_TRUE(service.m_cnn().BeginTrans());
    EXPECT_FALSE(service.m_cnn().BeginTrans());
    EXPECT_EQ(service.LastError(),
              QStringLiteral("A transaction is already open on this connection."));
    EXPECT_TRUE(service.m_cnn().RollbackTrans());
}

TEST_F(DataServiceTest, PagesCutTheResultInOrder)
{
    const Page first = openPage(kAllCustomers, 10, 1);
    ASSERT_TRUE(first.read) << qPrintable(first.sMsg);
    EXPECT_EQ(first.sMsg, QString());
    EXPECT_EQ(first.page, 1);
    EXPECT_EQ(first.pageCount, 3);
    EXPECT_EQ(codesOf(first.rows), customerRange(1, 10));

    const Page middle = openPage(kAllCustomers, 10, 2);
    EXPECT_EQ(middle.page, 2);
    EXPECT_EQ(codesOf(middle.rows), customerRange(11, 20));

    const Page last = openPage(kAllCustomers, 10, 3);
    EXPECT_EQ(last.pageCount, 3);
    EXPECT_EQ(codesOf(last.rows), customerRange(21, 23));

    const Page descending =
        openPage(QStringLiteral("select cCusCode from Customer order by cCusCode desc"), 7, 4);
    EXPECT_EQ(descending.pageCount, 4);
    EXPECT_EQ(codesOf(descending.rows),
              (QStringList{ QStringLiteral("C002"), QStringLiteral("C001") }));
}

// The count of a paged statement is kept between pages, so it must follow every change:
// this connection's own writes and those another process commits.
TEST_F(DataServiceTest, PageCountsFollowChangesOfThisAndOtherConnections)
{
    EXPECT_EQ(openPage(kAllCustomers, 10, 1).pageCount, 3);
    ASSERT_TRUE(service.ExecuteX(QStringLiteral("delete from Customer where cCusCode > 'C020'")));
    EXPECT_EQ(openPage(kAllCustomers, 10, 3).pageCount, 2);

    folder.runOnCompany(QStringLiteral("insert into Customer (cCusCode, cCusName) values"
                                       " ('C031', 'x'), ('C032', 'y'), ('C033', 'z')"));
    const Page last = openPage(kAllCustomers, 10, 3);
    EXPECT_EQ(last.pageCount, 3);
    EXPECT_EQ(codesOf(last.rows).size(), 3);
}

TEST_F(DataServiceTest, PagesOutsideTheResultAreClampedAndWrittenBack)
{
    const Page beyond = openPage(kAllCustomers, 10, 9);
    ASSERT_TRUE(beyond.read) << qPrintable(beyond.sMsg);
    EXPECT_EQ(beyond.page, 3);
    EXPECT_EQ(codesOf(beyond.rows), customerRange(21, 23));

    const Page before = openPage(kAllCustomers, 10, 0);
    EXPECT_EQ(before.page, 1);
    EXPECT_EQ(codesOf(before.rows), customerRange(1, 10));
    EXPECT_EQ(openPage(kAllCustomers, 10, -4).page, 1);
}

TEST_F(DataServiceTest, APageLargerThanTheResultHoldsItAll)
{
    const Page whole = openPage(kAllCustomers, 50, 2);
    EXPECT_EQ(whole.page, 1);
    EXPECT_EQ(whole.pageCount, 1);
    EXPECT_EQ(codesOf(whole.rows), customerRange(1, 23));

    const Page exact = openPage(kAllCustomers, 23, 2);
    EXPECT_EQ(exact.pageCount, 1);
    EXPECT_EQ(exact.rows.RecordCount(), 23);
}

TEST_F(DataServiceTest, NoRowsIsOneEmptyPageWithTheColumns)
{
    const Page empty =
        openPage(QStringLiteral("select cCusCode, cCusName from Customer where 1=2"), 10, 3);
    ASSERT_TRUE(empty.read) << qPrintable(empty.sMsg);
    EXPECT_EQ(empty.page, 1);
    EXPECT_EQ(empty.pageCount, 1);
    ASSERT_TRUE(empty.rows.IsOpen());
    EXPECT_EQ(empty.rows.RecordCount(), 0);
    EXPECT_EQ(empty.rows.FieldCount(), 2);
}

TEST_F(DataServiceTest, APageOfATopSelectStaysInsideItsRows)
{
    const Page second =
        openPage(QStringLiteral("select top 15 cCusCode from Customer order by cCusCode"), 10, 2);
    ASSERT_TRUE(second.read) << qPrintable(second.sMsg);
    EXPECT_EQ(second.pageCount, 2);
    EXPECT_EQ(codesOf(second.rows), customerRange(11, 15));
}

TEST_F(DataServiceTest, PageFailuresComeBackInTheMessageAndFlag)
{
    const Page zeroSize = openPage(kAllCustomers, 0, 1);
    EXPECT_FALSE(zeroSize.read);
    EXPECT_EQ(zeroSize.sMsg, QStringLiteral("The page size must be at least 1, not 0."));
    EXPECT_FALSE(zeroSize.rows.IsOpen());

    const Page update = openPage(QStringLiteral("update Customer set cCusName = 'x'"), 10, 1);
    EXPECT_FALSE(update.read);
    EXPECT_EQ(update.sMsg, QStringLiteral("A page can only be read from one select statement."));
    EXPECT_EQ(folder.column(QStringLiteral("select count(*) from Customer where cCusName = 'x'")),
              QStringList{ QStringLiteral("0") });

    const Page rowCount =
        openPage(QStringLiteral("select cCusCode from Customer where @@ROWCOUNT = 0"), 10, 1);
    EXPECT_FALSE(rowCount.read);
    EXPECT_EQ(rowCount.sMsg,
              QStringLiteral("@@ROWCOUNT has no value in a select read on its own."));

    const Page missing = openPage(QStringLiteral("select * from NoSuchTable"), 10, 1);
    EXPECT_FALSE(missing.read);
    EXPECT_TRUE(missing.sMsg.contains(QStringLiteral("NoSuchTable"), Qt::CaseInsensitive))
        << qPrintable(missing.sMsg);
    EXPECT_EQ(missing.pageCount, -1) << "page numbers stay as they were on failure";
}

TEST(DataServiceFunctions, TheLocaleOfTheSessionComesFromTheConnectionText)
{
    CompanyFolder folder;
    folder.runOnCompany(kCustomerTables);
    ClsCommon chinese;
    chinese.Init(folder.connectionText());
    ASSERT_TRUE(chinese.Status()) << qPrintable(chinese.LastError());
    const RecordSet zh = chinese.OpenX(QStringLiteral("select dbo.UDF_GetLocaleID() as langid"));
    ASSERT_TRUE(zh.IsOpen()) << qPrintable(chinese.LastError());
    EXPECT_EQ(zh.Value(QStringLiteral("langid")).toString(), QStringLiteral("zh-CN"));

    ClsCommon english;
    english.Init(folder.connectionText() + QStringLiteral(";Locale Identifier=en-US"));
    ASSERT_TRUE(english.Status()) << qPrintable(english.LastError());
    EXPECT_EQ(english.OpenX(QStringLiteral("select dbo.UDF_GetLocaleID()")).Value(0).toString(),
              QStringLiteral("en-US"));
}
