#pragma once

#include <QString>

namespace customer {

// The statement of one list page, in the pieces the public service's page reader takes.
struct ListStatement
{
    QString selectList; // the select list as sent, code column qualified
    QString joins; // the joins the select list needs
    QString wherePart; // " where ..." with the class, the rights and the filter
    QString orderPart; // " Order by ..." or empty
    QString full; // the whole statement, as the web host receives it
};

// The class code of a class-tree node key: the key without its leading "r", trimmed; empty for
// the root.
QString classCodeOfNodeKey(const QString &nodeKey);

// The code column qualified with its table, for statements that join the extended fields
// (which have a cCusCode of their own): every bare "ccuscode" followed by terminator becomes
// "Customer.cCusCode" + terminator. An already qualified name stays as it is.
QString qualifyCodeColumn(const QString &text, const QString &terminator,
                          const QString &mainTable = QStringLiteral("Customer"));

// The statement of the customer list: the visible fields, their joins, the customers of the
// class (and its sub-classes) that the user may read (rightsClause) and that are not flagged
// as transferred, narrowed by the filter condition and by the quick search (see
// quickSearchCondition), in the column set's order. The texts are lower-cased as the list
// sends them; values compare without regard to case in the database. The import list reads
// its staging table (mainTable) the same way, with the row number as its last column.
ListStatement buildListStatement(const QString &listFields, const QString &classCode,
                                 const QString &condition, const QString &order,
                                 const QString &rightsClause,
                                 const QString &quickSearch = QString(),
                                 const QString &mainTable = QStringLiteral("Customer"));

// The statement that reads no row but gives the header's fields and types.
QString listHeaderStatement(const QString &listFields,
                            const QString &mainTable = QStringLiteral("Customer"));

} // namespace customer
