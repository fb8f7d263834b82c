#pragma once

#include "suite/data/DataBackend.h"
#include "suite/data/RecordSet.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <optional>

namespace suite {

// A page far into a long result is cheaper to read from a row whose place is known: the rows
// at or after that row (or before it, read backward) are a range the backend finds through
// the order's index, and only the few rows between it and the page are skipped.
//
// A select can be sought so when its order is total and made of columns whose values read
// back exactly: it reads one main table (joins allowed), has no TOP, DISTINCT, grouping or set
// operator, and orders by plain text, whole-number, bit or date columns of the main table, one
// of them its one-column primary key. The rows of each page then carry the values of the order
// columns as extra columns, so that the first and the last row of every page read become known
// places.
struct SeekableSelect
{
    struct OrderColumn
    {
        // The column as the ORDER BY names it ("Customer.cCusCode").
        QString column;
        bool descending = false;
        // A primary key column holds no NULL: its conditions leave NULL out, so that the
        // backend can use the key's index for them.
        bool notNull = false;
    };

    // "select LIST", up to FROM.
    QString selectList;
    // " from ... [joins]", up to WHERE or ORDER BY.
    QString from;
    // The where condition, without WHERE; empty when there is none.
    QString condition;
    QList<OrderColumn> order;
};

// The columns of a table; nullopt when there is no such table.
using SeekColumnsLookup = std::function<std::optional<TableColumns>(const QString &table)>;

std::optional<SeekableSelect> seekableSelect(const QString &select,
                                             const SeekColumnsLookup &columnsOf);

namespace seek_statements {

// The order's values of one row, in order; a literal for each of the T-SQL texts below.
using Mark = QVariantList;

// The select with the order columns added after its own columns, in its own order.
QString marked(const SeekableSelect &select);
// The marked select in the opposite order.
QString reversed(const SeekableSelect &select);
// The rows at or after the mark's row, in the select's order, marked.
QString fromMark(const SeekableSelect &select, const Mark &mark, bool nullsLast);
// The rows before the mark's row, in the opposite order, marked.
QString beforeMark(const SeekableSelect &select, const Mark &mark, bool nullsLast);
// Every rows-th row (the first, the rows+1st ...): its 1-based place followed by its order
// values.
QString everyNth(const SeekableSelect &select, qint64 rows);

// Whether every value of the mark can be written back as a literal that compares exactly as
// the value read: text, whole numbers, dates and NULL can, fractions read as doubles cannot.
bool writable(const Mark &mark);
// The order values of a marked row: its last columns.
Mark markOf(const RecordSet &rows, int row, int orderColumns);
// The rows without the order columns the marked select added.
RecordSet withoutMarks(const RecordSet &rows, int orderColumns);

} // namespace seek_statements

} // namespace suite
