#pragma once

#include <QString>

#include <optional>

namespace host {

// Whether the company the connection text names holds a customer of code, compared without
// regard to case as the list compares codes; nothing, with the reason in sMsg, when the company
// cannot be read.
std::optional<bool> customerExists(const QString &connectionText, const QString &code,
                                   QString &sMsg);

} // namespace host
