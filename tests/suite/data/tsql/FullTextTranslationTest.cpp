#include "suite/data/tsql/SqliteDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"

#include "TsqlTestSupport.h"

#include <gtest/gtest.h>

using namespace suite::tsql;

namespace {

// Answers with set counts and keeps what it was asked.
class ScriptedStatistics final : public FullTextStatistics
{
public:
    qint64 manyRows() const override { return 100; }
    qint64 matchingRows(const QString &index, const QString &query, qint64 cap) const override
    {
        asked.append(QStringLiteral("match %1 %2 %3").arg(index, query).arg(cap));
        return matches;
    }
    qint64 estimatedRows(const QString &table, const QString &condition) const override
    {
        asked.append(QStringLiteral("estimate %1 %2").arg(table, condition));
        return estimate;
    }

    qint64 matches = 0;
    qint64 estimate = 0;
    mutable QStringList asked;
};

class FullTextTranslationTest : public ::testing::Test
{
protected:
    QString sqlOf(const QString &tsql)
    {
        QString sMsg;
        const auto batch = translator.translate(tsql, sMsg);
        EXPECT_TRUE(batch && batch->steps.size() == 1) << qPrintable(sMsg);
        return batch && !batch->steps.empty() ? batch->steps.front().sql : QString();
    }

    QString failureOf(const QString &tsql)
    {
        QString sMsg;
        EXPECT_FALSE(translator.translate(tsql, sMsg)) << qPrintable(tsql);
        return sMsg;
    }

    TsqlTranslator translator{ std::make_shared<SqliteDialect>() };
};

const QString kSelect = QStringLiteral("select cCusCode from Customer where ");

// The LIKE test of one phrase on every searched field.
QString fieldsHolding(const QString &qualifier, const QString &pattern)
{
    QStringList tests;
    for (const char *field : { "cCusCode", "cCusName", "cCusAbbName", "cCusMnemCode", "cCusPhone",
                               "cCusHand", "cCusRegCode" })
        tests.append(qualifier + u'.' + QLatin1StringView(field) + QStringLiteral(" like '")
                     + pattern + QStringLiteral("' escape '\\'"));
    return u'(' + tests.join(QStringLiteral(" or ")) + u')';
}

class SearchRoadTest : public ::testing::Test
{
protected:
    QString sqlOf(const QString &tsql)
    {
        // A new translator each time: a kept translation keeps the road it chose.
        TsqlTranslator translator{ std::make_shared<SqliteDialect>(&statistics) };
        QString sMsg;
        const auto batch = translator.translate(tsql, sMsg);
        EXPECT_TRUE(batch && batch->steps.size() == 1) << qPrintable(sMsg);
        return batch && !batch->steps.empty() ? batch->steps.front().sql : QString();
    }

    ScriptedStatistics statistics;
};

} // namespace

TEST_F(SearchRoadTest, FewMatchesOfTheLongPhrasesReadTheIndexAndTestShortPhrasesOnThoseRows)
{
    statistics.matches = 99;
    EXPECT_EQ(sqlOf(kSelect + "CONTAINS(Customer.*, N'\"有限公司\" AND \"张\" AND \"o\"\"Ne\"')"),
              kSelect
                  + "(Customer.rowid in (select rowid from CustomerSearch where CustomerSearch "
                    "match '\"有限公司\" \"o\"\"Ne\"') and "
                  + fieldsHolding("Customer", "%张%") + ")");
    EXPECT_EQ(statistics.asked, QStringList{ "match CustomerSearch \"有限公司\" \"o\"\"Ne\" 100" })
        << "the long phrases alone are counted, up to the point where the road changes";
}

TEST_F(SearchRoadTest, ManyMatchesWalkTheListTestingEveryPhraseOnEachRow)
{
    statistics.matches = 100;
    EXPECT_EQ(sqlOf(kSelect + "contains(customer.*, n'\"有限公司\" and \"张\"')"),
              kSelect + "(" + fieldsHolding("customer", "%有限公司%") + " and "
                  + fieldsHolding("customer", "%张%") + ")");
}

TEST_F(SearchRoadTest, ShortPhrasesAloneAreEstimatedOnASampleOfRows)
{
    statistics.estimate = 100;
    EXPECT_EQ(sqlOf(kSelect + "CONTAINS(Customer.*, N'\"ab\" AND \"x\"')"),
              kSelect + "(" + fieldsHolding("Customer", "%ab%") + " and "
                  + fieldsHolding("Customer", "%x%") + ")");
    EXPECT_EQ(statistics.asked,
              QStringList{ "estimate Customer " + fieldsHolding("Customer", "%ab%") + " and "
                           + fieldsHolding("Customer", "%x%") });

    statistics.estimate = 99;
    statistics.asked.clear();
    EXPECT_TRUE(sqlOf(kSelect + "CONTAINS(Customer.*, N'\"ab\"')")
                    .startsWith(kSelect
                                + "(Customer.rowid in (select rowid from CustomerSearch where "
                                  "CustomerSearch match (select ifnull(group_concat("))
        << "a rare short phrase is looked up among the trigrams it starts";
}

TEST_F(SearchRoadTest, WildcardsAndQuotesOfAPhraseStayCharactersOfThePattern)
{
    statistics.matches = 100;
    EXPECT_EQ(sqlOf(kSelect + "CONTAINS(Customer.*, N'\"5%_a\\b''c\"')"),
              kSelect + "(" + fieldsHolding("Customer", "%5\\%\\_a\\\\b''c%") + ")");
}

TEST_F(SearchRoadTest, WithoutAnswersTheIndexIsRead)
{
    statistics.matches = -1;
    statistics.estimate = -1;
    EXPECT_TRUE(sqlOf(kSelect + "CONTAINS(Customer.*, N'\"有限公司\"')")
                    .startsWith(kSelect + "(Customer.rowid in ("));
    EXPECT_TRUE(sqlOf(kSelect + "CONTAINS(Customer.*, N'\"有\"')")
                    .startsWith(kSelect + "(Customer.rowid in ("));
}

TEST_F(FullTextTranslationTest, PhrasesOfThreeCharactersAndMoreAreOneIndexMatch)
{
    EXPECT_EQ(sqlOf(kSelect + "CONTAINS(Customer.*, N'\"北京华\" AND \"o\"\"Ne\"')"),
              kSelect
                  + "(Customer.rowid in (select rowid from CustomerSearch where CustomerSearch "
                    "match '\"北京华\" \"o\"\"Ne\"'))")
        << "a phrase of four characters with a doubled quote is not short: one match of both";
}

TEST_F(FullTextTranslationTest, ShortPhrasesLookUpTheTrigramsTheyStart)
{
    EXPECT_EQ(sqlOf(kSelect + "contains(customer.*, n'\"Ab\" and \"x\"')"),
              kSelect
                  + "(customer.rowid in (select rowid from CustomerSearch where CustomerSearch "
                    "match (select ifnull(group_concat('\"' || replace(term, '\"', '\"\"') || "
                    "'\"', ' OR '), '\"Ab\"') from CustomerSearchTerms where term >= 'ab' and "
                    "term < 'ab' || char(1114111))) and customer.rowid in (select rowid from "
                    "CustomerSearch where CustomerSearch match (select ifnull(group_concat('\"' "
                    "|| replace(term, '\"', '\"\"') || '\"', ' OR '), '\"x\"') from "
                    "CustomerSearchTerms where term >= 'x' and term < 'x' || char(1114111))))")
        << "lower-cased as the index folds its trigrams; the list sends its text lower-cased";
}

TEST_F(FullTextTranslationTest, QuotesInAPhraseStayInsideItsLiterals)
{
    const QString sql = sqlOf(kSelect + "CONTAINS(Customer.*, N'\"a'')--\"')");
    EXPECT_TRUE(sql.contains(u"match '\"a'')--\"'")) << qPrintable(sql);
}

TEST_F(FullTextTranslationTest, OtherFormsAreRefusedWithTheReason)
{
    const QString phrases =
        QStringLiteral("the condition of CONTAINS must be phrases in double quotes joined by AND");
    for (const char *condition :
         { "N'abc'", "N'\"abc\" OR \"def\"'", "N'\"abc\" AND'", "N'\"abc\" NEAR \"def\"'",
           "N'\"abc'", "N'\"\"'", "N'\"   \"'", "N'\"abc\"AND\"d\"'", "cCusName", "N'a''" }) {
        const QString reason =
            failureOf(kSelect + "CONTAINS(Customer.*, " + QString::fromUtf8(condition) + ")");
        EXPECT_TRUE(reason.contains(phrases) || reason.contains(u"cannot be read")
                    || reason.contains(u"unterminated"))
            << condition << ": " << qPrintable(reason);
    }
    EXPECT_TRUE(failureOf(kSelect + "CONTAINS(Vendor.*, N'\"abc\"')")
                    .contains(u"the table Vendor has no full-text index"));
    EXPECT_TRUE(failureOf(kSelect + "CONTAINS(cCusName, N'\"abc\"')")
                    .contains(u"CONTAINS searches table.*, not cCusName"));
    EXPECT_TRUE(failureOf(kSelect + "CONTAINS(Customer.*)").contains(u"CONTAINS takes 2"));
}
