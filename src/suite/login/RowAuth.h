#pragma once

#include "suite/login/IRowAuth.h"
#include "suite/login/RowAuthClause.h"

#include <memory>

namespace suite {

class IClsCommon;

// The row rights of one user of a company database. Administrators (kvsystem..ua_user.bAdmin)
// are never restricted; other users have what AA_HoldAuth grants them, and the functions of
// AA_HoldFuncAuth. A user the system does not know, or rights that cannot be read, grant
// nothing ("1=0"): a failure never widens what a user sees.
class RowAuth : public IRowAuth
{
public:
    RowAuth(std::shared_ptr<IClsCommon> service, const QString &userId);

    QString GetAuthString(const QString &tableName) override;
    QString GetAuthStringCode(const QString &cBusObId, const QString &cClassCode,
                              const QString &cFuncID, bool bIsUserCode) override;
    bool GetFunAuth(const std::shared_ptr<ILogin> &oLogin, const QString &sArch, int bIsLock,
                    QString &sErr, int OptId, const QString &sAuth_Id, int iYear) override;
    bool GetArchiveClass(const QString &cBusObId, const QString &cKind, const QString &cCode,
                         QString &sXml) override;
    QString BatchModifyAuthSQL(const QString &cBusObId, const QString &cUserId,
                               const QString &cCode) override;

    QString rowCondition(const QString &cTable, const QString &cFuncId) override;
    QString codeList(const QString &cKind) override;

private:
    // The condition of function funcId on the records of busObId, columns qualified with table.
    QString condition(const QString &busObId, const QString &table, const QString &funcId);
    bool readRows(const QString &busObId, QList<RightRow> &rows);
    bool holdsFunction(const QString &userId, const QString &function, QString &sErr);

    std::shared_ptr<IClsCommon> m_service;
    QString m_userId;
};

} // namespace suite
