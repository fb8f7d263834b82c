#pragma once

#include "suite/data/DataBackend.h"

#include <QHash>

namespace suite {

// The columns of the tables a backend was asked for, by lower-cased name, kept until the backend
// sees its schema change: every page a list reads and every record a writer saves asks for its
// tables' columns again.
class TableColumnsCache
{
public:
    // The kept columns of table, or those read (bool read(table, columns, sMsg)) and then kept.
    template<typename Read>
    bool find(const QString &table, TableColumns &columns, QString &sMsg, Read read)
    {
        const QString key = table.toLower();
        if (const auto known = m_byName.constFind(key); known != m_byName.cend()) {
            columns = *known;
            return true;
        }
        if (!read(table, columns, sMsg))
            return false;
        m_byName.insert(key, columns);
        return true;
    }

    void clear() { m_byName.clear(); }

private:
    QHash<QString, TableColumns> m_byName;
};

} // namespace suite
