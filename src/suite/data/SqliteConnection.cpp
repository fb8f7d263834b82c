#include "suite/data/SqliteConnection.h"

#include "suite/data/SqliteColumns.h"
#include "suite/data/SqliteCursor.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QUrl>
#include <QUuid>

#include <sqlite3.h>

#include <algorithm>
#include <string>
#include <string_view>

#include <limits>

namespace suite {

namespace {

using StatementPtr = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)>;
using sqlite_columns::Reader;

// Statements of one text are prepared once per connection and kept, up to this many texts.
constexpr int kMaxCachedStatements = 64;
constexpr int kLongBinarySize = std::numeric_limits<int>::max();

QString excerpt(const QString &sql)
{
    constexpr int kMaxShown = 200;
    const QString simplified = sql.simplified();
    return simplified.size() <= kMaxShown ? simplified
                                          : simplified.left(kMaxShown) + QStringLiteral("...");
}

struct DeclaredType
{
    const char *name;
    int type;
    int size; // -1: the length written in the declaration
};

constexpr DeclaredType kDeclaredTypes[] = {
    { "nvarchar", adVarWChar, -1 },
    { "varchar", adVarChar, -1 },
    { "nchar", adWChar, -1 },
    { "char", adChar, -1 },
    { "ntext", adLongVarWChar, kLongTextSize },
    { "text", adLongVarWChar, kLongTextSize },
    { "int", adInteger, 4 },
    { "integer", adInteger, 4 },
    { "smallint", adSmallInt, 2 },
    { "tinyint", adUnsignedTinyInt, 1 },
    { "bigint", adBigInt, 8 },
    { "bit", adBoolean, 2 },
    { "float", adDouble, 8 },
    { "real", adDouble, 8 },
    { "double", adDouble, 8 },
    { "double precision", adDouble, 8 },
    { "money", adCurrency, 8 },
    { "smallmoney", adCurrency, 8 },
    { "decimal", adNumeric, 19 },
    { "numeric", adNumeric, 19 },
    { "datetime", adDBTimeStamp, 16 },
    { "datetime2", adDBTimeStamp, 16 },
    { "smalldatetime", adDBTimeStamp, 16 },
    { "date", adDBTimeStamp, 16 },
    { "binary", adBinary, -1 },
    { "varbinary", adVarBinary, -1 },
    { "image", adLongVarBinary, kLongBinarySize },
    { "blob", adLongVarBinary, kLongBinarySize },
    { "uniqueidentifier", adGUID, 16 },
};

// SQLite's own affinity rules, for declarations that no SQL Server type names.
Field fieldOfAffinity(const QString &name, const QString &declared)
{
    if (declared.contains(u"int"))
        return { name, adBigInt, 8 };
    if (declared.contains(u"char") || declared.contains(u"clob") || declared.contains(u"text"))
        return { name, adLongVarWChar, kLongTextSize };
    if (declared.contains(u"blob"))
        return { name, adLongVarBinary, kLongBinarySize };
    if (declared.contains(u"real") || declared.contains(u"floa") || declared.contains(u"doub"))
        return { name, adDouble, 8 };
    return { name, adNumeric, 19 };
}

// A column without a declared type (an expression) takes its type from its first value.
void settleUndeclaredColumn(Field &field, std::vector<QVariant> &cells, size_t column, size_t width)
{
    int firstType = QMetaType::UnknownType;
    bool fitsInt = true;
    for (size_t i = column; i < cells.size(); i += width) {
        const QVariant &value = cells[i];
        if (firstType == QMetaType::UnknownType)
            firstType = value.typeId();
        if (value.typeId() == QMetaType::LongLong)
            fitsInt = fitsInt && value.toLongLong() == value.toInt();
    }
    switch (firstType) {
    case QMetaType::LongLong:
        field = { field.name, fitsInt ? adInteger : adBigInt, fitsInt ? 4 : 8 };
        break;
    case QMetaType::Double:
        field = { field.name, adDouble, 8 };
        return;
    case QMetaType::QByteArray:
        field = { field.name, adLongVarBinary, kLongBinarySize };
        return;
    default:
        field = { field.name, adLongVarWChar, kLongTextSize };
        return;
    }
    for (size_t i = column; fitsInt && i < cells.size(); i += width) {
        if (cells[i].typeId() == QMetaType::LongLong)
            cells[i] = cells[i].toInt();
    }
}

QString dateTimeText(const QDateTime &dateTime)
{
    return dateTime.toString(dateTime.time().msec() ? QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")
                                                    : QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

int bindText(sqlite3_stmt *statement, int index, const QString &text)
{
    return sqlite3_bind_text16(statement, index, text.utf16(), int(text.size() * sizeof(QChar)),
                               SQLITE_TRANSIENT);
}

int bindValue(sqlite3_stmt *statement, int index, const QVariant &value)
{
    if (value.isNull())
        return sqlite3_bind_null(statement, index);
    switch (value.typeId()) {
    case QMetaType::Bool:
        return sqlite3_bind_int(statement, index, value.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return sqlite3_bind_int64(statement, index, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(statement, index, value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        // An empty array is bound as an empty blob; a null pointer would bind NULL.
        if (bytes.isEmpty())
            return sqlite3_bind_zeroblob(statement, index, 0);
        return sqlite3_bind_blob(statement, index, bytes.constData(), int(bytes.size()),
                                 SQLITE_TRANSIENT);
    }
    case QMetaType::QDateTime:
        return bindText(statement, index, dateTimeText(value.toDateTime()));
    case QMetaType::QDate:
        return bindText(statement, index, value.toDate().toString(Qt::ISODate));
    case QMetaType::QUuid:
        return bindText(statement, index, value.toUuid().toString(QUuid::WithoutBraces).toUpper());
    default:
        return bindText(statement, index, value.toString());
    }
}

} // namespace

Field fieldOfDeclaredType(const QString &name, const QString &declaredType)
{
    const QString declared = declaredType.trimmed().toLower();
    const qsizetype paren = declared.indexOf(u'(');
    const QString base = declared.left(paren).trimmed();
    const QString length =
        paren < 0 ? QString() : declared.mid(paren + 1).section(u',', 0, 0).remove(u')');
    bool sized = false;
    const int size = length.trimmed().toInt(&sized);
    for (const DeclaredType &known : kDeclaredTypes) {
        if (base != QLatin1String(known.name))
            continue;
        if (known.size >= 0)
            return { name, known.type, known.size };
        if (sized && size > 0)
            return { name, known.type, size };
        // SQLite enforces no length, so an unsized or (max) column is unbounded.
        if (typeFamily(known.type) == TypeFamily::Binary)
            return { name, adLongVarBinary, kLongBinarySize };
        return { name, adLongVarWChar, kLongTextSize };
    }
    return fieldOfAffinity(name, declared);
}

QString quoteSqliteIdentifier(const QString &name)
{
    return u'"' + QString(name).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QString quoteSqliteName(const QString &name)
{
    QStringList quoted;
    for (QString part : name.trimmed().split(u'.')) {
        part = part.trimmed();
        if (part.size() >= 2
            && ((part.front() == u'[' && part.back() == u']')
                || (part.front() == u'"' && part.back() == u'"'))) {
            part =
                part.mid(1, part.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
        }
        quoted.append(quoteSqliteIdentifier(part));
    }
    return quoted.join(u'.');
}

// Dates are text in SQLite, written in several lengths: 2026-12-06, 2026-12-06 10:30:00,
// 2026-12-06T10:30:00.123. SQL Server compares them as points in time, so a date column
// compares through this collation, which completes each side to its full length before
// comparing: '2026-12-06 00:00:00.000' <= '2026-12-06' holds, as it does there. Text that
// is no date compares byte by byte.
namespace {

constexpr const char *kDateCollation = "TSQLDATE";

std::string comparableDate(const char *text, int length)
{
    static constexpr std::string_view kMidnight = "0000-00-00 00:00:00.000";
    const bool dateLike =
        length >= 10 && length <= int(kMidnight.size()) && text[4] == '-' && text[7] == '-';
    std::string result(text, size_t(length));
    if (!dateLike)
        return result;
    if (length > 10 && result[10] == 'T')
        result[10] = ' ';
    result.append(kMidnight.substr(size_t(length)));
    return result;
}

int compareDates(void *, int lengthA, const void *a, int lengthB, const void *b)
{
    const std::string left = comparableDate(static_cast<const char *>(a), lengthA);
    const std::string right = comparableDate(static_cast<const char *>(b), lengthB);
    return left.compare(right);
}

// A statement of the connection's cache for the length of one use: reset and its values
// cleared when the use ends, however it ends.
class ReusedStatement
{
public:
    explicit ReusedStatement(sqlite3_stmt *statement)
        : m_statement(statement)
    { }
    ~ReusedStatement()
    {
        if (m_statement) {
            sqlite3_reset(m_statement);
            sqlite3_clear_bindings(m_statement);
        }
    }
    ReusedStatement(const ReusedStatement &) = delete;
    ReusedStatement &operator=(const ReusedStatement &) = delete;

    sqlite3_stmt *get() const { return m_statement; }
    explicit operator bool() const { return m_statement != nullptr; }

private:
    sqlite3_stmt *m_statement;
};

} // namespace

struct SqliteConnection::Database
{
    sqlite3 *db = nullptr;
    QString path;
    int busyTimeoutMs = kDefaultBusyTimeoutMs;
    QHash<QString, sqlite3_stmt *> statements;

    ~Database() { close(); }

    void close()
    {
        for (sqlite3_stmt *statement : std::as_const(statements))
            sqlite3_finalize(statement);
        statements.clear();
        sqlite3_close_v2(db);
        db = nullptr;
    }

    QString error(int code, const QString &sql) const
    {
        QString text = QString::fromUtf8(sqlite3_errmsg(db));
        const int primary = code & 0xff;
        if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
            text += QStringLiteral(" (another connection held it for more than %1 ms)")
                        .arg(busyTimeoutMs);
        else if (primary == SQLITE_FULL)
            text = QStringLiteral("the disk is full");
        else if (primary == SQLITE_READONLY)
            text = QStringLiteral("the database is read-only: changes are not possible");
        return QStringLiteral("%1 [SQLite error %2] in: %3").arg(text).arg(code).arg(excerpt(sql));
    }

    // The journal mode is kept in the file, so this is a no-op after the first time. A file
    // that cannot be written stays in its mode: it is read as it is.
    void useWriteAheadLog() const
    {
        if (sqlite3_db_readonly(db, "main") == 0)
            sqlite3_exec(db, "pragma journal_mode=wal", nullptr, nullptr, nullptr);
    }

    // A file that is no database opens without complaint; the first read tells. A database
    // that another connection has locked is a database, so the probe does not wait for it.
    bool probe(QString &sMsg) const
    {
        sqlite3_stmt *raw = nullptr;
        int code = sqlite3_prepare_v2(db, "select count(*) from sqlite_master", -1, &raw, nullptr);
        const StatementPtr statement(raw, sqlite3_finalize);
        if (code == SQLITE_OK)
            code = sqlite3_step(raw);
        const int primary = code & 0xff;
        if (code == SQLITE_ROW || primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
            return true;
        sMsg = QStringLiteral("Cannot open the database '%1': %2")
                   .arg(path, QString::fromUtf8(sqlite3_errmsg(db)));
        return false;
    }

    // Prepares the first statement of text from the byte offset from; next receives where the
    // following one starts. Text holding only blanks or comments gives no statement.
    bool prepare(const QByteArray &text, qsizetype from, StatementPtr &statement, qsizetype &next,
                 QString &sMsg) const
    {
        sqlite3_stmt *raw = nullptr;
        const char *start = text.constData() + from;
        const char *tail = nullptr;
        const int code = sqlite3_prepare_v2(db, start, int(text.size() - from), &raw, &tail);
        statement.reset(raw);
        next = tail ? tail - text.constData() : text.size();
        if (code != SQLITE_OK)
            sMsg = error(code, QString::fromUtf8(start, next - from));
        return code == SQLITE_OK;
    }

    bool bind(sqlite3_stmt *statement, const QVariantList &params, const QString &sql,
              QString &sMsg) const
    {
        const int expected = sqlite3_bind_parameter_count(statement);
        if (expected != params.size()) {
            sMsg = QStringLiteral("The statement takes %1 parameters but %2 were given, in: %3")
                       .arg(expected)
                       .arg(params.size())
                       .arg(excerpt(sql));
            return false;
        }
        for (int i = 0; i < expected; ++i) {
            const int code = bindValue(statement, i + 1, params.at(i));
            if (code != SQLITE_OK) {
                sMsg = error(code, sql);
                return false;
            }
        }
        return true;
    }

    bool runToEnd(sqlite3_stmt *statement, const QString &sql, QString &sMsg) const
    {
        int code = SQLITE_ROW;
        while (code == SQLITE_ROW)
            code = sqlite3_step(statement);
        if (code == SQLITE_DONE)
            return true;
        sMsg = error(sqlite3_extended_errcode(db), sql);
        return false;
    }

    StatementPtr prepareSingle(const QString &sql, QString &sMsg) const
    {
        const QByteArray text = sql.toUtf8();
        qsizetype next = 0;
        StatementPtr statement(nullptr, sqlite3_finalize);
        if (!prepare(text, 0, statement, next, sMsg))
            return statement;
        if (!statement) {
            sMsg = QStringLiteral("The statement is empty.");
            return statement;
        }
        const QByteArray rest = text.mid(next);
        const bool onlySeparators = std::all_of(
            rest.begin(), rest.end(), [](char c) { return c == ';' || QChar::isSpace(uchar(c)); });
        if (!onlySeparators) {
            sMsg = QStringLiteral("Only one statement can be run here, in: %1").arg(excerpt(sql));
            statement.reset();
        }
        return statement;
    }

    // A kept statement is reset after each use (ReusedStatement), so that it holds no read
    // snapshot between uses.
    sqlite3_stmt *cachedStatement(const QString &sql, QString &sMsg)
    {
        sqlite3_stmt *cached = statements.value(sql);
        if (cached)
            return cached;
        if (statements.size() >= kMaxCachedStatements) {
            for (sqlite3_stmt *statement : std::as_const(statements))
                sqlite3_finalize(statement);
            statements.clear();
        }
        StatementPtr statement = prepareSingle(sql, sMsg);
        if (statement)
            statements.insert(sql, statement.get());
        return statement.release();
    }
};

SqliteConnection::SqliteConnection() = default;
SqliteConnection::~SqliteConnection() = default;
SqliteConnection::SqliteConnection(const SqliteConnection &other) = default;
SqliteConnection &SqliteConnection::operator=(const SqliteConnection &other) = default;

bool SqliteConnection::open(const QString &path, QString &sMsg, OpenMode mode)
{
    auto database = std::make_shared<Database>();
    database->path = path;
    int flags = SQLITE_OPEN_READONLY;
    if (mode == OpenMode::ReadWrite)
        flags = SQLITE_OPEN_READWRITE;
    else if (mode == OpenMode::ReadWriteCreate)
        flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const QString name = QFileInfo::exists(path) ? openName(path) : path;
    if (name != path)
        flags = SQLITE_OPEN_READONLY;
    const int code =
        sqlite3_open_v2(name.toUtf8().constData(), &database->db, flags | SQLITE_OPEN_URI, nullptr);
    if (code != SQLITE_OK) {
        const QString reason = database->db ? QString::fromUtf8(sqlite3_errmsg(database->db))
                                            : QStringLiteral("out of memory");
        const bool missing = path != u":memory:" && !QFileInfo::exists(path);
        sMsg = QStringLiteral("Cannot open the database '%1': %2%3")
                   .arg(path, reason,
                        missing ? QStringLiteral(" (the file does not exist)") : QString());
        return false;
    }
    sqlite3_extended_result_codes(database->db, 1);
    sqlite3_create_collation_v2(database->db, kDateCollation, SQLITE_UTF8, nullptr, compareDates,
                                nullptr);
    if (!database->probe(sMsg))
        return false;
    sqlite3_busy_timeout(database->db, database->busyTimeoutMs);
    if (mode != OpenMode::ReadOnly && path != u":memory:")
        database->useWriteAheadLog();
    m_database = std::move(database);
    return true;
}

QString SqliteConnection::openName(const QString &path)
{
    const QFileInfo file(path);
    if (path == u":memory:" || !file.exists()
        || (file.isWritable() && QFileInfo(file.absolutePath()).isWritable()))
        return path;
    const bool sharedMemory = QFileInfo::exists(path + QStringLiteral("-shm"));
    return QStringLiteral("file:")
        + QString::fromLatin1(QUrl::toPercentEncoding(file.absoluteFilePath(), "/"))
        + (sharedMemory ? QStringLiteral("?mode=ro") : QStringLiteral("?immutable=1"));
}

bool SqliteConnection::isReadOnly(const QString &schema) const
{
    return isOpen() && sqlite3_db_readonly(m_database->db, schema.toUtf8().constData()) == 1;
}

void SqliteConnection::close()
{
    if (m_database)
        m_database->close();
    m_database.reset();
}

bool SqliteConnection::isOpen() const
{
    return m_database && m_database->db;
}

QString SqliteConnection::path() const
{
    return m_database ? m_database->path : QString();
}

void SqliteConnection::setBusyTimeout(int milliseconds)
{
    if (!isOpen())
        return;
    m_database->busyTimeoutMs = milliseconds;
    sqlite3_busy_timeout(m_database->db, milliseconds);
}

sqlite3 *SqliteConnection::handle() const
{
    return m_database ? m_database->db : nullptr;
}

bool SqliteConnection::execute(const QString &sql, QString &sMsg)
{
    if (!isOpen()) {
        sMsg = QStringLiteral("The database is not open.");
        return false;
    }
    const QByteArray text = sql.toUtf8();
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype next = 0;
        StatementPtr statement(nullptr, sqlite3_finalize);
        if (!m_database->prepare(text, from, statement, next, sMsg))
            return false;
        const QString statementText = QString::fromUtf8(text.mid(from, next - from));
        if (statement && !m_database->runToEnd(statement.get(), statementText, sMsg))
            return false;
        from = next;
    }
    return true;
}

bool SqliteConnection::execute(const QString &sql, const QVariantList &params, QString &sMsg)
{
    if (!isOpen()) {
        sMsg = QStringLiteral("The database is not open.");
        return false;
    }
    const ReusedStatement statement(m_database->cachedStatement(sql, sMsg));
    return statement && m_database->bind(statement.get(), params, sql, sMsg)
        && m_database->runToEnd(statement.get(), sql, sMsg);
}

RecordSet SqliteConnection::query(const QString &sql, const QVariantList &params, QString &sMsg)
{
    if (!isOpen()) {
        sMsg = QStringLiteral("The database is not open.");
        return RecordSet();
    }
    const ReusedStatement statement(m_database->cachedStatement(sql, sMsg));
    if (!statement || !m_database->bind(statement.get(), params, sql, sMsg))
        return RecordSet();
    sqlite3_stmt *raw = statement.get();
    QList<Field> fields;
    std::vector<Reader> readers;
    sqlite_columns::describe(raw, fields, readers);
    const int width = int(fields.size());
    std::vector<QVariant> cells;
    int code = SQLITE_ROW;
    while ((code = sqlite3_step(raw)) == SQLITE_ROW) {
        for (int column = 0; column < width; ++column)
            cells.push_back(sqlite_columns::value(raw, column, readers[column]));
    }
    if (code != SQLITE_DONE) {
        sMsg = m_database->error(sqlite3_extended_errcode(m_database->db), sql);
        return RecordSet();
    }
    for (int column = 0; column < width; ++column) {
        if (readers[column] == Reader::ByStorage)
            settleUndeclaredColumn(fields[column], cells, column, width);
    }
    return RecordSet::fromCells(fields, std::move(cells));
}

RecordSet SqliteConnection::openForInsert(const QString &table, QString &sMsg)
{
    const RecordSet columns =
        query(QStringLiteral("select * from %1 limit 0").arg(quoteSqliteName(table)), {}, sMsg);
    if (!columns.IsOpen())
        return RecordSet();
    return RecordSet::writable(columns.Fields(), std::make_shared<SqliteConnection>(*this),
                               table.trimmed());
}

bool SqliteConnection::insertRow(const QString &table, const QList<Field> &fields,
                                 const QVariantList &values, QString &sMsg)
{
    if (!isOpen()) {
        sMsg = QStringLiteral("The database is closed; the row for %1 was not stored.").arg(table);
        return false;
    }
    QString sql = QStringLiteral("insert into ") + quoteSqliteName(table);
    if (fields.isEmpty()) {
        sql += QStringLiteral(" default values");
    } else {
        QStringList names;
        for (const Field &field : fields)
            names.append(quoteSqliteIdentifier(field.name));
        sql +=
            QStringLiteral(" (%1) values (%2)")
                .arg(names.join(u','), QStringList(fields.size(), QStringLiteral("?")).join(u','));
    }
    const ReusedStatement statement(m_database->cachedStatement(sql, sMsg));
    return statement && m_database->bind(statement.get(), values, sql, sMsg)
        && m_database->runToEnd(statement.get(), sql, sMsg);
}

bool SqliteConnection::executeStatement(const QString &sql, const QVariantList &params,
                                        QString &sMsg, qint64 *rowsChanged)
{
    // A statement such as CREATE leaves sqlite3_changes at the previous statement's count, so
    // whether this one changed rows at all is told by the running total. The total also counts
    // what triggers (an identity column's numbering) change; sqlite3_changes counts only the
    // statement's own rows, as SQL Server does.
    const qint64 before = isOpen() ? sqlite3_total_changes64(m_database->db) : 0;
    const bool ok = execute(sql, params, sMsg);
    if (rowsChanged) {
        const bool changedRows = ok && sqlite3_total_changes64(m_database->db) != before;
        *rowsChanged = changedRows ? sqlite3_changes64(m_database->db) : 0;
    }
    return ok;
}

RecordSet SqliteConnection::queryStatement(const QString &sql, const QVariantList &params,
                                           QString &sMsg)
{
    return query(sql, params, sMsg);
}

std::unique_ptr<SqlCursor> SqliteConnection::openCursor(const QString &sql,
                                                        const QVariantList &params, QString &sMsg)
{
    if (!isOpen()) {
        sMsg = QStringLiteral("The database is not open.");
        return nullptr;
    }
    StatementPtr statement = m_database->prepareSingle(sql, sMsg);
    if (!statement || !m_database->bind(statement.get(), params, sql, sMsg))
        return nullptr;
    return std::make_unique<SqliteCursor>(*this, statement.release(), sql);
}

QString SqliteConnection::errorText(int code, const QString &sql) const
{
    return m_database ? m_database->error(code, sql) : QStringLiteral("The database is not open.");
}

RecordSet SqliteConnection::openTableForInsert(const QString &table, QString &sMsg)
{
    return openForInsert(table, sMsg);
}

bool SqliteConnection::beginTransaction(QString &sMsg)
{
    if (inTransaction()) {
        sMsg = QStringLiteral("A transaction is already open on this connection.");
        return false;
    }
    // Deferred: "begin immediate" would take the write lock of every attached file as well,
    // the system database with the function locks among them.
    return execute(QStringLiteral("begin"), sMsg);
}

// With write-ahead logging a transaction that reads first and writes later fails at once when
// another connection committed in between. A write that changes nothing takes the write lock
// of the table's file only, waiting through the busy time-out like any write.
bool SqliteConnection::beginWriting(const QString &table, QString &sMsg)
{
    if (!beginTransaction(sMsg))
        return false;
    if (execute(QStringLiteral("delete from %1 where 0").arg(quoteSqliteName(table)), sMsg))
        return true;
    QString ignored;
    rollbackTransaction(ignored);
    return false;
}

bool SqliteConnection::commitTransaction(QString &sMsg)
{
    if (!inTransaction()) {
        sMsg = QStringLiteral("No transaction is open on this connection.");
        return false;
    }
    return execute(QStringLiteral("commit"), sMsg);
}

bool SqliteConnection::rollbackTransaction(QString &sMsg)
{
    if (!inTransaction()) {
        sMsg = QStringLiteral("No transaction is open on this connection.");
        return false;
    }
    return execute(QStringLiteral("rollback"), sMsg);
}

bool SqliteConnection::inTransaction() const
{
    return isOpen() && sqlite3_get_autocommit(m_database->db) == 0;
}

// data_version moves when another connection commits to the database, the running total of
// changes when this one writes.
QString SqliteConnection::changeStamp()
{
    if (!isOpen())
        return QString();
    QString sMsg;
    const RecordSet version = query(QStringLiteral("pragma data_version"), {}, sMsg);
    if (!version.IsOpen() || version.RecordCount() != 1)
        return QString();
    return QStringLiteral("%1/%2")
        .arg(version.valueAt(0, 0).toLongLong())
        .arg(sqlite3_total_changes64(m_database->db));
}

} // namespace suite
