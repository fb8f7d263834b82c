#include "suite/login/RowAuth.h"

#include "suite/core/ErrorLog.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ClassDefaultRights.h"
#include "suite/login/ILogin.h"
#include "suite/login/SuiteUser.h"

namespace suite {

namespace {

const QString kCustomer = QStringLiteral("customer");

// The business object whose records a table holds; the import staging table holds customers.
QString busObIdOfTable(const QString &tableName)
{
    if (tableName.compare(u"Customer_import", Qt::CaseInsensitive) == 0)
        return kCustomer;
    return RowAuthClause::tableOf(tableName).isEmpty() ? QString() : tableName.toLower();
}

} // namespace

RowAuth::RowAuth(std::shared_ptr<IClsCommon> service, const QString &userId)
    : m_service(std::move(service))
    , m_userId(userId)
{ }

QString RowAuth::GetAuthString(const QString &tableName)
{
    const QString busObId = busObIdOfTable(tableName);
    if (busObId.isEmpty())
        return RowAuthClause::kAlwaysTrue;
    return condition(busObId, tableName, QStringLiteral("R"));
}

QString RowAuth::GetAuthStringCode(const QString &cBusObId, const QString &cClassCode,
                                   const QString &cFuncID, bool bIsUserCode)
{
    const QString table = RowAuthClause::tableOf(cBusObId);
    if (table.isEmpty())
        return RowAuthClause::kAlwaysTrue;
    QStringList conditions = { condition(cBusObId, table, cFuncID) };
    const QString classColumn = RowAuthClause::classColumnOf(cBusObId);
    if (!cClassCode.isEmpty() && !classColumn.isEmpty())
        conditions.append(RowAuthClause::prefixMatch(table + u'.' + classColumn, cClassCode));
    if (bIsUserCode && cBusObId.compare(kCustomer, Qt::CaseInsensitive) == 0)
        conditions.append(table
                          + QStringLiteral(".cCusCode in (select Account_ID from customer_user"
                                           " where User_ID=")
                          + sqlQuoted(m_userId) + u')');
    return RowAuthClause::allOf(conditions);
}

bool RowAuth::GetFunAuth(const std::shared_ptr<ILogin> &oLogin, const QString &sArch, int bIsLock,
                         QString &sErr, int OptId, const QString &sAuth_Id, int iYear)
{
    const QString userId = oLogin ? oLogin->cUserId() : m_userId;
    const QString function = sAuth_Id.isEmpty() ? sArch : sAuth_Id;
    switch (userKind(*m_service, userId)) {
    case UserKind::Administrator:
        return true;
    case UserKind::Unknown:
        sErr = QStringLiteral("The user '%1' does not exist.").arg(userId);
        return false;
    case UserKind::User:
        break;
    }
    return holdsFunction(userId, function, sErr);
}

bool RowAuth::GetArchiveClass(const QString &cBusObId, const QString &cKind, const QString &cCode,
                              QString &sXml)
{
    return ClassDefaultRights(*m_service).defaultsXml(cBusObId, cKind, cCode, sXml);
}

QString RowAuth::BatchModifyAuthSQL(const QString &cBusObId, const QString &cUserId,
                                    const QString &cCode)
{
    return ClassDefaultRights::rightsClassSql(cBusObId, cCode);
}

QString RowAuth::rowCondition(const QString &cTable, const QString &cFuncId)
{
    return condition(kCustomer, cTable, cFuncId);
}

QString RowAuth::codeList(const QString &cKind)
{
    const QString table = RowAuthClause::tableOf(cKind);
    if (table.isEmpty())
        return RowAuthClause::kAlwaysTrue;
    return condition(cKind, table, QStringLiteral("R"));
}

QString RowAuth::condition(const QString &busObId, const QString &table, const QString &funcId)
{
    switch (userKind(*m_service, m_userId)) {
    case UserKind::Administrator:
        return RowAuthClause::kAlwaysTrue;
    case UserKind::Unknown:
        return RowAuthClause::kNever;
    case UserKind::User:
        break;
    }
    QList<RightRow> rows;
    if (!readRows(busObId, rows))
        return RowAuthClause::kNever;
    return RowAuthClause::build(busObId, table, funcId, rows);
}

bool RowAuth::readRows(const QString &busObId, QList<RightRow> &rows)
{
    const RecordSet found = m_service->OpenX(
        QStringLiteral("select cFuncId, cDimension, cCode from AA_HoldAuth where cUser_Id=%1"
                       " and cBusObId=%2 order by AutoID")
            .arg(sqlUnicode(m_userId), sqlUnicode(busObId.toLower())));
    if (!found.IsOpen()) {
        ErrorLog::instance().error(QStringLiteral("suite.login.RowAuth"), m_service->LastError());
        return false;
    }
    for (int row = 0; row < found.RecordCount(); ++row)
        rows.append({ found.valueAt(row, 0).toString(), found.valueAt(row, 1).toString(),
                      found.valueAt(row, 2).toString() });
    return true;
}

bool RowAuth::holdsFunction(const QString &userId, const QString &function, QString &sErr)
{
    const RecordSet found = m_service->OpenX(
        QStringLiteral("select count(*) from AA_HoldFuncAuth where cUser_Id=%1 and cAuth_Id=%2")
            .arg(sqlUnicode(userId), sqlUnicode(function)));
    if (!found.IsOpen()) {
        sErr = m_service->LastError();
        return false;
    }
    if (found.valueAt(0, 0).toInt() > 0)
        return true;
    sErr = QStringLiteral("The user '%1' has no right to the function %2.").arg(userId, function);
    return false;
}

} // namespace suite
