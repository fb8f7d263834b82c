#include "suite/data/MnemonicCode.h"

#include <gtest/gtest.h>

using suite::mnemonicCode;

TEST(MnemonicCode, InitialsOfTheReadingOfEveryChineseCharacter)
{
    EXPECT_EQ(mnemonicCode(QStringLiteral("北京远航科技有限公司")), QStringLiteral("BJYHKJYXGS"));
    EXPECT_EQ(mnemonicCode(QStringLiteral("深圳市华为技术有限公司")),
              QStringLiteral("SZSHWJSYXGS"));
    EXPECT_EQ(mnemonicCode(QStringLiteral("供应链物流")), QStringLiteral("GYLWL"));
}

TEST(MnemonicCode, LatinLettersAndDigitsStayUpperCasedAndTheRestIsDropped)
{
    EXPECT_EQ(mnemonicCode(QStringLiteral("ABC 公司-2号")), QStringLiteral("ABCGS2H"));
    EXPECT_EQ(mnemonicCode(QStringLiteral("abc (上海) co., ltd.")), QStringLiteral("ABCSHCOLTD"));
    EXPECT_EQ(mnemonicCode(QStringLiteral("ＡＢＣ１２３贸易")), QStringLiteral("ABC123MY"));
    EXPECT_EQ(mnemonicCode(QStringLiteral("Café 咖啡")), QStringLiteral("CAFEKF"));
    EXPECT_EQ(mnemonicCode(QStringLiteral("（）、。！ —— ·")), QString());
    EXPECT_EQ(mnemonicCode(QString()), QString());
}

// ICU gives every character its most frequent reading; the words below are where company and
// place names need another one, and the last cases check that the corrections stay inside
// their words.
TEST(MnemonicCode, PolyphonicCharactersOfCommonCompanyWords)
{
    EXPECT_EQ(mnemonicCode(QStringLiteral("重庆")), QStringLiteral("CQ"));
    EXPECT_EQ(mnemonicCode(QStringLiteral("重庆长安汽车股份有限公司")),
              QStringLiteral("CQCAQCGFYXGS"));
    EXPECT_EQ(mnemonicCode(QStringLiteral("中国工商银行厦门分行")), QStringLiteral("ZGGSYHXMFH"));
    EXPECT_EQ(mnemonicCode(QStringLiteral("长沙会计师事务所")), QStringLiteral("CSKJSSWS"));
    EXPECT_EQ(mnemonicCode(QStringLiteral("音乐")), QStringLiteral("YY"));
    EXPECT_EQ(mnemonicCode(QStringLiteral("重型机械厂")), QStringLiteral("ZXJXC"));
    EXPECT_EQ(mnemonicCode(QStringLiteral("旅行社")), QStringLiteral("LXS"));
    EXPECT_EQ(mnemonicCode(QStringLiteral("快乐成长")), QStringLiteral("KLCZ"));
}
