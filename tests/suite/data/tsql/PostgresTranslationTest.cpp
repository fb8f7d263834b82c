#include "suite/data/tsql/PostgresDialect.h"
#include "suite/data/tsql/PostgresFullText.h"
#include "suite/data/tsql/SqliteFullText.h"
#include "suite/data/tsql/TsqlTranslator.h"

#include "TsqlTestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace suite::tsql;

namespace {

class PostgresTranslation : public ::testing::Test
{
protected:
    PostgresTranslation()
    {
        translator.setTextColumnLookup([](QStringView, QStringView column) {
            return column.startsWith(u'c', Qt::CaseInsensitive);
        });
    }

    // The statements of a text, one line each, the branches of an IF after its condition.
    QString translated(const QString &tsql)
    {
        QString sMsg;
        const auto batch = translator.translate(tsql, sMsg);
        EXPECT_TRUE(batch) << qPrintable(sMsg);
        QStringList statements;
        if (batch)
            appendSteps(batch->steps, statements);
        return statements.join(u'\n');
    }

    static void appendSteps(const std::vector<Step> &steps, QStringList &statements)
    {
        for (const Step &step : steps) {
            statements.append(step.sql);
            appendSteps(step.thenSteps, statements);
            appendSteps(step.elseSteps, statements);
        }
    }

    QString refusal(const QString &tsql)
    {
        QString sMsg;
        EXPECT_FALSE(translator.translate(tsql, sMsg)) << qPrintable(tsql);
        return sMsg;
    }

    TsqlTranslator translator{ std::make_shared<PostgresDialect>() };
};

} // namespace

TEST_F(PostgresTranslation, NamesFoldAsPostgresFoldsThemAndDatabasesBecomeSchemas)
{
    EXPECT_EQ(translated(QStringLiteral("select [cCusCode], [My Name], [limit] from "
                                        "kvsystem..ua_account a join KvMeta_001.dbo.T t on 1=1")),
              QStringLiteral("select \"ccuscode\", \"my name\", \"limit\" from kvsystem.ua_account "
                             "a join KvMeta_001.T t on 1=1"));
    EXPECT_EQ(translated(QStringLiteral("select offset, window from tempdb..#picked")),
              QStringLiteral("select \"offset\", \"window\" from pg_temp.\"#picked\""));
}

TEST_F(PostgresTranslation, SqlServerFunctionsBecomePostgresExpressions)
{
    EXPECT_EQ(
        translated(QStringLiteral("select top 5 isnull(cCusName, ''), getdate(), newid(), "
                                  "len(cCusName), charindex('-', cCusCode) from Customer")),
        QStringLiteral("select coalesce(cCusName, ''), localtimestamp(3), "
                       "upper(gen_random_uuid()::text), length(rtrim((cCusName)::text, ' ')), "
                       "strpos(cCusCode, '-') from Customer LIMIT 5"));
    EXPECT_EQ(translated(QStringLiteral("select convert(varchar(10), dDate, 120), "
                                        "dateadd(day, 3, dDate) from T")),
              QStringLiteral("select (left(to_char((dDate)::timestamp, 'YYYY-MM-DD HH24:MI:SS'), "
                             "10))::citext, ((dDate)::timestamp + (3) * interval '1 "
                             "day')::timestamp(3) from T"));
    EXPECT_EQ(refusal(QStringLiteral("select datediff(quarter, a, b) from T")),
              QStringLiteral("The SQL text cannot be translated: the date part quarter of DATEDIFF "
                             "is not supported in: select datediff(quarter, a, b) from T"));
}

// Every phrase is looked for in one text of the searched fields, the expression the trigram
// index of the company's PostgreSQL script is made on, so that the planner can use the index.
TEST_F(PostgresTranslation, ContainsLooksForEachPhraseInTheTextTheTrigramIndexHolds)
{
    const QString text = QStringLiteral(
        "(coalesce(Customer.ccuscode::text, '') || chr(10) || coalesce(Customer.ccusname::text, "
        "'') || chr(10) || coalesce(Customer.ccusabbname::text, '') || chr(10) || "
        "coalesce(Customer.ccusmnemcode::text, '') || chr(10) || "
        "coalesce(Customer.ccusphone::text, "
        "'') || chr(10) || coalesce(Customer.ccushand::text, '') || chr(10) || "
        "coalesce(Customer.ccusregcode::text, ''))");
    EXPECT_EQ(translated(QStringLiteral("select cCusCode from Customer where "
                                        "contains(Customer.*, N'\"有限%公司\" and \"O''x\"')")),
              QStringLiteral("select cCusCode from Customer where (") + text
                  + QStringLiteral(" ilike '%有限\\%公司%' escape '\\' and ") + text
                  + QStringLiteral(" ilike '%O''x%' escape '\\')"));

    QFile script(QStringLiteral(CUSTOMER_SOURCE_DIR "/db/company_postgres.sql"));
    ASSERT_TRUE(script.open(QIODevice::ReadOnly));
    const QString indexed =
        postgresSearchText(QString(), searchedFields(QStringLiteral("Customer")));
    EXPECT_TRUE(
        QString::fromUtf8(script.readAll())
            .simplified()
            .contains(QStringLiteral("USING gin (") + indexed + QStringLiteral(" gin_trgm_ops)")))
        << qPrintable(indexed);
    EXPECT_FALSE(
        refusal(QStringLiteral("select * from Vendor v where contains(v.*, '\"x\"')")).isEmpty())
        << "a table without searched fields";
}

// A phrase of one or two letters, one beyond ASCII, first asks for its letters among the
// text's letters beyond ASCII, the expression the letters index is made on; the phrase itself
// is still looked for in the text.
TEST_F(PostgresTranslation, AShortPhraseWithLettersBeyondAsciiAsksForThemFirst)
{
    const QString text =
        postgresSearchText(QStringLiteral("Customer"), searchedFields(QStringLiteral("Customer")));
    const auto letters = [](const QString &of) {
        return QStringLiteral("string_to_array(regexp_replace(lower(") + of
            + QStringLiteral("), '[\\x01-\\x7f]+', '', 'g'), NULL)");
    };
    const auto like = [&text](const QString &pattern) {
        return text + QStringLiteral(" ilike '%") + pattern + QStringLiteral("%' escape '\\'");
    };
    EXPECT_EQ(translated(QStringLiteral("select cCusCode from Customer where contains(Customer.*, "
                                        "N'\"骏驰\" and \"é''\" and \"zj\" and \"骏驰贸\"')")),
              QStringLiteral("select cCusCode from Customer where (") + like(QStringLiteral("骏驰"))
                  + QStringLiteral(" and ") + letters(text) + QStringLiteral(" @> ")
                  + letters(QStringLiteral("'骏'")) + QStringLiteral(" and ")
                  + like(QStringLiteral("é''")) + QStringLiteral(" and ") + letters(text)
                  + QStringLiteral(" @> ") + letters(QStringLiteral("'é'"))
                  + QStringLiteral(" and ") + like(QStringLiteral("zj")) + QStringLiteral(" and ")
                  + like(QStringLiteral("骏驰贸")) + u')');

    QFile script(QStringLiteral(CUSTOMER_SOURCE_DIR "/db/company_postgres.sql"));
    ASSERT_TRUE(script.open(QIODevice::ReadOnly));
    const QString indexed =
        letters(postgresSearchText(QString(), searchedFields(QStringLiteral("Customer"))));
    EXPECT_TRUE(QString::fromUtf8(script.readAll())
                    .simplified()
                    .replace(QStringLiteral("( "), QStringLiteral("("))
                    .contains(QStringLiteral("USING gin (") + indexed + u')'))
        << qPrintable(indexed);
}

TEST_F(PostgresTranslation, TextColumnsJoinWithTheConcatenationOperator)
{
    EXPECT_EQ(translated(QStringLiteral("select cCusCode + ' ' + cCusName, iA + iB from T")),
              QStringLiteral("select cCusCode || ' ' || cCusName, iA + iB from T"));
}

TEST_F(PostgresTranslation, ObjectIdAsksTheCatalogueAndTemporaryTablesAreTheConnections)
{
    EXPECT_EQ(translated(QStringLiteral(
                  "if OBJECT_ID(N'tempdb..#t') is not null truncate table #t else "
                  "CREATE TABLE #t(AutoID int IDENTITY(1,1) NOT NULL, cName nvarchar(20) NULL)")),
              QStringLiteral("select to_regclass('pg_temp.\"#t\"') is not null\n"
                             "TRUNCATE TABLE pg_temp.\"#t\" RESTART IDENTITY\n"
                             "CREATE TABLE pg_temp.\"#t\"(AutoID integer GENERATED BY DEFAULT AS "
                             "IDENTITY (START WITH 1 INCREMENT BY 1) NOT NULL, cName citext NULL "
                             "CHECK (char_length(cName) <= 20))\n"
                             "COMMENT ON COLUMN pg_temp.\"#t\".AutoID IS 'AutoID int'\n"
                             "COMMENT ON COLUMN pg_temp.\"#t\".cName IS 'cName nvarchar(20)'"));
}

TEST_F(PostgresTranslation, CreateTableDeclaresCitextIdentityAndTheDeclaredColumnsInComments)
{
    EXPECT_EQ(
        translated(
            QStringLiteral("CREATE TABLE [dbo].[Customer]([cCusCode] [nvarchar](20) NOT NULL, "
                           "iId int IDENTITY(1,1) NOT NULL, bEnd bit NOT NULL DEFAULT (0), "
                           "dDate datetime NULL, cBin varchar(8) COLLATE Chinese_PRC_BIN NULL, "
                           "CONSTRAINT [PK_Customer] PRIMARY KEY CLUSTERED ([cCusCode] ASC))")),
        QStringLiteral("CREATE TABLE Customer(\"ccuscode\" citext NOT NULL CHECK "
                       "(char_length(\"ccuscode\") <= 20), iId integer GENERATED BY DEFAULT AS "
                       "IDENTITY (START WITH 1 INCREMENT BY 1) NOT NULL, bEnd smallint NOT NULL "
                       "DEFAULT (0), dDate timestamp(3) NULL, cBin varchar(8) NULL, CONSTRAINT "
                       "\"pk_customer\" PRIMARY KEY (\"ccuscode\" ))\n"
                       "COMMENT ON COLUMN Customer.\"ccuscode\" IS 'cCusCode nvarchar(20)'\n"
                       "COMMENT ON COLUMN Customer.iId IS 'iId int'\n"
                       "COMMENT ON COLUMN Customer.bEnd IS 'bEnd bit'\n"
                       "COMMENT ON COLUMN Customer.dDate IS 'dDate datetime'\n"
                       "COMMENT ON COLUMN Customer.cBin IS 'cBin varchar(8)'"));
}

TEST_F(PostgresTranslation, IntegerIsAnotherNameOfInt)
{
    EXPECT_EQ(translated(QStringLiteral("CREATE TABLE Big (id integer PRIMARY KEY)")),
              QStringLiteral("CREATE TABLE Big(id integer PRIMARY KEY)\n"
                             "COMMENT ON COLUMN Big.id IS 'id int'"));
    EXPECT_EQ(translated(QStringLiteral("select cast(cCode as integer) from T")),
              QStringLiteral("select cast(cCode as integer) from T"));
}

TEST_F(PostgresTranslation, IndexNamesAreTheTablesOwn)
{
    EXPECT_EQ(translated(QStringLiteral("CREATE UNIQUE INDEX IX_Code ON Customer(cCusCode)\n"
                                        "DROP INDEX Customer.IX_Code\n"
                                        "truncate table kvsystem..ua_log")),
              QStringLiteral("CREATE UNIQUE INDEX \"customer_ix_code\" ON Customer(cCusCode)\n"
                             "DROP INDEX \"customer_ix_code\"\n"
                             "TRUNCATE TABLE kvsystem.ua_log RESTART IDENTITY"));
}
