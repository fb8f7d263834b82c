#pragma once

#include "suite/data/RecordSet.h"
#include "suite/data/RowWriter.h"
#include "suite/data/SqlConnection.h"

#include <QString>
#include <QVariant>

#include <memory>

struct sqlite3;

namespace suite {

// An open SQLite database. Copies share the same database handle, which is closed when the
// last copy goes or close() is called; a record set opened for insert keeps such a copy as
// its writer. Statements take their parameters bound, as '?' placeholders in order.
class SqliteConnection : public RowWriter, public SqlConnection
{
public:
    enum class OpenMode { ReadOnly, ReadWrite, ReadWriteCreate };

    // Seven processes writing the same company at once each wait their turn well within it.
    static constexpr int kDefaultBusyTimeoutMs = 30000;

    SqliteConnection();
    ~SqliteConnection() override;
    SqliteConnection(const SqliteConnection &other);
    SqliteConnection &operator=(const SqliteConnection &other);

    // path may be ":memory:". A database locked by another connection is waited for up to
    // the busy time-out before a statement fails. A file this process may not write is
    // opened read-only (see openName).
    bool open(const QString &path, QString &sMsg, OpenMode mode = OpenMode::ReadWriteCreate);
    // The name SQLite opens (or attaches) an existing database file by: the path itself when
    // this process may write the file and its folder, otherwise a read-only URI. A file in
    // write-ahead-log mode reads without a shared-memory file beside it only as immutable.
    static QString openName(const QString &path);
    bool isReadOnly(const QString &schema) const override;
    void close();
    bool isOpen() const;
    QString path() const;
    void setBusyTimeout(int milliseconds);

    // Runs one or more statements separated by semicolons, stopping at the first failure.
    bool execute(const QString &sql, QString &sMsg);
    // Runs one statement with its parameters.
    bool execute(const QString &sql, const QVariantList &params, QString &sMsg);

    // The rows of one statement. On failure a closed record set and the reason in sMsg; a
    // statement that returns no columns gives an open record set without fields.
    RecordSet query(const QString &sql, const QVariantList &params, QString &sMsg);

    // An empty record set of the table's columns whose added rows are inserted into it.
    RecordSet openForInsert(const QString &table, QString &sMsg);

    // The backend members of the data service.
    bool executeStatement(const QString &sql, const QVariantList &params, QString &sMsg,
                          qint64 *rowsChanged = nullptr) override;
    RecordSet queryStatement(const QString &sql, const QVariantList &params,
                             QString &sMsg) override;
    RecordSet openTableForInsert(const QString &table, QString &sMsg) override;
    std::unique_ptr<SqlCursor> openCursor(const QString &sql, const QVariantList &params,
                                          QString &sMsg) override;
    bool beginTransaction(QString &sMsg) override;
    bool beginWriting(const QString &table, QString &sMsg) override;
    bool commitTransaction(QString &sMsg) override;
    bool rollbackTransaction(QString &sMsg) override;
    bool inTransaction() const override;
    QString changeStamp() override;

    bool insertRow(const QString &table, const QList<Field> &fields, const QVariantList &values,
                   QString &sMsg) override;

    // The message of a failed SQLite call on this connection, as its own statements give it.
    QString errorText(int code, const QString &sql) const;

    // For the few callers that extend the connection, such as registering SQL functions.
    sqlite3 *handle() const;

private:
    struct Database;

    std::shared_ptr<Database> m_database;
};

// The column of a declared SQLite type as ADO describes it; nvarchar(40) is adVarWChar of 40.
Field fieldOfDeclaredType(const QString &name, const QString &declaredType);

// A column name quoted for SQLite, whatever it contains: a.b -> "a.b".
QString quoteSqliteIdentifier(const QString &name);
// A table name, possibly qualified, quoted for SQLite: Customer -> "Customer",
// [main].[T] -> "main"."T".
QString quoteSqliteName(const QString &name);

} // namespace suite
