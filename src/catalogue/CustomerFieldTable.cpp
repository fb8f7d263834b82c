#include "catalogue/CustomerFieldTable.h"

namespace customer {

namespace {

constexpr FieldGroup kAlways = FieldGroup::Always;
constexpr FieldGroup kGsp = FieldGroup::Gsp;
constexpr FieldGroup kExport = FieldGroup::Export;

// clang-format off
constexpr CustomerField kFields[] = {
    { u"Customer.CCusCode", {}, u"reftype='ref' cRefID='Customer_AA' cRetFld='cCusCode' bmulmodify='0' bBadStrException='0'" },
    { u"CCusAbbName", {}, u"reftype='ref' cRefID='Customer_AA' cRetFld='CCusAbbName' bmulmodify='0' bBadStrException='0'" },
    { u"CCusName", {}, u"reftype='ref' cRefID='Customer_AA' cRetFld='CCusName' bmulmodify='0' bBadStrException='0'" },
    { u"Customer.cCCCode", {}, u"reftype='ref' cRefID='CustomerClass_AA' cRetFld='cCCCode' bmulmodify='1' bBadStrException='0'" },
    { u"Customer.cDCCode", {}, u"reftype='ref' cRefID='DistrictClass_AA' cRetFld='cDCCode' bmulmodify='1' bBadStrException='0'" },
    { u"bCusDomestic", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"bCusOverseas", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"Customer.iARMoney", {}, u"reftype='float' cRefID='' bmulmodify='0' bBadStrException='0'" },
    { u"Customer.dRecentlyContractTime", {}, u"reftype='date' cRefID='' bmulmodify='0' bBadStrException='0'" },
    { u"Customer.dTouchedTime", {}, u"reftype='date' cRefID='' bmulmodify='0' bBadStrException='0'" },
    { u"Customer.dLastDate", {}, u"reftype='date' cRefID='' bmulmodify='0' bBadStrException='0'" },
    { u"Customer.iLastMoney", {}, u"reftype='float' cRefID='' bmulmodify='0' bBadStrException='0'" },
    { u"Customer.dLRDate", {}, u"reftype='date' cRefID='' bmulmodify='0' bBadStrException='0'" },
    { u"Customer.iLRMoney", {}, u"reftype='float' cRefID='' bmulmodify='0' bBadStrException='0'" },
    { u"iCusCreLine", {}, u"reftype='float' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"Customer.CCreatePerson", {}, u"reftype='char' cRefID='' bmulmodify='0' bBadStrException='0'" },
    { u"Customer.cModifyPerson", {}, u"reftype='char' cRefID='' bmulmodify='0' bBadStrException='0'" },
    { u"Customer.dModifyDate", {}, u"reftype='date' cRefID='' bmulmodify='0' bBadStrException='0'" },
    { u"cRelVendor", {}, u"reftype='ref' cRefID='Vendor_AA' cRetFld='cVenCode' bmulmodify='0' bBadStrException='0'" },
    { u"Customer.iFrequency", {}, u"reftype='int' cRefID='' bmulmodify='0' bBadStrException='0'" },
    { u"dCusDevDate", {}, u"reftype='date' cRefID='' bmulmodify='0' bBadStrException='0'" },
    { u"Customer.cInvoiceCompany", {}, u"reftype='' cRefID='' bmulmodify='0' bBadStrException='0'" },
    { u"bCusState", {}, u"reftype='' cRefID='' bmulmodify='0' bBadStrException='0'" },
    { u"cCusAddress", {}, u"reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"cCusPostCode", {}, u"reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"cCusRegCode", {}, u"reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"cCusLPerson", {}, u"reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"cCusEmail", {}, u"reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"cCusPhone", {}, u"reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"cCusFax", {}, u"reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"cCusBP", {}, u"reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"cCusHand", {}, u"reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"cCusPPerson", {}, u"reftype='ref' cRefID='Person_AA' cRetFld='cPersonCode' bmulmodify='1' bBadStrException='0'" },
    { u"iCusDisRate", {}, u"reftype='float' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"fAdvancePaymentRatio", {}, u"reftype='decdgt' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"iCusTaxRate", {}, u"reftype='decdgt'  decdgt='%1' bmulmodify='1' bBadStrException='0'", kAlways, FieldValue::TaxRateDigits },
    { u"cCusCreGrade", {}, u"reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"iCusCreDate", {}, u"reftype='int' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"cCusPayCond", {}, u"reftype='ref' cRefID='PayCondition_AA' cRetFld='cPayCode' bmulmodify='1' bBadStrException='0'" },
    { u"cCusMngTypeCode", {}, u"reftype='ref' cRefID='tc_type_AA_Query' cRetFld='type_code' bmulmodify='1' bBadStrException='0'" },
    { u"cCusSSCode", {}, u"reftype='ref' cRefID='SettleStyle_AA' cRetFld='cSSCode' bmulmodify='1' bBadStrException='0'" },
    { u"cCusOType", {}, u"reftype='ref' cRefID='ShippingChoice_AA' cRetFld='cSCCode' bmulmodify='1' bBadStrException='0'" },
    { u"cCusHeadCode", {}, u"reftype='ref' cRefID='Customer_AA' cRetFld='cCusCode' bmulmodify='1' bBadStrException='0'" },
    { u"cCusWhCode", {}, u"reftype='ref' cRefID='Warehouse_AA' cRetFld='cWhcode' bmulmodify='1' bBadStrException='0'" },
    { u"cCusDepart", {}, u"reftype='ref' cRefID='Department_AA' cRetFld='cDepCode' bmulmodify='1' bBadStrException='0'" },
    { u"Customer.dEndDate", {}, u"reftype='date' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"iCostGrade", {}, u"reftype='enum' cRefID='%1' bmulmodify='1' bBadStrException='0'", kAlways, FieldValue::PriceGrades },
    { u"Customer.cMemo", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"Customer.iLicenceADays", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'", kGsp },
    { u"Customer.dLicenceSDate", {}, u"reftype='date' cRefID='' bmulmodify='1' bBadStrException='0'", kGsp },
    { u"Customer.dLicenceEDate", {}, u"reftype='date' cRefID='' bmulmodify='1' bBadStrException='0'", kGsp },
    { u"Customer.iBusinessADays", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'", kGsp },
    { u"Customer.dBusinessSDate", {}, u"reftype='date' cRefID='' bmulmodify='1' bBadStrException='0'", kGsp },
    { u"Customer.dBusinessEDate", {}, u"reftype='date' cRefID='' bmulmodify='1' bBadStrException='0'", kGsp },
    { u"Customer.iProxyADays", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'", kGsp },
    { u"Customer.dProxySDate", {}, u"reftype='date' cRefID='' bmulmodify='1' bBadStrException='0'", kGsp },
    { u"Customer.dProxyEDate", {}, u"reftype='date' cRefID='' bmulmodify='1' bBadStrException='0'", kGsp },
    { u"bCredit", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"bCreditDate", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"cCusCreditCompany", {}, u"reftype='ref' cRefID='Customer_AA' bmulmodify='1' bBadStrException='0'" },
    { u"fCusDiscountRate", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"cCusSAProtocol", {}, u"reftype='ref' cRefID='AA_Agreement_AA' bmulmodify='1' cUserFilterSql='iLZYJ=0 or iLZYJ=1' bBadStrException='0'" },
    { u"cCusExProtocol", {}, u"reftype='ref' cRefID='AA_Agreement_AA' bmulmodify='1' cUserFilterSql='iLZYJ=2 or iLZYJ=3'  bBadStrException='0'" },
    { u"cCusCMProtocol", {}, u"reftype='ref' cRefID='AA_Agreement_AA' bmulmodify='1' cUserFilterSql='iLZYJ=5 or iLZYJ=6 or iLZYJ=8 or iLZYJ=9'  bBadStrException='0'" },
    { u"cCusOtherProtocol", {}, u"reftype='ref' cRefID='AA_Agreement_AA' bmulmodify='1' cUserFilterSql='iLZYJ=5'  bBadStrException='0'" },
    { u"cCusImAgentProtocol", {}, u"reftype='ref' cRefID='AA_Agreement_AA' bmulmodify='1' cUserFilterSql='iLZYJ=12'  bBadStrException='0'" },
    { u"bLimitSale", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'" },
    { u"cCusCountryCode", {}, u"reftype='ref' cRefID='EX_REFER_NATION_EX' cRetFld='cNationCode' bmulmodify='1' bBadStrException='0'", kExport },
    { u"cCusEnName", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'", kExport },
    { u"cCusEnAddr1", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'", kExport },
    { u"cCusEnAddr2", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'", kExport },
    { u"cCusEnAddr3", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'", kExport },
    { u"cCusEnAddr4", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'", kExport },
    { u"cCusPortCode", {}, u"reftype='ref' cRefID='ex_port_ex' cRetFld='cportcode' bmulmodify='1' bBadStrException='0'", kExport },
    { u"cPrimaryVen", {}, u"reftype='ref' cRefID='Vendor_AA' cRetFld='cVenCode' cUserFilterSql='bVenService=1' bmulmodify='1' bBadStrException='0'", kExport },
    { u"fCommisionRate", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'", kExport },
    { u"fInsueRate", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'", kExport },
    { u"bHomeBranch", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'", kExport },
    { u"cBranchAddr", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'", kExport },
    { u"cBranchPhone", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'", kExport },
    { u"cBranchPerson", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'", kExport },
    { u"cCusTradeCCode", u"cTrade", u"reftype='ref' cRefID='TradeClass_CS'  bmulmodify='1' bBadStrException='0'" },
    { u"CustomerKCode", {}, u"reftype='ref' cRefID='CustomerRank_CS'  bmulmodify='1' bBadStrException='0'" },
    { u"bShop", {}, u"reftype='enum' cRefID='%1' bmulmodify='1' bBadStrException='0'", kAlways, FieldValue::RetailKinds },
    { u"cCusExch_name", {}, u"reftype='ref' cRefID='ForeignCurrency_AA' cRetFld='cexch_name' bmulmodify='1' bBadStrException='0'" },
    { u"bRequestSign", {}, u"reftype='' cRefID='' bmulmodify='1' bBadStrException='0'" },
    // The position the map command reads from the list: offered in the column settings,
    // hidden until the user shows it, never batch-modified.
    { u"cLocationSite", {}, u"reftype='' cRefID='' bmulmodify='0' bBadStrException='0' bshow='0'" },
};
// clang-format on

static_assert(std::size(kFields) == 87);

} // namespace

std::span<const CustomerField> customerFields()
{
    return kFields;
}

QStringView captionKeyOf(const CustomerField &field)
{
    if (!field.captionKey.isEmpty())
        return field.captionKey;
    const qsizetype dot = field.element.lastIndexOf(u'.');
    return dot < 0 ? field.element : field.element.mid(dot + 1);
}

} // namespace customer
