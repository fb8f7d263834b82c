#include "ClsPubFixture.h"

#include "suite/core/XmlDocument.h"
#include "suite/data/RecordSet.h"

using namespace suite;

namespace {

RecordSet columnDictionary()
{
    return RecordSet({ Field{ QStringLiteral("cKey") }, Field{ QStringLiteral("cFieldName") },
                       Field{ QStringLiteral("cCaption") }, Field{ QStringLiteral("cEnCaption") } },
                     { { "customer", "cCusCode", QStringLiteral("客户编码"), "Customer Code" },
                       { "customer", "cCusMnemCode", QStringLiteral("助记码"), QVariant() } });
}

} // namespace

TEST(ClsPubXmlText, UtoLCaseLowersNamesOnly)
{
    ClsPub pub;
    QString xml = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Customer cCusCode='AB&amp;C' X=\"Y>Z\">"
        "<!-- Keep Me --><cCusName>North ABC</cCusName><![CDATA[<Raw Tag>]]><Empty A='B'/>"
        "</Customer>");
    pub.UtoLCase(xml);
    EXPECT_EQ(xml,
              QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><customer "
                             "ccuscode='AB&amp;C' x=\"Y>Z\"><!-- Keep Me --><ccusname>North"
                             " ABC</ccusname><![CDATA[<Raw Tag>]]><empty a='B'/></customer>"));
    QString empty;
    pub.UtoLCase(empty);
    EXPECT_EQ(empty, QString());
}

TEST(ClsPubXmlText, ConvertValidStrEscapesStrayMarkupAndDropsControls)
{
    ClsPub pub;
    QString xml = QStringLiteral("<Customer cCusName=\"R&D <East>\"><cMemo>a<b & c&amp;d&#38;"
                                 "\x01\x1f\tend</cMemo><x/></Customer>");
    pub.ConvertValidStr(xml);
    EXPECT_EQ(xml,
              QStringLiteral("<Customer cCusName=\"R&amp;D &lt;East>\"><cMemo>a&lt;b &amp; "
                             "c&amp;d&#38;\tend</cMemo><x/></Customer>"));
    XmlDocument document;
    EXPECT_TRUE(document.loadXml(xml)) << qPrintable(document.parseError());

    QString wellFormed = QStringLiteral("<a b='1'>x &lt; y</a>");
    pub.ConvertValidStr(wellFormed);
    EXPECT_EQ(wellFormed, QStringLiteral("<a b='1'>x &lt; y</a>"));
}

TEST(ClsPubXmlText, GetelevalIgnoresTheCaseOfTheName)
{
    ClsPub pub;
    XmlDocument document;
    ASSERT_TRUE(document.loadXml(QStringLiteral("<r CurDate='2026-03-15' url='http://h/r'/>")));
    EXPECT_EQ(pub.geteleval(document.documentElement(), QStringLiteral("curdate")),
              QStringLiteral("2026-03-15"));
    EXPECT_EQ(pub.geteleval(document.documentElement(), QStringLiteral("URL")),
              QStringLiteral("http://h/r"));
    EXPECT_EQ(pub.geteleval(document.documentElement(), QStringLiteral("none")), QString());
    EXPECT_EQ(pub.geteleval(XmlElement(), QStringLiteral("url")), QString());
}

TEST(ClsPubValues, FormatNumDecimalsAndEmptyValues)
{
    ClsPub pub;
    EXPECT_EQ(pub.FormatNum(12.345, 2), QStringLiteral("12.35"));
    EXPECT_EQ(pub.FormatNum(QStringLiteral(" 7 "), 2), QStringLiteral("7.00"));
    EXPECT_EQ(pub.FormatNum(-3.14159, 3), QStringLiteral("-3.142"));
    EXPECT_EQ(pub.FormatNum(1000000, 4), QStringLiteral("1000000.0000"));
    EXPECT_EQ(pub.FormatNum(QVariant(), 2), QString());
    EXPECT_EQ(pub.FormatNum(QString(), 2), QString());
    EXPECT_EQ(pub.FormatNum(QStringLiteral("abc"), 2), QStringLiteral("abc"));
}

TEST(ClsPubValues, CheckDateStyleAcceptsDatesAndWritesThemBackAsIso)
{
    ClsPub pub;
    QString value = QStringLiteral("2026/3/5");
    EXPECT_TRUE(pub.CheckDateStyle(value));
    EXPECT_EQ(value, QStringLiteral("2026-03-05"));
    value = QStringLiteral("20240229");
    EXPECT_TRUE(pub.CheckDateStyle(value));
    EXPECT_EQ(value, QStringLiteral("2024-02-29"));
    for (const QString &bad : { QStringLiteral("2026-02-30"), QStringLiteral("2026-13-01"),
                                QStringLiteral("abc"), QString() }) {
        value = bad;
        EXPECT_FALSE(pub.CheckDateStyle(value)) << qPrintable(bad);
        EXPECT_EQ(value, bad);
    }
}

TEST(ClsPubValues, GetAutoCodeCountsTheSavedCodeOn)
{
    ClsPub pub;
    EXPECT_EQ(pub.GetAutoCode(QStringLiteral("C0099")), QStringLiteral("C0100"));
    EXPECT_EQ(pub.GetAutoCode(QString()), QString());
}

TEST(ClsPubValues, FrmUnLoadIsCounted)
{
    ClsPub pub;
    pub.FrmUnLoad();
    pub.FrmUnLoad();
    EXPECT_EQ(pub.unloadCount(), 2);
}

TEST_F(ClsPubTest, ResourceTextsFollowTheLoginsLanguage)
{
    const QString key = QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information");
    EXPECT_EQ(pubFor(QStringLiteral("demo"))->GetResString(key), QStringLiteral("提示"));
    const auto english = pubFor(QStringLiteral("demo"), QStringLiteral("en-us"));
    EXPECT_EQ(english->GetResString(key), QStringLiteral("Information"));
    EXPECT_EQ(english->GetResFormatString(QStringLiteral("Tarn.AA.PUB.USERDEF.toolong"),
                                          { QStringLiteral("Source"), QStringLiteral("20") }),
              QStringLiteral("Source may hold at most 20 characters."));
    EXPECT_EQ(english->GetResString(QStringLiteral("Tarn.AA.no.such.key")),
              QStringLiteral("Tarn.AA.no.such.key"));
    ClsPub withoutLogin;
    EXPECT_EQ(withoutLogin.GetResString(key), QStringLiteral("提示"));
}

TEST_F(ClsPubTest, FieldCaptionsComeFromTheColumnDictionaryInTheLoginsLanguage)
{
    const RecordSet dictionary = columnDictionary();
    const auto chinese = pubFor(QStringLiteral("demo"));
    EXPECT_EQ(chinese->GetFldCaption(dictionary, QStringLiteral("CCUSCODE")),
              QStringLiteral("客户编码"));
    const auto english = pubFor(QStringLiteral("demo"), QStringLiteral("en-us"));
    EXPECT_EQ(english->GetFldCaption(dictionary, QStringLiteral("ccuscode")),
              QStringLiteral("Customer Code"));
    EXPECT_EQ(english->GetFldCaption(dictionary, QStringLiteral("cCusMnemCode")),
              QStringLiteral("助记码"));
    EXPECT_EQ(english->GetFldCaption(dictionary, QStringLiteral("cCusName")),
              QStringLiteral("cCusName"));
    EXPECT_EQ(english->GetFldCaption(RecordSet(), QStringLiteral("cCusName")),
              QStringLiteral("cCusName"));
}
