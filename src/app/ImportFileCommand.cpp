#include "app/HeadlessSession.h"
#include "app/Subcommands.h"
#include "entry/SessionContext.h"
#include "import/StagingFileImport.h"

#include <QCommandLineParser>

#include <unistd.h>

namespace host {

namespace {

const QString kPrefix = QStringLiteral("customer-archive import file: ");

int usageError(const QString &message)
{
    printLine(stderr, kPrefix + message);
    printLine(stderr,
              QStringLiteral("usage: customer-archive import file PATH.csv|PATH.xlsx "
                             "[--mapping auto|FILE] [--user U] [--db C] "
                             "[--lang zh-CN|en-US]"));
    return 2;
}

// On a terminal the rows read so far are counted on standard error, over one line.
customer::StagingFileImport::Progress terminalProgress()
{
    if (!isatty(STDERR_FILENO))
        return {};
    return [](qint64 rowsRead, qint64, qint64) {
        const QByteArray line = QStringLiteral("\r%1").arg(rowsRead).toUtf8();
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
        std::fflush(stderr);
    };
}

} // namespace

// Lands the rows of a CSV or XLSX file in the import staging list and prints what it did:
// the summary the window shows, line by line. Exits with 1 when the import stopped before the
// end of the file.
int runImportFile(const QStringList &arguments)
{
    QCommandLineParser parser;
    const HeadlessSession::Options options;
    const QCommandLineOption mapping(QStringLiteral("mapping"),
                                     QStringLiteral("auto, or a CSV file of header,column pairs."),
                                     QStringLiteral("mapping"), QStringLiteral("auto"));
    parser.addOptions(options.all());
    parser.addOption(mapping);
    if (!parser.parse(QStringList{ QStringLiteral("file") } + arguments))
        return usageError(parser.errorText());
    const QStringList paths = parser.positionalArguments();
    if (paths.size() != 1)
        return usageError(QStringLiteral("give one file to import"));

    HeadlessSession session;
    QString sMsg;
    if (!session.start(options.requestOf(parser), sMsg)) {
        printLine(stderr, kPrefix + sMsg);
        return 1;
    }
    customer::StagingFileImport fileImport(*customer::g_oSrv, *customer::g_oPub);
    if (parser.value(mapping) != u"auto"
        && !fileImport.setMappingFile(parser.value(mapping), sMsg)) {
        printLine(stderr, sMsg);
        return 1;
    }
    fileImport.setProgress(terminalProgress());
    const customer::StagingImportReport report = fileImport.run(paths.first());
    if (isatty(STDERR_FILENO))
        printLine(stderr, QString());
    if (const QString outcome = report.outcome(fileImport.texts()); !outcome.isEmpty())
        printLine(stderr, outcome);
    for (const QString &line : report.counts(fileImport.texts()))
        printLine(stdout, line);
    return report.failure.isEmpty() ? 0 : 1;
}

} // namespace host
