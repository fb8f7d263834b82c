#include "catalogue/QuickSearch.h"

#include <gtest/gtest.h>

using namespace customer;

TEST(QuickSearch, EveryWordBecomesAPhraseOfSqlServersFullTextPredicate)
{
    EXPECT_EQ(quickSearchCondition(QStringLiteral("北京")),
              QStringLiteral("CONTAINS(Customer.*, N'\"北京\"')"));
    EXPECT_EQ(quickSearchCondition(QStringLiteral("  华为 \t 010-8\u3000abc ")),
              QStringLiteral("CONTAINS(Customer.*, N'\"华为\" AND \"010-8\" AND \"abc\"')"))
        << "tabs and the ideographic space of a Chinese keyboard separate words too";
    EXPECT_EQ(quickSearchCondition(QStringLiteral(" \t\u3000 ")), QString());
    EXPECT_EQ(quickSearchCondition(QString()), QString());
}

TEST(QuickSearch, HostileTextStaysWordsToLookFor)
{
    EXPECT_EQ(quickSearchCondition(QStringLiteral("O'Neil \"x\" NEAR(a*) cCusName:b')--")),
              QStringLiteral("CONTAINS(Customer.*, N'\"O''Neil\" AND \"\"\"x\"\"\" AND "
                             "\"NEAR(a*)\" AND \"cCusName:b'')--\"')"))
        << "double quotes doubled inside each phrase, single quotes doubled in the literal";
    EXPECT_EQ(quickSearchCondition(QStringLiteral("a\nb\x01"
                                                  "c")),
              QStringLiteral("CONTAINS(Customer.*, N'\"a\" AND \"b\" AND \"c\"')"))
        << "no field holds a control character: they separate words";
}

TEST(QuickSearch, OnlyTheFirstWordsCount)
{
    QStringList words;
    for (int word = 0; word < kMaxQuickSearchWords + 3; ++word)
        words.append(QStringLiteral("w%1").arg(word));
    EXPECT_EQ(quickSearchWords(words.join(u' ')), words.mid(0, kMaxQuickSearchWords));
}
