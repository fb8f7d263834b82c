#pragma once

#include <QString>
#include <QStringList>

namespace suite::tsql {

// SQL Server's full-text predicate CONTAINS(table.*, 'condition') on SQLite, where a table's
// searchable fields are indexed by an FTS5 trigram table. The condition is one or more phrases
// in double quotes (a double quote inside a phrase written twice) joined by AND; a row matches
// when every phrase is part of one of the indexed fields, without regard to case.
//
// Trigrams find phrases of three characters and more. A phrase of one or two characters is
// looked up among the index's own trigrams, as the start of one of them: every indexed field
// is stored followed by two line ends, so each of its characters starts a trigram. Nothing is
// read from the table itself, so a short phrase costs no more than a long one.
//
// False with the reason in sMsg for a table without a search index or a condition of another
// form (SQL Server's operators, prefixes and proximity terms are not offered).
bool sqliteContains(const QStringList &arguments, QString &out, QString &sMsg);

// The FTS5 table that indexes the searchable fields of a table; empty for a table without one.
QString searchIndexTable(const QString &table);

} // namespace suite::tsql
