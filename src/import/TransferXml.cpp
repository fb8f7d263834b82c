#include "import/TransferXml.h"

#include "suite/core/XmlDocument.h"

namespace customer {

namespace {

constexpr int kAdd = 1;

class Writer
{
public:
    explicit Writer(const StagingRow &row)
        : m_row(row)
    { }

    void element(const QString &name, const QString &value)
    {
        m_xml += u'<' + name + u'>' + suite::escapeXmlAttribute(value) + QStringLiteral("</") + name
            + u'>';
    }

    void present(const char *field) { presentAs(field, field); }

    void presentAs(const char *element, const char *field)
    {
        const QString name = QLatin1StringView(field);
        if (m_row.has(name))
            this->element(QLatin1StringView(element), m_row.value(name));
    }

    void presentEach(std::initializer_list<const char *> fields)
    {
        for (const char *field : fields)
            present(field);
    }

    // The row's value, or the fall-back when the row has none; no element when both are empty.
    void orElse(const char *field, const QString &fallback)
    {
        const QString name = QLatin1StringView(field);
        const QString value = m_row.has(name) ? m_row.value(name) : fallback;
        if (!value.isEmpty())
            element(name, value);
    }

    void raw(const QString &text) { m_xml += text; }
    QString xml() const { return m_xml; }

private:
    const StagingRow &m_row;
    QString m_xml;
};

QString startTag(const StagingRow &row, bool bLtcFlag)
{
    QString tag = QStringLiteral("<Customer bCreateBillNum='1' bManualChangeCode='1'");
    if (bLtcFlag && row.has(QStringLiteral("cLtcCustomerCode")))
        tag += QStringLiteral(" bLtcFlag='1' bTranLtc='0'");
    if (row.has(QStringLiteral("cCusPerson")))
        tag += QStringLiteral(" cCusPersonCode='")
            + suite::escapeXmlAttribute(row.value(QStringLiteral("cCusPerson"))) + u'\'';
    return tag + u'>';
}

} // namespace

QString transferXml(const StagingRow &row, int opt, bool bLtcFlag, const TransferXmlContext &ctx)
{
    const QString ownCode = bLtcFlag ? row.value(QStringLiteral("cLtcCustomerCode"))
                                     : row.value(QStringLiteral("cCusCode"));
    Writer xml(row);
    xml.raw(startTag(row, bLtcFlag));
    xml.element(QStringLiteral("CCusCode"), ownCode);
    xml.presentAs("CCusName", "cCusName");
    if (row.has(QStringLiteral("cCusAbbName")))
        xml.element(QStringLiteral("CCusAbbName"), row.value(QStringLiteral("cCusAbbName")));
    else if (row.has(QStringLiteral("cCusName")))
        xml.element(QStringLiteral("CCusAbbName"), row.value(QStringLiteral("cCusName")));
    if (bLtcFlag)
        xml.element(QStringLiteral("cLtcCustomerCode"),
                    row.value(QStringLiteral("cLtcCustomerCode")));
    xml.presentEach({ "cCusMnemCode", "cCCCode", "cDCCode", "cCusHeadCode", "cTrade", "cCusAddress",
                      "cCusPostCode", "cCusPerson", "cCusEmail", "cCusPhone", "cCusFax", "cCusHand",
                      "iCusDisRate", "cCusCreGrade", "iCusCreLine", "iCusCreDate" });
    xml.orElse("cCusMngTypeCode", ctx.defaultManagementType);
    xml.presentEach({ "cCusDepart", "cCusPPerson" });
    if (opt == kAdd) {
        xml.element(QStringLiteral("CCreatePerson"), ctx.userName);
        xml.element(QStringLiteral("dCusCreateDatetime"), ctx.serverTime);
    }
    xml.element(QStringLiteral("cModifyPerson"), ctx.userName);
    xml.element(QStringLiteral("dModifyDate"), ctx.serverTime);
    xml.present("cRelVendor");
    xml.orElse("dCusDevDate", row.value(QStringLiteral("dCusCreateDatetime")));
    xml.raw(QStringLiteral("<iCostGrade>-1</iCostGrade>"));
    xml.element(QStringLiteral("cUserId"), ctx.userId);
    xml.presentEach({ "CustomerKCode", "cCusTradeCCode" });
    xml.orElse("cCusExch_name", ctx.accountCurrency);
    xml.presentEach({ "bCusDomestic", "bCusOverseas", "bServiceAttribute", "bCredit", "bCreditDate",
                      "bLimitSale" });
    xml.orElse("cCusCreditCompany", ownCode);
    xml.presentEach({ "cCusSAProtocol", "cCusExProtocol", "cCusCMProtocol", "cCusOtherProtocol",
                      "cCusImAgentProtocol", "cMemo" });
    xml.raw(QStringLiteral("<bShop>0</bShop>"));
    xml.presentEach(
        { "bOnGPinStore", "bCusState", "bRequestSign", "bHomeBranch", "cLocationSite" });
    xml.raw(QStringLiteral("</Customer>"));
    return xml.xml();
}

} // namespace customer
