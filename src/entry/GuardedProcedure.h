#pragma once

#include <QString>

#include <functional>

namespace customer {

// Runs the body of a window procedure (an event handler of a window of the component).
// Whatever the body throws is recorded in the error log and swallowed, so that a failing
// handler never reaches its caller and the window goes on. Returns false when it caught.
bool runGuarded(const QString &procedure, const std::function<void()> &body);

} // namespace customer
