#include "app/Subcommands.h"

#include <QHash>

namespace host {

void printLine(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

namespace {

// A stored value must not steer the terminal it is printed on: escape sequences start with
// ESC (C0) or CSI (C1).
bool isControlCharacter(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}

} // namespace

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
            if (isControlCharacter(c.unicode()))
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
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
        { QStringLiteral("merge"), &runMerge },
        { QStringLiteral("duplicates"), &runDuplicates },
        { QStringLiteral("import"), &runImport },
        { QStringLiteral("marketing-serve"), &runMarketingServe },
    };
    return table.value(name, nullptr);
}

} // namespace host
