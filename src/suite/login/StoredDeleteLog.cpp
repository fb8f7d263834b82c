#include "suite/login/StoredDeleteLog.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/RowsetXml.h"

namespace suite {

std::shared_ptr<DeleteLog> storedDeleteLog(IClsCommon &service, std::shared_ptr<ILogin> login,
                                           const QString &object, const QString &id, QString &sMsg)
{
    const RecordSet rows = service.OpenX(
        QStringLiteral("select cTable, cRows from AA_DeleteLog where cLogId = (select top 1 cLogId"
                       " from AA_DeleteLog where cObject = %1 and cId = %2 order by AutoID desc)"
                       " order by AutoID")
            .arg(sqlUnicode(object), sqlUnicode(id)));
    if (!rows.IsOpen()) {
        sMsg = service.LastError();
        return nullptr;
    }
    if (rows.RecordCount() == 0) {
        sMsg = QStringLiteral("The delete log holds no %1 '%2'.").arg(object, id);
        return nullptr;
    }
    auto log = std::make_shared<DeleteLog>(std::move(login));
    for (int row = 0; row < rows.RecordCount(); ++row) {
        RecordSet kept;
        if (!RowsetXml::load(rows.valueAt(row, 1).toString(), kept, sMsg))
            return nullptr;
        log->keepRecordset(rows.valueAt(row, 0).toString(), kept);
    }
    return log;
}

} // namespace suite
