#pragma once

#include "suite/data/RecordSet.h"

#include <QString>
#include <QStringList>

namespace suite {

// One page of a list as the window asks for it. where is the window's where part (" where
// ..."; the word may be left out); order its order part (" Order by ..."; likewise, and an
// order part without items means no order).
struct PageRequest
{
    QString table;
    QString keyField;
    QString select;
    QString join;
    QString where;
    QString order;
};

// The T-SQL texts that read one page: the page's keys first (a narrow statement the database
// answers from the main table and its indexes), then the full rows of just those keys. Every
// statement orders by the request's order and then by the key, so that the order is total and
// a row is on exactly one page.
namespace page_statements {

// The order items, split at the commas outside parentheses and quotes.
QStringList orderItems(const QString &order);
// The order items followed by the qualified key, unless the key is one of them already.
QString totalOrder(const PageRequest &request);
// "Customer.cCusCode" for a bare field; a qualified one stays as it is.
QString qualified(const QString &table, const QString &field);
// Whether the where or order part may name a column of a joined table: a name qualified by
// another table, or a bare name that is no column of the main table. Text that does not read
// needs the joins, so that the database reports the fault on the full statement.
bool needsJoins(const PageRequest &request, const QStringList &mainColumns);

// The keys in page order; the data service cuts the page from it.
QString keysStatement(const PageRequest &request, bool withJoins);
// The keys of a page (its first column) as T-SQL literals: numbers as they are, text quoted.
QStringList keyLiterals(const RecordSet &keys);
// The page's rows with the full select list, in page order. No keys give no rows, with the
// fields of the select list all the same.
QString rowsStatement(const PageRequest &request, const QStringList &keyLiterals);
// Every row of the list with the full select list, in page order: the rows of all its pages
// one after the other, for a reader of the whole list. A where or order part that names no
// joined column has its bare names qualified by the main table, as the joins may bring
// columns of the same names (the extended fields have a cCusCode of their own).
QString allRowsStatement(const PageRequest &request, const QStringList &mainColumns);
// The 1-based position in page order of the row whose codeField equals codeLiteral.
QString rankStatement(const PageRequest &request, bool withJoins, const QString &codeField,
                      const QString &codeLiteral);

} // namespace page_statements

} // namespace suite
