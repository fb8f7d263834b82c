#pragma once

#include "demo/PackedRows.h"
#include "demo/TableWriter.h"

#include <QString>
#include <QStringList>

#include <map>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace demo {

// Inserts many rows into one SQLite table through one prepared statement, binding the values
// of packed rows in place. Meant for loads inside one transaction, where preparing once and
// binding per row is what makes a million rows take seconds.
class BulkInsert
{
public:
    BulkInsert() = default;
    ~BulkInsert();
    BulkInsert(const BulkInsert &) = delete;
    BulkInsert &operator=(const BulkInsert &) = delete;

    bool prepare(sqlite3 *database, const QString &table, const QStringList &columns,
                 QString &sMsg);
    // Reads valueCount values from the reader as the next row, by position in the column
    // list; a row shorter than the list leaves the rest NULL.
    bool insert(PackedRows::Reader &reader, int valueCount, QString &sMsg);

private:
    QString failure(const char *what) const;

    sqlite3 *m_database = nullptr;
    sqlite3_stmt *m_statement = nullptr;
    QString m_table;
    int m_columnCount = 0;
};

// The rows of each table through a BulkInsert of its own, prepared when its first row comes.
class SqliteTableWriter : public TableWriter
{
public:
    explicit SqliteTableWriter(sqlite3 *database)
        : m_database(database)
    { }

    std::unique_ptr<WriterRows> encode(PackedRows &&rows) const override;
    bool insertAll(const WriterRows &rows, QString &sMsg) override;

private:
    sqlite3 *m_database;
    std::map<DemoTable, std::unique_ptr<BulkInsert>> m_inserts;
};

} // namespace demo
