#pragma once

#include "suite/data/RecordSet.h"

#include <QString>

namespace customer {

// The rows in the order of their key column, as SQL Server gives a table read whole by its
// clustered primary key when the statement asks no order. The lists built from such reads (the
// price grades, the extended fields numbered by their place) rely on it; PostgreSQL reads a
// table in the order its rows were last written, an updated row last.
suite::RecordSet InKeyOrder(const suite::RecordSet &rows, const QString &keyField);

} // namespace customer
