#include "CardLogicSession.h"

#include "card/CardRecordLoad.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/RecordSet.h"

using namespace customer;

namespace {

class CardRecordLoadTest : public CardLogicSession
{
protected:
    suite::RecordSet customer(const QString &code) const
    {
        return m_service->OpenX(currentRecordStatement(QString(), code));
    }

    CardRecordLoad::Formatting formatting() const
    {
        return { [pub = m_pub](const QVariant &value, int digits) {
                    return pub->FormatNum(value, digits);
                },
                 4 };
    }

    static suite::XmlElement preset(suite::XmlDocument &document, const QString &xml)
    {
        EXPECT_TRUE(document.loadXml(xml));
        return document.documentElement();
    }

    MapCardFields m_fields;
};

TEST_F(CardRecordLoadTest, ARecordSpreadsOntoItsControlsWithNullsAsBlanks)
{
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("update Customer set iCusCreLine=1234.5, iCusTaxRate=13, "
                                 "bShop=2, iCostGrade=3, bTransFlag='0', cMemo=null, "
                                 "bCredit=1, cCusSAProtocol='SA01' where cCusCode='0000001'"));
    m_fields.setItems(QStringLiteral("cboJgJb"), { -1, 1, 2, 3 });
    QStringList shownBeforeAudit;
    const CardRecordLoad::Hooks hooks{
        [&] {
            shownBeforeAudit.append(m_fields.text(QStringLiteral("EdtiOfferRate")));
            shownBeforeAudit.append(m_fields.text(QStringLiteral("EdtDTPicker1"), 0));
        },
        {}
    };
    m_fields.setText(QStringLiteral("EdtDTPicker1"), 0, QStringLiteral("not yet"));

    const CardRecordLoad::Outcome outcome = CardRecordLoad(m_fields).loadRecord(
        customer(QStringLiteral("0000001")), formatting(), hooks);

    EXPECT_EQ(m_fields.text(QStringLiteral("Edt"), 0), QStringLiteral("0000001"));
    EXPECT_EQ(m_fields.text(QStringLiteral("Edt"), 1),
              firstValue(QStringLiteral("select cCusName from Customer where cCusCode='0000001'")));
    EXPECT_EQ(m_fields.text(QStringLiteral("Edt"), 25), QStringLiteral("1234.50"));
    EXPECT_EQ(m_fields.text(QStringLiteral("EdtiCusTaxRate")), QStringLiteral("13.0000"));
    EXPECT_EQ(m_fields.text(QStringLiteral("EdtcMemo")), QString());
    EXPECT_EQ(m_fields.listIndex(QStringLiteral("cboJgJb")), 3);
    EXPECT_EQ(m_fields.listIndex(QStringLiteral("cmbbshop")), 2);
    EXPECT_TRUE(outcome.groupPurchaseEnabled);
    EXPECT_FALSE(m_fields.isChecked(QStringLiteral("ChkbTransFlag")));
    EXPECT_TRUE(m_fields.isChecked(QStringLiteral("ChkbCredit")));
    // The audit fields come between the offer rate and the dates.
    EXPECT_EQ(shownBeforeAudit,
              (QStringList{ m_fields.text(QStringLiteral("EdtiOfferRate")), "not yet" }));
    // The credit settings as loaded, for the save to compare with.
    EXPECT_EQ(m_fields.tag(QStringLiteral("ChkbCredit")), QStringLiteral("1"));
    EXPECT_EQ(m_fields.tag(QStringLiteral("EdtcCusSAProtocol")), QStringLiteral("SA01"));
    EXPECT_EQ(m_fields.tag(QStringLiteral("Edt"), 25), QStringLiteral("1234.50"));
}

TEST_F(CardRecordLoadTest, UnmatchedCostGradeAndOrdinaryShopSelectNothingSpecial)
{
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("update Customer set iCostGrade=9, bShop=null, bTransFlag='1' "
                                 "where cCusCode='0000002'"));
    m_fields.setItems(QStringLiteral("cboJgJb"), { -1, 1, 2, 3 });
    const CardRecordLoad::Outcome outcome =
        CardRecordLoad(m_fields).loadRecord(customer(QStringLiteral("0000002")), formatting());
    EXPECT_EQ(m_fields.listIndex(QStringLiteral("cboJgJb")), -1);
    EXPECT_EQ(m_fields.listIndex(QStringLiteral("cmbbshop")), 0);
    EXPECT_FALSE(outcome.groupPurchaseEnabled);
    EXPECT_TRUE(m_fields.isChecked(QStringLiteral("ChkbTransFlag")));
}

TEST_F(CardRecordLoadTest, NoRowLeavesTheControlsAlone)
{
    m_fields.setEdt(0, QStringLiteral("kept"));
    CardRecordLoad(m_fields).loadRecord(customer(QStringLiteral("no such")), formatting());
    EXPECT_EQ(m_fields.text(QStringLiteral("Edt"), 0), QStringLiteral("kept"));
}

TEST_F(CardRecordLoadTest, APresetReadsDatedGroupsOnlyWhenTheirBoxIsSet)
{
    suite::XmlDocument document;
    m_fields.setItems(QStringLiteral("cboJgJb"), { -1, 1, 2 });
    const CardRecordLoad::Outcome outcome = CardRecordLoad(m_fields).loadPreset(
        preset(document,
               QStringLiteral("<Customer><ccuscode>C1</ccuscode><CCUSNAME>upper</CCUSNAME>"
                              "<cdcname>North</cdcname><bcredit>1</bcredit>"
                              "<icostgrade>7</icostgrade><bshop>2</bshop>"
                              "<blicencedate>0</blicencedate><ilicenceadays>30</ilicenceadays>"
                              "<dlicencesdate>2026-01-01</dlicencesdate>"
                              "<bproxy>1</bproxy><iproxyadays>10</iproxyadays>"
                              "<dproxyedate>2026-12-31</dproxyedate></Customer>")));

    EXPECT_EQ(m_fields.text(QStringLiteral("Edt"), 0), QStringLiteral("C1"));
    EXPECT_EQ(m_fields.text(QStringLiteral("Edt"), 1), QString())
        << "element names are matched in lower case";
    EXPECT_EQ(m_fields.text(QStringLiteral("Text1"), 1), QStringLiteral("North"));
    EXPECT_TRUE(m_fields.isChecked(QStringLiteral("ChkbCredit")));
    EXPECT_FALSE(m_fields.isChecked(QStringLiteral("ChkbCreditDate")));
    EXPECT_EQ(m_fields.listIndex(QStringLiteral("cboJgJb")), -1);
    EXPECT_TRUE(outcome.groupPurchaseEnabled);
    EXPECT_FALSE(m_fields.isChecked(QStringLiteral("ChkbLicenceDate")));
    EXPECT_EQ(m_fields.text(QStringLiteral("EdtiLicenceADays")), QString());
    EXPECT_EQ(m_fields.text(QStringLiteral("EdtdLicenceSDate")), QString());
    EXPECT_TRUE(m_fields.isChecked(QStringLiteral("ChkbProxy")));
    EXPECT_EQ(m_fields.text(QStringLiteral("EdtiProxyADays")), QStringLiteral("10"));
    EXPECT_EQ(m_fields.text(QStringLiteral("EdtdProxyEDate")), QStringLiteral("2026-12-31"));
}

TEST_F(CardRecordLoadTest, RegionCodesComeFromTheCityOrElseTheProvince)
{
    CardRecordLoad load(m_fields);
    m_fields.set(QStringLiteral("EdtcCity"), QStringLiteral("石家庄市"));
    load.lookUpRegionCodes(*m_service);
    EXPECT_EQ(m_fields.tag(QStringLiteral("EdtcCity")), QStringLiteral("1301"));
    EXPECT_EQ(m_fields.tag(QStringLiteral("EdtcProvince")), QStringLiteral("13"));

    MapCardFields unknownCity;
    unknownCity.set(QStringLiteral("EdtcCity"), QStringLiteral("no'where"));
    unknownCity.set(QStringLiteral("EdtcProvince"), QStringLiteral("河北省"));
    CardRecordLoad(unknownCity).lookUpRegionCodes(*m_service);
    EXPECT_EQ(unknownCity.tag(QStringLiteral("EdtcCity")), QString());
    EXPECT_EQ(unknownCity.tag(QStringLiteral("EdtcProvince")), QString())
        << "a city is looked up by itself, even when it is not found";

    MapCardFields provinceOnly;
    provinceOnly.set(QStringLiteral("EdtcProvince"), QStringLiteral("河北省"));
    CardRecordLoad(provinceOnly).lookUpRegionCodes(*m_service);
    EXPECT_EQ(provinceOnly.tag(QStringLiteral("EdtcProvince")), QStringLiteral("13"));
}

TEST(CardNavigation, LinksFollowTheRowAndTheRowStaysInTheGrid)
{
    const CardNavigation single = cardNavigation(2, 5);
    EXPECT_EQ(single.row, 1);
    EXPECT_FALSE(single.first || single.previous || single.next || single.last);

    const CardNavigation top = cardNavigation(10, 0);
    EXPECT_EQ(top.row, 1);
    EXPECT_FALSE(top.first || top.previous);
    EXPECT_TRUE(top.next && top.last);

    const CardNavigation bottom = cardNavigation(10, 12);
    EXPECT_EQ(bottom.row, 9);
    EXPECT_TRUE(bottom.first && bottom.previous);
    EXPECT_FALSE(bottom.next || bottom.last);
}

TEST(CardNavigation, TheRecordOfARowIsReadWithItsUserDefinedColumns)
{
    EXPECT_EQ(currentRecordStatement(QStringLiteral("b.cDefine1,"), QStringLiteral("O'K")),
              QStringLiteral("select top 1 b.cDefine1,a.* from customer a left join "
                             "Customer_extradefine b on a.cCusCode=b.cCusCode where "
                             "a.cCuscode='O''K'"));
}

} // namespace
