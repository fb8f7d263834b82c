#include "card/CardFieldTable.h"

#include <algorithm>
#include <iterator>

namespace customer {

namespace {

using K = CardControlKind;

constexpr QStringView kLicenceFrame = u"Tarn.AA.CUSTOMER.framelicence";
constexpr QStringView kBusinessFrame = u"Tarn.AA.ARCHIVE.FACE.PUB.framebusiness";
constexpr QStringView kProxyFrame = u"Tarn.AA.CUSTOMER.framekbproxy";
constexpr QStringView kGspFrame = u"Tarn.AA.CUSTOMER.framegsp";
constexpr QStringView kBranchFrame = u"Tarn.AA.CUSTOMER.framebranch";
constexpr QStringView kAuditFrame = u"Tarn.AA.CUSTOMER.frameaudit";
constexpr QStringView kProtocolFrame = u"Tarn.AA.CUSTOMER.frameprotocol";
constexpr QStringView kTradeFrame = u"Tarn.AA.CUSTOMER.frametrade";

// clang-format off
constexpr CardControl kControls[] = {
    { u"cCusCode", u"Edt", 0 },
    { u"cCusName", u"Edt", 1 },
    { u"cCusAbbName", u"Edt", 2 },
    { u"cCusMnemCode", u"EdtcCusMnemCode" },
    { u"cCCCode", u"Edt", 3, K::Edit, BasePage, {}, false, u"Text1", 0 },
    { u"cDCCode", u"Edt", 4, K::Edit, BasePage, {}, false, u"Text1", 1 },
    { u"cCusHeadCode", u"Edt", 5, K::Edit, BasePage, {}, false, u"Text1", 2 },
    { u"cCusTradeCCode", u"Edt", 6 },
    { u"cCusMngTypeCode", u"EdtCusMngTypeCode" },
    { u"CustomerKCode", u"EdtCustomerKCode" },
    { u"cCusExch_name", u"EdtcCusExch_name" },
    { u"cRelVendor", u"EdtVenCode", -1, K::Edit, BasePage, {}, false, u"EdtVenAbbName" },
    { u"cCusRegCode", u"Edt", 7 },
    { u"cCreditAddCode", u"EdtcCreditAddCode" },
    { u"cCusLPerson", u"Edt", 8 },
    { u"cRegCash", u"EdtcRegCash" },
    { u"dDepBeginDate", u"Edt", 36 },
    { u"iEmployeeNum", u"EdtiEmployeeNum" },
    { u"cCusBank", u"Edt", 9 },
    { u"cCusAccount", u"Edt", 10 },
    { u"cCusBankCode", u"EdtcCusBankCode" },
    { u"cInvoiceCompany", u"CmbcInvoiceCompany", -1, K::Combo },
    { u"cURL", u"EdtcURL", -1, K::Edit, BasePage, {}, true },
    { u"bCusDomestic", u"chkbCusDomestic", -1, K::Check },
    { u"bCusOverseas", u"chkbCusOverseas", -1, K::Check },
    { u"bServiceAttribute", u"chkbServiceAttribute", -1, K::Check },

    { u"cCusAddress", u"Edt", 11, K::Edit, RelationPage, {}, true },
    { u"cProvince", u"EdtcProvince", -1, K::Edit, RelationPage },
    { u"cCity", u"EdtcCity", -1, K::Edit, RelationPage },
    { u"cCounty", u"EdtcCounty", -1, K::Edit, RelationPage },
    { u"cCusPostCode", u"Edt", 12, K::Edit, RelationPage },
    { u"cLocationSite", u"EdtcLocationSite", -1, K::Edit, RelationPage, {}, false, u"cmdMap" },
    { u"cCusPerson", u"Edt", 13, K::Edit, RelationPage },
    { u"cCusPhone", u"Edt", 15, K::Edit, RelationPage },
    { u"cCusHand", u"Edt", 18, K::Edit, RelationPage },
    { u"cCusFax", u"Edt", 16, K::Edit, RelationPage },
    { u"cCusBP", u"Edt", 17, K::Edit, RelationPage },
    { u"cCusEmail", u"Edt", 14, K::Edit, RelationPage },
    { u"cCusOAddress", u"Edt", 19, K::Edit, RelationPage, {}, true },
    { u"cCusDepart", u"Edt", 30, K::Edit, RelationPage },
    { u"cCusPPerson", u"Edt", 31, K::Edit, RelationPage },
    { u"cCusSSCode", u"EdtcCusSSCode", -1, K::Edit, RelationPage },
    { u"cCusOType", u"Edt", 20, K::Edit, RelationPage },
    { u"cCusWhCode", u"Edt", 21, K::Edit, RelationPage },
    { u"bHomeBranch", u"ChkbHomeBranch", -1, K::Check, RelationPage },
    { u"cBranchAddr", u"EdtcBranchAddr", -1, K::Edit, RelationPage, kBranchFrame, true },
    { u"cBranchPhone", u"EdtcBranchPhone", -1, K::Edit, RelationPage, kBranchFrame },
    { u"cBranchPerson", u"EdtcBranchPerson", -1, K::Edit, RelationPage, kBranchFrame },

    { u"iCusDisRate", u"Edt", 23, K::Edit, CreditPage },
    { u"cCusCreGrade", u"Edt", 24, K::Edit, CreditPage },
    { u"iCusCreLine", u"Edt", 25, K::Edit, CreditPage },
    { u"iCusCreDate", u"Edt", 26, K::Edit, CreditPage },
    { u"cCusPayCond", u"Edt", 27, K::Edit, CreditPage },
    { u"cCusCreditCompany", u"EdtcCusCreditCompany", -1, K::Edit, CreditPage },
    { u"bCredit", u"ChkbCredit", -1, K::Check, CreditPage },
    { u"bCreditDate", u"ChkbCreditDate", -1, K::Check, CreditPage },
    { u"bLimitSale", u"ChkbLimitSale", -1, K::Check, CreditPage },
    { u"cPriceGroup", u"EdtcPriceGroup", -1, K::Edit, CreditPage },
    { u"cOfferGrade", u"EdtcOfferGrade", -1, K::Edit, CreditPage },
    { u"iOfferRate", u"EdtiOfferRate", -1, K::Edit, CreditPage },
    { u"iCostGrade", u"cboJgJb", -1, K::Combo, CreditPage },
    { u"fCusDiscountRate", u"EdtfCusDiscountRate", -1, K::Edit, CreditPage },
    { u"iCusTaxRate", u"EdtiCusTaxRate", -1, K::Edit, CreditPage },
    { u"fAdvancePaymentRatio", u"EdtfAdvancePaymentRatio", -1, K::Edit, CreditPage },
    { u"cCusSAProtocol", u"EdtcCusSAProtocol", -1, K::Edit, CreditPage, kProtocolFrame },
    { u"cCusExProtocol", u"EdtcCusExProtocol", -1, K::Edit, CreditPage, kProtocolFrame },
    { u"cCusCMProtocol", u"EdtcCusCMProtocol", -1, K::Edit, CreditPage, kProtocolFrame },
    { u"cCusOtherProtocol", u"EdtcCusOtherProtocol", -1, K::Edit, CreditPage, kProtocolFrame },
    { u"cCusImAgentProtocol", u"EdtcCusImportAgentProtocol", -1, K::Edit, CreditPage, kProtocolFrame },
    { u"iARMoney", u"Edt", 22, K::Edit, CreditPage, kTradeFrame },
    { u"iFrequency", u"Edt", 32, K::Edit, CreditPage, kTradeFrame },
    { u"dLastDate", u"EdtDTPicker1", 0, K::Date, CreditPage, kTradeFrame },
    { u"iLastMoney", u"Edt", 28, K::Edit, CreditPage, kTradeFrame },
    { u"dLRDate", u"EdtDTPicker1", 1, K::Date, CreditPage, kTradeFrame },
    { u"iLRMoney", u"Edt", 29, K::Edit, CreditPage, kTradeFrame },

    { u"dCusDevDate", u"EdtDTPicker1", 2, K::Date, OtherPage },
    { u"dEndDate", u"EdtDTPicker1", 3, K::Date, OtherPage },
    { u"dRecentlyContractTime", u"EdtdRecentlyContractTime", -1, K::Edit, OtherPage },
    { u"dTouchedTime", u"EdtdTouchedTime", -1, K::Edit, OtherPage },
    { u"bShop", u"cmbbshop", -1, K::Combo, OtherPage },
    { u"cCusAppDocNo", u"EdtcCusAppDocNo", -1, K::Edit, OtherPage },
    { u"cLtcCustomerCode", u"EdtcLtcCustomerCode", -1, K::Edit, OtherPage },
    { u"cLtcPerson", u"EdtcLtcPerson", -1, K::Edit, OtherPage },
    { u"dLtcDate", u"EdtdLtcDate", -1, K::Edit, OtherPage },
    { u"bOnGPinStore", u"chkbOnGPinStore", -1, K::Check, OtherPage },
    { u"bCusState", u"ChkbCusState", -1, K::Check, OtherPage },
    { u"bRequestSign", u"chkbRequestSign", -1, K::Check, OtherPage },
    { u"bTransFlag", u"ChkbTransFlag", -1, K::Check, OtherPage },
    { u"cMemo", u"EdtcMemo", -1, K::Edit, OtherPage, {}, true },
    { u"cCreatePerson", u"Edt", 33, K::Edit, OtherPage, kAuditFrame },
    { u"dCusCreateDatetime", u"EdtdCusCreateDatetime", -1, K::Edit, OtherPage, kAuditFrame },
    { u"cACName", u"Edt", 34, K::Edit, OtherPage, kAuditFrame },
    { u"cModifyPerson", u"Edt", 35, K::Edit, OtherPage, kAuditFrame },
    { u"dModifyDate", u"EdtDTPicker1", 4, K::Date, OtherPage, kAuditFrame },

    { u"bLicenceDate", u"ChkbLicenceDate", -1, K::Check, GspPage, kLicenceFrame },
    { u"cLicenceNo", u"EdtcLicenceNo", -1, K::Edit, GspPage, kLicenceFrame },
    { u"cLicenceRange", u"EdtcLicenceRange", -1, K::Edit, GspPage, kLicenceFrame },
    { u"iLicenceADays", u"EdtiLicenceADays", -1, K::Edit, GspPage, kLicenceFrame },
    { u"dLicenceSDate", u"EdtdLicenceSDate", -1, K::Edit, GspPage, kLicenceFrame },
    { u"dLicenceEDate", u"EdtdLicenceEDate", -1, K::Edit, GspPage, kLicenceFrame },
    { u"bBusinessDate", u"ChkbBusinessDate", -1, K::Check, GspPage, kBusinessFrame },
    { u"cCusBusinessNo", u"EdtcCusBusinessNo", -1, K::Edit, GspPage, kBusinessFrame },
    { u"cCusBusinessRange", u"EdtcCusBusinessRange", -1, K::Edit, GspPage, kBusinessFrame },
    { u"iBusinessADays", u"EdtiBusinessADays", -1, K::Edit, GspPage, kBusinessFrame },
    { u"dBusinessSDate", u"EdtdBusinessSDate", -1, K::Edit, GspPage, kBusinessFrame },
    { u"dBusinessEDate", u"EdtdBusinessEDate", -1, K::Edit, GspPage, kBusinessFrame },
    { u"bProxy", u"ChkbProxy", -1, K::Check, GspPage, kProxyFrame },
    { u"iProxyADays", u"EdtiProxyADays", -1, K::Edit, GspPage, kProxyFrame },
    { u"dProxySDate", u"EdtdProxySDate", -1, K::Edit, GspPage, kProxyFrame },
    { u"dProxyEDate", u"EdtdProxyEDate", -1, K::Edit, GspPage, kProxyFrame },
    { u"iCusGSPType", u"CmbiCusGSPType", -1, K::Combo, GspPage, kGspFrame },
    { u"cCusGSPAuthNo", u"EdtcCusGSPAuthNo", -1, K::Edit, GspPage, kGspFrame },
    { u"cCusGSPAuthRange", u"EdtcCusGSPAuthRange", -1, K::Edit, GspPage, kGspFrame },
    { u"iCusGSPADays", u"EdtiCusGSPADays", -1, K::Edit, GspPage, kGspFrame },
    { u"dCusGSPSDate", u"EdtdCusGSPSDate", -1, K::Edit, GspPage, kGspFrame },
    { u"dCusGSPEDate", u"EdtdCusGSPEDate", -1, K::Edit, GspPage, kGspFrame },

    { u"cCusCountryCode", u"EdtcCusCountryCode", -1, K::Edit, ExportPage },
    { u"cCusPortCode", u"EdtcCusPortCode", -1, K::Edit, ExportPage },
    { u"cPrimaryVen", u"EdtcPrimaryVen", -1, K::Edit, ExportPage },
    { u"fCommisionRate", u"EdtfCommisionRate", -1, K::Edit, ExportPage },
    { u"fInsueRate", u"EdtfInsueRate", -1, K::Edit, ExportPage },
    { u"cCusEnName", u"EdtcCusEnName", -1, K::Edit, ExportPage, {}, true },
    { u"cCusEnAddr1", u"EdtcCusEnAddr1", -1, K::Edit, ExportPage, {}, true },
    { u"cCusEnAddr2", u"EdtcCusEnAddr2", -1, K::Edit, ExportPage, {}, true },
    { u"cCusEnAddr3", u"EdtcCusEnAddr3", -1, K::Edit, ExportPage, {}, true },
    { u"cCusEnAddr4", u"EdtcCusEnAddr4", -1, K::Edit, ExportPage, {}, true },
};
// clang-format on

QString refSet(const char *attributes)
{
    return QStringLiteral("<Ref><RefSet %1/></Ref>").arg(QLatin1StringView(attributes));
}

} // namespace

std::span<const CardControl> cardControls()
{
    return kControls;
}

const CardControl *cardControlOfColumn(QStringView column)
{
    for (const CardControl &control : kControls) {
        if (control.column.compare(column, Qt::CaseInsensitive) == 0)
            return &control;
    }
    return nullptr;
}

bool isDisplayOnlyColumn(QStringView column)
{
    static constexpr QStringView kDisplayOnly[] = {
        u"cCreatePerson", u"dCusCreateDatetime", u"cModifyPerson", u"dModifyDate",
        u"cACName",       u"cCusBank",           u"cCusAccount",   u"cCusBankCode",
        u"cCusOAddress",  u"cInvoiceCompany",    u"cCusAppDocNo",  u"cLtcCustomerCode",
        u"cLtcPerson",    u"dLtcDate",           u"bTransFlag",
    };
    return std::any_of(std::begin(kDisplayOnly), std::end(kDisplayOnly),
                       [column](QStringView displayOnly) {
                           return displayOnly.compare(column, Qt::CaseInsensitive) == 0;
                       });
}

QString captionKeyOfColumn(QStringView column)
{
    if (column.compare(u"cProvince", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Tarn.AA.CUSTOMER.Province");
    if (column.compare(u"cURL", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Tarn.AA.CUSTOMER.URL");
    if (column.compare(u"cLicenceNo", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Tarn.AA.ARCHIVE.FIELD.PUB.clicenceno");
    return QStringLiteral("Tarn.AA.CUSTOMER.") + column.toString().toLower();
}

QList<CardReference> cardReferences(bool salesStarted)
{
    const QString agreement = QStringLiteral("AA_Agreement_AA");
    return {
        { QStringLiteral("Edt"), 3, QStringLiteral("CustomerClass_AA") },
        { QStringLiteral("Edt"), 4, QStringLiteral("DistrictClass_AA"),
          refSet(" cRefFilterSql=\"bDCEnd=1 \"") },
        { QStringLiteral("Edt"), 5, QStringLiteral("Customer_AA") },
        { QStringLiteral("EdtcCusExch_name"), -1, QStringLiteral("ForeignCurrency_AA") },
        { QStringLiteral("EdtVenCode"), -1, QStringLiteral("Vendor_AA") },
        { QStringLiteral("EdtCustomerKCode"), -1, QStringLiteral("CustomerRank_CS") },
        { QStringLiteral("Edt"), 6, QStringLiteral("TradeClass_CS"),
          refSet(" cRefFilterSql=\"bTradeCEnd=1 \"") },
        { QStringLiteral("Edt"), 11, QStringLiteral("CusDeliverAdd_AA"),
          refSet("cRetFld='cdeliveradd' cShowFld='cdeliveradd' iRetStyle='3'  "), false, true },
        { QStringLiteral("Edt"), 30, QStringLiteral("Department_AA") },
        { QStringLiteral("Edt"), 31, QStringLiteral("Person_AA") },
        { QStringLiteral("Edt"), 13, QStringLiteral("Contact_CS"),
          refSet("cRetFld='cContactName' cShowFld='cContactName' iRetStyle='3'  "), false, true },
        { QStringLiteral("EdtcCusSSCode"), -1, QStringLiteral("SettleStyle_AA") },
        { QStringLiteral("Edt"), 20, QStringLiteral("ShippingChoice_AA") },
        { QStringLiteral("Edt"), 21, QStringLiteral("Warehouse_AA") },
        { QStringLiteral("Edt"), 27, QStringLiteral("Paycondition_AA") },
        { QStringLiteral("EdtCusMngTypeCode"), -1, QStringLiteral("tc_type_AA"),
          refSet(" cRefFilterSql=' stop_flag=0 and obj_type=1 '") },
        { QStringLiteral("EdtcCusSAProtocol"), -1, agreement,
          salesStarted ? refSet(" cRefFilterSql=' iLZYJ=0 or iLZYJ=1 '")
                       : refSet(" cRefFilterSql='iLZYJ=1'") },
        { QStringLiteral("EdtcCusExProtocol"), -1, agreement,
          refSet(" cRefFilterSql=' iLZYJ=2 or iLZYJ=3 '") },
        { QStringLiteral("EdtcCusCMProtocol"), -1, agreement,
          refSet(" cRefFilterSql=' iLZYJ=5 or iLZYJ=6 or iLZYJ=8 or iLZYJ=9 '") },
        { QStringLiteral("EdtcCusOtherProtocol"), -1, agreement,
          refSet(" cRefFilterSql=' iLZYJ=5 '") },
        { QStringLiteral("EdtcCusImportAgentProtocol"), -1, agreement,
          refSet(" cRefFilterSql=' iLZYJ=12 '") },
        { QStringLiteral("EdtcCusCreditCompany"), -1, QStringLiteral("Customer_AA") },
        { QStringLiteral("EdtcCusCountryCode"), -1, QStringLiteral("EX_REFER_NATION_EX") },
        { QStringLiteral("EdtcCusPortCode"), -1, QStringLiteral("ex_port_ex"),
          refSet(" cRefFilterSql=' iportattrid=0 or iportattrid=2 '") },
        { QStringLiteral("EdtcPrimaryVen"), -1, QStringLiteral("Vendor_AA"),
          refSet(" cRefFilterSql=\"bVenService=1 \"") },
        { QStringLiteral("EdtcProvince"), -1, QStringLiteral("hr_ct007_AA"),
          refSet(" cRefFilterSql='#FN[ilevels]=0 ' "), true },
        { QStringLiteral("EdtcCity"), -1, QStringLiteral("hr_ct007_AA") },
        { QStringLiteral("EdtcCounty"), -1, QStringLiteral("hr_ct007_AA") },
    };
}

} // namespace customer
