#include "list/ListCommandWindows.h"

namespace customer {

const QStringList &commandsWithoutWindow()
{
    static const QStringList commands{
        QStringLiteral("About"), // the about box
    };
    return commands;
}

bool isCommandWithoutWindow(const QString &command)
{
    return commandsWithoutWindow().contains(command, Qt::CaseInsensitive);
}

} // namespace customer
