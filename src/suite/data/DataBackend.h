#pragma once

#include "suite/data/ConnectionText.h"
#include "suite/data/Field.h"
#include "suite/data/SqlConnection.h"
#include "suite/data/tsql/SqlDialect.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace suite {

struct TableColumns
{
    QList<Field> fields;
    // The primary key's columns in key order; empty when the table has none.
    QStringList primaryKey;
    // Whether ordering by the primary key's columns gives every row a place of its own: no
    // two rows share a key, nor tie in the order by the collations ORDER BY compares with.
    bool primaryKeyOrdersRows = false;

    // The position of the column, whatever the case of name; -1 when there is none.
    int indexOf(const QString &name) const;
};

// An open company database of one provider: its connection with the system and metadata
// databases reachable, the dialect its T-SQL is translated to, and what it knows of tables.
class DataBackend
{
public:
    virtual ~DataBackend() = default;

    virtual SqlConnection &connection() = 0;
    virtual std::shared_ptr<const tsql::SqlDialect> dialect() const = 0;
    // The columns of a table of the company database; false with the reason when there is no
    // such table.
    virtual bool tableColumns(const QString &table, TableColumns &columns, QString &sMsg) = 0;
    // Whether a column holds text; the qualifier is a table name, an alias or empty.
    virtual bool isTextColumn(QStringView qualifier, QStringView column) = 0;
    // Whether each value of the column is shared by many rows (see tsql::CoarseColumnLookup).
    virtual bool isCoarseColumn(QStringView qualifier, QStringView column) = 0;
    // Whether a page far into an ordered list is read from a known row near it (by the order's
    // values) rather than by skipping the rows before it: worth it where skipping costs a
    // server a walk over every skipped row.
    virtual bool seeksFarPages() const { return false; }
    // The server's guess at the number of rows of a backend's select, from its statistics;
    // nullopt where the backend makes none.
    virtual std::optional<qint64> estimatedRows(const QString &select)
    {
        Q_UNUSED(select);
        return std::nullopt;
    }
};

// Opens the company database the connection text names, with the backend of its provider.
// A company database that does not exist is an error: it is never created here.
std::unique_ptr<DataBackend> openBackend(const ConnectionText &connection, QString &sMsg);

} // namespace suite
