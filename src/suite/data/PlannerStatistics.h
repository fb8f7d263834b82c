#pragma once

#include "suite/data/SqlConnection.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace suite {

// The query planner chooses between a table and its indexes by the statistics ANALYZE stored.
// Statistics taken when a table was a tenth of its size (or before a bulk change moved its
// values) make it scan a million rows where an index would do. These keep the statistics of
// the company's large tables near the truth: at open when a table has grown or shrunk by a
// tenth since it was analysed, and after a session has changed a tenth of its rows.
class PlannerStatistics
{
public:
    // The tables whose lists page through up to millions of rows.
    static QStringList largeTables();

    explicit PlannerStatistics(SqlConnection &connection)
        : m_connection(connection)
    { }

    // Analyses each large table whose statistics are missing or whose row count has moved by
    // a tenth since; analysed receives their names.
    bool refreshStale(QStringList &analysed, QString &sMsg);
    // Counts rows a committed change wrote; once they reach a tenth of the customers the
    // large tables are analysed again.
    void noteCommitted(qint64 rowsChanged);

private:
    // The rows of the table when it was last analysed; -1 when it never was.
    qint64 analysedRows(const QString &table);
    // A quick estimate of the rows the table has now (its largest row id).
    qint64 estimatedRows(const QString &table);
    bool analyse(const QString &table, QString &sMsg);

    SqlConnection &m_connection;
    qint64 m_changedSinceAnalysis = 0;
    // The customers when they were last analysed, read at the first change noted.
    std::optional<qint64> m_customersAnalysed;
};

} // namespace suite
