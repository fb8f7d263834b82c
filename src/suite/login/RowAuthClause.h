#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace suite {

// One row right of a user on a business object: the function it grants ("R" read, "W" write),
// the dimension it limits ("class", "department" or "code") and the code in that dimension.
struct RightRow
{
    QString funcId;
    QString dimension;
    QString code;
};

// Turns a user's row rights on one business object into an SQL condition over its table.
//
// No rows means the user is not limited on the object: "1=1". Otherwise every dimension the rows
// name must grant the function (any of its codes will do), so rights on a class and on a
// department give the customers of that class that belong to that department. A write right
// includes the read right; any function other than "R" (write, delete) needs a write right. A
// dimension that grants nothing, or that the object does not know, grants nothing: "1=0".
namespace RowAuthClause {

inline const QString kAlwaysTrue = QStringLiteral("1=1");
inline const QString kNever = QStringLiteral("1=0");

// The table of a business object ("customer" → "Customer"); empty for objects without rights.
QString tableOf(const QString &busObId);
// The column of the object's class tree ("customer" → "cCCCode"); empty when it has none.
QString classColumnOf(const QString &busObId);

QString build(const QString &busObId, const QString &table, const QString &funcId,
              const QList<RightRow> &rows);

// Rows of column in the class code and its sub-classes.
QString prefixMatch(const QString &column, const QString &code);
// The conditions joined with " and ", leaving out those that are always true; each must be
// safe to append after " and " on its own.
QString allOf(const QStringList &conditions);

} // namespace RowAuthClause

} // namespace suite
