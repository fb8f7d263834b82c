#pragma once

#include <QStringList>

#include <cstdio>

namespace customer {
struct ListVariant;
} // namespace customer

namespace host {

// The sub-commands give the component's work without windows. Each takes the arguments that
// follow its name, prints its results on standard output and its errors on standard error,
// and returns the process exit code (0 on success).
int runInitDemo(const QStringList &arguments);
int runSql(const QStringList &arguments);
int runCatalogue(const QStringList &arguments);
int runList(const QStringList &arguments);
// "list" over the list the variant names.
int runListOf(const QStringList &arguments, const customer::ListVariant &variant);
int runExport(const QStringList &arguments);
int runBatchModify(const QStringList &arguments);
int runMerge(const QStringList &arguments);
int runDuplicates(const QStringList &arguments);
// "import list", "import sync", "import file" and "import download": the verb is the first
// argument.
int runImport(const QStringList &arguments);
int runImportFile(const QStringList &arguments);
int runImportDownload(const QStringList &arguments);
// The local marketing service the demo download runs against.
int runMarketingServe(const QStringList &arguments);

// Writes one line in UTF-8 and flushes it, so that progress shows while the work goes on.
void printLine(std::FILE *stream, const QString &text);

// A value as one field of a tab-separated line: backslash, tab and line breaks as escapes, any
// other control character as \xHH.
QString escapedField(const QString &text);

// The sub-command named by the first argument, or nullptr when the first argument names none.
using Subcommand = int (*)(const QStringList &arguments);
Subcommand findSubcommand(const QString &name);

} // namespace host
