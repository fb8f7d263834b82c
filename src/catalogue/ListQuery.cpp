#include "catalogue/ListQuery.h"

#include "entry/SessionContext.h"
#include "suite/colset/IColumnSet.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/RecordSet.h"

#include <QRegularExpression>

namespace customer {

namespace {

const QString kCustomer = QStringLiteral("Customer");

struct JoinRule
{
    // Lower-cased markers; any of them in the field list asks for the join.
    QStringList markers;
    QString join;
    // The special version's department widening of the read clause needs the join whatever
    // the list shows.
    bool inSpecialVersion = false;
};

// The joins in the order the statement needs them; the extended fields come after all of them.
const QList<JoinRule> &joinRules()
{
    static const QList<JoinRule> rules = {
        { { QStringLiteral("customerclass.cccname") },
          QStringLiteral(" Left join CustomerClass on Customer.cCCCode=CustomerClass.cCCCode ") },
        { { QStringLiteral("department.cdepname") },
          QStringLiteral(" Left Join Department on customer.cCusDepart=Department.cDepCode "),
          true },
        { { QStringLiteral("districtclass.cdcname") },
          QStringLiteral(" Left Join districtClass on customer.cDCCode=districtClass.cDCCode ") },
        { { QStringLiteral("person.cpersonname") },
          QStringLiteral(" Left Join Person on customer.cCusPPerson=Person.cPersonCode ") },
        { { QStringLiteral("shippingchoice.cscname") },
          QStringLiteral(
              " Left Join shippingchoice on customer.cCusOType=shippingchoice.cSCCode ") },
        { { QStringLiteral("warehouse.cwhname") },
          QStringLiteral(" Left Join  Warehouse ON Customer.cCusWhCode = Warehouse.cWhCode ") },
        { { QStringLiteral("paycondition.cpayname") },
          QStringLiteral(
              " Left Join PayCondition ON Customer.cCusPayCond = PayCondition.cPayCode ") },
        { { QStringLiteral("tc_type.type_name") },
          QStringLiteral(" Left Join tc_type ON Customer.cCusMngTypeCode = tc_type.type_code and"
                         " tc_type.obj_type='1'") },
        { { QStringLiteral("vendor.cvenabbname") },
          QStringLiteral(" Left Join Vendor on Customer.cRelVendor=Vendor.cVenCode ") },
        { { QStringLiteral("ex_nation.cnationname") },
          QStringLiteral(
              " Left Join EX_Nation on Customer.cCusCountryCode=EX_Nation.cNationCode ") },
        { { QStringLiteral("cportname") },
          QStringLiteral(" Left Join EX_Port on Customer.cCusPortCode=EX_Port.cPortCode ") },
        { { QStringLiteral("ccusprivenname") },
          QStringLiteral(" Left Join Vendor as PriVen on Customer.cPrimaryVen=PriVen.cVenCode ") },
        { { QStringLiteral("ccusrankname") },
          QStringLiteral(
              " Left Join CustomerRank on Customer.CustomerKCode=CustomerRank.cCusRankCode ") },
        { { QStringLiteral("cbankname") },
          QStringLiteral(" Left Join AA_Bank on Customer.cCusBankCode=AA_Bank.cBankCode ") },
        { { QStringLiteral("ccussaprotocolname") },
          QStringLiteral(" Left Join AA_Agreement as SA_AA_Agreement  on"
                         " Customer.cCusSAProtocol=SA_AA_Agreement.cCode ") },
        { { QStringLiteral("ccusexprotocolname") },
          QStringLiteral(" Left Join AA_Agreement as EX_AA_Agreement on"
                         " Customer.cCusExProtocol=EX_AA_Agreement.cCode ") },
        { { QStringLiteral("ccuscmprotocolname") },
          QStringLiteral(" Left Join AA_Agreement as CM_AA_Agreement on"
                         " Customer.cCusCMProtocol=CM_AA_Agreement.cCode ") },
        { { QStringLiteral("ccusotherprotocolname") },
          QStringLiteral(" Left Join AA_Agreement as Other_AA_Agreement on"
                         " Customer.cCusOtherProtocol=Other_AA_Agreement.cCode ") },
        { { QStringLiteral("ccusimagentprotocolname") },
          QStringLiteral(" Left Join AA_Agreement as Import_AA_Agreement on"
                         " Customer.cCusImAgentProtocol=Import_AA_Agreement.cCode ") },
        { { QStringLiteral("invoice.cinvoicename") },
          QStringLiteral(" left join (select cCusCode as cinvoicecode ,cCusName as cinvoicename"
                         " from Customer)  as  invoice  on  Customer.cInvoiceCompany"
                         " =invoice.cinvoicecode ") },
        { { QStringLiteral("ccusheadview.") },
          QStringLiteral(
              " left join cCusHeadView  on Customer.cCusHeadCode =cCusHeadView.cCusHeadCode ") },
        { { QStringLiteral("cssname") },
          QStringLiteral(" left join SettleStyle on Customer.cCusSSCode=SettleStyle.cSSCode  ") },
        { { QStringLiteral("caccode"), QStringLiteral("cacname") },
          QStringLiteral(
              " left join AA_AuthClass on Customer.iid=cast(AA_AuthClass.id as nvarchar(40)) ") },
    };
    return rules;
}

const QString kExtraFieldsJoin = QStringLiteral(
    " Left Join Customer_extradefine on Customer.cCusCode=Customer_extradefine.cCusCode ");

bool asksFor(const JoinRule &rule, const QString &fields)
{
    for (const QString &marker : rule.markers) {
        if (fields.contains(marker))
            return true;
    }
    return rule.inSpecialVersion && g_iSpecialVersion == 1;
}

// The main table where a join names it as a table ("Customer.", "customer.", "from Customer)"),
// never inside a longer name such as Customer_extradefine or CustomerClass.
QString onMainTable(const QString &join, const QString &cMainTable)
{
    if (cMainTable == kCustomer)
        return join;
    static const QRegularExpression mainTable(QStringLiteral("\\b[Cc]ustomer(?=[.)])"));
    return QString(join).replace(mainTable, cMainTable);
}

} // namespace

QString BuildJoinClause(const QString &cFields, const QString &cMainTable)
{
    const QString fields = cFields.toLower();
    QString joins;
    for (const JoinRule &rule : joinRules()) {
        if (asksFor(rule, fields))
            joins += onMainTable(rule.join, cMainTable);
    }
    return joins + onMainTable(kExtraFieldsJoin, cMainTable);
}

void GetColSetSql(const QString &cKey, QString &sColXml, QString &sSelect, QString &sOrder,
                  suite::RecordSet &rsColSet)
{
    if (!g_oColSet)
        return;
    sColXml = g_oColSet->getColInfo(cKey, suite::IColumnSet::UserSet);
    sSelect = g_oColSet->GetSqlString(sColXml).trimmed();
    sOrder = GetOrderClause(sColXml);
    rsColSet = g_oColSet->getColSet(cKey, suite::IColumnSet::UserSet);
}

QString GetOrderClause(const QString &sColXml)
{
    if (!g_oColSet)
        return {};
    const QString sortList = g_oColSet->GetOrderString(sColXml).trimmed();
    return sortList.isEmpty() ? QString() : QStringLiteral(" Order by ") + sortList + u' ';
}

void ReplaceSelectList(QString &sSql, const QString &cFields)
{
    sSql = sSql.trimmed();
    const qsizetype from = sSql.indexOf(QStringLiteral(" from"), 0, Qt::CaseInsensitive);
    if (from >= 0)
        sSql = QStringLiteral("Select ") + cFields + sSql.mid(from);
}

void LoadExtraFieldNames()
{
    if (!g_oSrv)
        return;
    const suite::RecordSet columns =
        g_oSrv->OpenX(QStringLiteral("select top 0 * from Customer_extradefine"));
    if (!columns.IsOpen())
        return;
    QString names;
    const QList<suite::Field> fields = columns.Fields();
    for (qsizetype index = 1; index < fields.size(); ++index)
        names += fields.at(index).name.toLower() + u',';
    g_cExtraFields = names;
}

} // namespace customer
