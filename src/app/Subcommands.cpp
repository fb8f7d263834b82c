#include "app/Subcommands.h"

#include <QHash>

namespace host {

void printLine(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

QString escapedField(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

Subcommand findSubcommand(const QString &name)
{
    static const QHash<QString, Subcommand> table{
        { QStringLiteral("init-demo"), &runInitDemo },
        { QStringLiteral("sql"), &runSql },
        { QStringLiteral("catalogue"), &runCatalogue },
        { QStringLiteral("list"), &runList },
        { QStringLiteral("export"), &runExport },
        { QStringLiteral("batch-modify"), &runBatchModify },
    };
    return table.value(name, nullptr);
}

} // namespace host
