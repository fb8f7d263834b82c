#include "card/CardRecordXml.h"

#include "catalogue/UnreadableFields.h"
#include "entry/SessionContext.h"
#include "suite/core/SqlQuote.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

#include <span>

namespace customer {

namespace {

enum class Kind { Text, Check, ListIndex };

// One element written straight from one control.
struct FieldElement
{
    const char *name;
    const char *control;
    int index;
    Kind kind = Kind::Text;
};

constexpr const char *kEdt = "Edt";

constexpr FieldElement kNames[] = {
    { "CCusCode", kEdt, 0 },
    { "CCusName", kEdt, 1 },
    { "CCusAbbName", kEdt, 2 },
};

constexpr FieldElement kClasses[] = {
    { "cCCCode", kEdt, 3 }, { "cDCCode", kEdt, 4 },     { "cCusHeadCode", kEdt, 5 },
    { "cTrade", kEdt, 6 },  { "cCusRegCode", kEdt, 7 }, { "cCusLPerson", kEdt, 8 },
};

constexpr FieldElement kContactAndTrade[] = {
    { "cCusPostCode", kEdt, 12 },
    { "cCusPerson", kEdt, 13 },
    { "cCusEmail", kEdt, 14 },
    { "cCusPhone", kEdt, 15 },
    { "cCusFax", kEdt, 16 },
    { "cCusBP", kEdt, 17 },
    { "cLocationSite", "EdtcLocationSite", -1 },
    { "cCusHand", kEdt, 18 },
    { "cCusSSCode", "EdtcCusSSCode", -1 },
    { "cCusOType", kEdt, 20 },
    { "cCusWhCode", kEdt, 21 },
    { "iARMoney", kEdt, 22 },
    { "iCusDisRate", kEdt, 23 },
    { "cCusCreGrade", kEdt, 24 },
    { "iCusCreLine", kEdt, 25 },
    { "iCusCreDate", kEdt, 26 },
    { "cCusPayCond", kEdt, 27 },
    { "cCusMngTypeCode", "EdtCusMngTypeCode", -1 },
    { "iLastMoney", kEdt, 28 },
    { "iLRMoney", kEdt, 29 },
};

constexpr FieldElement kSalesperson[] = {
    { "cCusPPerson", kEdt, 31 },
    { "iFrequency", kEdt, 32 },
};

constexpr FieldElement kPricesAndDates[] = {
    { "cPriceGroup", "EdtcPriceGroup", -1 },
    { "cOfferGrade", "EdtcOfferGrade", -1 },
    { "iOfferRate", "EdtiOfferRate", -1 },
    { "dRecentlyContractTime", "EdtdRecentlyContractTime", -1 },
    { "dTouchedTime", "EdtdTouchedTime", -1 },
    { "dLastDate", "EdtDTPicker1", 0 },
    { "dLRDate", "EdtDTPicker1", 1 },
    { "dCusDevDate", "EdtDTPicker1", 2 },
    { "dEndDate", "EdtDTPicker1", 3 },
};

constexpr FieldElement kRest[] = {
    { "CustomerKCode", "EdtCustomerKCode", -1 },
    { "cCusTradeCCode", kEdt, 6 },
    { "cCusExch_name", "EdtcCusExch_name", -1 },
    { "cProvince", "EdtcProvince", -1 },
    { "cCity", "EdtcCity", -1 },
    { "cCounty", "EdtcCounty", -1 },
    { "cCreditAddCode", "EdtcCreditAddCode", -1 },
    { "cRegCash", "EdtcRegCash", -1 },
    { "dDepBeginDate", kEdt, 36 },
    { "iEmployeeNum", "EdtiEmployeeNum", -1 },
    { "cURL", "EdtcURL", -1 },
    { "bCusDomestic", "chkbCusDomestic", -1, Kind::Check },
    { "bCusOverseas", "chkbCusOverseas", -1, Kind::Check },
    { "bServiceAttribute", "chkbServiceAttribute", -1, Kind::Check },
    { "bCredit", "ChkbCredit", -1, Kind::Check },
    { "bCreditDate", "ChkbCreditDate", -1, Kind::Check },
    { "bLimitSale", "ChkbLimitSale", -1, Kind::Check },
    { "cCusCreditCompany", "EdtcCusCreditCompany", -1 },
    { "cCusSAProtocol", "EdtcCusSAProtocol", -1 },
    { "cCusExProtocol", "EdtcCusExProtocol", -1 },
    { "cCusCMProtocol", "EdtcCusCMProtocol", -1 },
    { "cCusOtherProtocol", "EdtcCusOtherProtocol", -1 },
    { "cCusImAgentProtocol", "EdtcCusImportAgentProtocol", -1 },
    { "cMemo", "EdtcMemo", -1 },
    { "bShop", "cmbbshop", -1, Kind::ListIndex },
    { "bOnGPinStore", "chkbOnGPinStore", -1, Kind::Check },
    { "bCusState", "ChkbCusState", -1, Kind::Check },
    { "fCusDiscountRate", "EdtfCusDiscountRate", -1 },
    { "iCusTaxRate", "EdtiCusTaxRate", -1 },
    { "fAdvancePaymentRatio", "EdtfAdvancePaymentRatio", -1 },
    { "iLicenceADays", "EdtiLicenceADays", -1 },
    { "dLicenceSDate", "EdtdLicenceSDate", -1 },
    { "dLicenceEDate", "EdtdLicenceEDate", -1 },
    { "iBusinessADays", "EdtiBusinessADays", -1 },
    { "dBusinessSDate", "EdtdBusinessSDate", -1 },
    { "dBusinessEDate", "EdtdBusinessEDate", -1 },
    { "iProxyADays", "EdtiProxyADays", -1 },
    { "dProxySDate", "EdtdProxySDate", -1 },
    { "dProxyEDate", "EdtdProxyEDate", -1 },
    { "iCusGSPADays", "EdtiCusGSPADays", -1 },
    { "dCusGSPSDate", "EdtdCusGSPSDate", -1 },
    { "dCusGSPEDate", "EdtdCusGSPEDate", -1 },
    { "iCusGSPType", "CmbiCusGSPType", -1, Kind::ListIndex },
    { "cLicenceNo", "EdtcLicenceNo", -1 },
    { "cLicenceRange", "EdtcLicenceRange", -1 },
    { "cCusBusinessNo", "EdtcCusBusinessNo", -1 },
    { "cCusBusinessRange", "EdtcCusBusinessRange", -1 },
    { "cCusGSPAuthNo", "EdtcCusGSPAuthNo", -1 },
    { "cCusGSPAuthRange", "EdtcCusGSPAuthRange", -1 },
    // Written twice on purpose: the record format carries the GSP end date in both places.
    { "dCusGSPEDate", "EdtdCusGSPEDate", -1 },
    { "bRequestSign", "chkbRequestSign", -1, Kind::Check },
    { "cCusCountryCode", "EdtcCusCountryCode", -1 },
    { "cCusPortCode", "EdtcCusPortCode", -1 },
    { "cPrimaryVen", "EdtcPrimaryVen", -1 },
    { "cCusEnName", "EdtcCusEnName", -1 },
    { "cCusEnAddr1", "EdtcCusEnAddr1", -1 },
    { "cCusEnAddr2", "EdtcCusEnAddr2", -1 },
    { "cCusEnAddr3", "EdtcCusEnAddr3", -1 },
    { "cCusEnAddr4", "EdtcCusEnAddr4", -1 },
    { "fCommisionRate", "EdtfCommisionRate", -1 },
    { "fInsueRate", "EdtfInsueRate", -1 },
    { "bHomeBranch", "ChkbHomeBranch", -1, Kind::Check },
    { "cBranchAddr", "EdtcBranchAddr", -1 },
    { "cBranchPhone", "EdtcBranchPhone", -1 },
    { "cBranchPerson", "EdtcBranchPerson", -1 },
};

QString flag(bool set)
{
    return set ? QStringLiteral("1") : QStringLiteral("0");
}

QString valueOf(const CardFields &fields, const FieldElement &element)
{
    const QString control = QLatin1StringView(element.control);
    switch (element.kind) {
    case Kind::Check:
        return flag(fields.isChecked(control));
    case Kind::ListIndex: {
        // Nothing chosen is written empty, so that a column without a value keeps none.
        const int index = fields.listIndex(control);
        return index < 0 ? QString() : QString::number(index);
    }
    case Kind::Text:
        break;
    }
    return fields.text(control, element.index);
}

void appendFields(const CardFields &fields, std::span<const FieldElement> elements, QString &xml)
{
    for (const FieldElement &element : elements)
        AppendElement(QLatin1StringView(element.name), valueOf(fields, element), xml);
}

QString firstValue(suite::IClsCommon &service, const QString &sql, const QString &column)
{
    const suite::RecordSet rows = service.OpenX(sql);
    if (!rows.IsOpen() || rows.RecordCount() == 0)
        return {};
    return rows.Value(column).toString();
}

} // namespace

CardRecordInputs CardRecordInputs::fromSession()
{
    CardRecordInputs inputs;
    inputs.web = g_bIsWeb;
    inputs.userName = g_cUserName;
    inputs.userId = g_cUserId;
    inputs.sessionServerTime = g_DbSrvDate;
    inputs.serverTimeNow = fetchSessionServerTime;
    inputs.autoMnemonicCode = g_bAutoMnemCode;
    inputs.service = g_oSrv;
    inputs.unreadableFields = customer::unreadableFields();
    return inputs;
}

// The record is handed to an XML parser on the way to the database, so values are escaped even
// though the archive's record format itself inserts them as they are: a plain value comes out
// the same, a value holding '&', '<' or '>' no longer spoils the whole record.
void AppendElement(const QString &name, const QString &value, QString &sXML)
{
    sXML += u'<' + name + u'>' + suite::escapeXmlText(value) + QStringLiteral("</") + name + u'>';
}

QString fetchSessionServerTime()
{
    if (g_oPub)
        g_DbSrvDate = g_oPub->GetSrvTime(g_oSrv);
    return g_DbSrvDate;
}

CardRecordXml::CardRecordXml(CardFields &fields, const CardRecordInputs &inputs)
    : m_fields(fields)
    , m_inputs(inputs)
{ }

QString CardRecordXml::WriteXML()
{
    QString xml = startTag();
    appendFields(m_fields, kNames, xml);
    AppendElement(QStringLiteral("cCusMnemCode"), mnemonicCode(), xml);
    appendFields(m_fields, kClasses, xml);
    appendFragment(QStringLiteral("cCusBank"), m_inputs.bankXml, xml);
    appendFragment(QStringLiteral("cCusOAddress"), m_inputs.addressXml, xml);
    appendAddress(xml);
    appendFields(m_fields, kContactAndTrade, xml);
    AppendElement(QStringLiteral("cCusDepart"), departmentFromSalesperson(), xml);
    appendFields(m_fields, kSalesperson, xml);
    appendAudit(xml);
    AppendElement(QStringLiteral("cRelVendor"), m_fields.text(QStringLiteral("EdtVenCode")), xml);
    xml += m_inputs.userDefinedXml;
    appendFields(m_fields, kPricesAndDates, xml);
    AppendElement(QStringLiteral("iCostGrade"), costGrade(), xml);
    AppendElement(QStringLiteral("cUserId"), m_inputs.userId, xml);
    xml += m_inputs.invoiceXml + m_inputs.personXml + m_inputs.rightsXml;
    appendFields(m_fields, kRest, xml);
    appendPicture(xml);
    xml += m_inputs.attachmentXml + QStringLiteral("</Customer>");
    return withoutUnreadableElements(xml);
}

// The control of such a field shows nothing; its empty text written back would blank the value.
QString CardRecordXml::withoutUnreadableElements(const QString &xml) const
{
    suite::XmlDocument record;
    if (m_inputs.unreadableFields.isEmpty() || !record.loadXml(xml))
        return xml;
    suite::XmlElement root = record.documentElement();
    for (const suite::XmlElement &element : root.childElements()) {
        if (m_inputs.unreadableFields.contains(element.name().toLower()))
            root.removeChild(element);
    }
    return root.xml();
}

// The dialogs' fragments are XML themselves and go in as they are; an empty one (the dialog
// was not used) leaves an empty element, which the data service takes as "unchanged".
void CardRecordXml::appendFragment(const QString &name, const QString &fragment, QString &xml)
{
    xml += u'<' + name + u'>' + fragment + QStringLiteral("</") + name + u'>';
}

// The contact's person code rides as an attribute, so it is escaped for a quoted attribute.
QString CardRecordXml::startTag() const
{
    QString tag = QStringLiteral("<Customer bCreateBillNum='%1' bManualChangeCode='%2'")
                      .arg(flag(m_inputs.autoCode), flag(m_inputs.codeTyped));
    const QString personCode = m_fields.tag(QStringLiteral("Edt"), 13);
    if (!personCode.isEmpty())
        tag += QStringLiteral(" cCusPersonCode='") + suite::escapeXmlAttribute(personCode) + u'\'';
    return tag + u'>';
}

QString CardRecordXml::mnemonicCode() const
{
    const QString typed = m_fields.text(QStringLiteral("EdtcCusMnemCode"));
    if (!typed.isEmpty() || !m_inputs.autoMnemonicCode || !m_inputs.service)
        return typed;
    return m_inputs.service->GetMnemCode(m_fields.text(QStringLiteral("Edt"), 1));
}

// Delivery addresses that carry their own GUIDs hold the customer's address themselves, so the
// customer's own address and GUID are left empty then.
void CardRecordXml::appendAddress(QString &xml) const
{
    if (!m_inputs.addressXml.isEmpty()) {
        suite::XmlDocument addresses;
        if (addresses.loadXml(m_inputs.addressXml)
            && !addresses.selectSingleNode(QStringLiteral("//Addr/GUID")).isNull()) {
            AppendElement(QStringLiteral("cCusAddress"), QString(), xml);
            AppendElement(QStringLiteral("cCusAddressGUID"), QString(), xml);
            return;
        }
    }
    const QString address = m_fields.text(QStringLiteral("Edt"), 11);
    AppendElement(QStringLiteral("cCusAddress"), address, xml);
    AppendElement(QStringLiteral("cCusAddressGUID"), addressGuid(address), xml);
}

QString CardRecordXml::addressGuid(const QString &address) const
{
    if (address.isEmpty())
        return storedAddressGuid();
    if (m_inputs.state == 1)
        return newGuid();
    const QString stored = storedAddressGuid();
    return stored.isEmpty() ? newGuid() : stored;
}

QString CardRecordXml::storedAddressGuid() const
{
    if (!m_inputs.service)
        return {};
    return firstValue(*m_inputs.service,
                      QStringLiteral("select cCusAddressGUID  from Customer where cCusCode ='")
                          + suite::sqlQuote(code()) + u'\'',
                      QStringLiteral("cCusAddressGUID"));
}

QString CardRecordXml::newGuid() const
{
    if (!m_inputs.service)
        return {};
    return firstValue(*m_inputs.service, QStringLiteral("select  NEWID()as GUID"),
                      QStringLiteral("guid"));
}

QString CardRecordXml::departmentFromSalesperson()
{
    const QString department = m_fields.text(QStringLiteral("Edt"), 30);
    const QString person = m_fields.text(QStringLiteral("Edt"), 31);
    if (!department.isEmpty() || person.isEmpty() || !m_inputs.service)
        return department;
    const QString filled =
        firstValue(*m_inputs.service,
                   QStringLiteral("select cDepCode from Person where cPersonCode='")
                       + suite::sqlQuote(person) + u'\'',
                   QStringLiteral("cDepCode"));
    if (!filled.isEmpty())
        m_fields.setText(QStringLiteral("Edt"), 30, filled);
    return filled;
}

void CardRecordXml::appendAudit(QString &xml) const
{
    if (m_inputs.state == 1) {
        AppendElement(QStringLiteral("CCreatePerson"), m_inputs.userName, xml);
        AppendElement(QStringLiteral("dCusCreateDatetime"), m_inputs.sessionServerTime, xml);
    }
    AppendElement(QStringLiteral("cModifyPerson"), m_inputs.userName, xml);
    const QString now = m_inputs.serverTimeNow ? m_inputs.serverTimeNow() : QString();
    AppendElement(QStringLiteral("dModifyDate"), now, xml);
}

QString CardRecordXml::costGrade() const
{
    const QString grades = QStringLiteral("cboJgJb");
    const QVariant data = m_fields.itemData(grades);
    if (m_fields.listIndex(grades) < 0 || !data.isValid())
        return QStringLiteral("-1");
    return QString::number(data.toLongLong());
}

void CardRecordXml::appendPicture(QString &xml) const
{
    if (!m_inputs.writePicture || !m_inputs.service)
        return;
    const suite::RecordSet stored = m_inputs.service->OpenX(
        QStringLiteral("select Picture, cpicturetype from customer inner join AA_Picture on "
                       "customer.PictureGUID=AA_Picture.cGUID where cCusCode='")
        + suite::sqlQuote(code()) + u'\'');
    QString data;
    QString type;
    if (!m_inputs.writePicture(stored, m_inputs.web, data, type))
        return;
    xml += QStringLiteral("<bCopy>0</bCopy><PictureGUID bXML='")
        + (m_inputs.web ? QStringLiteral("True") : QStringLiteral("False")) + QStringLiteral("'>")
        + data + QStringLiteral("</PictureGUID><cPictureType >") + suite::escapeXmlText(type)
        + QStringLiteral("</cPictureType>");
}

QString CardRecordXml::code() const
{
    return m_fields.text(QStringLiteral("Edt"), 0);
}

} // namespace customer
