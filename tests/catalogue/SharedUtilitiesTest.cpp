#include "CatalogueSessionFixture.h"

#include "catalogue/ComboUtilities.h"
#include "catalogue/FileManagerSetup.h"
#include "catalogue/SharedUtilities.h"
#include "suite/core/XmlDocument.h"
#include "suite/files/IFileManagerClient.h"

#include <QComboBox>

using namespace customer;

namespace {

suite::XmlElement rootOf(suite::XmlDocument &document, const QString &xml)
{
    EXPECT_TRUE(document.loadXml(xml)) << qPrintable(document.parseError());
    return document.documentElement();
}

} // namespace

TEST(GetXmlAttr, ANullNodeGivesEmptyEvenWithADefault)
{
    EXPECT_EQ(GetXmlAttr(suite::XmlElement(), QStringLiteral("code"), QStringLiteral("C001")),
              QString());
}

TEST(GetXmlAttr, TheNameIsLowerCasedSoOnlyLowerCaseDocumentsAnswer)
{
    suite::XmlDocument lower;
    const auto lowerRoot = rootOf(lower, QStringLiteral("<r ccuscode='  C001 ' empty=''/>"));
    EXPECT_EQ(GetXmlAttr(lowerRoot, QStringLiteral("cCusCode"), QStringLiteral("x")),
              QStringLiteral("C001"));
    EXPECT_EQ(GetXmlAttr(lowerRoot, QStringLiteral("empty"), QStringLiteral("x")), QString());
    EXPECT_EQ(GetXmlAttr(lowerRoot, QStringLiteral("missing"), QStringLiteral("x")),
              QStringLiteral("x"));

    suite::XmlDocument upper;
    const auto upperRoot = rootOf(upper, QStringLiteral("<r cCusCode='C001'/>"));
    EXPECT_EQ(GetXmlAttr(upperRoot, QStringLiteral("cCusCode"), QStringLiteral("x")),
              QStringLiteral("x"));
}

TEST(IfNull, OnlyANullValueIsReplaced)
{
    EXPECT_EQ(IfNull(QVariant(), QStringLiteral("d")), QVariant(QStringLiteral("d")));
    EXPECT_EQ(IfNull(QString(""), QStringLiteral("d")), QVariant(QString("")));
    EXPECT_EQ(IfNull(0, QStringLiteral("d")), QVariant(0));
}

class GetAccIdTest : public ::testing::Test
{
protected:
    void TearDown() override { resetSessionContext(); }
};

TEST_F(GetAccIdTest, TheThreeCharactersAfterTheCatalogueMarkerWhateverItsCase)
{
    g_cDBName =
        QStringLiteral("Provider=SQLite;Data Source=/d/x.db;Initial CATALOG=KVDATA_001_2024");
    EXPECT_EQ(GetAccId(), QStringLiteral("001"));
    g_cDBName = QStringLiteral("initial catalog=kvdata_AbC_2024");
    EXPECT_EQ(GetAccId(), QStringLiteral("AbC"));
}

TEST_F(GetAccIdTest, WithoutTheMarkerTheCharactersFromPositionFifteenAreTaken)
{
    g_cDBName = QStringLiteral("0123456789ABCDEFGHIJ");
    EXPECT_EQ(GetAccId(), QStringLiteral("EFG"));
    g_cDBName = QStringLiteral("short");
    EXPECT_EQ(GetAccId(), QString());
}

class GetGsOptionTest : public CatalogueSession
{
protected:
    void option(const QString &name, const QString &value, const QString &byDefault,
                const QString &system = QStringLiteral("GS"))
    {
        runOnCompany(QStringLiteral("insert into AccInformation (cSysID, cID, cName, cValue,"
                                    " cDefault) values ('%1', '9', '%2', %3, %4)")
                         .arg(system, name, value, byDefault));
    }
};

TEST_F(GetGsOptionTest, ASetValueDecidesWhateverItsCase)
{
    option(QStringLiteral("bUpper"), QStringLiteral("'TRUE'"), QStringLiteral("'false'"));
    option(QStringLiteral("bOther"), QStringLiteral("'yes'"), QStringLiteral("'true'"));
    option(QStringLiteral("bFalse"), QStringLiteral("'False'"), QStringLiteral("'true'"));
    EXPECT_TRUE(GetGsOption(QStringLiteral("bUpper")));
    EXPECT_TRUE(GetGsOption(QStringLiteral("bLicenceWarning")));
    EXPECT_FALSE(GetGsOption(QStringLiteral("bOther")));
    EXPECT_FALSE(GetGsOption(QStringLiteral("bFalse")));
}

TEST_F(GetGsOptionTest, AnEmptyValueFallsBackOnADefaultOtherThanFalse)
{
    option(QStringLiteral("bOne"), QStringLiteral("''"), QStringLiteral("'1'"));
    option(QStringLiteral("bNoDefault"), QStringLiteral("NULL"), QStringLiteral("NULL"));
    option(QStringLiteral("bEmptyDefault"), QStringLiteral("''"), QStringLiteral("''"));
    option(QStringLiteral("bFalseDefault"), QStringLiteral("NULL"), QStringLiteral("'FALSE'"));
    EXPECT_TRUE(GetGsOption(QStringLiteral("bOne")));
    EXPECT_FALSE(GetGsOption(QStringLiteral("bNoDefault")));
    EXPECT_FALSE(GetGsOption(QStringLiteral("bEmptyDefault")));
    EXPECT_FALSE(GetGsOption(QStringLiteral("bFalseDefault")));
    EXPECT_FALSE(GetGsOption(QStringLiteral("bGSPControl")));
}

TEST_F(GetGsOptionTest, OptionsOutsideGsOrMissingAreFalse)
{
    option(QStringLiteral("bAaOnly"), QStringLiteral("'true'"), QStringLiteral("'true'"),
           QStringLiteral("AA"));
    EXPECT_FALSE(GetGsOption(QStringLiteral("bAaOnly")));
    EXPECT_FALSE(GetGsOption(QStringLiteral("bNoSuchOption")));
    EXPECT_FALSE(GetGsOption(QStringLiteral("x' or cValue='true")));
    g_oSrv.reset();
    EXPECT_FALSE(GetGsOption(QStringLiteral("bLicenceWarning")));
}

using ComboUtilitiesTest = CatalogueSession;

namespace {

QStringList entriesOf(const QComboBox &combo)
{
    QStringList entries;
    for (int i = 0; i < combo.count(); ++i)
        entries.append(combo.itemText(i) + u'=' + combo.itemData(i).toString());
    return entries;
}

} // namespace

TEST_F(ComboUtilitiesTest, PriceGradesFollowAnEmptyEntryWithTheirIdsAsItemData)
{
    QComboBox combo;
    combo.addItem(QStringLiteral("stale"), 99);
    FillPriceGrades(combo);
    EXPECT_EQ(entriesOf(combo),
              QStringList({ QStringLiteral("=-1"), QStringLiteral("批发价=1"),
                            QStringLiteral("零售价=2"), QStringLiteral("VIP价=3") }));
    EXPECT_EQ(combo.itemData(0).toInt(), -1);
}

TEST_F(ComboUtilitiesTest, AGradeWithoutADefinedNameGetsAnEmptyEntry)
{
    runOnCompany(QStringLiteral("update sa_pricedef set bused = 1 where cPriceID = 5"));
    QComboBox combo;
    FillPriceGrades(combo);
    ASSERT_EQ(combo.count(), 5);
    EXPECT_EQ(combo.itemText(4), QString());
    EXPECT_EQ(combo.itemData(4).toInt(), 5);
}

TEST_F(ComboUtilitiesTest, WithoutActiveGradesTheComboIsLeftEmpty)
{
    runOnCompany(QStringLiteral("update sa_pricedef set bused = 0"));
    QComboBox combo;
    combo.addItem(QStringLiteral("stale"), 99);
    FillPriceGrades(combo);
    EXPECT_EQ(combo.count(), 0);

    combo.addItem(QStringLiteral("stale"), 99);
    g_oSrv.reset();
    FillPriceGrades(combo);
    EXPECT_EQ(combo.count(), 0);
}

TEST(GetComboItemData, NoSelectionGivesMinusOneElseTheItemDataAsText)
{
    QComboBox combo;
    EXPECT_EQ(GetComboItemData(combo), QStringLiteral("-1"));
    combo.addItem(QString(), -1);
    combo.addItem(QStringLiteral("批发价"), qint16(3));
    combo.addItem(QStringLiteral("no data"));
    combo.setCurrentIndex(1);
    EXPECT_EQ(GetComboItemData(combo), QStringLiteral("3"));
    combo.setCurrentIndex(2);
    EXPECT_EQ(GetComboItemData(combo), QString());
    combo.setCurrentIndex(-1);
    EXPECT_EQ(GetComboItemData(combo), QStringLiteral("-1"));
}

using InitFileManagerTest = CatalogueSession;

TEST_F(InitFileManagerTest, TheClientIsMadeOnceAndFollowsTheLogin)
{
    const auto firstLogin = g_oLogin;
    g_oLogin.reset();
    InitFileManager();
    EXPECT_FALSE(g_oFileManager);

    g_oLogin = firstLogin;
    InitFileManager();
    ASSERT_TRUE(g_oFileManager);
    EXPECT_EQ(g_oFileManager->LoginObject(), firstLogin);

    const auto client = g_oFileManager;
    g_oLogin = std::make_shared<suite::ClsLogin>();
    InitFileManager();
    EXPECT_EQ(g_oFileManager, client);
    EXPECT_EQ(g_oFileManager->LoginObject(), g_oLogin);
}

TEST_F(InitFileManagerTest, AClientThatCannotBeCreatedIsSilentlyLeftOut)
{
    const suite::ScopedUnregistration noClient(QLatin1String(suite::IFileManagerClient::kProgId));
    InitFileManager();
    EXPECT_FALSE(g_oFileManager);
    EXPECT_TRUE(shownTexts().isEmpty());
}
