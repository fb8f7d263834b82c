#pragma once

#include <QString>
#include <QStringList>

namespace host {

// A condition typed on the command line for a batch, made safe for the batch's statements: it
// may name only the columns of Customer and Customer_extradefine (bare or qualified with their
// table), literals, operators, parentheses and the words and, or, not, is, null, like, in and
// between. No sub-query, function, other table, variable, comment or ';' can pass, so the
// condition never reaches data outside the customers the user's rights admit. The accepted
// condition is put between parentheses. False with the reason in error.
bool batchWhereCondition(const QString &text, const QStringList &customerColumns,
                         const QStringList &extraColumns, QString &condition, QString &error);

} // namespace host
