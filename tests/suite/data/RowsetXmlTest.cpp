#include "suite/data/RowsetXml.h"
#include "suite/core/XmlDocument.h"

#include <QDateTime>

#include <gtest/gtest.h>

using namespace suite;

namespace {

const QString kRoot =
    QStringLiteral("<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' "
                   "xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882' "
                   "xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'>\n");

RecordSet twoCustomers()
{
    return RecordSet(
        { { QStringLiteral("cCusCode"), adVarWChar, 20 },
          { QStringLiteral("iCusCreLine"), adInteger, 4 },
          { QStringLiteral("bCusState"), adBoolean, 2 },
          { QStringLiteral("dCusDevDate"), adDBTimeStamp, 16 } },
        { { QStringLiteral("001"), 500, true, QDateTime(QDate(2026, 12, 6), QTime(10, 30)) },
          { QStringLiteral("002"), QVariant(), false, QVariant() } });
}

RecordSet loaded(const QString &xml)
{
    RecordSet rs;
    QString sMsg;
    EXPECT_TRUE(RowsetXml::load(xml, rs, sMsg)) << qPrintable(sMsg);
    return rs;
}

QString oneTextField(const QString &value)
{
    return RowsetXml::save(
        RecordSet({ { QStringLiteral("cMemo"), adVarWChar, 100 } }, { { value } }));
}

} // namespace

TEST(RowsetXmlSave, ExactTextOfASmallSet)
{
    const QString expected =
        kRoot
        + QStringLiteral(
            "<s:Schema id='RowsetSchema'>\n"
            "\t<s:ElementType name='row' content='eltOnly'>\n"
            "\t\t<s:AttributeType name='cCusCode' rs:number='1'>\n"
            "\t\t\t<s:datatype dt:type='string' dt:maxLength='20'/>\n"
            "\t\t</s:AttributeType>\n"
            "\t\t<s:AttributeType name='iCusCreLine' rs:number='2'>\n"
            "\t\t\t<s:datatype dt:type='int' dt:maxLength='4' rs:fixedlength='true'/>\n"
            "\t\t</s:AttributeType>\n"
            "\t\t<s:AttributeType name='bCusState' rs:number='3'>\n"
            "\t\t\t<s:datatype dt:type='boolean' dt:maxLength='2' rs:fixedlength='true'/>\n"
            "\t\t</s:AttributeType>\n"
            "\t\t<s:AttributeType name='dCusDevDate' rs:number='4'>\n"
            "\t\t\t<s:datatype dt:type='dateTime' rs:dbtype='timestamp' dt:maxLength='16' "
            "rs:fixedlength='true'/>\n"
            "\t\t</s:AttributeType>\n"
            "\t\t<s:extends type='rs:rowbase'/>\n"
            "\t</s:ElementType>\n"
            "</s:Schema>\n"
            "<rs:data>\n"
            "\t<z:row cCusCode='001' iCusCreLine='500' bCusState='True' "
            "dCusDevDate='2026-12-06T10:30:00'/>\n"
            "\t<z:row cCusCode='002' bCusState='False'/>\n"
            "</rs:data>\n"
            "</xml>\n");
    EXPECT_EQ(RowsetXml::save(twoCustomers()), expected);
}

TEST(RowsetXmlSave, RowsAreFoundByThePathReadersUse)
{
    XmlDocument document;
    ASSERT_TRUE(document.loadXml(RowsetXml::save(twoCustomers())));
    const QList<XmlElement> rows = document.selectNodes(QStringLiteral("//xml/rs:data/z:row"));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.at(0).attribute(QStringLiteral("dCusDevDate")),
              QStringLiteral("2026-12-06T10:30:00"));
    EXPECT_FALSE(rows.at(1).hasAttribute(QStringLiteral("iCusCreLine")))
        << "a null value has no attribute";
    EXPECT_FALSE(rows.at(1).hasAttribute(QStringLiteral("dCusDevDate")));
}

TEST(RowsetXmlSave, OnlyTheRowsTheFilterLeavesAreWritten)
{
    RecordSet rs = twoCustomers();
    QString sMsg;
    ASSERT_TRUE(rs.SetFilter(QStringLiteral("cCusCode='002'"), sMsg));
    const QString xml = RowsetXml::save(rs);
    EXPECT_EQ(xml.count(QStringLiteral("<z:row ")), 1);
    EXPECT_TRUE(xml.contains(QStringLiteral("cCusCode='002'")));
}

TEST(RowsetXmlSave, ValuesAreEscapedForAttributes)
{
    EXPECT_TRUE(
        oneTextField(QStringLiteral("R&D <\"Nord\"> O'Brien"))
            .contains(QStringLiteral("cMemo='R&amp;D &lt;&quot;Nord&quot;&gt; O&apos;Brien'")));
    EXPECT_TRUE(oneTextField(QStringLiteral("a\tb\r\nc"))
                    .contains(QStringLiteral("cMemo='a&#x9;b&#xD;&#xA;c'")))
        << "a parser would turn raw line breaks in attributes into blanks";
    EXPECT_TRUE(oneTextField(QStringLiteral("北京市海淀区"))
                    .contains(QStringLiteral("cMemo='北京市海淀区'")));
}

TEST(RowsetXmlSave, NamesXmlCannotCarryAreEncoded)
{
    RecordSet rs(
        { { QStringLiteral("1st name"), adVarWChar, 10 },
          { QStringLiteral("code"), adVarWChar, 10 },
          { QStringLiteral("code"), adVarWChar, 10 },
          { QStringLiteral("客户名称"), adVarWChar, 10 } },
        { { QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d") } });
    const QString xml = RowsetXml::save(rs);
    EXPECT_TRUE(xml.contains(QStringLiteral("name='c0' rs:name='1st name'")));
    EXPECT_TRUE(xml.contains(QStringLiteral("name='c2' rs:name='code'")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<z:row c0='a' code='b' c2='c' 客户名称='d'/>")));

    RecordSet back = loaded(xml);
    EXPECT_EQ(back.Fields(), rs.Fields());
    EXPECT_EQ(back.Value(QStringLiteral("1st name")).toString(), QStringLiteral("a"));
    EXPECT_EQ(back.Value(2).toString(), QStringLiteral("c"));
    EXPECT_EQ(back.Value(QStringLiteral("客户名称")).toString(), QStringLiteral("d"));
}

TEST(RowsetXmlSave, ClosedSetGivesNoText)
{
    EXPECT_TRUE(RowsetXml::save(RecordSet()).isEmpty());
}

TEST(RowsetXmlLoad, EveryTypeComesBackWithItsValue)
{
    const QList<Field> fields = { { QStringLiteral("wchar"), adVarWChar, 20 },
                                  { QStringLiteral("fixedw"), adWChar, 5 },
                                  { QStringLiteral("longw"), adLongVarWChar, kLongTextSize },
                                  { QStringLiteral("achar"), adVarChar, 8 },
                                  { QStringLiteral("fixeda"), adChar, 3 },
                                  { QStringLiteral("longa"), adLongVarChar, 2147483647 },
                                  { QStringLiteral("i4"), adInteger, 4 },
                                  { QStringLiteral("i2"), adSmallInt, 2 },
                                  { QStringLiteral("i1"), adTinyInt, 1 },
                                  { QStringLiteral("u1"), adUnsignedTinyInt, 1 },
                                  { QStringLiteral("i8"), adBigInt, 8 },
                                  { QStringLiteral("cur"), adCurrency, 8 },
                                  { QStringLiteral("r4"), adSingle, 4 },
                                  { QStringLiteral("r8"), adDouble, 8 },
                                  { QStringLiteral("num"), adNumeric, 19 },
                                  { QStringLiteral("dec"), adDecimal, 19 },
                                  { QStringLiteral("flag"), adBoolean, 2 },
                                  { QStringLiteral("ts"), adDBTimeStamp, 16 },
                                  { QStringLiteral("vdate"), adDate, 16 },
                                  { QStringLiteral("guid"), adGUID, 16 },
                                  { QStringLiteral("bin"), adBinary, 4 },
                                  { QStringLiteral("varbin"), adVarBinary, 8 },
                                  { QStringLiteral("longbin"), adLongVarBinary, 2147483647 } };
    const QVariantList values = { QStringLiteral("客户"),
                                  QStringLiteral("ab"),
                                  QStringLiteral("long"),
                                  QStringLiteral("x"),
                                  QStringLiteral("abc"),
                                  QStringLiteral("memo"),
                                  -2147483647,
                                  -32768,
                                  -5,
                                  255,
                                  qlonglong(9007199254740993),
                                  1234.5678,
                                  0.1,
                                  0.1,
                                  12.25,
                                  -0.5,
                                  true,
                                  QDateTime(QDate(2026, 12, 6), QTime(10, 30, 5, 123)),
                                  QDateTime(QDate(1999, 1, 31), QTime(0, 0)),
                                  QStringLiteral("{6F9619FF-8B86-D011-B42D-00C04FC964FF}"),
                                  QByteArray::fromHex("00ff10a0"),
                                  QByteArray("\x01\x02", 2),
                                  QByteArray(300, 'z') };
    RecordSet rs(fields, { values });
    RecordSet back = loaded(RowsetXml::save(rs));
    ASSERT_EQ(back.FieldCount(), fields.size());
    for (int i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(back.Fields().at(i), fields.at(i)) << qPrintable(fields.at(i).name);
        if (fields.at(i).type == adSingle)
            EXPECT_FLOAT_EQ(back.Value(i).toFloat(), 0.1f);
        else
            EXPECT_EQ(back.Value(i), values.at(i)) << qPrintable(fields.at(i).name);
    }
}

TEST(RowsetXmlLoad, RoundTripKeepsNullsEscapesAndChinese)
{
    RecordSet rs(
        { { QStringLiteral("cName"), adVarWChar, 50 }, { QStringLiteral("iNum"), adInteger, 4 } },
        { { QStringLiteral("北京 \"R&D\" <中心>\n'二部'"), QVariant() },
          { QVariant(), 3 },
          { QString(), 0 } });
    RecordSet back = loaded(RowsetXml::save(rs));
    ASSERT_EQ(back.RecordCount(), 3);
    EXPECT_EQ(back.Value(0).toString(), QStringLiteral("北京 \"R&D\" <中心>\n'二部'"));
    EXPECT_TRUE(back.Value(1).isNull());
    back.MoveNext();
    EXPECT_TRUE(back.Value(0).isNull());
    EXPECT_EQ(back.Value(1).toInt(), 3);
    back.MoveNext();
    EXPECT_FALSE(back.Value(0).isNull()) << "an empty text is not null";
    EXPECT_EQ(back.Value(0).toString(), QString());
}

TEST(RowsetXmlLoad, ReadsOtherPrefixesAndRowsAwaitingInsert)
{
    const QString xml = QStringLiteral(
        "<xml xmlns:S='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' "
        "xmlns:T='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882' "
        "xmlns:R='urn:schemas-microsoft-com:rowset' xmlns:Z='#RowsetSchema'>"
        "<S:Schema id='RowsetSchema'><S:ElementType name='row' content='eltOnly'>"
        "<S:AttributeType name='b' R:number='2'><S:datatype T:type='i2'/></S:AttributeType>"
        "<S:AttributeType name='a' R:number='1'><S:datatype T:type='string' "
        "T:maxLength='9'/></S:AttributeType>"
        "</S:ElementType></S:Schema>"
        "<R:data><Z:row a='x' b='1'/><R:insert><Z:row a='y'/></R:insert></R:data></xml>");
    RecordSet rs = loaded(xml);
    ASSERT_EQ(rs.FieldCount(), 2);
    EXPECT_EQ(rs.Fields().at(0), (Field{ QStringLiteral("a"), adVarWChar, 9 }))
        << "fields are ordered by rs:number";
    EXPECT_EQ(rs.Fields().at(1).type, adSmallInt);
    ASSERT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(rs.Value(1), QVariant(1));
    rs.MoveNext();
    EXPECT_EQ(rs.Value(0).toString(), QStringLiteral("y"));
}

TEST(RowsetXmlLoad, BadTextIsRefusedWithAReasonAndLeavesTheSet)
{
    const RecordSet before = twoCustomers();
    const auto refusal = [&before](const QString &xml) {
        RecordSet rs = before;
        QString sMsg;
        EXPECT_FALSE(RowsetXml::load(xml, rs, sMsg)) << qPrintable(xml);
        EXPECT_EQ(rs.RecordCount(), 2) << "the set is left as it was";
        EXPECT_EQ(rs.FieldCount(), 4);
        return sMsg;
    };
    const QString schema = QStringLiteral(
        "<s:Schema id='RowsetSchema'><s:ElementType name='row' content='eltOnly'>"
        "<s:AttributeType name='n' rs:number='1'><s:datatype dt:type='int'/></s:AttributeType>"
        "</s:ElementType></s:Schema>");

    EXPECT_TRUE(refusal(QStringLiteral("<xml><rs:data>"))
                    .startsWith(QStringLiteral("The record set XML cannot be read:")));
    EXPECT_TRUE(
        refusal(QString()).startsWith(QStringLiteral("The record set XML cannot be read:")));
    EXPECT_EQ(
        refusal(QStringLiteral("<Customer/>")),
        QStringLiteral("The XML is not a saved record set: its root is <Customer>, not <xml>."));
    EXPECT_EQ(refusal(QStringLiteral("<xml/>")),
              QStringLiteral("The XML is not a saved record set: it has no s:Schema with an "
                             "s:ElementType."));
    EXPECT_EQ(
        refusal(kRoot + schema + QStringLiteral("<rs:data><z:row n='1' m='2'/></rs:data></xml>")),
        QStringLiteral("Row 1 of the record set has the attribute 'm', which the schema does "
                       "not declare."));
    EXPECT_EQ(refusal(kRoot + schema
                      + QStringLiteral("<rs:data><z:row n='1'/><z:row n='x1'/></rs:data></xml>")),
              QStringLiteral("Row 2 of the record set: 'x1' is no valid value for the field 'n'."));
}

TEST(RowsetXmlLoad, SchemaWithoutRowsGivesAnEmptyOpenSet)
{
    RecordSet empty(twoCustomers().Fields(), {});
    RecordSet back = loaded(RowsetXml::save(empty));
    EXPECT_TRUE(back.IsOpen());
    EXPECT_EQ(back.RecordCount(), 0);
    EXPECT_EQ(back.Fields(), empty.Fields());
}
