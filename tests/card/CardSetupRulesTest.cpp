#include "card/CardSetupRules.h"
#include "card/CardFieldTable.h"
#include "card/CardKeys.h"
#include "suite/data/RecordSet.h"

#include <gtest/gtest.h>

using namespace customer;

TEST(CardSetupXml, ContextCarriesTheSessionValuesUnescapedInOrder)
{
    CardContext context{ QStringLiteral("王晓明"),
                         QStringLiteral("KVDATA_001_2026"),
                         QStringLiteral("2026-03-15"),
                         QStringLiteral("2026-03-15 08:00:00"),
                         QStringLiteral("2"),
                         QStringLiteral("cDepCode in ('0201')"),
                         QStringLiteral("1=1"),
                         QStringLiteral("a.cCCCode<>'09'"),
                         QStringLiteral("Customer"),
                         QStringLiteral("4096"),
                         QStringLiteral("http://web?refid="),
                         true };
    EXPECT_EQ(cardContextXml(context),
              QStringLiteral("<Customer><g_cUserName>王晓明</g_cUserName>"
                             "<KvDbName>KVDATA_001_2026</KvDbName><g_CurDate>2026-03-15</g_CurDate>"
                             "<g_DbSrvDate>2026-03-15 08:00:00</g_DbSrvDate>"
                             "<g_iPriceDecDgt>2</g_iPriceDecDgt>"
                             "<g_sRowAuthDept>cDepCode in ('0201')</g_sRowAuthDept>"
                             "<g_sRowAuthPerson>1=1</g_sRowAuthPerson>"
                             "<g_sRowAuthInv>a.cCCCode<>'09'</g_sRowAuthInv>"
                             "<HelpContextId>Customer</HelpContextId><hwnd>4096</hwnd>"
                             "<url>http://web?refid=</url><bweb>1</bweb></Customer>"));
    context.web = false;
    EXPECT_TRUE(cardContextXml(context).endsWith(u"<bweb>0</bweb></Customer>"));
}

TEST(CardSetupXml, NumberingContextNamesEveryCodeSource)
{
    const NumberingContext context{ QStringLiteral("R&D 公司"),   QStringLiteral("R&D"),
                                    QStringLiteral("0101"),       QStringLiteral("01"),
                                    QStringLiteral("A"),          QStringLiteral("999"),
                                    QStringLiteral("2026-03-15"), QStringLiteral("Demo") };
    EXPECT_EQ(
        numberingContextXml(context),
        QStringLiteral("<Customer><ccusname>R&D 公司</ccusname><ccusabbname>R&D</ccusabbname>"
                       "<ccccode>0101</ccccode><cdccode>01</cdccode>"
                       "<customerkcode>A</customerkcode><ccusmngtypecode>999</ccusmngtypecode>"
                       "<dmodifydate>2026-03-15</dmodifydate>"
                       "<cmodifyperson>Demo</cmodifyperson></Customer>"));
}

TEST(CardMandatoryFields, ReadsFlagsInAnyCaseAndNamesTheFieldWithoutItsTable)
{
    QStringList fields;
    ASSERT_TRUE(mandatoryFields(
        QStringLiteral(
            "<Customer><Customer.CCusCode bmustinput=\"1\"/><cCusName bMustInput='true'/>"
            "<cCusAbbName BMUSTINPUT='TRUE'/><ColSet><x cFld='cCusPhone' bMustInput='True'/>"
            "</ColSet><cMemo bmustinput='0'/><cCusFax/></Customer>"),
        fields));
    EXPECT_EQ(fields, QStringList({ "CCusCode", "cCusName", "cCusAbbName", "cCusPhone" }));

    fields = QStringList{ QStringLiteral("kept") };
    EXPECT_FALSE(mandatoryFields(QStringLiteral("<Customer><cCusName"), fields));
    EXPECT_FALSE(mandatoryFields(QString(), fields));
    EXPECT_EQ(fields, QStringList{ QStringLiteral("kept") });
}

TEST(CardFieldLengths, OnlySizedTextColumnsCount)
{
    const suite::RecordSet columns(
        { { QStringLiteral("cCusName"), suite::adVarWChar, 98 },
          { QStringLiteral("cMemo"), suite::adLongVarWChar, suite::kLongTextSize },
          { QStringLiteral("iCusCreLine"), suite::adDouble, 8 },
          { QStringLiteral("cCusCode"), suite::adVarWChar, 20 } },
        {});
    const QHash<QString, int> sizes = textColumnSizes(columns);
    EXPECT_EQ(sizes, (QHash<QString, int>{ { "ccusname", 98 }, { "ccuscode", 20 } }));
}

TEST(CardFieldTable, EveryControlIsNamedOnceAndColumnsFindTheirControl)
{
    QSet<QString> names;
    for (const CardControl &field : cardControls()) {
        const QString name = field.name.toString().toLower() + QString::number(field.index);
        EXPECT_FALSE(names.contains(name)) << qPrintable(name);
        names.insert(name);
    }
    for (int index = 0; index <= 36; ++index)
        EXPECT_TRUE(names.contains(QStringLiteral("edt%1").arg(index))) << index;
    const CardControl *rate = cardControlOfColumn(u"ICUSTAXRATE");
    ASSERT_NE(rate, nullptr);
    EXPECT_EQ(rate->name, u"EdtiCusTaxRate");
    EXPECT_EQ(cardControlOfColumn(u"cNoSuchColumn"), nullptr);
    EXPECT_EQ(captionKeyOfColumn(u"cCusAbbName"), QStringLiteral("Tarn.AA.CUSTOMER.ccusabbname"));
    EXPECT_EQ(captionKeyOfColumn(u"cProvince"), QStringLiteral("Tarn.AA.CUSTOMER.Province"));
}

TEST(CardFieldTable, ReferencesCarryTheirFiltersExactly)
{
    const auto find = [](const QList<CardReference> &references, const QString &control,
                         int index) {
        for (const CardReference &reference : references) {
            if (reference.control == control && reference.index == index)
                return reference;
        }
        return CardReference{};
    };
    const QList<CardReference> withSales = cardReferences(true);
    EXPECT_EQ(find(withSales, QStringLiteral("Edt"), 4).refSetXml,
              QStringLiteral("<Ref><RefSet  cRefFilterSql=\"bDCEnd=1 \"/></Ref>"));
    const CardReference address = find(withSales, QStringLiteral("Edt"), 11);
    EXPECT_EQ(address.refSetXml,
              QStringLiteral("<Ref><RefSet cRetFld='cdeliveradd' "
                             "cShowFld='cdeliveradd' iRetStyle='3'  /></Ref>"));
    EXPECT_TRUE(address.freeText);
    EXPECT_EQ(find(withSales, QStringLiteral("EdtcCusSAProtocol"), -1).refSetXml,
              QStringLiteral("<Ref><RefSet  cRefFilterSql=' iLZYJ=0 or iLZYJ=1 '/></Ref>"));
    EXPECT_EQ(find(cardReferences(false), QStringLiteral("EdtcCusSAProtocol"), -1).refSetXml,
              QStringLiteral("<Ref><RefSet  cRefFilterSql='iLZYJ=1'/></Ref>"));
    const CardReference province = find(withSales, QStringLiteral("EdtcProvince"), -1);
    EXPECT_TRUE(province.withoutUrl);
    EXPECT_EQ(province.refSetXml,
              QStringLiteral("<Ref><RefSet  cRefFilterSql='#FN[ilevels]=0 ' /></Ref>"));
    EXPECT_FALSE(find(withSales, QStringLiteral("EdtcCity"), -1).withoutUrl);
}

TEST(CardKeys, KeysMapToCommandsByState)
{
    constexpr int alt = 4;
    CardKeyState fromList;
    fromList.openedFromList = true;
    fromList.saveEnabled = true;
    EXPECT_EQ(cardKeyCommand(33, 0, fromList), QStringLiteral("Previous"));
    EXPECT_EQ(cardKeyCommand(33, alt, fromList), QStringLiteral("First"));
    EXPECT_EQ(cardKeyCommand(34, 0, fromList), QStringLiteral("Next"));
    EXPECT_EQ(cardKeyCommand(34, alt, fromList), QStringLiteral("Last"));
    EXPECT_EQ(cardKeyCommand(27, 0, fromList), QStringLiteral("Exit"));
    EXPECT_EQ(cardKeyCommand(117, 0, fromList), QStringLiteral("SaveRs"));
    EXPECT_EQ(cardKeyCommand(117, alt, fromList), QString()) << "Save-and-new is disabled";
    EXPECT_EQ(cardKeyCommand(112, 0, fromList), QStringLiteral("Help"));
    EXPECT_EQ(cardKeyCommand(65, 0, fromList), QString());

    CardKeyState loading = fromList;
    loading.loading = true;
    EXPECT_EQ(cardKeyCommand(34, 0, loading), QString());
    CardKeyState byHost;
    EXPECT_EQ(cardKeyCommand(33, 0, byHost), QString()) << "no list to move through";
    CardKeyState view;
    view.viewOnly = true;
    view.saveEnabled = true;
    EXPECT_EQ(cardKeyCommand(117, 0, view), QString());
    EXPECT_EQ(cardKeyCommand(27, 0, view), QStringLiteral("Exit"));
    view.exitEnabled = false;
    EXPECT_EQ(cardKeyCommand(27, 0, view), QString());
    CardKeyState web;
    web.web = true;
    EXPECT_EQ(cardKeyCommand(112, 0, web), QString()) << "the browser's help";

    EXPECT_EQ(cardHelpContext(0), QStringLiteral("CustomerBase"));
    EXPECT_EQ(cardHelpContext(6), QStringLiteral("CustomerExport"));
    EXPECT_EQ(cardHelpContext(7), QString());
}
