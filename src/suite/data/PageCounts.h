#pragma once

#include "suite/data/SqlConnection.h"

#include <QHash>
#include <QString>

#include <optional>
#include <utility>

namespace suite {

// Row counts of paged statements by their count text, each with the change stamp of the
// connection it was taken for: turning the pages of a large list counts its rows once, and
// a count is never used after the data may have changed.
class PageCounts
{
public:
    explicit PageCounts(SqlConnection &connection)
        : m_connection(connection)
    { }

    // The connection's stamp now; empty when it cannot tell, and then nothing is kept.
    QString stamp() { return m_connection.changeStamp(); }
    // The count taken at the current stamp.
    std::optional<qint64> cached(const QString &countSelect);
    // Keeps the count when it was taken at the current stamp; a count taken elsewhere
    // (another connection, in the background) that the data has moved past since is dropped.
    void store(const QString &countSelect, const QString &takenAt, qint64 rows);

private:
    static constexpr int kKept = 64;

    SqlConnection &m_connection;
    QHash<QString, std::pair<QString, qint64>> m_counts;
};

} // namespace suite
