#include "card/ReadableRecordStatement.h"

#include "card/CardRecordLoad.h"
#include "catalogue/UnreadableFields.h"
#include "entry/SessionContext.h"

namespace customer {

QString readableRecordStatement(const QString &code)
{
    return currentRecordStatement(
        readableExtraFields(g_cExtraFields), code,
        readableColumnsOf(QStringLiteral("Customer"), QStringLiteral("a")));
}

} // namespace customer
