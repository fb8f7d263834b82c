#pragma once

#include "suite/data/PageQuery.h"
#include "suite/data/RecordSet.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace suite {

// A page near the end of a long result is cheaper to read from the end: the backend skips the
// rows after the page instead of every row before it, and on the last pages of a list of a
// million rows that is a few hundred index entries instead of all of them.
//
// Reading backward gives exactly the forward rows only when no two rows tie in the order. A
// select is taken as reversible when that follows from its text and the table's key: it reads
// one table, has no TOP, DISTINCT, grouping or set operator, lists plain columns of the table
// (or *) and orders by plain columns of it, each ascending or descending. The caller checks
// that the order columns hold the table's primary key.
struct ReversibleSelect
{
    // The table as FROM names it, without brackets.
    QString table;
    // The columns the select orders by, without qualifier.
    QStringList orderColumns;
    // The T-SQL text with every order item turned round.
    QString reversed;
};

std::optional<ReversibleSelect> reversibleSelect(const QString &select);

// The rows that come after the page of span in a result of rowCount rows, when skipping those
// is cheaper than skipping the rows before it; nullopt when the page is in the first half.
std::optional<qint64> rowsAfterPage(const PageSpan &span, qint64 rowCount, qint64 pageSize);

// The same rows in the opposite order.
RecordSet reversedRows(const RecordSet &rows);

} // namespace suite
