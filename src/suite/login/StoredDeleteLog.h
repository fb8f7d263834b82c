#pragma once

#include "suite/login/DeleteLog.h"

#include <memory>

namespace suite {

class IClsCommon;

// The latest entry of the company's delete log (AA_DeleteLog) for one record of an object
// ("customer"), as the delete-log object the host hands to the archive's viewer; nullptr with
// the reason when the log holds no such record or cannot be read.
std::shared_ptr<DeleteLog> storedDeleteLog(IClsCommon &service, std::shared_ptr<ILogin> login,
                                           const QString &object, const QString &id, QString &sMsg);

} // namespace suite
