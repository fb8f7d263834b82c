#include "catalogue/DataAuth.h"

#include "entry/SessionContext.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/IColAuth.h"
#include "suite/login/IRowAuth.h"
#include "suite/pub/IPub.h"

#include <optional>

namespace customer {

namespace {

// Where the rights of a list are kept: the table its clauses qualify and the business object
// whose column rights apply (the XML of the column-rights object names it in its own case).
struct RightsSubject
{
    QString table;
    QString fieldRightsObject;
    QString colAuthBusObId;
    // The table as the department widening of the read clause names it.
    QString widenedTable;
};

QString columnRightsRequest(const RightsSubject &subject, const QString &cFuncId)
{
    return QStringLiteral("<tarnColAuth cBusObId='%1' cFuncId='%2'/>")
        .arg(subject.colAuthBusObId, cFuncId);
}

// False when the column rights could not be asked.
bool initColumnRights(const RightsSubject &subject)
{
    if (g_bIsWeb) {
        g_cColAuthR = g_oPub->GetFldAuthString(subject.fieldRightsObject, QStringLiteral("R"),
                                               g_oSrv, g_cDBName, g_cUserId);
        g_cColAuthN = g_oPub->GetFldAuthString(subject.fieldRightsObject, QStringLiteral("N"),
                                               g_oSrv, g_cDBName, g_cUserId);
        return true;
    }
    g_bNeedColAuth = g_oPub->NeedControlAuth(g_oSrv, subject.fieldRightsObject);
    if (!g_bNeedColAuth)
        return true;
    if (!g_oColAuth)
        return false;
    g_cColAuthR =
        g_oColAuth->GetAuthString(columnRightsRequest(subject, QStringLiteral("R"))).toLower();
    g_cColAuthN =
        g_oColAuth->GetAuthString(columnRightsRequest(subject, QStringLiteral("N"))).toLower();
    return true;
}

void initRowRights(const RightsSubject &subject)
{
    g_cAuthCustomerW = g_oPub->GetGetAuthString(g_oRowAuth, subject.table, QStringLiteral("W"),
                                                std::nullopt, subject.table);
    g_iSpecialVersion = g_oPub->GetSpecialVersionType(g_oSrv);
    g_sRowAuthInv = g_oPub->GetGetAuthString(g_oRowAuth, subject.table, std::nullopt, std::nullopt,
                                             subject.table);
    g_sRowAuthWarehouse = g_oPub->GetGetAuthStringCode(g_oRowAuth, QStringLiteral("Warehouse"));
    g_sRowAuthPerson = g_oPub->GetGetAuthStringCode(g_oRowAuth, QStringLiteral("Person"));
    g_sRowAuthDept = g_oPub->GetGetAuthStringCode(g_oRowAuth, QStringLiteral("Department"));
    g_sRowAuthVendor = g_oPub->GetGetAuthStringCode(g_oRowAuth, QStringLiteral("Vendor"));
    // The special version lets a user read the customers of the departments he may use, and
    // those that belong to no department.
    if (g_iSpecialVersion == 1)
        g_sRowAuthInv += QStringLiteral(" and (") + g_sRowAuthDept + QStringLiteral(" or isnull(")
            + subject.widenedTable + QStringLiteral(".cCusDepart,'')='')");
}

void initDataAuthFor(const RightsSubject &subject)
{
    if (!g_oPub || !initColumnRights(subject))
        return;
    initRowRights(subject);
}

} // namespace

void InitDataAuth()
{
    initDataAuthFor({ QStringLiteral("Customer"), QStringLiteral("Customer"),
                      QStringLiteral("customer"), QStringLiteral("customer") });
}

void InitDataAuthImport()
{
    const QString import = QStringLiteral("Customer_import");
    initDataAuthFor({ import, import, import, import });
}

QString ArchiveCustomerWriteRights()
{
    if (!g_oPub || !g_oRowAuth)
        return g_cAuthCustomerW;
    const QString archive = QStringLiteral("Customer");
    return g_oPub->GetGetAuthString(g_oRowAuth, archive, QStringLiteral("W"), std::nullopt,
                                    archive);
}

QString GetBatchModifyAuthSql(const QString &cBusObId, const QString &cUserId, const QString &cCode)
{
    if (!g_oRowAuth || !g_oSrv)
        return {};
    const QString sql = g_oRowAuth->BatchModifyAuthSQL(cBusObId, cUserId, cCode);
    if (sql.isEmpty())
        return {};
    const suite::RecordSet found = g_oSrv->OpenX(sql);
    if (!found.IsOpen() || found.RecordCount() == 0)
        return {};
    return found.valueAt(0, 0).toString();
}

} // namespace customer
