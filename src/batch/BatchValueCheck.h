#pragma once

#include <QString>

namespace customer {

// The check of a batch value for its field, on the session's services and rights: a value the
// field does not take is refused with a message to the user; a field whose value only suits
// some customers narrows the condition to them (the restriction is appended to condition).
// The value is passed on as the checks leave it (dates as yyyy-MM-dd).
bool checkBatchValue(const QString &field, const QString &caption, QString &value,
                     QString &condition);

} // namespace customer
