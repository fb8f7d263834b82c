#include "merge/MergePreview.h"

#include "entry/SessionContext.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/CustomerReferences.h"
#include "suite/data/IClsCommon.h"

namespace customer {

namespace {

bool count(const QString &table, const QString &column, const QString &condition,
           QList<MergeCount> &counts, QString &sMsg)
{
    // A company made before the table has no rows there.
    if (!g_oSrv->OpenX(QStringLiteral("select top 0 * from ") + table).IsOpen())
        return true;
    const suite::RecordSet rows =
        g_oSrv->OpenX(QStringLiteral("select count(*) from %1 where %2").arg(table, condition));
    if (!rows.IsOpen()) {
        sMsg = g_oSrv->LastError();
        return false;
    }
    if (const qint64 found = rows.valueAt(0, 0).toLongLong(); found > 0)
        counts.append({ table, column, found });
    return true;
}

} // namespace

bool mergePreview(const QString &code1, QList<MergeCount> &counts, QString &sMsg)
{
    counts.clear();
    if (!g_oSrv) {
        sMsg = QStringLiteral("The data service is not open.");
        return false;
    }
    const QString code = suite::sqlUnicode(code1);
    for (const suite::CustomerReference &reference : suite::customerReferences()) {
        QString condition = QStringLiteral("%1 = %2").arg(reference.column, code);
        if (!reference.selfColumn.isEmpty())
            condition += QStringLiteral(" and %1 <> %2").arg(reference.selfColumn, code);
        if (!count(reference.table, reference.column, condition, counts, sMsg))
            return false;
    }
    for (const suite::CustomerOwnRows &own : suite::customerOwnRows()) {
        if (!count(own.table, own.codeColumn,
                   QString(own.condition).replace(QStringLiteral("?1"), code), counts, sMsg))
            return false;
    }
    return true;
}

} // namespace customer
