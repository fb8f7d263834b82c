#include "suite/core/ProcessEnvironment.h"

#include <QFileInfo>

namespace suite {

void prepareProcessEnvironment()
{
    if (qEnvironmentVariableIsEmpty("TZ") && QFileInfo::exists(QStringLiteral("/etc/localtime")))
        qputenv("TZ", ":/etc/localtime");
}

} // namespace suite
