#include "catalogue/RefQuery.h"

#include "catalogue/ListQuery.h"
#include "entry/ArchiveEntry.h"
#include "entry/ArchiveListWindow.h"
#include "entry/SessionContext.h"
#include "suite/controls/RefClient.h"
#include "suite/core/SqlQuote.h"
#include "suite/pub/IPub.h"

namespace customer {

namespace {

QString referenceStatement(const QString &strTablename)
{
    if (strTablename.toLower() != u"crm_contact")
        return QStringLiteral("select * from ") + strTablename;
    return QStringLiteral("select * from ") + strTablename
        + QStringLiteral(" Left join Customer on Crm_contact.cCuscode=Customer.cCusCode"
                         " LEFT JOIN Crm_BaseCode BaseCodeSex ON BaseCodeSex.ID ="
                         " Crm_Contact.bcSexID")
        + QStringLiteral(" LEFT JOIN Crm_BaseCode BaseCodeDuty ON BaseCodeDuty.ID ="
                         " Crm_Contact.bcDutyID")
        + QStringLiteral(" LEFT JOIN Crm_BaseCode BaseCodeMarriage ON BaseCodeMarriage.ID ="
                         " Crm_Contact.bcMarriageID")
        + QStringLiteral(" LEFT JOIN Crm_BaseCode BaseCodeTaste ON BaseCodeTaste.ID ="
                         " Crm_Contact.bcTasteID ")
        + QStringLiteral(" where Crm_contact.cCuscode='") + suite::sqlQuote(g_cContactCusCode)
        + u'\'';
}

void openReference(const QString &strTablename)
{
    g_cRefSql = referenceStatement(strTablename);
    g_cRefTable = strTablename;
    g_cRefFilter.clear();
    g_cRefExtraSql.clear();
}

// The state of a reference list lives until its outer call returns, however that returns.
class ReferenceScope
{
public:
    ReferenceScope()
        : m_outer(g_cRefTable.isEmpty())
    { }
    ~ReferenceScope()
    {
        if (!m_outer)
            return;
        g_cRefSql.clear();
        g_cRefTable.clear();
        g_cRefFilter.clear();
        g_cRefExtraSql.clear();
    }
    ReferenceScope(const ReferenceScope &) = delete;
    ReferenceScope &operator=(const ReferenceScope &) = delete;

    bool outer() const { return m_outer; }

private:
    bool m_outer;
};

// A paged read goes through the list's entry instance, which pages in web mode without
// touching the list's own page strip.
suite::RecordSet readRows(const QString &sql, int &lPageSize, int &lPageCount, int &lCurPage,
                          ArchiveEntry *entry)
{
    if (!g_bRefPaged)
        return g_oSrv ? g_oSrv->OpenX(sql) : suite::RecordSet();
    suite::RecordSet rs;
    if (!entry)
        return rs;
    QString sMsg;
    bool bFlag = true;
    entry->OpenPage(sql, lPageSize, lCurPage, lPageCount, rs, sMsg, bFlag, true);
    return rs;
}

} // namespace

void RefreshRefData(const QString &strTablename, int &lPageSize, int &lPageCount, int &lCurPage,
                    const QString &strFilter, const QString &strMatch, const QString &strOrder,
                    ArchiveEntry *&oCls)
{
    const ReferenceScope scope;
    if (scope.outer())
        openReference(strTablename);
    if (!oCls || !oCls->FrmMain || !oCls->FrmMain->RefClient || !g_oPub)
        return;

    QString sColXml;
    QString sSelect;
    QString sOrder;
    suite::RecordSet rsColSet;
    GetColSetSql(QStringLiteral("Ref") + g_cRefTable, sColXml, sSelect, sOrder, rsColSet);
    ReplaceSelectList(g_cRefSql, sSelect);
    g_oPub->ReCreateSQL(g_oSrv, strTablename, g_cRefSql, g_cRefFilter);

    const suite::RecordSet rs =
        readRows(g_cRefSql + sOrder, lPageSize, lPageCount, lCurPage, oCls->FrmMain->m_cls);
    const suite::RecordSet rs3 =
        g_cRefExtraSql.isEmpty() || !g_oSrv ? suite::RecordSet() : g_oSrv->OpenX(g_cRefExtraSql);
    oCls->FrmMain->RefClient->RstRefInit(g_bIsWeb, g_bRefPaged, g_cRefTable, 1, false, lPageSize,
                                         lPageCount, lCurPage, rs, rsColSet, rs3);
}

} // namespace customer
