#pragma once

#include "suite/data/SqlCursor.h"
#include "suite/data/SqliteColumns.h"
#include "suite/data/SqliteConnection.h"

#include <memory>
#include <vector>

namespace suite {

// The rows of one SQLite statement, stepped through as they are asked for. The cursor owns its
// statement (not one of the connection's kept ones, which another read could reset under it)
// and keeps the connection's database open while it lives.
class SqliteCursor : public SqlCursor
{
public:
    // statement is prepared on connection; the cursor finalizes it.
    SqliteCursor(SqliteConnection connection, sqlite3_stmt *statement, QString sql);
    ~SqliteCursor() override;
    SqliteCursor(const SqliteCursor &) = delete;
    SqliteCursor &operator=(const SqliteCursor &) = delete;

    const QList<Field> &fields() const override { return m_fields; }
    bool next(QString &sMsg) override;
    CellStorage storage(int column) const override;
    qint64 integer(int column) const override;
    double real(int column) const override;
    QByteArrayView utf8(int column) const override;
    QVariant value(int column) const override;

private:
    SqliteConnection m_connection;
    sqlite3_stmt *m_statement;
    QString m_sql;
    QList<Field> m_fields;
    std::vector<sqlite_columns::Reader> m_readers;
    bool m_done = false;
};

} // namespace suite
