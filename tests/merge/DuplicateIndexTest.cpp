#include "merge/DuplicateIndex.h"
#include "merge/NameKey.h"

#include <gtest/gtest.h>

using namespace customer;

TEST(NameKey, CompanyFormsWidthsBlanksAndBracketsDoNotCount)
{
    const QString plain = normalisedName(QStringLiteral("苏州华信电子有限公司"));
    EXPECT_EQ(plain, QStringLiteral("苏州华信电子"));
    for (const char16_t *same :
         { u"苏州华信电子股份有限公司", u"苏州华信电子有限责任公司",
           u"苏州华信电子（中国）有限公司", u"苏州华信电子(中国)股份有限公司",
           u" 苏州 华信电子　有限公司 ", u"苏州华信电子有限公司有限公司", u"苏州华信电子股份公司" })
        EXPECT_EQ(normalisedName(QString::fromUtf16(same)), plain)
            << QString::fromUtf16(same).toStdString();
    EXPECT_EQ(normalisedName(QStringLiteral("ＡＢＣ（苏州）Co., Ltd.")), QStringLiteral("abc苏州"));
    EXPECT_EQ(normalisedName(QStringLiteral("Acme Zinc")), QStringLiteral("acmezinc"))
        << "a form is a whole word";
    EXPECT_EQ(normalisedName(QStringLiteral("有限公司")), QStringLiteral("有限公司"))
        << "a name that is only a form keeps it";
    EXPECT_EQ(normalisedName(QStringLiteral("苏州华信电子集团有限公司上海分公司")),
              QStringLiteral("苏州华信电子集团有限公司上海分公司"))
        << "a branch is no company form";
    EXPECT_EQ(normalisedName(QString()), QString());
}

TEST(NameKey, TrigramsAndPhones)
{
    EXPECT_EQ(nameTrigrams(QStringLiteral("ab")).size(), 0);
    EXPECT_EQ(nameTrigrams(QStringLiteral("abab")).size(), 2) << "aba and bab";
    const auto a = nameTrigrams(QStringLiteral("苏州华信电子"));
    EXPECT_DOUBLE_EQ(trigramSimilarity(a, a), 1.0);
    EXPECT_DOUBLE_EQ(trigramSimilarity(a, nameTrigrams(QStringLiteral("无锡华信电子"))), 2.0 / 6);
    EXPECT_DOUBLE_EQ(trigramSimilarity(a, {}), 0.0);
    EXPECT_EQ(phoneKey(QStringLiteral("(0512) 6688-1234")), QStringLiteral("051266881234"));
    EXPECT_EQ(phoneKey(QStringLiteral("０５１２－６６８８１２３４")),
              QStringLiteral("051266881234"));
    EXPECT_EQ(phoneKey(QStringLiteral("110")), QString()) << "too short to name a line";
}

namespace {

QStringList described(const QList<DuplicatePair> &pairs)
{
    QStringList texts;
    for (const DuplicatePair &pair : pairs) {
        QStringList reasons;
        for (const DuplicateReason reason : pair.reasons)
            reasons.append(QString::number(int(reason)));
        texts.append(QStringLiteral("%1-%2:%3:%4")
                         .arg(pair.code1, pair.code2)
                         .arg(pair.score)
                         .arg(reasons.join(u',')));
    }
    return texts;
}

} // namespace

TEST(DuplicateIndex, SharedKeysAndNamesMakePairsScoredByTheirBestReason)
{
    DuplicateIndex index;
    index.add({ "A1", "苏州华信电子有限公司", "91320500ABC", "0512-66881234", "sales@hx.cn" });
    index.add({ "A2", "苏州华信电子（中国）股份有限公司", "", "", "" });
    index.add({ "B1", "无锡宏达机械有限公司", "91320200XYZ", "0510-1234567", "" });
    index.add({ "B2", "江阴宏达机械制造有限公司", " 91320200xyz ", "", "" });
    index.add({ "C1", "常州远航贸易有限公司", "", "0519 8888 7777", "" });
    index.add({ "C2", "南通海天食品有限公司", "", "051988887777", "INFO@HT.CN" });
    index.add({ "D1", "扬州金桥物流有限公司", "", "", "info@ht.cn" });
    EXPECT_EQ(described(index.pairs(60, -1)),
              (QStringList{ "B1-B2:100:0", "A1-A2:95:1", "C2-D1:85:2", "C1-C2:80:3" }));
    EXPECT_EQ(described(index.pairs(90, -1)), (QStringList{ "B1-B2:100:0", "A1-A2:95:1" }));
    EXPECT_EQ(described(index.pairs(60, 1)), QStringList{ "B1-B2:100:0" });
}

TEST(DuplicateIndex, SimilarNamesScoreTheirTrigramOverlapAndACommonWordIsNotEnough)
{
    DuplicateIndex index;
    index.add({ "S1", "苏州华信电子科技有限公司", "", "", "" });
    index.add({ "S2", "苏州华信电子科技发展有限公司", "", "", "" });
    // Companies that share only a word: the trade name, the city, the trade.
    for (const char *name :
         { "北京华信科技有限公司", "上海华信贸易有限公司", "苏州宏达机械有限公司",
           "深圳华信物流有限公司", "广州明珠电子科技有限公司" })
        index.add({ QString::fromUtf8(name).left(4), QString::fromUtf8(name), "", "", "" });
    const QList<DuplicatePair> pairs = index.pairs(60, -1);
    ASSERT_EQ(described(pairs), QStringList{ "S1-S2:75:4" });
    EXPECT_EQ(pairs.first().similarity, 75) << "6 of 8 trigrams shared";
    EXPECT_TRUE(index.pairs(76, -1).isEmpty());
}

TEST(DuplicateIndex, BranchesOfOneGroupAreNoDuplicatesByNameAlone)
{
    DuplicateIndex index;
    index.add({ "G0", "苏州华信电子科技集团有限公司", "", "", "", "G0" });
    index.add({ "G1", "苏州华信电子科技集团有限公司上海分公司", "", "", "", "G0" });
    index.add({ "G2", "苏州华信电子科技集团有限公司北京分公司", "", "", "", "G0" });
    index.add({ "H1", "苏州华信电子科技集团有限公司南京分公司", "", "", "", "" });
    EXPECT_EQ(described(index.pairs(60, -1)), (QStringList{ "G2-H1:70:4", "G1-H1:61:4" }));
}

TEST(DuplicateIndex, AKeyOrTrigramThatManyCustomersShareMakesNoPairs)
{
    DuplicateIndex index;
    for (int n = 0; n <= DuplicateIndex::kCommonKey; ++n)
        index.add({ QStringLiteral("P%1").arg(n, 3, 10, QChar(u'0')),
                    QStringLiteral("公司%1号").arg(n), QString(), QStringLiteral("400-800-8888"),
                    QString() });
    EXPECT_TRUE(index.pairs(60, -1).isEmpty()) << "one switchboard number is no duplicate";
}
