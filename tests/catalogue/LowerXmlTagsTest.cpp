#include "catalogue/LowerXmlTags.h"

#include <gtest/gtest.h>

using customer::LowerXmlTags;

namespace {

QString lowered(QString xml, bool escapeAmp = true)
{
    LowerXmlTags(xml, escapeAmp);
    return xml;
}

} // namespace

TEST(LowerXmlTags, TagsWithTheirAttributesGoToLowerCaseAndTextStays)
{
    EXPECT_EQ(lowered(QStringLiteral("<A B='X'>Text</A>")), QStringLiteral("<a b='x'>Text</a>"));
    EXPECT_EQ(lowered(QStringLiteral("<Customer cCusCode='C001'><cCusName>北京ABC</cCusName>"
                                     "<Edt Value='Ä'/></Customer>")),
              QStringLiteral("<customer ccuscode='c001'><ccusname>北京ABC</ccusname>"
                             "<edt value='ä'/></customer>"));
}

TEST(LowerXmlTags, EveryAmpersandIsEscapedOnceMoreWhenAsked)
{
    EXPECT_EQ(lowered(QStringLiteral("<R N='R&D'>A &amp; B</R>")),
              QStringLiteral("<r n='r&amp;d'>A &amp;amp; B</r>"));
    EXPECT_EQ(lowered(QStringLiteral("<R N='R&D'>A &amp; B</R>"), false),
              QStringLiteral("<r n='r&d'>A &amp; B</r>"));
}

TEST(LowerXmlTags, ATagEndsOnItsOwnLineAndNeedsSomethingInside)
{
    EXPECT_EQ(lowered(QStringLiteral("<A\nB>Text<>C>")), QStringLiteral("<A\nB>Text<>c>"));
    EXPECT_EQ(lowered(QStringLiteral("x < Y and Z > W")), QStringLiteral("x < y and z > W"));
    EXPECT_EQ(lowered(QStringLiteral("<<<<A\r\n<B>")), QStringLiteral("<<<<A\r\n<b>"));
    EXPECT_EQ(lowered(QStringLiteral("<A<B>C>")), QStringLiteral("<a<b>C>"));
    EXPECT_EQ(lowered(QString()), QString());
}
