#include "suite/data/PlannerStatistics.h"

#include "suite/core/ErrorLog.h"
#include "suite/data/SqliteConnection.h"

namespace suite {

namespace {

const QString kWhere = QStringLiteral("TarnSrvTrans.PlannerStatistics");

bool movedByATenth(qint64 then, qint64 now)
{
    return then < 0 || qAbs(now - then) * 10 > qMax<qint64>(then, 1);
}

} // namespace

QStringList PlannerStatistics::largeTables()
{
    return { QStringLiteral("Customer"), QStringLiteral("customer_import") };
}

qint64 PlannerStatistics::analysedRows(const QString &table)
{
    QString sMsg;
    const RecordSet stat = m_connection.queryStatement(
        QStringLiteral("select stat from sqlite_stat1 where tbl = ? collate nocase"
                       " order by idx is null desc limit 1"),
        { table }, sMsg);
    if (!stat.IsOpen() || stat.RecordCount() == 0)
        return -1;
    return stat.valueAt(0, 0).toString().section(u' ', 0, 0).toLongLong();
}

qint64 PlannerStatistics::estimatedRows(const QString &table)
{
    QString sMsg;
    const RecordSet last = m_connection.queryStatement(
        QStringLiteral("select max(rowid) from ") + quoteSqliteIdentifier(table), {}, sMsg);
    return last.IsOpen() && last.RecordCount() > 0 ? last.valueAt(0, 0).toLongLong() : -1;
}

bool PlannerStatistics::analyse(const QString &table, QString &sMsg)
{
    return m_connection.executeStatement(QStringLiteral("pragma analysis_limit = 0"), {}, sMsg)
        && m_connection.executeStatement(QStringLiteral("analyze ") + quoteSqliteIdentifier(table),
                                         {}, sMsg);
}

bool PlannerStatistics::refreshStale(QStringList &analysed, QString &sMsg)
{
    analysed.clear();
    for (const QString &table : largeTables()) {
        const qint64 now = estimatedRows(table);
        if (now <= 0 || !movedByATenth(analysedRows(table), now))
            continue;
        if (!analyse(table, sMsg))
            return false;
        analysed.append(table);
    }
    m_changedSinceAnalysis = 0;
    m_customersAnalysed.reset();
    return true;
}

void PlannerStatistics::noteCommitted(qint64 rowsChanged)
{
    if (rowsChanged <= 0)
        return;
    m_changedSinceAnalysis += rowsChanged;
    if (!m_customersAnalysed)
        m_customersAnalysed = analysedRows(largeTables().first());
    if (*m_customersAnalysed <= 0 || m_changedSinceAnalysis * 10 < *m_customersAnalysed)
        return;
    QString sMsg;
    for (const QString &table : largeTables()) {
        if (estimatedRows(table) > 0 && !analyse(table, sMsg)) {
            ErrorLog::instance().warning(kWhere, sMsg);
            return;
        }
    }
    m_changedSinceAnalysis = 0;
    m_customersAnalysed.reset();
}

} // namespace suite
