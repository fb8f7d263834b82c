#pragma once

#include "suite/data/Field.h"

#include <QList>
#include <QVariant>

#include <vector>

struct sqlite3_stmt;

namespace suite::sqlite_columns {

// A column declared with a type is read by its family; an expression that declares none, by
// how each value is stored.
using Reader = CellReader;

// The fields of a prepared statement's result and the reader of each column. An expression's
// column is long text until its values settle it (see RecordSet reading).
void describe(sqlite3_stmt *statement, QList<Field> &fields, std::vector<Reader> &readers);

// The value of a column of the row the statement stands on.
QVariant value(sqlite3_stmt *statement, int column, Reader reader);

} // namespace suite::sqlite_columns
