#pragma once

#include "suite/data/SqlConnection.h"
#include "suite/data/tsql/SqliteFullText.h"

namespace suite {

// Counts a search's matches on the connection while its text is translated, so that the
// translation can choose how the search reads. Both answers stay cheap at any size: the
// index's matches are counted only up to a cap, and other conditions are tried on a sample of
// rows spread evenly over the table.
class SqliteSearchStatistics final : public tsql::FullTextStatistics
{
public:
    // Rows tried for estimatedRows.
    static constexpr qint64 kSampleRows = 1000;

    explicit SqliteSearchStatistics(SqlConnection &connection, qint64 manyRows = kManyRows)
        : m_connection(connection)
        , m_manyRows(manyRows)
    { }

    qint64 manyRows() const override { return m_manyRows; }
    qint64 matchingRows(const QString &index, const QString &query, qint64 cap) const override;
    qint64 estimatedRows(const QString &table, const QString &condition) const override;

private:
    SqlConnection &m_connection;
    qint64 m_manyRows;
};

} // namespace suite
