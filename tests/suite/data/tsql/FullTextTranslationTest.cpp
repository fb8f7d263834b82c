#include "suite/data/tsql/SqliteDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"

#include "TsqlTestSupport.h"

#include <gtest/gtest.h>

using namespace suite::tsql;

namespace {

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

} // namespace

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
