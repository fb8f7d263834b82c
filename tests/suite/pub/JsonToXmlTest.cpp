#include "suite/pub/JsonToXml.h"
#include "suite/core/XmlDocument.h"

#include <gtest/gtest.h>

using suite::JsonToXml;

namespace {

QString convert(const QString &json)
{
    return JsonToXml().Convert(json);
}

} // namespace

TEST(JsonToXml, ArraysBecomeRepeatedElementsOfTheirName)
{
    EXPECT_EQ(convert(QStringLiteral(R"({"code":0,"msg":"成功","data":{"total":2,)"
                                     R"("list":[{"ID":"1","Name":"甲"},{"ID":2,"Name":null}]}})")),
              QStringLiteral("<root><code>0</code><msg>成功</msg><data><total>2</total>"
                             "<list><ID>1</ID><Name>甲</Name></list>"
                             "<list><ID>2</ID><Name></Name></list></data></root>"));
}

TEST(JsonToXml, TheListOfAServiceAnswerIsFoundByItsPath)
{
    suite::XmlDocument document;
    ASSERT_TRUE(document.loadXml(convert(
        QStringLiteral(R"({"msg":"ok","data":{"list":[{"ID":"7"},{"ID":"8"},{"ID":"9"}]}})"))));
    const QList<suite::XmlElement> records =
        document.selectNodes(QStringLiteral("//root/data/list"));
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records[2].firstChildElement(QStringLiteral("ID")).text(), QStringLiteral("9"));
    EXPECT_EQ(document.selectSingleNode(QStringLiteral("//root/msg")).text(), QStringLiteral("ok"));
}

TEST(JsonToXml, AnEmptyArrayLeavesNoElement)
{
    EXPECT_EQ(convert(QStringLiteral(R"({"msg":"没有","data":{"list":[]}})")),
              QStringLiteral("<root><msg>没有</msg><data></data></root>"));
}

TEST(JsonToXml, ScalarsKeepTheirJsonText)
{
    EXPECT_EQ(convert(QStringLiteral(R"({"a":true,"b":false,"c":-12,"d":1.50,"e":1e3,)"
                                     R"("f":18446744073709551615})")),
              QStringLiteral("<root><a>true</a><b>false</b><c>-12</c><d>1.50</d><e>1e3</e>"
                             "<f>18446744073709551615</f></root>"));
    EXPECT_EQ(convert(QStringLiteral("\"文本\"")), QStringLiteral("<root>文本</root>"));
    EXPECT_EQ(convert(QStringLiteral("-1")), QStringLiteral("<root>-1</root>"));
}

TEST(JsonToXml, TopLevelAndNestedArrays)
{
    EXPECT_EQ(convert(QStringLiteral(R"([1,{"x":2}])")),
              QStringLiteral("<root><item>1</item><item><x>2</x></item></root>"));
    EXPECT_EQ(convert(QStringLiteral(R"({"m":[[1,2],[3]]})")),
              QStringLiteral("<root><m><m>1</m><m>2</m></m><m><m>3</m></m></root>"));
}

TEST(JsonToXml, MarkupInValuesStaysText)
{
    const QString xml = convert(
        QStringLiteral(R"({"Name":"<b>R&D</b> ]]> \"引号\" 'x'","Memo":"a\u0001b\tc\r\nd"})"));
    EXPECT_EQ(xml,
              QStringLiteral("<root><Name>&lt;b&gt;R&amp;D&lt;/b&gt; ]]&gt; \"引号\" 'x'</Name>"
                             "<Memo>a\uFFFDb\tc&#13;\nd</Memo></root>"));
    suite::XmlDocument document;
    ASSERT_TRUE(document.loadXml(xml));
    EXPECT_EQ(document.selectSingleNode(QStringLiteral("//root/Name")).text(),
              QStringLiteral("<b>R&D</b> ]]> \"引号\" 'x'"));
    EXPECT_EQ(document.selectSingleNode(QStringLiteral("//root/Memo")).text(),
              QStringLiteral("a\uFFFDb\tc\r\nd"));
}

TEST(JsonToXml, MemberNamesBecomeXmlNames)
{
    EXPECT_EQ(convert(QStringLiteral(R"({"1st":1,"a b":2,"":3,"<x>":4,"客户":5,"a-b.c_d":6})")),
              QStringLiteral("<root><_1st>1</_1st><a_b>2</a_b><_>3</_><__x_>4</__x_>"
                             "<客户>5</客户><a-b.c_d>6</a-b.c_d></root>"));
}

TEST(JsonToXml, WhatIsNoJsonGivesNothing)
{
    for (const QString &text :
         { QString(), QStringLiteral("机构ID、用户名或密码错误"), QStringLiteral("{\"a\":1"),
           QStringLiteral("{\"a\":1}}"), QStringLiteral("<root/>"), QStringLiteral("[1,]") })
        EXPECT_EQ(convert(text), QString()) << qPrintable(text);
}

TEST(JsonToXml, NestingIsBounded)
{
    const int depth = JsonToXml::kMaxDepth;
    EXPECT_FALSE(convert(QString(depth, u'[') + QString(depth, u']')).isEmpty());
    EXPECT_EQ(convert(QString(depth + 1, u'[') + QString(depth + 1, u']')), QString());
    EXPECT_EQ(convert(QString(100000, u'[') + QString(100000, u']')), QString());
}
