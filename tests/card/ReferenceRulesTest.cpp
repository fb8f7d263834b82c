#include "CardLogicSession.h"

#include "card/AuthDimensionCheck.h"
#include "card/CreditCompany.h"
#include "card/PrivilegeList.h"
#include "card/ReferenceConditions.h"
#include "card/RelatedVendor.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/RecordSet.h"

using namespace customer;

namespace {

const RefConditions kIncoming{ QStringLiteral("<in/>"), QStringLiteral("x=1") };

QString conditionOf(const QString &param, const QString &value)
{
    return QStringLiteral("<RefConditions><Condition paramName='@%1' paramValue='%2' />"
                          "</RefConditions>")
        .arg(param, value);
}

// What the window-level tests do not reach: the address, a modified customer's contacts, and
// values that must not break the texts.
TEST(ReferenceConditionsTest, NarrowedReferencesKeepTheirTextsWhateverTheValues)
{
    const RefConditions address = ReferenceConditions::address(QStringLiteral("C'1 "), kIncoming);
    EXPECT_EQ(address.conditionXml,
              conditionOf(QStringLiteral("cCusCode"), QStringLiteral("C&apos;1 ")));
    EXPECT_EQ(address.filter, QStringLiteral("#FN[cCusCode]=@cCusCode"));
    const RefConditions blank = ReferenceConditions::address(QStringLiteral("  "), kIncoming);
    EXPECT_EQ(blank.conditionXml, kIncoming.conditionXml);
    EXPECT_EQ(blank.filter, QStringLiteral("1=2"));

    const RefConditions modifying = ReferenceConditions::contact(
        false, QStringLiteral("C01"), QStringLiteral("2026'03"), kIncoming);
    EXPECT_EQ(modifying.conditionXml,
              conditionOf(QStringLiteral("cCusCode"), QStringLiteral("C01")));
    EXPECT_EQ(modifying.filter,
              QStringLiteral("(#FN[cCusCode]=@cCusCode or (#FN[cCusCode] is null or "
                             "#FN[cCusCode]='')) and (#FN[dConEDate]>'2026''03' or "
                             "#FN[dConEDate] is null)"));

    EXPECT_EQ(ReferenceConditions::salesperson(false, QStringLiteral("0201"), kIncoming).filter,
              kIncoming.filter);
    EXPECT_EQ(ReferenceConditions::salesperson(true, QString(), kIncoming).filter,
              kIncoming.filter);
    EXPECT_EQ(ReferenceConditions::subArea(QString(), QStringLiteral("11"), kIncoming).filter,
              QStringLiteral("1=2"));
    EXPECT_EQ(RelatedVendor::statement(QStringLiteral(" V'1 ")),
              QStringLiteral("select cVenName,cDCCode,cVenTradeCCode,cVenLPerson,cVenAddress,"
                             "cVenPostCode,cVenPerson,cVenPhone,cVenFax,cVenEmail,cVenHand from "
                             "vendor where cVenCode='V''1'"));
}

class ReferenceRulesTest : public CardLogicSession
{
protected:
    // The rights rows of a privilege list as "type:value", in order of their text.
    static QStringList rowsOf(const QString &list)
    {
        suite::XmlDocument document;
        EXPECT_TRUE(document.loadXml(list)) << qPrintable(list);
        QStringList rows;
        for (const suite::XmlElement &row :
             document.documentElement().selectNodes(QStringLiteral("row")))
            rows.append(row.firstChildElement(QStringLiteral("privilege_type")).text() + u':'
                        + row.firstChildElement(QStringLiteral("privilege_id")).text());
        rows.sort();
        return rows;
    }
};

TEST_F(ReferenceRulesTest, ANewCustomersListStartsWithoutCodeAndUnknownNamesAreEmpty)
{
    PrivilegeListOwner owner{ QStringLiteral("ignored"), 1, false, 0, QStringLiteral("http://r/") };
    EXPECT_EQ(PrivilegeList::createdList(owner),
              QStringLiteral("<cusprivilege> <ccuscode></ccuscode><RW>0</RW><url>http://r/</url>"
                             "</cusprivilege>"));
    PrivilegeList list(*m_service, *m_pub, m_login->RowAuth().get());
    EXPECT_EQ(list.RefreshCusPrivilege(QString(), owner, QStringLiteral("class"),
                                       QStringLiteral("no such class")),
              QStringLiteral("<cusprivilege> <ccuscode></ccuscode><RW>0</RW><url>http://r/</url>"
                             "<btextdata>1</btextdata></cusprivilege>"));
    EXPECT_FALSE(list.GetADTName(QStringLiteral("1")).isEmpty());
    EXPECT_TRUE(list.GetADTName(QStringLiteral("3")).isEmpty()) << "a disabled dimension";
    EXPECT_TRUE(list.GetADName(QStringLiteral("1"), QStringLiteral("'")).isEmpty());
}

TEST_F(ReferenceRulesTest, AModifiedCustomersStoredRightsAreReplacedByDimension)
{
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("insert into customer_auth (Account_ID, Privilege_Type, "
                                 "Privilege_ID) values ('0000001', 0, '0201'), ('0000001', 2, "
                                 "'EL'), ('0000001', 5, 'KA')"));
    PrivilegeListOwner owner{ QStringLiteral("0000001"), 2, true, 2, QString() };
    PrivilegeList list(*m_service, *m_pub, m_login->RowAuth().get());
    const QString byTrade =
        list.RefreshCusPrivilege(QString(), owner, QStringLiteral("trade"), QStringLiteral("0102"));
    EXPECT_EQ(rowsOf(byTrade), QStringList({ "0:0201", "2:ME", "5:KA" }));
    EXPECT_TRUE(byTrade.endsWith(QStringLiteral("</row><btextdata>1</btextdata></cusprivilege>")));

    EXPECT_EQ(list.RefreshCusPrivilege(byTrade, owner, QStringLiteral("class"),
                                       QStringLiteral("no such class")),
              byTrade);
}

TEST_F(ReferenceRulesTest, StoredRightsAreListedWithTheirNames)
{
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("insert into customer_auth (Account_ID, Privilege_Type, "
                                 "Privilege_ID) values ('0000002', 2, 'EL')"));
    const suite::RecordSet stored = m_service->OpenX(
        AuthDimensionCheck(*m_service, *m_pub).storedRightsStatement(QStringLiteral("0000002")));
    EXPECT_EQ(PrivilegeList::rebuiltList(QStringLiteral("0000002"), stored),
              QStringLiteral("<cusprivilege> <ccuscode>0000002</ccuscode><row>  "
                             "<privilege_type>2</privilege_type> <cadtname>%1</cadtname> "
                             "<privilege_id>EL</privilege_id> <cadname>%2</cadname>  </row>"
                             "</cusprivilege>")
                  .arg(firstValue(QStringLiteral("select cADTName from AA_AuthDimenType where "
                                                 "iADTID=2")),
                       firstValue(QStringLiteral("select cADName from AA_AuthDimenSub where "
                                                 "cADCode='EL'"))));
}

TEST_F(ReferenceRulesTest, ACreditCompanyLendsItsCreditButNotOverProtocolsSet)
{
    m_company.run(
        DemoCompanyCopy<>::Company,
        QStringLiteral("update Customer set cCusExProtocol='CK001' where cCusCode='0000003'"));
    MapCardFields card;
    card.set(QStringLiteral("EdtcCusSAProtocol"), QStringLiteral("XS001"));
    card.setEdt(25, QStringLiteral("1"));
    CreditCompany company(*m_service);
    EXPECT_FALSE(company.takeSettings(card, QStringLiteral("0000003"), QStringLiteral("0000003")));
    EXPECT_FALSE(company.takeSettings(card, QStringLiteral("none"), QStringLiteral("0000001")));
    EXPECT_EQ(card.text(QStringLiteral("Edt"), 25), QStringLiteral("1"));

    ASSERT_TRUE(company.takeSettings(card, QStringLiteral("0000003"), QStringLiteral("0000001")));
    EXPECT_TRUE(card.isChecked(QStringLiteral("ChkbCredit")));
    EXPECT_TRUE(card.isChecked(QStringLiteral("ChkbCreditDate")));
    EXPECT_EQ(
        card.text(QStringLiteral("Edt"), 25),
        firstValue(QStringLiteral("select iCusCreLine from Customer where cCusCode='0000003'")));
    EXPECT_EQ(card.text(QStringLiteral("EdtcCusSAProtocol")), QStringLiteral("XS001"));
    EXPECT_EQ(card.text(QStringLiteral("EdtcCusExProtocol")), QStringLiteral("CK001"));
}

TEST_F(ReferenceRulesTest, UserDefinedValuesFollowTheChosenRecordUntilTypedOver)
{
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("update Customer set cCusDefine1='A', cCusDefine2='B' where "
                                 "cCusCode='0000001'"));
    suite::XmlDocument document;
    ASSERT_TRUE(document.loadXml(
        QStringLiteral("<UserDef><cCusDefine1/><cCusDefine2/><cCDefine9>x</cCDefine9></UserDef>")));
    suite::XmlElement items = document.documentElement();
    suite::RecordSet head =
        m_service->OpenX(QStringLiteral("select * from Customer where cCusCode='0000001'"));
    m_pub->SetUserDefValNew(nullptr, items, QStringLiteral("Customer"), &head);
    EXPECT_EQ(items.firstChildElement(QStringLiteral("cCusDefine1")).text(), QStringLiteral("A"));
    items.firstChildElement(QStringLiteral("cCusDefine2")).setText(QStringLiteral("mine"));
    m_pub->SetUserDefValNew(nullptr, items, QStringLiteral("person"), nullptr);
    EXPECT_EQ(items.firstChildElement(QStringLiteral("cCusDefine1")).text(), QStringLiteral("A"));
    m_pub->SetUserDefValNew(nullptr, items, QStringLiteral("customer"), nullptr);
    EXPECT_TRUE(items.firstChildElement(QStringLiteral("cCusDefine1")).text().isEmpty());
    EXPECT_EQ(items.firstChildElement(QStringLiteral("cCusDefine2")).text(),
              QStringLiteral("mine"));
    EXPECT_EQ(items.firstChildElement(QStringLiteral("cCDefine9")).text(), QStringLiteral("x"));
}

} // namespace
