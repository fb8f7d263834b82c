#include "suite/data/SqliteCursor.h"

#include <sqlite3.h>

namespace suite {

SqliteCursor::SqliteCursor(SqliteConnection connection, sqlite3_stmt *statement, QString sql)
    : m_connection(std::move(connection))
    , m_statement(statement)
    , m_sql(std::move(sql))
{
    sqlite_columns::describe(m_statement, m_fields, m_readers);
}

SqliteCursor::~SqliteCursor()
{
    sqlite3_finalize(m_statement);
}

bool SqliteCursor::next(QString &sMsg)
{
    if (m_done)
        return false;
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW)
        return true;
    m_done = true;
    if (code != SQLITE_DONE)
        sMsg = m_connection.errorText(sqlite3_extended_errcode(m_connection.handle()), m_sql);
    // A finished statement is reset at once, so that it holds no read snapshot while the
    // cursor waits to be dropped.
    sqlite3_reset(m_statement);
    return false;
}

CellStorage SqliteCursor::storage(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return CellStorage::Integer;
    case SQLITE_FLOAT:
        return CellStorage::Real;
    case SQLITE_TEXT:
        return CellStorage::Text;
    case SQLITE_BLOB:
        return CellStorage::Blob;
    default:
        return CellStorage::Null;
    }
}

qint64 SqliteCursor::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double SqliteCursor::real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

QByteArrayView SqliteCursor::utf8(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return QByteArrayView(text, text ? sqlite3_column_bytes(m_statement, column) : 0);
}

QVariant SqliteCursor::value(int column) const
{
    return sqlite_columns::value(m_statement, column, m_readers[size_t(column)]);
}

} // namespace suite
