#include "suite/core/XmlDocument.h"
#include "suite/core/ErrorLog.h"

#include <gtest/gtest.h>

using suite::ErrorLog;
using suite::XmlDocument;
using suite::XmlElement;

namespace {

// A record set as ADO persists it: the schema, then one z:row per record, a null value being
// a missing attribute.
const QString kRowset =
    QStringLiteral("<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882'\n"
                   "\txmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'\n"
                   "\txmlns:rs='urn:schemas-microsoft-com:rowset'\n"
                   "\txmlns:z='#RowsetSchema'>\n"
                   "<s:Schema id='RowsetSchema'>\n"
                   "\t<s:ElementType name='row' content='eltOnly' rs:updatable='true'>\n"
                   "\t\t<s:AttributeType name='cCusCode' rs:number='1' rs:writeunknown='true'>\n"
                   "\t\t\t<s:datatype dt:type='string' rs:dbtype='str' dt:maxLength='20' "
                   "rs:maybenull='false'/>\n"
                   "\t\t</s:AttributeType>\n"
                   "\t\t<s:AttributeType name='cCusName' rs:number='2' rs:nullable='true'>\n"
                   "\t\t\t<s:datatype dt:type='string' rs:dbtype='str' dt:maxLength='98'/>\n"
                   "\t\t</s:AttributeType>\n"
                   "\t\t<s:AttributeType name='iCusCreLine' rs:number='3' rs:nullable='true'>\n"
                   "\t\t\t<s:datatype dt:type='float' dt:maxLength='8' rs:precision='15'/>\n"
                   "\t\t</s:AttributeType>\n"
                   "\t\t<s:extends type='rs:rowbase'/>\n"
                   "\t</s:ElementType>\n"
                   "</s:Schema>\n"
                   "<rs:data>\n"
                   "\t<z:row cCusCode='C001' cCusName='北京客户' iCusCreLine='1000'/>\n"
                   "\t<z:row cCusCode='C002' cCusName='R&amp;D 公司'/>\n"
                   "\t<z:row cCusCode='C003' iCusCreLine='0'/>\n"
                   "</rs:data>\n"
                   "</xml>");

XmlDocument loaded(const QString &text)
{
    XmlDocument document;
    EXPECT_TRUE(document.loadXml(text)) << document.parseError().toStdString();
    return document;
}

QStringList attributeValues(const QList<XmlElement> &elements, const QString &name)
{
    QStringList values;
    for (const XmlElement &element : elements)
        values.append(element.attribute(name));
    return values;
}

QStringList names(const QList<XmlElement> &elements)
{
    QStringList result;
    for (const XmlElement &element : elements)
        result.append(element.name());
    return result;
}

} // namespace

TEST(XmlDocumentTest, readsElementsAttributesAndText)
{
    const XmlDocument document = loaded(
        QStringLiteral("<Customer code='C001'><!--note--><Name>Acme <b>Trading</b></Name>"
                       "<Memo><![CDATA[a<b]]> tail</Memo><?pi x?><Name>Second</Name></Customer>"));
    const XmlElement root = document.documentElement();
    EXPECT_EQ(root.name(), "Customer");
    EXPECT_TRUE(root.hasAttribute("code"));
    EXPECT_FALSE(root.hasAttribute("Code"));
    EXPECT_EQ(root.attribute("code"), "C001");
    EXPECT_EQ(root.attribute("missing"), "");
    EXPECT_EQ(root.attribute("missing", "dflt"), "dflt");
    EXPECT_EQ(names(root.childElements()), QStringList({ "Name", "Memo", "Name" }));
    EXPECT_EQ(root.firstChildElement().text(), "Acme Trading");
    EXPECT_EQ(root.firstChildElement("Memo").text(), "a<b tail");
    EXPECT_TRUE(root.firstChildElement("pi").isNull());
    EXPECT_EQ(root.text(), "Acme Tradinga<b tailSecond");
    EXPECT_EQ(root.firstChildElement("Memo").parentElement(), root);
    EXPECT_TRUE(root.parentElement().isNull());
}

TEST(XmlDocumentTest, dropsWhitespaceOnlyTextButKeepsSpacesInsideText)
{
    const XmlDocument document = loaded("<a>\n  <b> x </b>\n  <c>\t</c>\n</a>");
    EXPECT_EQ(document.xml(), "<a><b> x </b><c/></a>");
}

TEST(XmlDocumentTest, parsesTextAsUnicodeWhateverTheDeclaredEncoding)
{
    const XmlDocument document = loaded(
        "<?xml version=\"1.0\" encoding=\"GB2312\"?><客户档案 CItem='自定义项1'>张三</客户档案>");
    EXPECT_EQ(document.documentElement().name(), "客户档案");
    EXPECT_EQ(document.documentElement().attribute("CItem"), "自定义项1");
    EXPECT_EQ(document.documentElement().text(), "张三");
    EXPECT_EQ(document.xml(),
              "<?xml version=\"1.0\" encoding=\"GB2312\"?>"
              "<客户档案 CItem=\"自定义项1\">张三</客户档案>");
    EXPECT_EQ(document.selectNodes("//客户档案[@CItem='自定义项1']").size(), 1);
}

TEST(XmlDocumentTest, failedLoadReportsWhereAndLeavesDocumentEmpty)
{
    const struct
    {
        QString text;
        QString error;
    } cases[] = {
        { "<a><b></a>", "Start-end tags mismatch at line 1, column 9 (offset 8)" },
        { "<客户>\n<名称>张三</名称>\n<b></客户>",
          "Start-end tags mismatch at line 3, column 6 (offset 22)" },
        { "<é>𠀀<b></é>", "Start-end tags mismatch at line 1, column 11 (offset 10)" },
        { "", "No document element found at line 1, column 1 (offset 0)" },
        { "<?xml version=\"1.0\"?>", "No document element found at line 1, column 1 (offset 0)" },
        { "<a/><b/>", "Only one top-level element is allowed at line 1, column 6 (offset 5)" },
        { "text<a/>",
          "Text is not allowed outside the document element at line 1, column 1 "
          "(offset 0)" },
        { "<a/><?xml version=\"1.0\"?>",
          "The XML declaration must come first at line 1, column 7 (offset 6)" },
    };
    for (const auto &c : cases) {
        XmlDocument document = loaded("<previous/>");
        EXPECT_FALSE(document.loadXml(c.text)) << c.text.toStdString();
        EXPECT_EQ(document.parseError(), c.error);
        EXPECT_TRUE(document.documentElement().isNull());
        EXPECT_EQ(document.xml(), "");
    }
}

TEST(XmlDocumentTest, successfulLoadClearsPreviousError)
{
    XmlDocument document;
    EXPECT_FALSE(document.loadXml("<a"));
    EXPECT_FALSE(document.parseError().isEmpty());
    EXPECT_TRUE(document.loadXml("<a/>"));
    EXPECT_EQ(document.parseError(), "");
}

TEST(XmlDocumentTest, selectsRowsOfPersistedRowset)
{
    const XmlDocument document = loaded(kRowset);
    const QList<XmlElement> rows = document.selectNodes("//xml/rs:data/z:row");
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(attributeValues(rows, "cCusCode"), QStringList({ "C001", "C002", "C003" }));
    EXPECT_EQ(rows[1].attribute("cCusName"), "R&D 公司");
    EXPECT_FALSE(rows[2].hasAttribute("cCusName"));
    EXPECT_EQ(rows[2].attribute("cCusName"), "");
    EXPECT_EQ(rows[0].parentElement().name(), "rs:data");

    EXPECT_EQ(attributeValues(document.selectNodes("//z:row[not(@cCusName)]"), "cCusCode"),
              QStringList({ "C003" }));
    EXPECT_EQ(attributeValues(document.selectNodes("//z:row[@iCusCreLine > 500]"), "cCusCode"),
              QStringList({ "C001" }));
    EXPECT_EQ(document.selectSingleNode("//z:row[last()]").attribute("cCusCode"), "C003");
    EXPECT_EQ(document.selectSingleNode("//s:AttributeType[@rs:number='2']").attribute("name"),
              "cCusName");
    EXPECT_TRUE(document.selectNodes("//xml/data/row").isEmpty());
}

TEST(XmlDocumentTest, selectsWithEveryPathFormRelativeToElementOrDocument)
{
    const XmlDocument document = loaded(
        "<root><Customer><cCusCode>C001</cCusCode></Customer>"
        "<Customer><cCusCode>C002</cCusCode></Customer>"
        "<rows><row cCusCode='C001'/><row cCusCode='C002' n='2'/></rows>"
        "<RefConditions><Condition paramName='@cCusCode' paramValue='C001' /></RefConditions>"
        "<data><customer id='1'/></data></root>");
    const XmlElement root = document.documentElement();

    EXPECT_EQ(names(document.selectNodes("//customer")), QStringList({ "customer" }));
    EXPECT_TRUE(document.selectNodes("//CUSTOMER").isEmpty());

    const QList<XmlElement> codes = root.selectNodes("Customer/cCusCode");
    ASSERT_EQ(codes.size(), 2);
    EXPECT_EQ(codes[1].text(), "C002");

    const XmlElement rows = root.firstChildElement("rows");
    EXPECT_EQ(rows.selectSingleNode("row[@cCusCode='C002']").attribute("n"), "2");
    EXPECT_TRUE(rows.selectSingleNode("row[@cCusCode='C009']").isNull());

    EXPECT_EQ(document.selectSingleNode("//RefConditions/Condition").attribute("paramName"),
              "@cCusCode");
    EXPECT_EQ(names(rows.selectNodes("/root/*")),
              QStringList({ "Customer", "Customer", "rows", "RefConditions", "data" }));
    EXPECT_EQ(names(document.selectNodes("//data | //rows")), QStringList({ "rows", "data" }));
    EXPECT_TRUE(document.selectNodes("//row/@cCusCode").isEmpty());
    EXPECT_EQ(document.selectSingleNode("//row/@n | //data").name(), "data");
}

TEST(XmlDocumentTest, invalidPathSelectsNothingAndIsLogged)
{
    const XmlDocument document = loaded("<a><b/></a>");
    ErrorLog::instance().clear();

    EXPECT_TRUE(document.selectNodes("//b[").isEmpty());
    EXPECT_TRUE(document.documentElement().selectSingleNode("count(b)").isNull());

    const QList<ErrorLog::Entry> entries = ErrorLog::instance().entries();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].level, ErrorLog::Level::Warning);
    EXPECT_EQ(entries[0].where, "XmlElement::selectNodes");
    EXPECT_TRUE(entries[0].text.startsWith("Invalid XPath \"//b[\": "))
        << entries[0].text.toStdString();
    EXPECT_EQ(entries[1].where, "XmlElement::selectSingleNode");
    EXPECT_EQ(entries[1].text, "Invalid XPath \"count(b)\": the expression does not select nodes");
}

TEST(XmlDocumentTest, editsAttributesAndChildren)
{
    XmlDocument document;
    XmlElement root = document.createDocumentElement("Customer");
    root.setAttribute("b", "1");
    root.setAttribute("a", "2");
    root.setAttribute("b", "3");
    EXPECT_EQ(root.attributes(),
              (QList<std::pair<QString, QString>>{ { "b", "3" }, { "a", "2" } }));
    EXPECT_TRUE(root.removeAttribute("b"));
    EXPECT_FALSE(root.removeAttribute("b"));

    XmlElement name = root.appendElement("cCusName");
    name.setText("Acme");
    root.appendElement("cMemo").appendElement("x");
    EXPECT_EQ(document.xml(),
              "<Customer a=\"2\"><cCusName>Acme</cCusName><cMemo><x/></cMemo></Customer>");

    root.firstChildElement("cMemo").setText("plain");
    EXPECT_EQ(root.firstChildElement("cMemo").xml(), "<cMemo>plain</cMemo>");
    root.firstChildElement("cMemo").setText("");
    EXPECT_EQ(root.firstChildElement("cMemo").xml(), "<cMemo/>");

    EXPECT_FALSE(root.removeChild(root));
    EXPECT_FALSE(root.firstChildElement("cMemo").removeChild(name));
    EXPECT_TRUE(root.removeChild(name));
    EXPECT_EQ(document.xml(), "<Customer a=\"2\"><cMemo/></Customer>");

    EXPECT_EQ(document.createDocumentElement("Other").name(), "Other");
    EXPECT_EQ(document.xml(), "<Other/>");
}

TEST(XmlDocumentTest, appendsDeepCopiesFromAnotherDocument)
{
    XmlElement target = XmlDocument().createDocumentElement("target");
    XmlElement source = loaded("<s k='v'><c>1</c></s>").documentElement();

    const XmlElement copy = target.appendCopy(source);
    EXPECT_EQ(copy.parentElement(), target);
    source.setAttribute("k", "changed");
    source.firstChildElement().setText("2");
    EXPECT_EQ(target.xml(), "<target><s k=\"v\"><c>1</c></s></target>");

    target.appendCopy(target);
    EXPECT_EQ(target.xml(),
              "<target><s k=\"v\"><c>1</c></s><target><s k=\"v\"><c>1</c></s>"
              "</target></target>");
}

TEST(XmlDocumentTest, refusesNamesThatWouldBreakTheText)
{
    XmlDocument document;
    XmlElement root = document.createDocumentElement("客户");
    ErrorLog::instance().clear();

    EXPECT_TRUE(root.appendElement("1a").isNull());
    EXPECT_TRUE(root.appendElement("a b").isNull());
    root.setAttribute("", "x");
    EXPECT_FALSE(root.appendElement("_a.b-1:c").isNull());
    EXPECT_EQ(document.xml(), "<客户><_a.b-1:c/></客户>");
    EXPECT_EQ(ErrorLog::instance().entries().size(), 3);
    EXPECT_EQ(ErrorLog::instance().entries().first().text, "Invalid element name \"1a\"");

    EXPECT_TRUE(document.createDocumentElement("").isNull());
    EXPECT_TRUE(document.documentElement().isNull());
}

TEST(XmlDocumentTest, serialisesEveryNodeKindWithoutAddedWhitespace)
{
    const QString text =
        "<?xml version=\"1.0\"?>\n<!-- 客户 -->\n<?app mode=\"x\"?>\n"
        "<r a='1' b=\"x&amp;y\"><e></e><t> x </t><![CDATA[a<b]]>\n  <n>1<i>2</i>3</n></r>";
    const QString expected = "<?xml version=\"1.0\"?><!-- 客户 --><?app mode=\"x\"?>"
                             "<r a=\"1\" b=\"x&amp;y\"><e/><t> x </t><![CDATA[a<b]]>"
                             "<n>1<i>2</i>3</n></r>";
    const XmlDocument document = loaded(text);
    EXPECT_EQ(document.xml(), expected);
    EXPECT_EQ(document.documentElement().xml(), expected.mid(expected.indexOf("<r ")));
    EXPECT_EQ(loaded(expected).xml(), expected);
    EXPECT_EQ(loaded("<a/>").xml(), "<a/>");
}

TEST(XmlDocumentTest, escapesSpecialCharactersAndRoundTripsThem)
{
    // A carriage return survives only in attributes: in text, XML end-of-line handling turns it
    // into a line feed on the next load.
    const QString attributeValue = "a&<>\"'\t\n\rz";
    const QString textValue = "a&<>\"'\t\nz";
    XmlDocument document;
    XmlElement root = document.createDocumentElement("e");
    root.setAttribute("v", attributeValue);
    root.setText(textValue);
    EXPECT_EQ(document.xml(),
              "<e v=\"a&amp;&lt;&gt;&quot;'&#9;&#10;&#13;z\">"
              "a&amp;&lt;&gt;\"'\t\nz</e>");

    const XmlDocument reloaded = loaded(document.xml());
    EXPECT_EQ(reloaded.documentElement().attribute("v"), attributeValue);
    EXPECT_EQ(reloaded.documentElement().text(), textValue);
    EXPECT_EQ(reloaded.xml(), document.xml());
}

TEST(XmlDocumentTest, escapeFunctionsTouchOnlyTheirCharacters)
{
    EXPECT_EQ(suite::escapeXmlText("R&D <b> \"q\" 'a'"), "R&amp;D &lt;b&gt; \"q\" 'a'");
    EXPECT_EQ(suite::escapeXmlAttribute("R&D <b> \"q\" 'a'"),
              "R&amp;D &lt;b&gt; &quot;q&quot; &apos;a&apos;");
    EXPECT_EQ(suite::escapeXmlText("&amp;"), "&amp;amp;");
    for (const QString &plain : { QString("客户档案 C001 自定义项1"), QString() }) {
        EXPECT_EQ(suite::escapeXmlText(plain), plain);
        EXPECT_EQ(suite::escapeXmlAttribute(plain), plain);
    }
}

TEST(XmlDocumentTest, handlesKeepTheirDocumentAlive)
{
    XmlElement row;
    {
        const XmlDocument document = loaded(kRowset);
        row = document.selectSingleNode("//z:row[2]");
    }
    EXPECT_EQ(row.attribute("cCusCode"), "C002");
    EXPECT_EQ(row.parentElement().childElements().size(), 3);
    row.appendElement("added");
    EXPECT_EQ(row.xml(), "<z:row cCusCode=\"C002\" cCusName=\"R&amp;D 公司\"><added/></z:row>");

    XmlDocument document = loaded("<old/>");
    const XmlDocument copy = document;
    const XmlElement old = document.documentElement();
    document.documentElement().setAttribute("k", "v");
    EXPECT_EQ(copy.xml(), "<old k=\"v\"/>");
    EXPECT_TRUE(document.loadXml("<new/>"));
    EXPECT_FALSE(document.loadXml("<broken"));
    EXPECT_EQ(old.xml(), "<old k=\"v\"/>");
}

TEST(XmlDocumentTest, nullHandleAnswersEmptyAndIgnoresWrites)
{
    XmlElement null;
    XmlElement other = loaded("<a/>").documentElement();
    EXPECT_TRUE(null.isNull());
    EXPECT_FALSE(null);
    EXPECT_EQ(null, XmlElement());
    EXPECT_NE(null, other);
    EXPECT_EQ(null.name(), "");
    EXPECT_EQ(null.attribute("a", "dflt"), "");
    EXPECT_FALSE(null.hasAttribute("a"));
    EXPECT_TRUE(null.attributes().isEmpty());
    EXPECT_TRUE(null.childElements().isEmpty());
    EXPECT_TRUE(null.selectNodes("//a").isEmpty());
    EXPECT_TRUE(null.selectSingleNode("//a").isNull());
    EXPECT_TRUE(null.appendElement("b").isNull());
    EXPECT_TRUE(null.appendCopy(other).isNull());
    EXPECT_TRUE(other.appendCopy(null).isNull());
    EXPECT_FALSE(null.removeChild(other));
    EXPECT_FALSE(other.removeChild(null));
    null.setAttribute("a", "1");
    null.setText("t");
    EXPECT_EQ(null.text(), "");
    EXPECT_EQ(null.xml(), "");
    EXPECT_EQ(other.xml(), "<a/>");
}
