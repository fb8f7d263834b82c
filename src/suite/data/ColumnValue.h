#pragma once

#include "suite/data/Field.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace suite {

// The value that the text of a record-XML element stands for in a column: text as it is (within
// the column's size), numbers as the card formats them (thousands separators allowed), flags as
// 1/0 or true/false, dates as the card writes them, binary data as base64. Blank text is NULL
// for a column that does not hold text. nullopt with the reason in sMsg when the text does not
// fit the column.
std::optional<QVariant> columnValueOfText(const Field &field, const QString &text, QString &sMsg);

// Whether a value about to be written means what the column already holds, so that writing it
// would change nothing a user can see: NULL and blank text are one for text columns, numbers
// compare by value (5000 and 5000.00), flags by truth, dates by the moment they name.
bool sameColumnValue(const Field &field, const QVariant &stored, const QVariant &given);

} // namespace suite
