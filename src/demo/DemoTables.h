#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>

namespace demo {

// The tables the generator fills row by row, and the columns of their rows in order.
enum class DemoTable {
    Division,
    Customer,
    CustomerExtra,
    DeliverAddress,
    CustomerBank,
    InvoiceCorp,
    Contact,
    CustomerUser,
    Receivable,
    CreditSum,
    Vendor,
    Staging,
};

QString tableName(DemoTable table);
QStringList columnsOf(DemoTable table);

// Receives each generated row; false (with the reason) stops the generation.
using RowSink = std::function<bool(DemoTable table, const QVariantList &row, QString &sMsg)>;

// The customer columns the generator fills; one list gives both the names and their positions,
// so that the two cannot drift apart.
// clang-format off
#define DEMO_CUSTOMER_COLUMNS(X) \
    X(cCusCode) X(cCusName) X(cCusAbbName) X(cCusMnemCode) X(cCCCode) X(cDCCode) X(cCusHeadCode) \
    X(cTrade) X(cCusTradeCCode) X(cCusRegCode) X(cCreditAddCode) X(cCusLPerson) X(cRegCash) \
    X(dDepBeginDate) X(iEmployeeNum) X(cURL) X(cCusBank) X(cCusAccount) X(cCusBankCode) \
    X(cCusAddress) X(cCusAddressGUID) X(cCusPostCode) X(cProvince) X(cCity) X(cCounty) \
    X(cLocationSite) X(cCusPerson) X(cCusContactCode) X(cCusEmail) X(cCusPhone) X(cCusFax) \
    X(cCusHand) X(cCusPPerson) X(cCusDepart) X(cCusSSCode) X(cCusOType) X(cCusWhCode) \
    X(cCusPayCond) X(cCusMngTypeCode) X(CustomerKCode) X(cCusExch_name) X(cRelVendor) \
    X(cInvoiceCompany) X(iARMoney) X(dLastDate) X(iLastMoney) X(dLRDate) X(iLRMoney) \
    X(iFrequency) X(iCusDisRate) X(iCusTaxRate) X(fAdvancePaymentRatio) X(cCusCreGrade) \
    X(iCusCreLine) X(iCusCreDate) X(bCredit) X(bCreditDate) X(bCreditByHead) X(bLimitSale) \
    X(cCusCreditCompany) X(cCusSAProtocol) X(cCusExProtocol) X(cCusCMProtocol) \
    X(cCusOtherProtocol) X(cCusImAgentProtocol) X(iCostGrade) X(dCusDevDate) X(dEndDate) \
    X(dRecentlyContractTime) X(dTouchedTime) X(bCusDomestic) X(bCusOverseas) \
    X(bServiceAttribute) X(bRequestSign) X(bCusState) X(bShop) X(bOnGPinStore) X(cMemo) \
    X(bLicenceDate) X(bBusinessDate) X(bProxy) X(cCusCountryCode) X(cCusEnName) X(cCusEnAddr1) \
    X(cCusEnAddr2) X(cCusPortCode) X(cPrimaryVen) X(fCommisionRate) X(fInsueRate) X(bHomeBranch) \
    X(cCusDefine1) X(cCusDefine2) X(cCusDefine3) X(cCusDefine5) X(cCusDefine11) X(cCusDefine13) \
    X(cCusDefine14) X(cCusDefine15) X(bIsCusAttachFile) X(iId) X(cCreatePerson) \
    X(dCusCreateDatetime) X(cModifyPerson) X(dModifyDate)
// clang-format on

namespace CustomerColumn {
#define DEMO_CUSTOMER_POSITION(name) name,
enum : int { DEMO_CUSTOMER_COLUMNS(DEMO_CUSTOMER_POSITION) Count };
#undef DEMO_CUSTOMER_POSITION
} // namespace CustomerColumn

} // namespace demo
