#include "card/CardRecordLoad.h"

#include "suite/core/SqlQuote.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/RecordSet.h"

#include <QDateTime>

namespace customer {

namespace {

enum class Rule {
    Text, // the value as text, null as empty
    Number2, // the number with two decimals
    TaxRate, // the number with the account's tax-rate decimals
    Check, // set when the value is true
    NonZero, // set when the value is neither null, empty nor 0
    CostGrade, // the list entry whose item data is the value
    ShopKind, // the list index is the value
    ListIndex, // the list index is the value; null selects nothing
};

struct ColumnLoad
{
    const char *column;
    const char *control;
    int index;
    Rule rule;
    // The element of a preset record; none for a column a preset does not carry.
    const char *element;
};

// The card's columns in the order they are shown. The licence, business-licence and proxy day
// counts and dates carry no element here: a preset reads them as a group (loadDatedGroup).
constexpr ColumnLoad kColumns[] = {
    { "cCusCode", "Edt", 0, Rule::Text, "ccuscode" },
    { "cCusName", "Edt", 1, Rule::Text, "ccusname" },
    { "cCusAbbName", "Edt", 2, Rule::Text, "ccusabbname" },
    { "cCusMnemCode", "EdtcCusMnemCode", -1, Rule::Text, "ccusmnemcode" },
    { "cCCCode", "Edt", 3, Rule::Text, "ccccode" },
    { "cDCCode", "Edt", 4, Rule::Text, "cdccode" },
    { "cCusHeadCode", "Edt", 5, Rule::Text, "ccusheadcode" },
    { "cCusTradeCCode", "Edt", 6, Rule::Text, "ctradeccode" },
    { "cCusRegCode", "Edt", 7, Rule::Text, "ccusregcode" },
    { "cCusLPerson", "Edt", 8, Rule::Text, "ccuslperson" },
    { "cCusAddress", "Edt", 11, Rule::Text, "ccusaddress" },
    { "cCusPostCode", "Edt", 12, Rule::Text, "ccuspostcode" },
    { "cCusPerson", "Edt", 13, Rule::Text, "ccusperson" },
    { "cCusEmail", "Edt", 14, Rule::Text, "ccusemail" },
    { "cCusPhone", "Edt", 15, Rule::Text, "ccusphone" },
    { "cCusFax", "Edt", 16, Rule::Text, "ccusfax" },
    { "cCusBP", "Edt", 17, Rule::Text, "ccusbp" },
    { "cCusHand", "Edt", 18, Rule::Text, "ccushand" },
    { "cCusSSCode", "EdtcCusSSCode", -1, Rule::Text, "ccussscode" },
    { "cCusOType", "Edt", 20, Rule::Text, "ccusotype" },
    { "cCusWhCode", "Edt", 21, Rule::Text, "ccuswhcode" },
    { "iARMoney", "Edt", 22, Rule::Text, "iarmoney" },
    { "iCusDisRate", "Edt", 23, Rule::Number2, "icusdisrate" },
    { "cCusCreGrade", "Edt", 24, Rule::Text, "ccuscregrade" },
    { "iCusCreLine", "Edt", 25, Rule::Number2, "icuscreline" },
    { "iCusCreDate", "Edt", 26, Rule::Text, "icuscredate" },
    { "cCusPayCond", "Edt", 27, Rule::Text, "ccuspaycond" },
    { "cCusMngTypeCode", "EdtCusMngTypeCode", -1, Rule::Text, "ccusmngtypecode" },
    { "iLastMoney", "Edt", 28, Rule::Text, "ilastmoney" },
    { "iLRMoney", "Edt", 29, Rule::Text, "ilrmoney" },
    { "cCusDepart", "Edt", 30, Rule::Text, "ccusdepart" },
    { "cCusPPerson", "Edt", 31, Rule::Text, "ccuspperson" },
    { "iFrequency", "Edt", 32, Rule::Text, "ifrequency" },
    { "dDepBeginDate", "Edt", 36, Rule::Text, "ddepbegindate" },
    { "cRelVendor", "EdtVenCode", -1, Rule::Text, "crelvendor" },
    { "cPriceGroup", "EdtcPriceGroup", -1, Rule::Text, "cpricegroup" },
    { "cOfferGrade", "EdtcOfferGrade", -1, Rule::Text, "coffergrade" },
    { "iOfferRate", "EdtiOfferRate", -1, Rule::Number2, "iofferrate" },
    { "dRecentlyContractTime", "EdtdRecentlyContractTime", -1, Rule::Text,
      "drecentlycontracttime" },
    { "dTouchedTime", "EdtdTouchedTime", -1, Rule::Text, "dtouchedtime" },
    { "dLastDate", "EdtDTPicker1", 0, Rule::Text, "dlastdate" },
    { "dLRDate", "EdtDTPicker1", 1, Rule::Text, "dlrdate" },
    { "dCusDevDate", "EdtDTPicker1", 2, Rule::Text, "dcusdevdate" },
    { "dEndDate", "EdtDTPicker1", 3, Rule::Text, "denddate" },
    { "dModifyDate", "EdtDTPicker1", 4, Rule::Text, nullptr },
    { "dCusCreateDatetime", "EdtdCusCreateDatetime", -1, Rule::Text, nullptr },
    { "iCostGrade", "cboJgJb", -1, Rule::CostGrade, "icostgrade" },
    { "CustomerKCode", "EdtCustomerKCode", -1, Rule::Text, nullptr },
    { "cCusExch_name", "EdtcCusExch_name", -1, Rule::Text, "ccusexch_name" },
    { "cProvince", "EdtcProvince", -1, Rule::Text, "cprovince" },
    { "cCity", "EdtcCity", -1, Rule::Text, "ccity" },
    { "cCounty", "EdtcCounty", -1, Rule::Text, "ccounty" },
    { "cCreditAddCode", "EdtcCreditAddCode", -1, Rule::Text, "ccreditaddcode" },
    { "cRegCash", "EdtcRegCash", -1, Rule::Text, "cregcash" },
    { "iEmployeeNum", "EdtiEmployeeNum", -1, Rule::Text, "iemployeenum" },
    { "cURL", "EdtcURL", -1, Rule::Text, "curl" },
    { "bCusDomestic", "chkbCusDomestic", -1, Rule::Check, nullptr },
    { "bCusOverseas", "chkbCusOverseas", -1, Rule::Check, nullptr },
    { "bServiceAttribute", "chkbServiceAttribute", -1, Rule::Check, nullptr },
    { "bCredit", "ChkbCredit", -1, Rule::Check, "bcredit" },
    { "bCreditDate", "ChkbCreditDate", -1, Rule::Check, "bcreditdate" },
    { "bLimitSale", "ChkbLimitSale", -1, Rule::Check, nullptr },
    { "cCusCreditCompany", "EdtcCusCreditCompany", -1, Rule::Text, nullptr },
    { "cCusSAProtocol", "EdtcCusSAProtocol", -1, Rule::Text, nullptr },
    { "cCusExProtocol", "EdtcCusExProtocol", -1, Rule::Text, nullptr },
    { "cCusCMProtocol", "EdtcCusCMProtocol", -1, Rule::Text, nullptr },
    { "cCusOtherProtocol", "EdtcCusOtherProtocol", -1, Rule::Text, nullptr },
    { "cCusImAgentProtocol", "EdtcCusImportAgentProtocol", -1, Rule::Text, nullptr },
    { "cMemo", "EdtcMemo", -1, Rule::Text, "cmemo" },
    { "cCusAppDocNo", "EdtcCusAppDocNo", -1, Rule::Text, "ccusappdocno" },
    { "bShop", "cmbbshop", -1, Rule::ShopKind, "bshop" },
    { "bOnGPinStore", "chkbOnGPinStore", -1, Rule::Check, "bongpinstore" },
    { "bCusState", "ChkbCusState", -1, Rule::Check, nullptr },
    { "cCusBankCode", "EdtcCusBankCode", -1, Rule::Text, nullptr },
    { "fCusDiscountRate", "EdtfCusDiscountRate", -1, Rule::Number2, nullptr },
    { "iCusTaxRate", "EdtiCusTaxRate", -1, Rule::TaxRate, nullptr },
    { "fAdvancePaymentRatio", "EdtfAdvancePaymentRatio", -1, Rule::Number2, nullptr },
    { "iLicenceADays", "EdtiLicenceADays", -1, Rule::Text, nullptr },
    { "dLicenceSDate", "EdtdLicenceSDate", -1, Rule::Text, nullptr },
    { "dLicenceEDate", "EdtdLicenceEDate", -1, Rule::Text, nullptr },
    { "iBusinessADays", "EdtiBusinessADays", -1, Rule::Text, nullptr },
    { "dBusinessSDate", "EdtdBusinessSDate", -1, Rule::Text, nullptr },
    { "dBusinessEDate", "EdtdBusinessEDate", -1, Rule::Text, nullptr },
    { "iProxyADays", "EdtiProxyADays", -1, Rule::Text, nullptr },
    { "dProxySDate", "EdtdProxySDate", -1, Rule::Text, nullptr },
    { "dProxyEDate", "EdtdProxyEDate", -1, Rule::Text, nullptr },
    { "iCusGSPADays", "EdtiCusGSPADays", -1, Rule::Text, "icusgspadays" },
    { "dCusGSPSDate", "EdtdCusGSPSDate", -1, Rule::Text, "dcusgspsdate" },
    { "dCusGSPEDate", "EdtdCusGSPEDate", -1, Rule::Text, "dcusgspedate" },
    { "iCusGSPType", "CmbiCusGSPType", -1, Rule::ListIndex, "icusgsptype" },
    { "cLicenceNo", "EdtcLicenceNo", -1, Rule::Text, "clicenceno" },
    { "cLicenceRange", "EdtcLicenceRange", -1, Rule::Text, "clicencerange" },
    { "cCusBusinessNo", "EdtcCusBusinessNo", -1, Rule::Text, "ccusbusinessno" },
    { "cCusBusinessRange", "EdtcCusBusinessRange", -1, Rule::Text, "ccusbusinessrange" },
    { "cCusGSPAuthNo", "EdtcCusGSPAuthNo", -1, Rule::Text, "ccusgspauthno" },
    { "cCusGSPAuthRange", "EdtcCusGSPAuthRange", -1, Rule::Text, "ccusgspauthrange" },
    { "bRequestSign", "chkbRequestSign", -1, Rule::Check, nullptr },
    { "cCusCountryCode", "EdtcCusCountryCode", -1, Rule::Text, nullptr },
    { "cCusPortCode", "EdtcCusPortCode", -1, Rule::Text, nullptr },
    { "cPrimaryVen", "EdtcPrimaryVen", -1, Rule::Text, nullptr },
    { "cCusEnName", "EdtcCusEnName", -1, Rule::Text, nullptr },
    { "cCusEnAddr1", "EdtcCusEnAddr1", -1, Rule::Text, nullptr },
    { "cCusEnAddr2", "EdtcCusEnAddr2", -1, Rule::Text, nullptr },
    { "cCusEnAddr3", "EdtcCusEnAddr3", -1, Rule::Text, nullptr },
    { "cCusEnAddr4", "EdtcCusEnAddr4", -1, Rule::Text, nullptr },
    { "fCommisionRate", "EdtfCommisionRate", -1, Rule::Text, nullptr },
    { "fInsueRate", "EdtfInsueRate", -1, Rule::Text, nullptr },
    { "bHomeBranch", "ChkbHomeBranch", -1, Rule::Check, nullptr },
    { "cBranchAddr", "EdtcBranchAddr", -1, Rule::Text, nullptr },
    { "cBranchPhone", "EdtcBranchPhone", -1, Rule::Text, nullptr },
    { "cBranchPerson", "EdtcBranchPerson", -1, Rule::Text, nullptr },
    { "cLocationSite", "EdtcLocationSite", -1, Rule::Text, nullptr },
    { "cLtcCustomerCode", "EdtcLtcCustomerCode", -1, Rule::Text, "cltccustomercode" },
    { "cLtcPerson", "EdtcLtcPerson", -1, Rule::Text, "cltcperson" },
    { "dLtcDate", "EdtdLtcDate", -1, Rule::Text, "dltcdate" },
    { "bTransFlag", "ChkbTransFlag", -1, Rule::NonZero, "btransflag" },
};

// The credit settings the save compares with what was loaded.
const QList<std::pair<QString, int>> kRememberedCredit = {
    { QStringLiteral("EdtcCusSAProtocol"), -1 },
    { QStringLiteral("EdtcCusExProtocol"), -1 },
    { QStringLiteral("EdtcCusCMProtocol"), -1 },
    { QStringLiteral("EdtcCusOtherProtocol"), -1 },
    { QStringLiteral("EdtcCusImportAgentProtocol"), -1 },
    { QStringLiteral("Edt"), 25 },
    { QStringLiteral("Edt"), 26 },
};

constexpr int kGroupPurchaseShop = 2;

// Dates show as the date edits take them: the day alone at midnight, else with the time.
QString textOf(const QVariant &value)
{
    if (value.isNull())
        return {};
    if (value.metaType() != QMetaType::fromType<QDateTime>())
        return value.toString();
    const QDateTime moment = value.toDateTime();
    return moment.toString(moment.time() == QTime(0, 0) ? QStringLiteral("yyyy-MM-dd")
                                                        : QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

bool isNonZero(const QVariant &value)
{
    const QString text = textOf(value).trimmed();
    if (text.isEmpty())
        return false;
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    return isNumber ? number != 0 : text.compare(u"false", Qt::CaseInsensitive) != 0;
}

} // namespace

CardRecordLoad::CardRecordLoad(CardFields &fields)
    : m_fields(fields)
{ }

CardRecordLoad::Outcome CardRecordLoad::loadRecord(const suite::RecordSet &record,
                                                   const Formatting &formatting, const Hooks &hooks)
{
    Outcome outcome;
    if (!record.IsOpen() || record.RecordCount() == 0)
        return outcome;
    for (const ColumnLoad &load : kColumns) {
        const QString column = QString::fromLatin1(load.column);
        const QString control = QString::fromLatin1(load.control);
        const QVariant value = record.Value(column);
        switch (load.rule) {
        case Rule::Text:
            m_fields.setText(control, load.index, textOf(value));
            break;
        case Rule::Number2:
            m_fields.setText(control, load.index, formatting.formatNumber(value, 2));
            break;
        case Rule::TaxRate:
            m_fields.setText(control, load.index,
                             formatting.formatNumber(value, formatting.taxRateDigits));
            break;
        case Rule::Check:
            m_fields.setChecked(control, !value.isNull() && value.toBool());
            break;
        case Rule::NonZero:
            m_fields.setChecked(control, isNonZero(value));
            break;
        case Rule::CostGrade:
            setCostGrade(value);
            break;
        case Rule::ShopKind:
            outcome = setShopKind(value.isNull() ? 0 : value.toInt());
            break;
        case Rule::ListIndex:
            m_fields.setListIndex(control, value.isNull() ? -1 : value.toInt());
            break;
        }
        if (column == u"iOfferRate" && hooks.afterOfferRate)
            hooks.afterOfferRate();
        else if (column == u"iCostGrade" && hooks.afterCostGrade)
            hooks.afterCostGrade();
        else if (column == u"cCusImAgentProtocol")
            rememberCreditSettings();
    }
    return outcome;
}

void CardRecordLoad::rememberCreditSettings()
{
    for (const QString &check : { QStringLiteral("ChkbCredit"), QStringLiteral("ChkbCreditDate") })
        m_fields.setTag(check, -1,
                        m_fields.isChecked(check) ? QStringLiteral("1") : QStringLiteral("0"));
    for (const auto &[control, index] : kRememberedCredit)
        m_fields.setTag(control, index, m_fields.text(control, index));
}

CardRecordLoad::Outcome CardRecordLoad::loadPreset(const suite::XmlElement &preset)
{
    Outcome outcome;
    for (const ColumnLoad &load : kColumns) {
        if (!load.element)
            continue;
        const QString element = QString::fromLatin1(load.element);
        const QString control = QString::fromLatin1(load.control);
        switch (load.rule) {
        case Rule::Check:
        case Rule::NonZero:
            m_fields.setChecked(control,
                                isNonZero(GetNodeText(preset, element, QStringLiteral("0"))));
            break;
        case Rule::CostGrade:
            setCostGrade(GetNodeText(preset, element, QStringLiteral("-1")));
            break;
        case Rule::ShopKind:
            outcome = setShopKind(GetNodeText(preset, element, QStringLiteral("0")).toInt());
            break;
        case Rule::ListIndex:
            m_fields.setListIndex(control,
                                  GetNodeText(preset, element, QStringLiteral("0")).toInt());
            break;
        default:
            m_fields.setText(control, load.index, GetNodeText(preset, element, QString()));
        }
    }
    m_fields.setText(QStringLiteral("Text1"), 1,
                     GetNodeText(preset, QStringLiteral("cdcname"), QString()));
    loadDatedGroup(preset, QStringLiteral("ChkbLicenceDate"), QStringLiteral("blicencedate"),
                   { QStringLiteral("EdtiLicenceADays"), QStringLiteral("EdtdLicenceSDate"),
                     QStringLiteral("EdtdLicenceEDate") },
                   { QStringLiteral("ilicenceadays"), QStringLiteral("dlicencesdate"),
                     QStringLiteral("dlicenceedate") });
    loadDatedGroup(preset, QStringLiteral("ChkbBusinessDate"), QStringLiteral("bbusinessdate"),
                   { QStringLiteral("EdtiBusinessADays"), QStringLiteral("EdtdBusinessSDate"),
                     QStringLiteral("EdtdBusinessEDate") },
                   { QStringLiteral("ibusinessadays"), QStringLiteral("dbusinesssdate"),
                     QStringLiteral("dbusinessedate") });
    loadDatedGroup(preset, QStringLiteral("ChkbProxy"), QStringLiteral("bproxy"),
                   { QStringLiteral("EdtiProxyADays"), QStringLiteral("EdtdProxySDate"),
                     QStringLiteral("EdtdProxyEDate") },
                   { QStringLiteral("iproxyadays"), QStringLiteral("dproxysdate"),
                     QStringLiteral("dproxyedate") });
    return outcome;
}

// A dated group (licence, business licence, proxy) holds its day count and dates only while
// its check box is set.
void CardRecordLoad::loadDatedGroup(const suite::XmlElement &preset, const QString &checkControl,
                                    const QString &checkElement, const QStringList &controls,
                                    const QStringList &elements)
{
    const bool set = isNonZero(GetNodeText(preset, checkElement, QStringLiteral("0")));
    m_fields.setChecked(checkControl, set);
    for (int field = 0; field < controls.size(); ++field) {
        m_fields.setText(controls.at(field), -1,
                         set ? GetNodeText(preset, elements.at(field), QString()) : QString());
    }
}

void CardRecordLoad::lookUpRegionCodes(suite::IClsCommon &service)
{
    const QString city = m_fields.text(QStringLiteral("EdtcCity"));
    const QString province = m_fields.text(QStringLiteral("EdtcProvince"));
    if (!m_fields.tag(QStringLiteral("EdtcCity")).isEmpty()
        && !m_fields.tag(QStringLiteral("EdtcProvince")).isEmpty())
        return;
    if (!city.isEmpty()) {
        const suite::RecordSet found = service.OpenX(
            QStringLiteral("select  top 1 ccodeID,isnull(cpCodeID,'') as cpCodeID  from HR_CT007 "
                           " where vsimpleName  ='%1'")
                .arg(suite::sqlQuote(city)));
        if (found.IsOpen() && found.RecordCount() > 0) {
            m_fields.setTag(QStringLiteral("EdtcCity"), -1,
                            textOf(found.Value(QStringLiteral("ccodeID"))));
            m_fields.setTag(QStringLiteral("EdtcProvince"), -1,
                            textOf(found.Value(QStringLiteral("cpCodeID"))));
        }
    } else if (!province.isEmpty()) {
        const suite::RecordSet found = service.OpenX(
            QStringLiteral("select  top 1 ccodeID,isnull(cpCodeID,'') as cpCodeID  from HR_CT007 "
                           " where vdescription  ='%1'")
                .arg(suite::sqlQuote(province)));
        if (found.IsOpen() && found.RecordCount() > 0) {
            m_fields.setTag(QStringLiteral("EdtcProvince"), -1,
                            textOf(found.Value(QStringLiteral("ccodeID"))));
        }
    }
}

QString CardRecordLoad::GetNodeText(const suite::XmlElement &element, const QString &name,
                                    const QString &defaultValue)
{
    if (element.isNull() || name.isEmpty())
        return defaultValue;
    const suite::XmlElement child = element.firstChildElement(name.toLower());
    return child.isNull() ? defaultValue : child.text();
}

void CardRecordLoad::setCostGrade(const QVariant &value)
{
    const QVariant grade = value.isNull() ? QVariant(-1) : value;
    m_fields.setListIndex(QStringLiteral("cboJgJb"),
                          m_fields.indexOfItemData(QStringLiteral("cboJgJb"), grade.toInt()));
}

CardRecordLoad::Outcome CardRecordLoad::setShopKind(int kind)
{
    m_fields.setListIndex(QStringLiteral("cmbbshop"), kind);
    return { kind == kGroupPurchaseShop };
}

CardNavigation cardNavigation(int gridRows, int row)
{
    CardNavigation navigation;
    navigation.row = qBound(1, row, qMax(1, gridRows - 1));
    if (gridRows <= 2)
        return navigation;
    navigation.first = navigation.previous = navigation.row > 1;
    navigation.next = navigation.last = navigation.row < gridRows - 1;
    return navigation;
}

int cardMoveRow(const QString &key, int row, int gridRows)
{
    const int lastRow = qMax(1, gridRows - 1);
    const QString command = key.toLower();
    if (command == u"first")
        return 1;
    if (command == u"previous")
        return qMax(1, row - 1);
    if (command == u"next")
        return qMin(row + 1, lastRow);
    if (command == u"last")
        return lastRow;
    return row;
}

QString currentRecordStatement(const QString &extraFields, const QString &code,
                               const QString &customerColumns)
{
    return QStringLiteral("select top 1 ") + extraFields + customerColumns
        + QStringLiteral(" from customer a left join Customer_extradefine b on "
                         "a.cCusCode=b.cCusCode where a.cCuscode='")
        + suite::sqlQuote(code) + u'\'';
}

} // namespace customer
