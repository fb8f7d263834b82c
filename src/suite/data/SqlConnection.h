#pragma once

#include "suite/data/RecordSet.h"
#include "suite/data/SqlCursor.h"

#include <QString>
#include <QVariantList>

#include <memory>

namespace suite {

// What the data service needs of a database backend: statements with bound parameters,
// results as record sets, and transactions. SQLite is the embedded backend; a server
// backend implements the same members.
class SqlConnection
{
public:
    virtual ~SqlConnection() = default;

    // Runs one statement; rowsChanged (when given) receives the rows it inserted, updated or
    // deleted.
    virtual bool executeStatement(const QString &sql, const QVariantList &params, QString &sMsg,
                                  qint64 *rowsChanged = nullptr) = 0;
    // The rows of one statement; a closed record set and the reason in sMsg on failure.
    virtual RecordSet queryStatement(const QString &sql, const QVariantList &params,
                                     QString &sMsg) = 0;
    // The rows of one statement read forward one at a time (see SqlCursor); null with the
    // reason in sMsg when the statement cannot be prepared.
    virtual std::unique_ptr<SqlCursor> openCursor(const QString &sql, const QVariantList &params,
                                                  QString &sMsg) = 0;
    // An empty record set of the table's columns whose added rows are inserted into it.
    virtual RecordSet openTableForInsert(const QString &table, QString &sMsg) = 0;

    // A transaction locks what it touches, when it touches it.
    virtual bool beginTransaction(QString &sMsg) = 0;
    // A transaction that is going to write the table: the table is reserved for this connection
    // at once (waiting through the busy time-out for another writer), so that what it reads
    // before its first write cannot be overtaken by another writer's commit.
    virtual bool beginWriting(const QString &table, QString &sMsg) = 0;
    virtual bool commitTransaction(QString &sMsg) = 0;
    virtual bool rollbackTransaction(QString &sMsg) = 0;
    virtual bool inTransaction() const = 0;
    // Whether the schema ("main" or an attached database) cannot be written.
    virtual bool isReadOnly(const QString &schema) const = 0;

    // A mark that differs whenever the data may have changed since it was last taken, by this
    // connection or another one; empty when the backend cannot tell, and then nothing that
    // depends on it may be kept.
    virtual QString changeStamp() = 0;
};

} // namespace suite
