#include "suite/login/SuiteUser.h"

#include "suite/core/ErrorLog.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"

namespace suite {

UserKind userKind(IClsCommon &service, const QString &userId)
{
    const RecordSet rows =
        service.OpenX(QStringLiteral("select bAdmin from kvsystem..ua_user where cUser_Id=")
                      + sqlUnicode(userId));
    if (!rows.IsOpen()) {
        ErrorLog::instance().error(QStringLiteral("suite.login.userKind"), service.LastError());
        return UserKind::Unknown;
    }
    if (rows.RecordCount() == 0)
        return UserKind::Unknown;
    return rows.valueAt(0, 0).toInt() != 0 ? UserKind::Administrator : UserKind::User;
}

} // namespace suite
