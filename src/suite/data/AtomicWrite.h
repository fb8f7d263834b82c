#pragma once

#include "suite/data/SqlConnection.h"

#include <QString>

namespace suite {

// Makes a group of statements all or nothing. Inside a transaction the caller opened (m_cnn
// BeginTrans) it is a savepoint, so that undoing the group leaves the caller's earlier work
// and its transaction in place; otherwise it is a transaction of its own, which reserves the
// table it is going to write before anything is read.
class AtomicWrite
{
public:
    AtomicWrite(SqlConnection &connection, const QString &writtenTable);
    // Undoes the group unless it was committed.
    ~AtomicWrite();
    AtomicWrite(const AtomicWrite &) = delete;
    AtomicWrite &operator=(const AtomicWrite &) = delete;

    bool begin(QString &sMsg);
    bool commit(QString &sMsg);

private:
    void undo();

    SqlConnection &m_connection;
    const QString m_writtenTable;
    bool m_open = false;
    bool m_savepoint = false;
};

} // namespace suite
