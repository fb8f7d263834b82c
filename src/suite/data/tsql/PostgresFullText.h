#pragma once

#include <QString>
#include <QStringList>

namespace suite::tsql {

// SQL Server's full-text predicate CONTAINS(table.*, 'condition') on PostgreSQL. A row matches
// when every phrase is part of one of the table's searched fields (see searchedFields), without
// regard to case. The fields are tested as one text, each followed by a line end, which no
// phrase holds: the text a trigram index of pg_trgm is made on (company_postgres.sql), so that
// a phrase of three characters or more is found through the index, not by reading every row.
// A shorter phrase makes no trigram: one that holds a letter beyond ASCII is found through a
// second index, of the letters beyond ASCII of the same text (postgresSearchLetters), which
// gives the rows holding the phrase's first such letter; the phrase itself is then looked for
// in those. One letter and not all of them: the planner takes the letters of a condition as
// independent, and would then expect a common phrase (two common letters) in so few rows that
// it reads them all through the index rather than the list in its order until a page is full.
// ASCII letters are left out of that index: each is in most rows, so that a list's first page
// of them is found early reading the list in its order.
//
// False with the reason in sMsg for a table without searched fields or a condition of another
// form.
bool postgresContains(const QStringList &arguments, QString &out, QString &sMsg);

// The searched fields of the row named by qualifier as one text; with an empty qualifier the
// expression the trigram index is made on.
QString postgresSearchText(const QString &qualifier, const QStringList &fields);
// The letters beyond ASCII of a text, lower case, as an array; on the search text the
// expression the letters index is made on.
QString postgresSearchLetters(const QString &text);

} // namespace suite::tsql
