#include "suite/ref/ReferenceCatalogue.h"

namespace suite {

namespace {

// Captions are shared by every reference that shows the same column.
ReferenceColumn column(const char *field)
{
    const QString name = QString::fromLatin1(field);
    return { name, QStringLiteral("Tarn.AA.REF.FIELD.") + name.toLower() };
}

ReferenceDefinition reference(const QString &id, const QString &table, const QString &code,
                              const QString &name, const QString &value,
                              QList<ReferenceColumn> columns)
{
    return { id,
             table,
             code,
             name,
             value,
             std::move(columns),
             QStringLiteral("Tarn.AA.REF.TITLE.") + id.toLower() };
}

} // namespace

const QList<ReferenceDefinition> &referenceDefinitions()
{
    static const QList<ReferenceDefinition> definitions{
        reference(QStringLiteral("CustomerClass_AA"), QStringLiteral("CustomerClass"),
                  QStringLiteral("cCCCode"), QStringLiteral("cCCName"), QStringLiteral("cCCCode"),
                  { column("cCCCode"), column("cCCName"), column("iCCGrade") }),
        reference(QStringLiteral("DistrictClass_AA"), QStringLiteral("DistrictClass"),
                  QStringLiteral("cDCCode"), QStringLiteral("cDCName"), QStringLiteral("cDCCode"),
                  { column("cDCCode"), column("cDCName"), column("iDCGrade") }),
        reference(QStringLiteral("Customer_AA"), QStringLiteral("Customer"),
                  QStringLiteral("cCusCode"), QStringLiteral("cCusName"),
                  QStringLiteral("cCusCode"),
                  { column("cCusCode"), column("cCusName"), column("cCusAbbName") }),
        reference(QStringLiteral("ForeignCurrency_AA"), QStringLiteral("foreigncurrency"),
                  QStringLiteral("cexch_code"), QStringLiteral("cexch_name"),
                  QStringLiteral("cexch_name"), { column("cexch_code"), column("cexch_name") }),
        reference(QStringLiteral("Vendor_AA"), QStringLiteral("Vendor"), QStringLiteral("cVenCode"),
                  QStringLiteral("cVenName"), QStringLiteral("cVenCode"),
                  { column("cVenCode"), column("cVenName"), column("cVenAbbName") }),
        reference(QStringLiteral("CustomerRank_CS"), QStringLiteral("CustomerRank"),
                  QStringLiteral("cCusRankCode"), QStringLiteral("cCusRankName"),
                  QStringLiteral("cCusRankCode"),
                  { column("cCusRankCode"), column("cCusRankName") }),
        reference(QStringLiteral("TradeClass_CS"), QStringLiteral("TradeClass"),
                  QStringLiteral("cTradeCCode"), QStringLiteral("cTradeCName"),
                  QStringLiteral("cTradeCCode"),
                  { column("cTradeCCode"), column("cTradeCName"), column("iTradeCGrade") }),
        reference(
            QStringLiteral("CusDeliverAdd_AA"), QStringLiteral("CusDeliverAdd"),
            QStringLiteral("cAddCode"), QStringLiteral("cDeliverAdd"), QStringLiteral("cAddCode"),
            { column("cAddCode"), column("cDeliverAdd"), column("cLinkPerson"), column("cPhone") }),
        reference(QStringLiteral("Department_AA"), QStringLiteral("Department"),
                  QStringLiteral("cDepCode"), QStringLiteral("cDepName"),
                  QStringLiteral("cDepCode"), { column("cDepCode"), column("cDepName") }),
        reference(QStringLiteral("Person_AA"), QStringLiteral("Person"),
                  QStringLiteral("cPersonCode"), QStringLiteral("cPersonName"),
                  QStringLiteral("cPersonCode"),
                  { column("cPersonCode"), column("cPersonName"), column("cDepCode") }),
        reference(QStringLiteral("Contact_CS"), QStringLiteral("Crm_Contact"),
                  QStringLiteral("cContactCode"), QStringLiteral("cContactName"),
                  QStringLiteral("cContactCode"),
                  { column("cContactCode"), column("cContactName"), column("cMobilePhone"),
                    column("cCusCode") }),
        reference(QStringLiteral("SettleStyle_AA"), QStringLiteral("SettleStyle"),
                  QStringLiteral("cSSCode"), QStringLiteral("cSSName"), QStringLiteral("cSSCode"),
                  { column("cSSCode"), column("cSSName") }),
        reference(QStringLiteral("ShippingChoice_AA"), QStringLiteral("ShippingChoice"),
                  QStringLiteral("cSCCode"), QStringLiteral("cSCName"), QStringLiteral("cSCCode"),
                  { column("cSCCode"), column("cSCName") }),
        reference(QStringLiteral("Warehouse_AA"), QStringLiteral("Warehouse"),
                  QStringLiteral("cWhCode"), QStringLiteral("cWhName"), QStringLiteral("cWhCode"),
                  { column("cWhCode"), column("cWhName") }),
        reference(QStringLiteral("Paycondition_AA"), QStringLiteral("PayCondition"),
                  QStringLiteral("cPayCode"), QStringLiteral("cPayName"),
                  QStringLiteral("cPayCode"), { column("cPayCode"), column("cPayName") }),
        reference(QStringLiteral("tc_type_AA"), QStringLiteral("tc_type"),
                  QStringLiteral("type_code"), QStringLiteral("type_name"),
                  QStringLiteral("type_code"), { column("type_code"), column("type_name") }),
        reference(QStringLiteral("AA_Agreement_AA"), QStringLiteral("AA_Agreement"),
                  QStringLiteral("cCode"), QStringLiteral("cName"), QStringLiteral("cCode"),
                  { column("cCode"), column("cName"), column("iLZYJ") }),
        reference(QStringLiteral("EX_REFER_NATION_EX"), QStringLiteral("EX_Nation"),
                  QStringLiteral("cNationCode"), QStringLiteral("cNationName"),
                  QStringLiteral("cNationCode"),
                  { column("cNationCode"), column("cNationName"), column("cNationEnName") }),
        reference(QStringLiteral("ex_port_ex"), QStringLiteral("EX_Port"),
                  QStringLiteral("cPortCode"), QStringLiteral("cPortName"),
                  QStringLiteral("cPortCode"),
                  { column("cPortCode"), column("cPortName"), column("cNationCode") }),
        reference(QStringLiteral("hr_ct007_AA"), QStringLiteral("HR_CT007"),
                  QStringLiteral("ccodeID"), QStringLiteral("vsimpleName"),
                  QStringLiteral("ccodeID"),
                  { column("ccodeID"), column("vsimpleName"), column("vdescription") }),
        reference(QStringLiteral("Bank_AA"), QStringLiteral("AA_Bank"), QStringLiteral("cBankCode"),
                  QStringLiteral("cBankName"), QStringLiteral("cBankCode"),
                  { column("cBankCode"), column("cBankName") }),
    };
    return definitions;
}

QString referenceIdOfKey(const QString &refKey)
{
    static const QString marker = QStringLiteral("refid=");
    const qsizetype at = refKey.lastIndexOf(marker, -1, Qt::CaseInsensitive);
    QString id = at < 0 ? refKey : refKey.mid(at + marker.size());
    const qsizetype end = id.indexOf(u'&');
    if (end >= 0)
        id.truncate(end);
    return id.trimmed();
}

const ReferenceDefinition *findReference(const QString &refKey)
{
    const QString id = referenceIdOfKey(refKey);
    for (const ReferenceDefinition &definition : referenceDefinitions()) {
        if (definition.id.compare(id, Qt::CaseInsensitive) == 0)
            return &definition;
    }
    return nullptr;
}

} // namespace suite
