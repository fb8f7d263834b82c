#include "suite/data/AtomicWrite.h"

#include "suite/core/ErrorLog.h"

namespace suite {

namespace {

const QString kSavepoint = QStringLiteral("atomic_write");

} // namespace

AtomicWrite::AtomicWrite(SqlConnection &connection, const QString &writtenTable)
    : m_connection(connection)
    , m_writtenTable(writtenTable)
{ }

AtomicWrite::~AtomicWrite()
{
    if (m_open)
        undo();
}

bool AtomicWrite::begin(QString &sMsg)
{
    m_savepoint = m_connection.inTransaction();
    m_open = m_savepoint
        ? m_connection.executeStatement(QStringLiteral("savepoint ") + kSavepoint, {}, sMsg)
        : m_connection.beginWriting(m_writtenTable, sMsg);
    return m_open;
}

bool AtomicWrite::commit(QString &sMsg)
{
    const bool committed = m_savepoint
        ? m_connection.executeStatement(QStringLiteral("release savepoint ") + kSavepoint, {}, sMsg)
        : m_connection.commitTransaction(sMsg);
    if (committed)
        m_open = false;
    return committed;
}

void AtomicWrite::undo()
{
    QString sMsg;
    const bool undone = m_savepoint
        ? m_connection.executeStatement(QStringLiteral("rollback to savepoint ") + kSavepoint, {},
                                        sMsg)
            && m_connection.executeStatement(QStringLiteral("release savepoint ") + kSavepoint, {},
                                             sMsg)
        : m_connection.rollbackTransaction(sMsg);
    if (!undone)
        ErrorLog::instance().error(QStringLiteral("AtomicWrite"),
                                   QStringLiteral("The changes could not be undone: ") + sMsg);
}

} // namespace suite
