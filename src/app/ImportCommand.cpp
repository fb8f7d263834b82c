#include "app/Subcommands.h"

namespace host {

// The staging list's commands share the verb "import"; the word after it names the command.
int runImport(const QStringList &arguments)
{
    const QString command = arguments.value(0);
    if (command == u"file")
        return runImportFile(arguments.mid(1));
    printLine(stderr,
              QStringLiteral("customer-archive import: unknown command \"%1\"").arg(command));
    printLine(stderr,
              QStringLiteral("usage: customer-archive import file PATH.csv|PATH.xlsx "
                             "[--mapping auto|FILE] [--user U] [--db C] "
                             "[--lang zh-CN|en-US]"));
    return 2;
}

} // namespace host
