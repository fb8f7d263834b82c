#include "suite/data/SqliteSearchStatistics.h"

#include "suite/data/SqliteConnection.h"

#include <algorithm>

namespace suite {

namespace {

qint64 firstValue(const RecordSet &rows)
{
    return rows.IsOpen() && rows.RecordCount() > 0 && !rows.valueAt(0, 0).isNull()
        ? rows.valueAt(0, 0).toLongLong()
        : -1;
}

} // namespace

qint64 SqliteSearchStatistics::matchingRows(const QString &index, const QString &query,
                                            qint64 cap) const
{
    const QString name = quoteSqliteIdentifier(index);
    QString sMsg;
    return firstValue(m_connection.queryStatement(
        QStringLiteral("select count(*) from (select rowid from %1 where %1 match ?1 limit ?2)")
            .arg(name),
        { query, cap }, sMsg));
}

// Each bound apart: SQLite looks up a lone min or max in the rowid's order, but scans the
// table for both at once. Rowids run from the table's first to its last with few gaps, so rows at
// even steps between them are a fair sample; the share of the sample that meets the condition,
// times the rows the span holds, is the estimate.
qint64 SqliteSearchStatistics::estimatedRows(const QString &table, const QString &condition) const
{
    const QString name = quoteSqliteIdentifier(table);
    QString sMsg;
    const RecordSet span = m_connection.queryStatement(
        QStringLiteral("select (select min(rowid) from %1), (select max(rowid) from %1)").arg(name),
        {}, sMsg);
    if (!span.IsOpen() || span.RecordCount() == 0 || span.valueAt(0, 0).isNull())
        return 0;
    const qint64 first = span.valueAt(0, 0).toLongLong();
    const qint64 rows = span.valueAt(0, 1).toLongLong() - first + 1;
    const qint64 step = std::max<qint64>(1, rows / kSampleRows);
    const RecordSet sample = m_connection.queryStatement(
        QStringLiteral("with recursive sample(id) as (select ?1 union all select id + ?2 from "
                       "sample limit ?3) select count(*), ifnull(sum(")
            + condition + QStringLiteral("), 0) from sample join ") + name + u' ' + table
            + QStringLiteral(" on ") + table + QStringLiteral(".rowid = sample.id"),
        { first, step, std::min(rows, kSampleRows) }, sMsg);
    if (!sample.IsOpen() || sample.RecordCount() == 0)
        return -1;
    const qint64 tried = sample.valueAt(0, 0).toLongLong();
    const qint64 met = sample.valueAt(0, 1).toLongLong();
    return tried == 0 ? 0 : met * rows / tried;
}

} // namespace suite
