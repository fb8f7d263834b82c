#include "suite/data/PostgresConnection.h"

#include "suite/data/PostgresColumns.h"
#include "suite/data/PostgresCursor.h"
#include "suite/data/RowWriter.h"

#include <libpq-fe.h>

#include <vector>

namespace suite {

namespace {

using ResultPointer = std::unique_ptr<PGresult, decltype(&PQclear)>;

// The class of SQLSTATE codes a statement fails with when another connection got there first.
bool lostRace(const char *state)
{
    static const char *const codes[] = { "40001", "40P01", "55P03" };
    for (const char *code : codes) {
        if (qstrcmp(state, code) == 0)
            return true;
    }
    return false;
}

QString serverMessage(const PGresult *result, PGconn *connection)
{
    const char *primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    QString text = QString::fromUtf8(primary ? primary : PQerrorMessage(connection)).trimmed();
    if (const char *detail = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_DETAIL) : nullptr)
        text += QStringLiteral(" (%1)").arg(QString::fromUtf8(detail).trimmed());
    return text;
}

} // namespace

// The server's notices (a DROP ... CASCADE naming what went with it) are no failures, and the
// data service has no one to show them to.
void ignoreNotices(PGconn *connection)
{
    PQsetNoticeProcessor(
        connection, [](void *, const char *) {}, nullptr);
}

struct PostgresConnection::Session : RowWriter
{
    PGconn *connection = nullptr;
    QString connectionString;
    QStringList setup;
    ShownField shownField;
    std::function<void()> schemaChanged;

    ~Session() override { disconnect(); }

    void disconnect()
    {
        if (connection)
            PQfinish(connection);
        connection = nullptr;
    }

    bool connect(QString &sMsg)
    {
        disconnect();
        connection = PQconnectdb(connectionString.toUtf8().constData());
        ignoreNotices(connection);
        if (PQstatus(connection) != CONNECTION_OK) {
            sMsg = QStringLiteral("Cannot connect to the PostgreSQL server: %1")
                       .arg(QString::fromUtf8(PQerrorMessage(connection)).trimmed());
            disconnect();
            return false;
        }
        for (const QString &statement : std::as_const(setup)) {
            ResultPointer result(PQexec(connection, statement.toUtf8().constData()), PQclear);
            if (PQresultStatus(result.get()) != PGRES_COMMAND_OK
                && PQresultStatus(result.get()) != PGRES_TUPLES_OK) {
                sMsg = QStringLiteral("Cannot prepare the session on the PostgreSQL server: %1")
                           .arg(serverMessage(result.get(), connection));
                disconnect();
                return false;
            }
        }
        return true;
    }

    // The message of a failed statement. A broken connection is made again at once, so that
    // the user can repeat the action; a lost race reads as such, not as the server's text.
    QString failure(const PGresult *result, const QString &sql)
    {
        const QString server = serverMessage(result, connection);
        if (PQstatus(connection) == CONNECTION_BAD) {
            QString reconnectMessage;
            if (connect(reconnectMessage)) {
                return QStringLiteral("The connection to the database server was lost and has been "
                                      "made again; the unfinished work of the lost connection was "
                                      "not saved. Please repeat the action. (%1)")
                    .arg(server);
            }
            return QStringLiteral("The connection to the database server was lost. %1")
                .arg(reconnectMessage);
        }
        const char *state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
        if (state && lostRace(state)) {
            return QStringLiteral("Another user changed the same data at the same time; nothing "
                                  "was saved. Please try again. (%1)")
                .arg(server);
        }
        // The writers look for the key before they insert, so a duplicate found by the insert
        // itself was mostly saved by another client a moment before.
        if (qstrcmp(state, "23505") == 0) {
            return QStringLiteral("A record with the same key exists already; another user may "
                                  "have saved it at the same moment. Nothing was saved. (%1)")
                .arg(server);
        }
        return server + QStringLiteral("\nStatement: ") + sql;
    }

    ResultPointer run(const QString &sql, const QVariantList &params, QString &sMsg)
    {
        if (!connection && !connect(sMsg))
            return ResultPointer(nullptr, PQclear);
        const QByteArray text = numberedPlaceholders(sql).toUtf8();
        std::vector<QByteArray> values(size_t(params.size()));
        std::vector<const char *> pointers(size_t(params.size()));
        std::vector<int> lengths(size_t(params.size()));
        std::vector<int> formats(size_t(params.size()));
        for (size_t i = 0; i < values.size(); ++i) {
            bool isNull = false;
            bool binary = false;
            values[i] = postgres_columns::parameterText(params.at(qsizetype(i)), isNull, binary);
            pointers[i] = isNull ? nullptr : values[i].constData();
            lengths[i] = int(values[i].size());
            formats[i] = binary ? 1 : 0;
        }
        ResultPointer result(PQexecParams(connection, text.constData(), int(values.size()), nullptr,
                                          pointers.data(), lengths.data(), formats.data(), 0),
                             PQclear);
        const ExecStatusType status = PQresultStatus(result.get());
        if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) {
            noteSchemaChange(result.get());
            return result;
        }
        sMsg = failure(result.get(), sql);
        return ResultPointer(nullptr, PQclear);
    }

    void noteSchemaChange(const PGresult *result) const
    {
        static const QByteArrayView ddl[] = { "CREATE", "ALTER", "DROP", "COMMENT" };
        const QByteArrayView status(PQcmdStatus(const_cast<PGresult *>(result)));
        for (const QByteArrayView word : ddl) {
            if (schemaChanged && status.startsWith(word)) {
                schemaChanged();
                return;
            }
        }
    }

    bool insertRow(const QString &table, const QList<Field> &fields, const QVariantList &values,
                   QString &sMsg) override
    {
        QStringList names;
        QStringList placeholders;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            names.append(quotePostgresIdentifier(fields.at(i).name.toLower()));
            placeholders.append(u'$' + QString::number(i + 1));
        }
        const QString sql = fields.isEmpty()
            ? QStringLiteral("insert into %1 default values").arg(table)
            : QStringLiteral("insert into %1 (%2) values (%3)")
                  .arg(table, names.join(QStringLiteral(", ")),
                       placeholders.join(QStringLiteral(", ")));
        return run(sql, values, sMsg) != nullptr;
    }
};

PostgresConnection::PostgresConnection()
    : m_session(std::make_shared<Session>())
{ }

PostgresConnection::~PostgresConnection() = default;

bool PostgresConnection::open(const QString &connectionString, const QStringList &sessionSetup,
                              QString &sMsg)
{
    m_session->connectionString = connectionString;
    m_session->setup = sessionSetup;
    return m_session->connect(sMsg);
}

bool PostgresConnection::isOpen() const
{
    return m_session->connection && PQstatus(m_session->connection) == CONNECTION_OK;
}

void PostgresConnection::close()
{
    m_session->disconnect();
}

void PostgresConnection::setShownField(ShownField shown)
{
    m_session->shownField = std::move(shown);
}

QList<Field> PostgresConnection::fieldsOf(const PGresult *result, const ShownField &shown)
{
    QList<Field> fields;
    for (int column = 0; column < PQnfields(result); ++column) {
        const Field described =
            postgres_columns::fieldOf(QString::fromUtf8(PQfname(result, column)),
                                      PQftype(result, column), PQfmod(result, column));
        fields.append(shown
                          ? shown(described, PQftable(result, column), PQftablecol(result, column))
                          : described);
    }
    return fields;
}

void PostgresConnection::setSchemaChanged(std::function<void()> changed)
{
    m_session->schemaChanged = std::move(changed);
}

QString PostgresConnection::connectionString() const
{
    return m_session->connectionString;
}

QStringList PostgresConnection::sessionSetup() const
{
    return m_session->setup;
}

bool PostgresConnection::execute(const QString &sql, QString &sMsg)
{
    if (!m_session->connection && !m_session->connect(sMsg))
        return false;
    ResultPointer result(PQexec(m_session->connection, sql.toUtf8().constData()), PQclear);
    const ExecStatusType status = PQresultStatus(result.get());
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) {
        m_session->noteSchemaChange(result.get());
        return true;
    }
    sMsg = m_session->failure(result.get(), sql);
    return false;
}

bool PostgresConnection::executeStatement(const QString &sql, const QVariantList &params,
                                          QString &sMsg, qint64 *rowsChanged)
{
    const ResultPointer result = m_session->run(sql, params, sMsg);
    if (!result)
        return false;
    if (rowsChanged)
        *rowsChanged = QByteArray(PQcmdTuples(result.get())).toLongLong();
    return true;
}

RecordSet PostgresConnection::queryStatement(const QString &sql, const QVariantList &params,
                                             QString &sMsg)
{
    const ResultPointer result = m_session->run(sql, params, sMsg);
    if (!result)
        return RecordSet();
    const QList<Field> fields = fieldsOf(result.get(), m_session->shownField);
    std::vector<postgres_columns::Reader> readers;
    for (const Field &field : fields)
        readers.push_back(cellReaderOf(field.type));
    const int rows = PQntuples(result.get());
    std::vector<QVariant> cells;
    cells.reserve(size_t(rows) * size_t(fields.size()));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < int(fields.size()); ++column) {
            cells.push_back(postgres_columns::value(
                QByteArrayView(PQgetvalue(result.get(), row, column),
                               PQgetlength(result.get(), row, column)),
                PQgetisnull(result.get(), row, column) != 0, readers[size_t(column)]));
        }
    }
    return RecordSet::fromCells(fields, std::move(cells));
}

std::unique_ptr<SqlCursor> PostgresConnection::openCursor(const QString &sql,
                                                          const QVariantList &params, QString &sMsg)
{
    return PostgresCursor::open(*this, numberedPlaceholders(sql), params, m_session->shownField,
                                sMsg);
}

// The table as the company's statements name it (Customer, 0A1BCusCodeList, #picked), named as
// the dialect names tables: folded to lower case, quoted, a # table in the temporary schema.
RecordSet PostgresConnection::openTableForInsert(const QString &table, QString &sMsg)
{
    const QString name = table.trimmed();
    const QString quoted = (name.startsWith(u'#') ? QStringLiteral("pg_temp.") : QString())
        + quotePostgresIdentifier(name.toLower());
    const RecordSet empty =
        queryStatement(QStringLiteral("select * from %1 where false").arg(quoted), {}, sMsg);
    if (!empty.IsOpen())
        return RecordSet();
    return RecordSet::writable(empty.Fields(), m_session, quoted);
}

bool PostgresConnection::beginTransaction(QString &sMsg)
{
    if (inTransaction()) {
        sMsg = QStringLiteral("A transaction is already open on this connection.");
        return false;
    }
    return execute(QStringLiteral("begin"), sMsg);
}

// SHARE ROW EXCLUSIVE lets readers in and keeps every other writer of the table out until the
// transaction ends, so what this one reads before it writes stays true.
bool PostgresConnection::beginWriting(const QString &table, QString &sMsg)
{
    if (!beginTransaction(sMsg))
        return false;
    if (execute(QStringLiteral("lock table %1 in share row exclusive mode").arg(table), sMsg))
        return true;
    QString ignored;
    rollbackTransaction(ignored);
    return false;
}

// The server ends a transaction at its first failed statement and answers a COMMIT of it
// with a ROLLBACK, which libpq reports as a success: the caller is told nothing was saved.
bool PostgresConnection::commitTransaction(QString &sMsg)
{
    if (!inTransaction()) {
        sMsg = QStringLiteral("No transaction is open on this connection.");
        return false;
    }
    if (PQtransactionStatus(m_session->connection) != PQTRANS_INERROR)
        return execute(QStringLiteral("commit"), sMsg);
    QString ignored;
    execute(QStringLiteral("rollback"), ignored);
    sMsg = QStringLiteral("A statement of the transaction failed, so the server undid the whole "
                          "transaction; nothing of it was saved.");
    return false;
}

bool PostgresConnection::rollbackTransaction(QString &sMsg)
{
    if (!inTransaction()) {
        sMsg = QStringLiteral("No transaction is open on this connection.");
        return false;
    }
    return execute(QStringLiteral("rollback"), sMsg);
}

bool PostgresConnection::inTransaction() const
{
    return m_session->connection && PQtransactionStatus(m_session->connection) != PQTRANS_IDLE
        && PQtransactionStatus(m_session->connection) != PQTRANS_UNKNOWN;
}

// Rights on a server are the administrator's per table; what makes the whole store read-only
// is a session that may not write at all (a standby server, a read-only role).
bool PostgresConnection::isReadOnly(const QString &) const
{
    QString sMsg;
    const RecordSet readOnly = const_cast<PostgresConnection *>(this)->queryStatement(
        QStringLiteral("select current_setting('transaction_read_only') = 'on'"), {}, sMsg);
    return readOnly.IsOpen() && readOnly.RecordCount() == 1 && readOnly.valueAt(0, 0).toBool();
}

// The server's snapshot names the last transaction that ended and those still running below
// it: any write, by any client, ends a transaction and moves it, and reads leave it as it is.
// This connection's own writes in its open transaction do not show in it, so a transaction
// that has written gives no stamp.
QString PostgresConnection::changeStamp()
{
    if (!isOpen())
        return QString();
    QString sMsg;
    const RecordSet snapshot = queryStatement(
        QStringLiteral("select case when pg_current_xact_id_if_assigned() is null then "
                       "pg_current_snapshot()::text end"),
        {}, sMsg);
    if (!snapshot.IsOpen() || snapshot.RecordCount() != 1)
        return QString();
    return snapshot.valueAt(0, 0).toString();
}

bool PostgresConnection::copyIn(const QString &table, const QStringList &columns,
                                QByteArrayView data, QString &sMsg, CopyRows rows)
{
    if (!m_session->connection && !m_session->connect(sMsg))
        return false;
    QStringList quoted;
    for (const QString &column : columns)
        quoted.append(quotePostgresIdentifier(column.toLower()));
    QString sql =
        QStringLiteral("copy %1 (%2) from stdin").arg(table, quoted.join(QStringLiteral(", ")));
    if (rows == CopyRows::Frozen)
        sql += QStringLiteral(" with (freeze)");
    PGconn *connection = m_session->connection;
    ResultPointer start(PQexec(connection, sql.toUtf8().constData()), PQclear);
    if (PQresultStatus(start.get()) != PGRES_COPY_IN) {
        sMsg = m_session->failure(start.get(), sql);
        return false;
    }
    const bool sent = PQputCopyData(connection, data.constData(), int(data.size())) == 1;
    PQputCopyEnd(connection, sent ? nullptr : "the rows could not be sent");
    bool ok = sent;
    while (PGresult *result = PQgetResult(connection)) {
        if (PQresultStatus(result) != PGRES_COMMAND_OK) {
            sMsg = m_session->failure(result, sql);
            ok = false;
        } else {
            m_session->noteSchemaChange(result);
        }
        PQclear(result);
    }
    return ok;
}

QString PostgresConnection::numberedPlaceholders(const QString &sql)
{
    if (!sql.contains(u'?'))
        return sql;
    QString out;
    out.reserve(sql.size() + 8);
    int next = 0;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            out += c;
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'-' && i + 1 < sql.size() && sql.at(i + 1) == u'-') {
            const qsizetype end = sql.indexOf(u'\n', i);
            const qsizetype stop = end < 0 ? sql.size() : end;
            out += QStringView(sql).mid(i, stop - i);
            i = stop - 1;
            continue;
        } else if (c == u'?') {
            qsizetype digits = i + 1;
            while (digits < sql.size() && sql.at(digits).isDigit())
                ++digits;
            if (digits > i + 1) {
                out += u'$';
                out += QStringView(sql).mid(i + 1, digits - i - 1);
                i = digits - 1;
            } else {
                out += u'$' + QString::number(++next);
            }
            continue;
        }
        out += c;
    }
    return out;
}

QString quotePostgresIdentifier(const QString &name)
{
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace suite
