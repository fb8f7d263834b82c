#include "demo/Pinyin.h"

#include <gtest/gtest.h>

TEST(Pinyin, MnemonicCodesAreTheSyllablesInitials)
{
    demo::Pinyin pinyin;
    QString sMsg;
    ASSERT_TRUE(pinyin.isValid(sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(pinyin.initials(QStringLiteral("北京华信电子有限公司")),
              QStringLiteral("BJHXDZYXGS"));
    // Latin letters and digits already in the name are kept, punctuation is dropped.
    EXPECT_EQ(pinyin.initials(QStringLiteral("3M中国（上海）有限公司")),
              QStringLiteral("3MZGSHYXGS"));
    EXPECT_EQ(pinyin.initials(QStringLiteral("abc")), QStringLiteral("ABC"));
    EXPECT_EQ(pinyin.initials(QString()), QString());
    // A second call answers from the cache with the same result.
    EXPECT_EQ(pinyin.initials(QStringLiteral("北京华信电子有限公司")),
              QStringLiteral("BJHXDZYXGS"));
}

TEST(Pinyin, SpellingIsOneCapitalisedWord)
{
    demo::Pinyin pinyin;
    EXPECT_EQ(pinyin.spelling(QStringLiteral("华信")), QStringLiteral("Huaxin"));
    EXPECT_EQ(pinyin.spelling(QStringLiteral("苏州")), QStringLiteral("Suzhou"));
    EXPECT_EQ(pinyin.spelling(QString()), QString());
}
