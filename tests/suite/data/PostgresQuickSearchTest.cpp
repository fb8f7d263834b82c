#include "suite/data/DataService.h"

#include "BackendUnderTest.h"

#include <QFile>

using namespace suite;

// The quick search on a PostgreSQL company: CONTAINS finds each phrase in any searched field,
// without regard to case, through the trigram index the company's PostgreSQL script makes.
namespace {

class PostgresQuickSearch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_POSTGRES();
        QString sMsg;
        ASSERT_TRUE(company.open(sMsg)) << qPrintable(sMsg);
        const tsql::BatchRunner::Outcome outcome = company.run(QStringLiteral(
            "CREATE TABLE Customer (cCusCode nvarchar(20) NOT NULL PRIMARY KEY, cCusName "
            "nvarchar(98) NULL, cCusAbbName nvarchar(60) NULL, cCusMnemCode nvarchar(98) NULL, "
            "cCusPhone nvarchar(100) NULL, cCusHand nvarchar(100) NULL, cCusRegCode "
            "nvarchar(50) NULL, bTransFlag bit NULL)\n"
            "insert into Customer values ('C1', N'长沙盛源自动化设备有限公司', N'盛源', 'CSSY', "
            "'0731-5550001', NULL, '91430811E5', 0)\n"
            "insert into Customer values ('C2', N'北京骏驰贸易有限公司', NULL, 'BJJCMY', NULL, "
            "'139 0000 0002', NULL, 0)\n"
            "insert into Customer values ('C3', N'Zhejiang 100% Trade', N'ZJJ', 'zjj', NULL, "
            "NULL, NULL, 0)\n"
            "insert into Customer values ('C4', N'Café Ávila', NULL, NULL, N'0é1', NULL, NULL, "
            "0)"));
        ASSERT_TRUE(outcome.ok) << qPrintable(outcome.message);
        QFile script(QStringLiteral(CUSTOMER_SOURCE_DIR "/db/company_postgres.sql"));
        ASSERT_TRUE(script.open(QIODevice::ReadOnly));
        auto &connection = static_cast<PostgresConnection &>(company.backend().connection());
        ASSERT_TRUE(connection.execute(QString::fromUtf8(script.readAll()), sMsg))
            << qPrintable(sMsg);
        service.Init(company.connectionText());
        ASSERT_TRUE(service.Status()) << qPrintable(service.LastError());
    }

    QStringList found(const char *condition)
    {
        const RecordSet rows = service.OpenX(
            QStringLiteral("select cCusCode from Customer where contains(Customer.*, N'%1') "
                           "order by cCusCode")
                .arg(QString::fromUtf8(condition)));
        EXPECT_TRUE(rows.IsOpen()) << qPrintable(service.LastError());
        QStringList codes;
        for (int row = 0; row < rows.RecordCount(); ++row)
            codes.append(rows.valueAt(row, 0).toString());
        return codes;
    }

    // The plan of a search with the table read through indexes only.
    QString plan(const char *condition)
    {
        auto &connection = static_cast<PostgresConnection &>(company.backend().connection());
        QString sMsg;
        EXPECT_TRUE(connection.execute(QStringLiteral("set enable_seqscan = off"), sMsg));
        const std::shared_ptr<const tsql::Batch> batch =
            tsql::TsqlTranslator(company.backend().dialect())
                .translate(QStringLiteral("select cCusCode from Customer where "
                                          "contains(Customer.*, N'%1')")
                               .arg(QString::fromUtf8(condition)),
                           sMsg);
        EXPECT_TRUE(batch) << qPrintable(sMsg);
        if (!batch)
            return QString();
        const RecordSet explained = connection.queryStatement(
            QStringLiteral("explain ") + batch->steps.front().sql, {}, sMsg);
        EXPECT_TRUE(explained.IsOpen()) << qPrintable(sMsg);
        QStringList lines;
        for (int row = 0; row < explained.RecordCount(); ++row)
            lines.append(explained.valueAt(row, 0).toString());
        return lines.join(u'\n');
    }

    BackendUnderTest company{ BackendKind::Postgres };
    ClsCommon service;
};

} // namespace

TEST_F(PostgresQuickSearch, EveryPhraseIsFoundInAnySearchedFieldWithoutRegardToCase)
{
    EXPECT_EQ(found("\"有限公司\""), (QStringList{ "C1", "C2" }));
    EXPECT_EQ(found("\"有限公司\" and \"骏驰\""), QStringList{ "C2" });
    EXPECT_EQ(found("\"zj\""), QStringList{ "C3" }) << "the abbreviation, in another case";
    EXPECT_EQ(found("\"0731\""), QStringList{ "C1" });
    EXPECT_EQ(found("\"0000 0002\""), QStringList{ "C2" });
    EXPECT_EQ(found("\"91430811e5\""), QStringList{ "C1" });
    EXPECT_EQ(found("\"100%\""), QStringList{ "C3" }) << "a percent sign is a character";
    EXPECT_EQ(found("\"0%\""), QStringList{ "C3" });
    EXPECT_TRUE(found("\"1_0\"").isEmpty()) << "an underscore is a character";
    EXPECT_TRUE(found("\"盛源\" and \"骏驰\"").isEmpty());
}

// The phrase is looked for in the very expression the index holds: with the table read through
// indexes only, the plan of a search reads the trigram index.
TEST_F(PostgresQuickSearch, TheSearchReadsTheTrigramIndex)
{
    EXPECT_TRUE(plan("\"有限公司\"").contains(QStringLiteral("customer_search")))
        << qPrintable(plan("\"有限公司\""));
}

// A phrase of one or two letters beyond ASCII is found exactly as a longer one: in any searched
// field, as a whole phrase and not as its letters apart, without regard to case.
TEST_F(PostgresQuickSearch, AShortPhraseIsFoundAsAWholeInAnyField)
{
    EXPECT_EQ(found("\"骏驰\""), QStringList{ "C2" });
    EXPECT_EQ(found("\"盛\""), QStringList{ "C1" });
    EXPECT_TRUE(found("\"驰骏\"").isEmpty()) << "both letters, not the phrase";
    EXPECT_EQ(found("\"源\" and \"长\""), QStringList{ "C1" });
    EXPECT_EQ(found("\"áv\""), QStringList{ "C4" }) << "upper case in the field";
    EXPECT_EQ(found("\"0É\""), QStringList{ "C4" }) << "the phone, upper case in the phrase";
    EXPECT_EQ(found("\"司\""), (QStringList{ "C1", "C2" }));
}

// The letters of a short phrase are looked for in the letters index.
TEST_F(PostgresQuickSearch, AShortPhraseReadsTheLettersIndex)
{
    EXPECT_TRUE(plan("\"骏驰\"").contains(QStringLiteral("customer_search_letters")))
        << qPrintable(plan("\"骏驰\""));
}
