#pragma once

#include <QSet>
#include <QString>

namespace customer {

// What a condition a user types or composes may name: columns (lower-case) and the tables
// that may qualify them (lower-case).
struct ConditionNames
{
    QSet<QString> columns;
    QSet<QString> tables;
};

// Whether a user-supplied condition stays inside the list: it may hold only the given columns
// (bare or qualified by one of the given tables), literals, operators, parentheses and a few
// plain functions (isnull, len, left, right, substring, upper, lower, ltrim, rtrim, year,
// month, day, getdate, charindex, abs, round). A sub-query, another table or database, a
// variable, any other function or keyword is refused: it could read rows or columns outside
// the user's rights. False with the refused part in refused (or the reason the text cannot be
// read).
bool isAllowedCondition(const QString &condition, const ConditionNames &names, QString &refused);

// The names a condition on the customer list may use: the catalogue's customer fields, the
// user-defined fields and the list's visible fields, less the fields the user may not read
// (column rights of level N), qualified by Customer or Customer_extradefine.
ConditionNames listConditionNames(const QString &listFields);

// The user's message for a condition isAllowedCondition refused, in the session's language.
QString refusedConditionMessage(const QString &refused);

} // namespace customer
