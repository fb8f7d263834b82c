#pragma once

#include <QString>
#include <QStringList>

namespace customer {

// The list's commands whose window is not built yet. Their toolbar buttons, menu items and
// keys are hidden, as a command that opens nothing must not be offered; a command leaves this
// list when its window is built.
const QStringList &commandsWithoutWindow();

// Whether the command (any case) opens a window that is not built yet.
bool isCommandWithoutWindow(const QString &command);

} // namespace customer
