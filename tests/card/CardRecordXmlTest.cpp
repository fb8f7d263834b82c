#include "CardLogicSession.h"

#include "card/CardRecordXml.h"
#include "suite/data/RecordSet.h"

#include <QRegularExpression>

using customer::CardRecordInputs;
using customer::CardRecordXml;

namespace {

// Elements 56 to 120 of a card whose text controls show their own names, with the domestic,
// credit and home-branch boxes set, shop kind 2 and GSP type 1.
const QString kTail = QStringLiteral(
    "<CustomerKCode>EdtCustomerKCode</CustomerKCode><cCusTradeCCode>Edt(6)</cCusTradeCCode>"
    "<cCusExch_name>EdtcCusExch_name</cCusExch_name><cProvince>EdtcProvince</cProvince>"
    "<cCity>EdtcCity</cCity><cCounty>EdtcCounty</cCounty>"
    "<cCreditAddCode>EdtcCreditAddCode</cCreditAddCode><cRegCash>EdtcRegCash</cRegCash>"
    "<dDepBeginDate>Edt(36)</dDepBeginDate><iEmployeeNum>EdtiEmployeeNum</iEmployeeNum>"
    "<cURL>EdtcURL</cURL><bCusDomestic>1</bCusDomestic><bCusOverseas>0</bCusOverseas>"
    "<bServiceAttribute>0</bServiceAttribute><bCredit>1</bCredit><bCreditDate>0</bCreditDate>"
    "<bLimitSale>0</bLimitSale><cCusCreditCompany>EdtcCusCreditCompany</cCusCreditCompany>"
    "<cCusSAProtocol>EdtcCusSAProtocol</cCusSAProtocol>"
    "<cCusExProtocol>EdtcCusExProtocol</cCusExProtocol>"
    "<cCusCMProtocol>EdtcCusCMProtocol</cCusCMProtocol>"
    "<cCusOtherProtocol>EdtcCusOtherProtocol</cCusOtherProtocol>"
    "<cCusImAgentProtocol>EdtcCusImportAgentProtocol</cCusImAgentProtocol>"
    "<cMemo>EdtcMemo</cMemo><bShop>2</bShop><bOnGPinStore>0</bOnGPinStore>"
    "<bCusState>0</bCusState><fCusDiscountRate>EdtfCusDiscountRate</fCusDiscountRate>"
    "<iCusTaxRate>EdtiCusTaxRate</iCusTaxRate>"
    "<fAdvancePaymentRatio>EdtfAdvancePaymentRatio</fAdvancePaymentRatio>"
    "<iLicenceADays>EdtiLicenceADays</iLicenceADays>"
    "<dLicenceSDate>EdtdLicenceSDate</dLicenceSDate><dLicenceEDate>EdtdLicenceEDate</dLicenceEDate>"
    "<iBusinessADays>EdtiBusinessADays</iBusinessADays>"
    "<dBusinessSDate>EdtdBusinessSDate</dBusinessSDate>"
    "<dBusinessEDate>EdtdBusinessEDate</dBusinessEDate><iProxyADays>EdtiProxyADays</iProxyADays>"
    "<dProxySDate>EdtdProxySDate</dProxySDate><dProxyEDate>EdtdProxyEDate</dProxyEDate>"
    "<iCusGSPADays>EdtiCusGSPADays</iCusGSPADays><dCusGSPSDate>EdtdCusGSPSDate</dCusGSPSDate>"
    "<dCusGSPEDate>EdtdCusGSPEDate</dCusGSPEDate><iCusGSPType>1</iCusGSPType>"
    "<cLicenceNo>EdtcLicenceNo</cLicenceNo><cLicenceRange>EdtcLicenceRange</cLicenceRange>"
    "<cCusBusinessNo>EdtcCusBusinessNo</cCusBusinessNo>"
    "<cCusBusinessRange>EdtcCusBusinessRange</cCusBusinessRange>"
    "<cCusGSPAuthNo>EdtcCusGSPAuthNo</cCusGSPAuthNo>"
    "<cCusGSPAuthRange>EdtcCusGSPAuthRange</cCusGSPAuthRange>"
    "<dCusGSPEDate>EdtdCusGSPEDate</dCusGSPEDate><bRequestSign>0</bRequestSign>"
    "<cCusCountryCode>EdtcCusCountryCode</cCusCountryCode>"
    "<cCusPortCode>EdtcCusPortCode</cCusPortCode><cPrimaryVen>EdtcPrimaryVen</cPrimaryVen>"
    "<cCusEnName>EdtcCusEnName</cCusEnName><cCusEnAddr1>EdtcCusEnAddr1</cCusEnAddr1>"
    "<cCusEnAddr2>EdtcCusEnAddr2</cCusEnAddr2><cCusEnAddr3>EdtcCusEnAddr3</cCusEnAddr3>"
    "<cCusEnAddr4>EdtcCusEnAddr4</cCusEnAddr4><fCommisionRate>EdtfCommisionRate</fCommisionRate>"
    "<fInsueRate>EdtfInsueRate</fInsueRate><bHomeBranch>1</bHomeBranch>"
    "<cBranchAddr>EdtcBranchAddr</cBranchAddr><cBranchPhone>EdtcBranchPhone</cBranchPhone>"
    "<cBranchPerson>EdtcBranchPerson</cBranchPerson>");

// Elements 15 to 34.
const QString kContactAndTrade = QStringLiteral(
    "<cCusPostCode>Edt(12)</cCusPostCode><cCusPerson>Edt(13)</cCusPerson>"
    "<cCusEmail>Edt(14)</cCusEmail><cCusPhone>Edt(15)</cCusPhone><cCusFax>Edt(16)</cCusFax>"
    "<cCusBP>Edt(17)</cCusBP><cLocationSite>EdtcLocationSite</cLocationSite>"
    "<cCusHand>Edt(18)</cCusHand><cCusSSCode>EdtcCusSSCode</cCusSSCode>"
    "<cCusOType>Edt(20)</cCusOType><cCusWhCode>Edt(21)</cCusWhCode><iARMoney>Edt(22)</iARMoney>"
    "<iCusDisRate>Edt(23)</iCusDisRate><cCusCreGrade>Edt(24)</cCusCreGrade>"
    "<iCusCreLine>Edt(25)</iCusCreLine><iCusCreDate>Edt(26)</iCusCreDate>"
    "<cCusPayCond>Edt(27)</cCusPayCond><cCusMngTypeCode>EdtCusMngTypeCode</cCusMngTypeCode>"
    "<iLastMoney>Edt(28)</iLastMoney><iLRMoney>Edt(29)</iLRMoney>");

// Elements 44 to 52.
const QString kPricesAndDates = QStringLiteral(
    "<cPriceGroup>EdtcPriceGroup</cPriceGroup><cOfferGrade>EdtcOfferGrade</cOfferGrade>"
    "<iOfferRate>EdtiOfferRate</iOfferRate>"
    "<dRecentlyContractTime>EdtdRecentlyContractTime</dRecentlyContractTime>"
    "<dTouchedTime>EdtdTouchedTime</dTouchedTime><dLastDate>EdtDTPicker1(0)</dLastDate>"
    "<dLRDate>EdtDTPicker1(1)</dLRDate><dCusDevDate>EdtDTPicker1(2)</dCusDevDate>"
    "<dEndDate>EdtDTPicker1(3)</dEndDate>");

const QRegularExpression kGuid(
    QStringLiteral("^[0-9A-Fa-f]{8}-([0-9A-Fa-f]{4}-){3}[0-9A-Fa-f]{12}$"));

class CardRecordXmlTest : public CardLogicSession
{
protected:
    void SetUp() override
    {
        CardLogicSession::SetUp();
        m_fields.setChecked(QStringLiteral("chkbCusDomestic"), true);
        m_fields.setChecked(QStringLiteral("ChkbCredit"), true);
        m_fields.setChecked(QStringLiteral("ChkbHomeBranch"), true);
        m_fields.setListIndex(QStringLiteral("cmbbshop"), 2);
        m_fields.setListIndex(QStringLiteral("CmbiCusGSPType"), 1);
        m_inputs.service = m_service;
        m_inputs.userName = QStringLiteral("Demo User");
        m_inputs.userId = QStringLiteral("demo");
        m_inputs.sessionServerTime = QStringLiteral("2026-03-15 08:00:00");
        m_inputs.serverTimeNow = [this] {
            ++m_timeReads;
            return QStringLiteral("2026-03-15 09:30:00");
        };
        m_inputs.bankXml = QStringLiteral(
            "<Bank><cCusCode>C1</cCusCode><Rows><Row cBranch=\"R&amp;D Bank\"/></Rows></Bank>");
        m_inputs.userDefinedXml = QStringLiteral("<cCusDefine1>U1</cCusDefine1>");
        m_inputs.invoiceXml = QStringLiteral("<cusinvoicecorp/>");
        m_inputs.personXml = QStringLiteral("<cusstuff/>");
        m_inputs.rightsXml = QStringLiteral("<cusprivilege/>");
        m_inputs.attachmentXml = QStringLiteral("<bIsCusAttachFile>0</bIsCusAttachFile>");
    }

    QString write() { return CardRecordXml(m_fields, m_inputs).WriteXML(); }

    // The GUID the record carries as its address GUID, replaced by "GUID" in the record.
    static QString takeAddressGuid(QString &xml)
    {
        static const QRegularExpression element(
            QStringLiteral("<cCusAddressGUID>([^<]*)</cCusAddressGUID>"));
        const QString guid = element.match(xml).captured(1);
        xml.replace(element, QStringLiteral("<cCusAddressGUID>GUID</cCusAddressGUID>"));
        return guid;
    }

    MapCardFields m_fields{ MapCardFields::Unset::EchoName };
    CardRecordInputs m_inputs;
    int m_timeReads = 0;
};

TEST_F(CardRecordXmlTest, NewCustomerIsWrittenElementByElement)
{
    m_inputs.state = 1;
    m_inputs.autoCode = true;
    m_inputs.autoMnemonicCode = true;
    m_fields.setEdt(1, QStringLiteral("北京开维"));
    m_fields.set(QStringLiteral("EdtcCusMnemCode"), QString());
    m_fields.setEdt(30, QString());
    m_fields.setEdt(31, QStringLiteral("004"));
    const QString mnemonic = m_service->GetMnemCode(QStringLiteral("北京开维"));
    ASSERT_FALSE(mnemonic.isEmpty());

    QString xml = write();
    EXPECT_TRUE(kGuid.match(takeAddressGuid(xml)).hasMatch());
    const QString expected =
        QStringLiteral("<Customer bCreateBillNum='1' bManualChangeCode='0'>"
                       "<CCusCode>Edt(0)</CCusCode><CCusName>北京开维</CCusName>"
                       "<CCusAbbName>Edt(2)</CCusAbbName><cCusMnemCode>")
        + mnemonic
        + QStringLiteral(
            "</cCusMnemCode><cCCCode>Edt(3)</cCCCode><cDCCode>Edt(4)</cDCCode>"
            "<cCusHeadCode>Edt(5)</cCusHeadCode><cTrade>Edt(6)</cTrade>"
            "<cCusRegCode>Edt(7)</cCusRegCode><cCusLPerson>Edt(8)</cCusLPerson>"
            "<cCusBank><Bank><cCusCode>C1</cCusCode><Rows><Row cBranch=\"R&amp;D Bank\"/>"
            "</Rows></Bank></cCusBank><cCusOAddress></cCusOAddress>"
            "<cCusAddress>Edt(11)</cCusAddress><cCusAddressGUID>GUID</cCusAddressGUID>")
        + kContactAndTrade
        + QStringLiteral("<cCusDepart>0202</cCusDepart><cCusPPerson>004</cCusPPerson>"
                         "<iFrequency>Edt(32)</iFrequency><CCreatePerson>Demo User</CCreatePerson>"
                         "<dCusCreateDatetime>2026-03-15 08:00:00</dCusCreateDatetime>"
                         "<cModifyPerson>Demo User</cModifyPerson>"
                         "<dModifyDate>2026-03-15 09:30:00</dModifyDate>"
                         "<cRelVendor>EdtVenCode</cRelVendor><cCusDefine1>U1</cCusDefine1>")
        + kPricesAndDates
        + QStringLiteral("<iCostGrade>-1</iCostGrade><cUserId>demo</cUserId>"
                         "<cusinvoicecorp/><cusstuff/><cusprivilege/>")
        + kTail + QStringLiteral("<bIsCusAttachFile>0</bIsCusAttachFile></Customer>");
    EXPECT_EQ(xml.toStdString(), expected.toStdString());
    EXPECT_EQ(m_fields.text(QStringLiteral("Edt"), 30), QStringLiteral("0202"));
    EXPECT_EQ(m_timeReads, 1);
}

TEST_F(CardRecordXmlTest, ModifiedCustomerCarriesContactPictureAndDeliveryAddresses)
{
    m_inputs.state = 2;
    m_inputs.codeTyped = true;
    m_inputs.web = true;
    m_inputs.addressXml = QStringLiteral("<Addrs><Addr><GUID>A-1</GUID></Addr></Addrs>");
    m_inputs.writePicture = [](const suite::RecordSet &stored, bool web, QString &data,
                               QString &type) {
        data = QStringLiteral("iVBORw0K");
        type = QStringLiteral("png");
        return stored.IsOpen() && web;
    };
    m_fields.setTag(QStringLiteral("Edt"), 13, QStringLiteral("P'01"));
    m_fields.setEdt(1, QStringLiteral("R&D <Lab>"));
    m_fields.setListIndex(QStringLiteral("cboJgJb"), 1);
    m_fields.setItems(QStringLiteral("cboJgJb"), { 1, 3, 5 });

    const QString expected =
        QStringLiteral(
            "<Customer bCreateBillNum='0' bManualChangeCode='1' "
            "cCusPersonCode='P&apos;01'>"
            "<CCusCode>Edt(0)</CCusCode><CCusName>R&amp;D &lt;Lab&gt;</CCusName>"
            "<CCusAbbName>Edt(2)</CCusAbbName><cCusMnemCode>EdtcCusMnemCode</cCusMnemCode>"
            "<cCCCode>Edt(3)</cCCCode><cDCCode>Edt(4)</cDCCode>"
            "<cCusHeadCode>Edt(5)</cCusHeadCode><cTrade>Edt(6)</cTrade>"
            "<cCusRegCode>Edt(7)</cCusRegCode><cCusLPerson>Edt(8)</cCusLPerson>"
            "<cCusBank><Bank><cCusCode>C1</cCusCode><Rows><Row cBranch=\"R&amp;D Bank\"/>"
            "</Rows></Bank></cCusBank><cCusOAddress><Addrs><Addr><GUID>A-1"
            "</GUID></Addr></Addrs></cCusOAddress><cCusAddress></cCusAddress>"
            "<cCusAddressGUID></cCusAddressGUID>")
        + kContactAndTrade
        + QStringLiteral("<cCusDepart>Edt(30)</cCusDepart><cCusPPerson>Edt(31)</cCusPPerson>"
                         "<iFrequency>Edt(32)</iFrequency><cModifyPerson>Demo User</cModifyPerson>"
                         "<dModifyDate>2026-03-15 09:30:00</dModifyDate>"
                         "<cRelVendor>EdtVenCode</cRelVendor><cCusDefine1>U1</cCusDefine1>")
        + kPricesAndDates
        + QStringLiteral("<iCostGrade>3</iCostGrade><cUserId>demo</cUserId>"
                         "<cusinvoicecorp/><cusstuff/><cusprivilege/>")
        + kTail
        + QStringLiteral("<bCopy>0</bCopy><PictureGUID bXML='True'>iVBORw0K</PictureGUID>"
                         "<cPictureType >png</cPictureType>"
                         "<bIsCusAttachFile>0</bIsCusAttachFile></Customer>");
    EXPECT_EQ(write().toStdString(), expected.toStdString());
}

TEST_F(CardRecordXmlTest, UnusedDialogsAndUnchosenListsLeaveEmptyElements)
{
    m_inputs.bankXml.clear();
    m_fields.setListIndex(QStringLiteral("CmbiCusGSPType"), -1);
    const QString xml = write();
    EXPECT_TRUE(xml.contains(u"<cCusBank></cCusBank><cCusOAddress></cCusOAddress>"))
        << qPrintable(xml);
    EXPECT_TRUE(xml.contains(u"<iCusGSPType></iCusGSPType>")) << "nothing chosen stays unset";
    EXPECT_TRUE(xml.contains(u"<bShop>2</bShop>"));
}

TEST_F(CardRecordXmlTest, AddressGuidFollowsTheAddressAndTheState)
{
    const QString code = firstValue(QStringLiteral("select min(cCusCode) from Customer"));
    const QString stored = firstValue(
        QStringLiteral("select cCusAddressGUID from Customer where cCusCode='%1'").arg(code));
    ASSERT_TRUE(kGuid.match(stored).hasMatch()) << qPrintable(stored);
    m_fields.setEdt(0, code);
    m_fields.set(QStringLiteral("EdtcCusMnemCode"), QString());

    m_inputs.state = 2;
    QString xml = write();
    EXPECT_EQ(takeAddressGuid(xml), stored) << "a modified customer keeps its GUID";
    EXPECT_TRUE(xml.contains(QStringLiteral("<cCusMnemCode></cCusMnemCode>")))
        << "without the option an empty mnemonic code stays empty";

    m_fields.setEdt(11, QString());
    m_inputs.state = 1;
    xml = write();
    EXPECT_EQ(takeAddressGuid(xml), stored) << "no address: the stored GUID, whatever the state";

    m_company.run(
        DemoCompanyCopy<>::Company,
        QStringLiteral("update Customer set cCusAddressGUID=null where cCusCode='%1'").arg(code));
    xml = write();
    EXPECT_EQ(takeAddressGuid(xml), QString()) << "no address and none stored: empty";

    m_fields.setEdt(11, QStringLiteral("Nanjing Road 1"));
    m_inputs.state = 2;
    xml = write();
    EXPECT_TRUE(kGuid.match(takeAddressGuid(xml)).hasMatch()) << "null stored GUID: a new one";
}

} // namespace
