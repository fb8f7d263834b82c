#pragma once

#include "suite/data/SqlConnection.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringView>

#include <functional>

namespace suite {

// The indexed columns of a company whose values are each shared by many rows (a class, an
// area, a department), read from the statistics ANALYZE stored: an index led by the column
// whose rows per value are at least a hundredth of its rows. SQLite plans a LIKE on a prefix
// of such a column as if the prefix took few rows; told otherwise, it walks the list's order
// instead of sorting a whole class for each page, and still counts a class by the index.
// Names compare without regard to case; a qualifier that names no table is an alias, and the
// column then counts as coarse when it is coarse in any table.
class CoarseColumns
{
public:
    void clear();
    // From SQLite's sqlite_stat1.
    void load(SqlConnection &connection);
    // One analysed index's leading column; another backend reads its own statistics.
    void addAnalysedColumn(const QString &table, const QString &column, bool coarse);
    // A translator's lookup over the coarse columns of connection as they are now.
    static std::function<bool(QStringView, QStringView)> lookupOf(SqlConnection &connection);
    bool isCoarse(QStringView qualifier, QStringView column) const;

private:
    QHash<QString, QSet<QString>> m_byTable;
    QSet<QString> m_anyTable;
};

} // namespace suite
