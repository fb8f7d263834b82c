#include "suite/core/SqlQuote.h"

#include <gtest/gtest.h>

using namespace suite;

TEST(SqlQuote, PlainValuesStayAsTheyAreAndQuotesAreDoubled)
{
    EXPECT_EQ(sqlQuote(QStringLiteral("北京远航")), QStringLiteral("北京远航"));
    EXPECT_EQ(sqlQuote(QStringLiteral("O'Brien''s")), QStringLiteral("O''Brien''''s"));
    EXPECT_EQ(sqlQuoted(QStringLiteral("x' or '1'='1")), QStringLiteral("'x'' or ''1''=''1'"));
    EXPECT_EQ(sqlUnicode(QString()), QStringLiteral("N''"));
    EXPECT_EQ(sqlUnicode(QStringLiteral("R&D '1'")), QStringLiteral("N'R&D ''1'''"));
}
