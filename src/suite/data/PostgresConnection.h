#pragma once

#include "suite/data/RecordSet.h"
#include "suite/data/SqlConnection.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

struct pg_conn;
using PGconn = pg_conn;
struct pg_result;
using PGresult = pg_result;

namespace suite {

// A connection to a PostgreSQL server through libpq. Statements take their parameters bound,
// as $1, $2 ... or as the '?' and '?N' placeholders the data service's own statements use.
//
// A connection that breaks (the server restarted, the network dropped) is made again when the
// next statement finds it so: that statement fails with a message saying what was lost (the
// open transaction and the temporary tables), and the statements after it run on the new
// connection, whose session is set up again as at the start.
class PostgresConnection : public SqlConnection
{
public:
    // A result column as it is shown: PostgreSQL folds unquoted names to lower case and keeps
    // a bit as smallint, where the company's tables declare cCusCode and bit. Given the column
    // as its name and type describe it, and where it comes from: the table's object id and the
    // column's number, both 0 for a computed column.
    using ShownField = std::function<Field(const Field &described, unsigned table, int column)>;

    PostgresConnection();
    ~PostgresConnection() override;
    PostgresConnection(const PostgresConnection &) = delete;
    PostgresConnection &operator=(const PostgresConnection &) = delete;

    // sessionSetup runs after connecting and after each reconnect (search_path and the like).
    bool open(const QString &connectionString, const QStringList &sessionSetup, QString &sMsg);
    bool isOpen() const;
    void close();
    void setShownField(ShownField shown);
    // Called after each statement of this connection that created, altered, dropped or
    // commented on a table or another object.
    void setSchemaChanged(std::function<void()> changed);
    // The libpq connection string it was opened with; a cursor opens its own connection by it.
    QString connectionString() const;
    QStringList sessionSetup() const;

    // Rows into a table through COPY FROM STDIN: data holds them in COPY's text form, one line
    // each, the values of the columns separated by tabs.
    // Frozen: the rows go in already frozen and their pages all-visible, so that no VACUUM
    // needs to read them again; the server takes that only into a table created or truncated
    // in the transaction that copies.
    enum class CopyRows { Plain, Frozen };
    bool copyIn(const QString &table, const QStringList &columns, QByteArrayView data,
                QString &sMsg, CopyRows rows = CopyRows::Plain);

    // One or more statements without parameters, run as one text.
    bool execute(const QString &sql, QString &sMsg);

    bool executeStatement(const QString &sql, const QVariantList &params, QString &sMsg,
                          qint64 *rowsChanged = nullptr) override;
    RecordSet queryStatement(const QString &sql, const QVariantList &params,
                             QString &sMsg) override;
    std::unique_ptr<SqlCursor> openCursor(const QString &sql, const QVariantList &params,
                                          QString &sMsg) override;
    RecordSet openTableForInsert(const QString &table, QString &sMsg) override;
    bool beginTransaction(QString &sMsg) override;
    bool beginWriting(const QString &table, QString &sMsg) override;
    bool commitTransaction(QString &sMsg) override;
    bool rollbackTransaction(QString &sMsg) override;
    bool inTransaction() const override;
    bool isReadOnly(const QString &schema) const override;
    QString changeStamp() override;

    // The columns of a result as shown (see ShownField).
    static QList<Field> fieldsOf(const PGresult *result, const ShownField &shown);

    // The statement with '?' and '?N' placeholders outside quotes and comments written as $N.
    static QString numberedPlaceholders(const QString &sql);

private:
    struct Session;

    std::shared_ptr<Session> m_session;
};

// Keeps the server's notices of a connection off the standard error.
void ignoreNotices(PGconn *connection);

// A name quoted for PostgreSQL, whatever it contains: a"b -> "a""b".
QString quotePostgresIdentifier(const QString &name);

} // namespace suite
