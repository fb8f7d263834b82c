#include "suite/data/DataService.h"

#include "BackendUnderTest.h"

using namespace suite;

// The data service's members as the component calls them, the same on each backend: the
// company is made through the service's own T-SQL translation.
namespace {

class DataServiceOnBothBackends : public OnBothBackends
{
protected:
    void SetUp() override
    {
        OnBothBackends::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        QString inserts;
        for (int i = 1; i <= 23; ++i)
            inserts += QStringLiteral("insert into Customer (cCusCode, cCusName) values "
                                      "('C%1', N'客户%2')\n")
                           .arg(i, 3, 10, QLatin1Char('0'))
                           .arg(i);
        run(QStringLiteral("CREATE TABLE Customer (cCusCode nvarchar(20) NOT NULL PRIMARY KEY, "
                           "cCusName nvarchar(98) NOT NULL, cCusAbbName nvarchar(60) NULL)\n")
            + inserts);
        service.Init(company.connectionText());
        ASSERT_TRUE(service.Status()) << qPrintable(service.LastError());
    }

    static QStringList codesOf(const RecordSet &rows)
    {
        QStringList codes;
        for (int row = 0; row < rows.RecordCount(); ++row)
            codes.append(rows.valueAt(row, rows.FieldIndex(QStringLiteral("cCusCode"))).toString());
        return codes;
    }

    ClsCommon service;
};

} // namespace

TEST_P(DataServiceOnBothBackends, OpenXGivesRowsOrCountsTheRowsAStatementChanged)
{
    const RecordSet rows = service.OpenX(
        QStringLiteral("select top 2 cCusCode, cCusName from Customer where cCusCode >= 'c002' "
                       "order by cCusCode"));
    ASSERT_TRUE(rows.IsOpen()) << qPrintable(service.LastError());
    EXPECT_EQ(codesOf(rows), (QStringList{ QStringLiteral("C002"), QStringLiteral("C003") }));
    EXPECT_EQ(rows.Fields().at(1).name, QStringLiteral("cCusName"));
    EXPECT_EQ(rows.Value(QStringLiteral("cCusName")).toString(), QStringLiteral("客户2"));
    EXPECT_TRUE(service.ExecuteX(
        QStringLiteral("update Customer set cCusAbbName = 'x' where cCusCode like 'C00%'")));
    EXPECT_EQ(service.LastRowsChanged(), 9);
    EXPECT_TRUE(service.ExecuteX(QStringLiteral("delete from Customer where cCusCode > 'C020'")));
    EXPECT_EQ(service.LastRowsChanged(), 3);
}

TEST_P(DataServiceOnBothBackends, VariablesGivenWithATextAreItsValuesNeverPartOfIt)
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
    const QString read = QStringLiteral("declare @code nvarchar(20)\r\n"
                                        "select cCusName from Customer where cCusCode=@code");
    EXPECT_EQ(service.OpenWith(read, { { QStringLiteral("code"), QStringLiteral("c002") } })
                  .Value(0)
                  .toString(),
              hostile);
    EXPECT_EQ(service.OpenWith(read, {}).RecordCount(), 0) << "a variable not given is NULL";
    EXPECT_EQ(service.OpenX(QStringLiteral("select count(*) from Customer")).Value(0).toInt(), 23);
}

TEST_P(DataServiceOnBothBackends, PlusBetweenTextColumnsConcatenatesThemAndTempTablesAreKnown)
{
    const RecordSet labels = service.OpenX(
        QStringLiteral("select c.cCusCode + c.cCusName as label, cCusCode + cCusAbbName as "
                       "noabbr from Customer c where c.cCusCode = 'C001'"));
    ASSERT_TRUE(labels.IsOpen()) << qPrintable(service.LastError());
    EXPECT_EQ(labels.Value(QStringLiteral("label")).toString(), QStringLiteral("C001客户1"));
    EXPECT_TRUE(labels.Value(QStringLiteral("noabbr")).isNull()) << "text + NULL is NULL";
    ASSERT_TRUE(service.ExecuteX(
        QStringLiteral("create table #pairs (cLeft nvarchar(10), cRight nvarchar(10))\n"
                       "insert into #pairs values ('1', '2')")))
        << qPrintable(service.LastError());
    const RecordSet pair = service.OpenX(QStringLiteral("select cLeft + cRight from #pairs"));
    ASSERT_TRUE(pair.IsOpen()) << qPrintable(service.LastError());
    EXPECT_EQ(pair.Value(0).toString(), QStringLiteral("12"));
}

TEST_P(DataServiceOnBothBackends, RollbackUndoesAndCommitKeepsWhatRanInTheTransaction)
{
    ASSERT_TRUE(service.m_cnn().BeginTrans());
    ASSERT_TRUE(service.ExecuteX(QStringLiteral("delete from Customer where cCusCode = 'C001'")));
    ASSERT_TRUE(service.m_cnn().RollbackTrans());
    EXPECT_EQ(rowsOf(QStringLiteral("select count(*) from Customer")), QStringLiteral("23"));
    ASSERT_TRUE(service.m_cnn().BeginTrans());
    ASSERT_TRUE(service.ExecuteX(QStringLiteral("delete from Customer where cCusCode = 'C001'")));
    ASSERT_TRUE(service.m_cnn().CommitTrans());
    EXPECT_EQ(rowsOf(QStringLiteral("select count(*) from Customer")), QStringLiteral("22"));
    EXPECT_FALSE(service.m_cnn().CommitTrans());
    EXPECT_EQ(service.LastError(), QStringLiteral("No transaction is open on this connection."));
}

TEST_P(DataServiceOnBothBackends, PagesCutTheResultInOrder)
{
    const QString all = QStringLiteral("select * from Customer order by cCusCode");
    for (const auto &[page, codes] :
         { std::pair{ 1, QStringList{ QStringLiteral("C001"), QStringLiteral("C010") } },
           std::pair{ 3, QStringList{ QStringLiteral("C021"), QStringLiteral("C023") } },
           std::pair{ 9, QStringList{ QStringLiteral("C021"), QStringLiteral("C023") } } }) {
        int pageSize = 10;
        int current = page;
        int pageCount = -1;
        RecordSet rows;
        QString sMsg;
        bool bFlag = false;
        ASSERT_TRUE(service.OpenPage(all, pageSize, current, pageCount, rows, sMsg, bFlag))
            << qPrintable(sMsg);
        EXPECT_EQ(pageCount, 3);
        EXPECT_EQ(current, qMin(page, 3)) << "a page past the last is the last";
        const QStringList read = codesOf(rows);
        ASSERT_FALSE(read.isEmpty());
        EXPECT_EQ((QStringList{ read.first(), read.last() }), codes);
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, DataServiceOnBothBackends,
                         ::testing::Values(BackendKind::Sqlite, BackendKind::Postgres),
                         backendName);
