#pragma once

#include <QString>

namespace customer {

// The statement that reads customer code onto the card for the session's user: its user-defined
// and own columns, those of column-rights level N as null, so the card never holds their values.
QString readableRecordStatement(const QString &code);

} // namespace customer
