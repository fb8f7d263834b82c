#include "import/StagingReferences.h"

#include "entry/SessionContext.h"
#include "suite/data/IClsCommon.h"

namespace customer {

namespace {

// Codes kept per column; a file with more distinct codes than this starts afresh.
constexpr qsizetype kMaxKnownCodes = 4096;

struct Reference
{
    const char *column;
    const char *select;
    const QString *rights; // a data-rights clause of the session, appended when set
};

const Reference kReferences[] = {
    { "cCCCode", "select top 1 1 from CustomerClass where bCCEnd=1 and cCCCode=@code", nullptr },
    { "cDCCode", "select top 1 1 from DistrictClass where cDCCode=@code", nullptr },
    { "cCusDepart", "select top 1 1 from Department where bDepEnd=1 and cDepCode=@code",
      &g_sRowAuthDept },
    { "cCusPPerson", "select top 1 1 from Person where cPersonCode=@code", &g_sRowAuthPerson },
    { "cCusExch_name", "select top 1 1 from foreigncurrency where cexch_name=@code", nullptr },
    // The customer rights of the session are those of the list that imports, which may be the
    // staging list's own; a head office or credit company only has to exist.
    { "cCusHeadCode", "select top 1 1 from Customer where cCusCode=@code", nullptr },
    { "cCusCreditCompany", "select top 1 1 from Customer where cCusCode=@code", nullptr },
    { "cCusWhCode", "select top 1 1 from Warehouse where cWhCode=@code", &g_sRowAuthWarehouse },
    { "cCusPayCond", "select top 1 1 from PayCondition where cPayCode=@code", nullptr },
    { "cCusOType", "select top 1 1 from ShippingChoice where cSCCode=@code", nullptr },
    { "cCusMngTypeCode",
      "select top 1 1 from tc_type where stop_flag=0 and obj_type=1 and type_code=@code", nullptr },
    { "cCusTradeCCode", "select top 1 1 from TradeClass where cTradeCCode=@code", nullptr },
    { "CustomerKCode", "select top 1 1 from CustomerRank where cCusRankCode=@code", nullptr },
    { "cCusCountryCode", "select top 1 1 from EX_Nation where cNationCode=@code", nullptr },
    { "cCusPortCode", "select top 1 1 from EX_Port where cPortCode=@code", nullptr },
    { "cCusBankCode", "select top 1 1 from AA_Bank where cBankCode=@code", nullptr },
    { "cPrimaryVen", "select top 1 1 from Vendor where cVenCode=@code", &g_sRowAuthVendor },
    { "cCusSSCode", "select top 1 1 from SettleStyle where bSSEnd=1 and cSSCode=@code", nullptr },
    { "cCusSAProtocol", "select top 1 1 from AA_Agreement where cCode=@code", nullptr },
    { "cCusExProtocol", "select top 1 1 from AA_Agreement where cCode=@code", nullptr },
    { "cCusCMProtocol", "select top 1 1 from AA_Agreement where cCode=@code", nullptr },
    { "cCusOtherProtocol", "select top 1 1 from AA_Agreement where cCode=@code", nullptr },
    { "cCusImAgentProtocol", "select top 1 1 from AA_Agreement where cCode=@code", nullptr },
};

const Reference *referenceOf(const QString &column)
{
    for (const Reference &reference : kReferences) {
        if (column.compare(QLatin1StringView(reference.column), Qt::CaseInsensitive) == 0)
            return &reference;
    }
    return nullptr;
}

} // namespace

StagingReferences::StagingReferences(suite::IClsCommon &service)
    : m_service(service)
{ }

bool StagingReferences::isReference(const QString &column)
{
    return referenceOf(column) != nullptr;
}

QString StagingReferences::statementOf(const QString &column)
{
    const Reference *reference = referenceOf(column);
    if (!reference)
        return {};
    QString sql =
        QStringLiteral("declare @code nvarchar(100)\r\n") + QLatin1StringView(reference->select);
    if (reference->rights && !reference->rights->isEmpty())
        sql += QStringLiteral(" and (") + *reference->rights + u')';
    return sql;
}

bool StagingReferences::exists(const QString &column, const QString &code)
{
    QHash<QString, bool> &known = m_known[column.toLower()];
    const auto found = known.constFind(code);
    if (found != known.constEnd())
        return *found;
    if (known.size() >= kMaxKnownCodes)
        known.clear();
    const suite::RecordSet rows =
        m_service.OpenWith(statementOf(column), { { QStringLiteral("code"), code } });
    const bool exists = rows.IsOpen() && rows.RecordCount() > 0;
    known.insert(code, exists);
    return exists;
}

} // namespace customer
