#include "demo/BulkInsert.h"

#include <sqlite3.h>

namespace demo {

namespace {

// SQLite binds the packed values in place.
struct SqliteRows : WriterRows
{
    explicit SqliteRows(PackedRows &&rows)
        : packed(std::move(rows))
    { }

    PackedRows packed;
};

} // namespace

std::unique_ptr<WriterRows> SqliteTableWriter::encode(PackedRows &&rows) const
{
    return std::make_unique<SqliteRows>(std::move(rows));
}

bool SqliteTableWriter::insertAll(const WriterRows &rows, QString &sMsg)
{
    PackedRows::Reader reader(static_cast<const SqliteRows &>(rows).packed);
    while (!reader.atEnd()) {
        int valueCount = 0;
        const DemoTable table = reader.nextRow(valueCount);
        std::unique_ptr<BulkInsert> &insert = m_inserts[table];
        if (!insert) {
            insert = std::make_unique<BulkInsert>();
            if (!insert->prepare(m_database, tableName(table), columnsOf(table), sMsg))
                return false;
        }
        if (!insert->insert(reader, valueCount, sMsg))
            return false;
    }
    return true;
}

BulkInsert::~BulkInsert()
{
    sqlite3_finalize(m_statement);
}

bool BulkInsert::prepare(sqlite3 *database, const QString &table, const QStringList &columns,
                         QString &sMsg)
{
    sqlite3_finalize(m_statement);
    m_statement = nullptr;
    m_database = database;
    m_table = table;
    m_columnCount = int(columns.size());
    QStringList quoted;
    for (const QString &column : columns)
        quoted.append(u'"' + column + u'"');
    const QString sql = QStringLiteral("insert into \"%1\" (%2) values (%3)")
                            .arg(table, quoted.join(u','),
                                 QStringList(columns.size(), QStringLiteral("?")).join(u','));
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(database, utf8.constData(), int(utf8.size()), &m_statement, nullptr)
        != SQLITE_OK) {
        sMsg = failure("cannot prepare the insert");
        return false;
    }
    return true;
}

bool BulkInsert::insert(PackedRows::Reader &reader, int valueCount, QString &sMsg)
{
    if (valueCount > m_columnCount) {
        sMsg = QStringLiteral("%1: a row of %2 values for %3 columns")
                   .arg(m_table)
                   .arg(valueCount)
                   .arg(m_columnCount);
        return false;
    }
    sqlite3_clear_bindings(m_statement);
    for (int position = 1; position <= valueCount; ++position) {
        const PackedValue value = reader.nextValue();
        int code = SQLITE_OK;
        switch (value.kind) {
        case PackedValue::Null:
            break;
        case PackedValue::Integer:
            code = sqlite3_bind_int64(m_statement, position, value.integer);
            break;
        case PackedValue::Real:
            code = sqlite3_bind_double(m_statement, position, value.real);
            break;
        case PackedValue::Text:
            code =
                sqlite3_bind_text(m_statement, position, value.text, value.length, SQLITE_STATIC);
            break;
        }
        if (code != SQLITE_OK) {
            sMsg = failure("cannot bind a value");
            return false;
        }
    }
    const int code = sqlite3_step(m_statement);
    sqlite3_reset(m_statement);
    if (code != SQLITE_DONE) {
        sMsg = failure("cannot insert a row");
        return false;
    }
    return true;
}

QString BulkInsert::failure(const char *what) const
{
    return QStringLiteral("%1 into %2: %3")
        .arg(QLatin1String(what), m_table, QString::fromUtf8(sqlite3_errmsg(m_database)));
}

} // namespace demo
