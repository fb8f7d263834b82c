#pragma once

#include <QString>

#include <optional>

namespace host {

// Whether the company database file holds a customer of code, compared without regard to case
// as the list compares codes; nothing, with the reason in sMsg, when the file cannot be read.
std::optional<bool> customerExists(const QString &databaseFile, const QString &code, QString &sMsg);

} // namespace host
