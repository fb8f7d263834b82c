#pragma once

#include <QString>

namespace suite {

// The code column of an archive table ("Customer" -> "cCusCode"), whatever the case of the
// table's name; empty for a table that is no archive the public service checks codes in. Only
// tables named here reach a statement, so a table name never carries text of a caller into SQL.
QString archiveCodeColumn(const QString &table);

// The table's name as the schema writes it; empty when archiveCodeColumn knows no such table.
QString archiveTableName(const QString &table);

} // namespace suite
