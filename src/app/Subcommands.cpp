#include "app/Subcommands.h"

#include <QHash>

namespace host {

void printLine(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

Subcommand findSubcommand(const QString &name)
{
    static const QHash<QString, Subcommand> table{
        { QStringLiteral("init-demo"), &runInitDemo },
        { QStringLiteral("sql"), &runSql },
        { QStringLiteral("catalogue"), &runCatalogue },
    };
    return table.value(name, nullptr);
}

} // namespace host
