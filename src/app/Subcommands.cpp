#include "app/Subcommands.h"

#include <QHash>

namespace host {

Subcommand findSubcommand(const QString &name)
{
    static const QHash<QString, Subcommand> table{
        { QStringLiteral("init-demo"), &runInitDemo },
        { QStringLiteral("sql"), &runSql },
    };
    return table.value(name, nullptr);
}

} // namespace host
