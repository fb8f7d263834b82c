#include "batch/BatchValueCheck.h"

#include "catalogue/DataAuth.h"
#include "catalogue/SharedUtilities.h"
#include "entry/SessionContext.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

#include <QRegularExpression>

#include <functional>
#include <vector>

namespace customer {

namespace {

using suite::sqlQuote;

bool named(const QString &field, const std::vector<const char *> &names)
{
    for (const char *name : names) {
        if (field.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString res(const char *key)
{
    return g_oPub->GetResString(QLatin1StringView(key));
}

// A field whose value must name a row of a reference table the user may use.
struct LookupRule
{
    std::vector<const char *> fields;
    bool emptyPasses;
    std::function<QString(const QString &v)> statement;
    const char *messageKey;
};

const std::vector<LookupRule> &lookupRules()
{
    static const std::vector<LookupRule> rules{
        { { "cCCCode", "Customer.cCCCode" },
          false,
          [](const QString &v) {
              return "select top 1  cCCCode from customerclass where bCCEnd=1 and cCCCode = '" + v
                  + "'";
          },
          "Tarn.AA.CUSTOMER.FRMMULMODIFY.219_1" },
        { { "cDCCode", "Customer.cDCCode" },
          true,
          [](const QString &v) {
              return "select top 1 cDCCode from DistrictClass where cDCCode = '" + v + "'";
          },
          "Tarn.AA.CUSTOMER.FRMMULMODIFY.227_1" },
        { { "cCusHeadCode" },
          false,
          [](const QString &v) {
              return "select top 1 cCusHeadCode from customer where cCusCode='" + v + "' and "
                  + ArchiveCustomerWriteRights();
          },
          "Tarn.AA.CUSTOMER.FRMMULMODIFY.234_1" },
        { { "cCusOType" },
          true,
          [](const QString &v) {
              return "select top 1 cSCCode from shippingchoice where cSCCode='" + v + "'";
          },
          "Tarn.AA.CUSTOMER.FRMMULMODIFY.242_1" },
        { { "cCusWhCode" },
          true,
          [](const QString &v) {
              return "select top 1 CWhCode from warehouse where CWhCode='" + v + "' and "
                  + g_sRowAuthWarehouse;
          },
          "Tarn.AA.CUSTOMER.FRMMULMODIFY.250_1" },
        { { "cCusMngTypeCode" },
          true,
          [](const QString &v) {
              return "select top 1 type_code from tc_type where stop_flag=0 and obj_type=1 and "
                     "type_code='"
                  + v + "'";
          },
          "Tarn.AA.ARCHIVE.FIELD.ref_mngtypenullorstop" },
        { { "cCusPayCond" },
          true,
          [](const QString &v) {
              return "select top 1 cPayCode from PayCondition where cPayCode='" + v + "'";
          },
          "Tarn.AA.CUSTOMER.FRMMULMODIFY.258_1" },
        { { "cCusDepart" },
          true,
          [](const QString &v) {
              return "select top 1 cDepCode from Department where bDepEnd=1 and cDepCode='" + v
                  + "' and " + g_sRowAuthDept;
          },
          "Tarn.AA.CUSTOMER.FRMMULMODIFY.266_1" },
        { { "cCusPPerson" },
          true,
          [](const QString &v) {
              return "select top 1 CPersonCode from Person where CPersonCode='" + v + "' and "
                  + g_sRowAuthPerson;
          },
          "Tarn.AA.CUSTOMER.FRMMULMODIFY.274_1" },
    };
    return rules;
}

// A date field that must not pass its partner: the restriction keeps the customers whose
// partner date allows the value.
struct DateRule
{
    std::vector<const char *> fields;
    std::function<QString(const QString &v)> restriction;
};

const std::vector<DateRule> &dateRules()
{
    static const std::vector<DateRule> rules{
        { { "dCusDevDate", "Customer.dCusDevDate" },
          [](const QString &v) {
              return "and ((dEndDate is null )or(dEndDate>='" + v + "'))";
          } },
        { { "dEndDate", "Customer.dEndDate" },
          [](const QString &v) {
              return "and (dCusDevDate<='" + v + "')";
          } },
        { { "dLicenceSDate", "customer.dLicenceSDate" },
          [](const QString &v) {
              return "and ((dLicenceEDate is null )or(dLicenceEDate>='" + v + "'))";
          } },
        { { "dLicenceEDate", "customer.dLicenceEDate" },
          [](const QString &v) {
              return "and (dLicenceSDate is null or (dLicenceSDate<='" + v + "'))";
          } },
        { { "dBusinessSDate", "customer.dBusinessSDate" },
          [](const QString &v) {
              return "and ((dBusinessEDate is null )or(dBusinessEDate>='" + v + "'))";
          } },
        { { "dBusinessEDate", "customer.dBusinessEDate" },
          [](const QString &v) {
              return "and (dBusinessSDate is null or (dBusinessSDate<='" + v + "'))";
          } },
        { { "dProxySDate", "customer.dProxySDate" },
          [](const QString &v) {
              return "and ((dProxyEDate is null )or(dProxyEDate>='" + v + "'))";
          } },
        { { "dProxyEDate", "customer.dProxyEDate" },
          [](const QString &v) {
              return "and (dProxySDate is null or (dProxySDate<='" + v + "'))";
          } },
    };
    return rules;
}

// A field whose value must be a code of a suite archive (under an extra condition).
struct ArchiveRule
{
    std::vector<const char *> fields;
    const char *table;
    const char *where;
};

const std::vector<ArchiveRule> &archiveRules()
{
    static const std::vector<ArchiveRule> rules{
        { { "cCusSSCode", "Customer.cCusSSCode" }, "SettleStyle", "bSSEnd=1" },
        { { "cCusCountryCode", "Customer.cCusCountryCode" }, "EX_Nation", "" },
        { { "cCusPortCode", "Customer.cCusPortCode" }, "EX_Port", "iPortattrid<>1" },
        { { "cPrimaryVen", "Customer.cPrimaryVen" }, "vendor", "bVenService=1" },
        { { "cCusTradeCCode", "Customer.cCusTradeCCode" }, "TradeClass", "" },
        { { "CustomerKCode", "Customer.CustomerKCode" }, "CustomerRank", "" },
        { { "cCusBankCode", "Customer.cCusBankCode" }, "aa_bank", "" },
        { { "cCusExch_name", "Customer.cCusExch_name" }, "foreigncurrency", "" },
        { { "cCusSAProtocol" }, "AA_Agreement", "iLZYJ=0 or iLZYJ=1" },
        { { "cCusExProtocol" }, "AA_Agreement", "iLZYJ=2 or iLZYJ=3" },
        { { "cCusCMProtocol" }, "AA_Agreement", "iLZYJ=5 or iLZYJ=6 or iLZYJ=8 or iLZYJ=9" },
        { { "cCusOtherProtocol" }, "AA_Agreement", "iLZYJ=5" },
    };
    return rules;
}

bool hasRow(const QString &sql)
{
    const suite::RecordSet rows = g_oSrv->OpenX(sql);
    return rows.IsOpen() && rows.RecordCount() > 0;
}

// The number a value starts with, 0 when it starts with none.
double leadingNumber(const QString &value)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[-+]?(\\d+\\.?\\d*|\\.\\d+)"));
    const QRegularExpressionMatch match = number.match(value);
    return match.hasMatch() ? match.captured(0).trimmed().toDouble() : 0.0;
}

bool refuse(const QString &text)
{
    ShowInfoMsg(text);
    return false;
}

// The user-defined fields 1 to 16 of the customer; 0 for another field.
int userFieldNumber(const QString &field)
{
    static const QRegularExpression name(QStringLiteral("^(customer\\.)?ccusdefine(\\d+)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = name.match(field);
    const int number = match.hasMatch() ? match.captured(2).toInt() : 0;
    return number >= 1 && number <= 16 ? number : 0;
}

bool checkRate(const QString &caption, const QString &value)
{
    const double rate = leadingNumber(value);
    if (rate >= 100)
        return refuse(
            g_oPub->GetResFormatString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.no_bigger_equal"),
                                       { caption, QStringLiteral("100") }));
    if (rate < 0)
        return refuse(g_oPub->GetResFormatString(
            QStringLiteral("Tarn.AA.ARCHIVE.COMMON.no_smaller"), { caption, QStringLiteral("0") }));
    return true;
}

bool checkTaxRate(const QString &caption, const QString &value)
{
    if (value.isEmpty())
        return true;
    bool numeric = false;
    const double rate = value.trimmed().toDouble(&numeric);
    if (numeric && rate < 100)
        return true;
    return refuse(g_oPub->GetResFormatString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.nobiger"),
                                             { caption, QStringLiteral("100") }));
}

bool checkCreditDays(const QString &value)
{
    if (value.isEmpty())
        return true;
    bool numeric = false;
    const double days = value.trimmed().toDouble(&numeric);
    if (!numeric)
        return refuse(res("Tarn.AA.CUSTOMER.FRMMULMODIFY.340_1"));
    if (days < 0)
        return refuse(res("Tarn.AA.CUSTOMER.FRMMULMODIFY.344_1"));
    return true;
}

// The checks of the table that are not lookups, dates or archive codes. The value is quoted
// wherever it reaches a restriction.
bool checkOtherRules(const QString &field, const QString &caption, QString &value,
                     QString &condition)
{
    if (named(field, { "cBranchAddr", "cBranchPhone", "cBranchPerson" }))
        condition += QStringLiteral(" and bHomeBranch=1");
    else if (named(field, { "bCreditByHead", "customer.bCreditByHead" }) && value == u"1")
        condition += QStringLiteral(" and bCredit=1 ");
    else if (named(field, { "fCommisionRate", "fInsueRate" }))
        return checkRate(caption, value);
    else if (named(field, { "bcusdomestic" }) && value == u"0")
        condition += QStringLiteral(" and bCusDomestic=1");
    else if (named(field, { "bcusoverseas" }) && value == u"0")
        condition += QStringLiteral(" and bcusoverseas=1");
    else if (named(field, { "icustaxrate" }))
        return checkTaxRate(caption, value);
    else if (named(field, { "bShop" }) && value == u"0")
        condition += QStringLiteral(" and bOnGPinStore=0");
    else if (named(field, { "bShop" }) && value == u"1")
        condition += QStringLiteral(" and isnull(cCusDepart,'')<>'' and isnull(cCusWhCode,'')<>''");
    return true;
}

bool checkUserField(int number, const QString &caption, QString &value)
{
    if (!g_oPub->CheckUserDef(QString::number(number), caption, value))
        return false;
    return number < 15 || value.isEmpty() || g_oPub->CheckDateStyle(value);
}

bool checkTable(const QString &field, const QString &caption, QString &value, QString &condition)
{
    const QString quoted = sqlQuote(value);
    for (const LookupRule &rule : lookupRules()) {
        if (!named(field, rule.fields))
            continue;
        if (rule.emptyPasses && value.isEmpty())
            return true;
        return hasRow(rule.statement(quoted)) || refuse(res(rule.messageKey));
    }
    for (const DateRule &rule : dateRules()) {
        if (!named(field, rule.fields))
            continue;
        if (value.isEmpty())
            return true;
        if (!g_oPub->CheckDateStyle(value))
            return false;
        condition += rule.restriction(sqlQuote(value));
        return true;
    }
    if (const int number = userFieldNumber(field))
        return checkUserField(number, caption, value);
    for (const ArchiveRule &rule : archiveRules()) {
        if (!named(field, rule.fields))
            continue;
        QString shownCaption = caption;
        return value.isEmpty()
            || g_oPub->IFExists(g_oSrv, QLatin1StringView(rule.table), shownCaption, value, true,
                                QLatin1StringView(rule.where));
    }
    return checkOtherRules(field, caption, value, condition);
}

} // namespace

bool checkBatchValue(const QString &field, const QString &caption, QString &value,
                     QString &condition)
{
    if (!g_oPub || !g_oSrv)
        return false;
    if (!checkTable(field, caption, value, condition))
        return false;
    return !named(field, { "iCusCreDate" }) || checkCreditDays(value);
}

} // namespace customer
