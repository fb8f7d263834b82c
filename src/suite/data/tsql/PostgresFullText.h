#pragma once

#include <QString>
#include <QStringList>

namespace suite::tsql {

// SQL Server's full-text predicate CONTAINS(table.*, 'condition') on PostgreSQL. A row matches
// when every phrase is part of one of the table's searched fields (see searchedFields), without
// regard to case. The fields are tested as one text, each followed by a line end, which no
// phrase holds: the text a trigram index of pg_trgm is made on (company_postgres.sql), so that
// a phrase of three characters or more is found through the index, not by reading every row.
//
// False with the reason in sMsg for a table without searched fields or a condition of another
// form.
bool postgresContains(const QStringList &arguments, QString &out, QString &sMsg);

// The searched fields of the row named by qualifier as one text; with an empty qualifier the
// expression the trigram index is made on.
QString postgresSearchText(const QString &qualifier, const QStringList &fields);

} // namespace suite::tsql
