#include "suite/pub/CodeRule.h"
#include "suite/core/XmlDocument.h"

#include <gtest/gtest.h>

using namespace suite;

namespace {

CodeRule ruleOf(const QList<CodePart> &parts, int serialLength)
{
    CodeRule rule;
    rule.object = QStringLiteral("Customer");
    rule.codeField = QStringLiteral("cCusCode");
    rule.autoCode = true;
    rule.serialLength = serialLength;
    rule.parts = parts;
    return rule;
}

XmlElement contextOf(const QString &xml)
{
    static XmlDocument document;
    EXPECT_TRUE(document.loadXml(xml)) << qPrintable(document.parseError());
    return document.documentElement();
}

const QDate kToday(2026, 11, 30);

} // namespace

TEST(CodeRule, PrefixJoinsTextFieldsAndDateInOrder)
{
    const CodeRule rule = ruleOf({ { CodePart::Kind::Text, QStringLiteral("K") },
                                   { CodePart::Kind::Field, QStringLiteral("ccccode") },
                                   { CodePart::Kind::Text, QStringLiteral("-") },
                                   { CodePart::Kind::Date, QStringLiteral("yyMM") } },
                                 3);
    const XmlElement context =
        contextOf(QStringLiteral("<Customer><ccusname>x</ccusname><cCCCode> 0101 </cCCCode>"
                                 "<dmodifydate>2026-03-05 10:11:12</dmodifydate></Customer>"));
    EXPECT_EQ(rule.prefixFor(context, kToday), QStringLiteral("K0101-2603"));
}

TEST(CodeRule, MissingFieldAddsNothingAndMissingDateMeansToday)
{
    const CodeRule rule = ruleOf({ { CodePart::Kind::Field, QStringLiteral("ccccode") },
                                   { CodePart::Kind::Date, QStringLiteral("yyyyMMdd") } },
                                 4);
    EXPECT_EQ(rule.prefixFor(contextOf(QStringLiteral("<Customer/>")), kToday),
              QStringLiteral("20261130"));
    EXPECT_EQ(rule.prefixFor(contextOf(QStringLiteral(
                                 "<Customer><dmodifydate>not a date</dmodifydate></Customer>")),
                             kToday),
              QStringLiteral("20261130"));
}

TEST(CodeRule, CodesPadTheSerialAndSplitBackIntoPrefixAndSerial)
{
    const CodeRule rule = ruleOf({}, 4);
    EXPECT_EQ(rule.codeOf(QStringLiteral("0101"), 7), QStringLiteral("01010007"));
    EXPECT_EQ(rule.largestSerial(), 9999);
    EXPECT_EQ(ruleOf({}, 9).largestSerial(), 999999999);

    const auto split = rule.split(QStringLiteral("01010007"));
    ASSERT_TRUE(split.has_value());
    EXPECT_EQ(split->first, QStringLiteral("0101"));
    EXPECT_EQ(split->second, 7);
    EXPECT_EQ(rule.split(QStringLiteral("0042"))->first, QString());
    for (const QString &other : { QStringLiteral("042"), QStringLiteral("0101000A"),
                                  QStringLiteral("C０００１"), QString() })
        EXPECT_FALSE(rule.split(other).has_value()) << other.toStdString();
}

TEST(CodeRule, PartKindsAreReadWithoutRegardToCase)
{
    EXPECT_EQ(CodePart::kindOf(QStringLiteral("Field")), CodePart::Kind::Field);
    EXPECT_EQ(CodePart::kindOf(QStringLiteral(" date ")), CodePart::Kind::Date);
    EXPECT_EQ(CodePart::kindOf(QStringLiteral("TEXT")), CodePart::Kind::Text);
    EXPECT_FALSE(CodePart::kindOf(QStringLiteral("week")).has_value());
}

TEST(CodeRule, FormatTextCarriesTheFlagsAndEscapesPartValues)
{
    CodeRule rule = ruleOf({ { CodePart::Kind::Text, QStringLiteral("R&D<") } }, 5);
    rule.manualChange = false;
    rule.serialStart = 100;
    EXPECT_EQ(rule.formatText(),
              QStringLiteral("<编码规则 对象=\"Customer\" 编码字段=\"cCusCode\" 自动编号=\"1\" "
                             "允许手工修改=\"0\" 流水号长度=\"5\" 起始流水号=\"100\">"
                             "<前缀 类型=\"text\" 值=\"R&amp;D&lt;\"/></编码规则>"));
}
