#include "entry/GuardedProcedure.h"

#include "suite/core/ErrorLog.h"

#include <exception>

namespace customer {

bool runGuarded(const QString &procedure, const std::function<void()> &body)
{
    try {
        body();
        return true;
    } catch (const std::exception &e) {
        suite::ErrorLog::instance().error(procedure, QString::fromUtf8(e.what()));
    } catch (...) {
        suite::ErrorLog::instance().error(procedure, QStringLiteral("unknown exception"));
    }
    return false;
}

} // namespace customer
