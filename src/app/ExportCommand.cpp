#include "app/HeadlessSession.h"
#include "app/ListExport.h"
#include "app/Subcommands.h"

#include "suite/print/PrintFileExport.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

#include <unistd.h>

namespace host {

namespace {

const QString kPrefix = QStringLiteral("customer-archive export: ");

struct ExportRequest
{
    ListRequest list;
    QString fileName;
};

int usageError(const QString &message)
{
    printLine(stderr, kPrefix + message);
    printLine(stderr,
              QStringLiteral("usage: customer-archive export --format pdf|csv|xlsx FILE "
                             "[--db CONNECTION] [--user USER] [--lang zh-CN|en-US] "
                             "[--class CODE] [--filter CONDITION]"));
    return 2;
}

// The file must carry the suffix of the format, as the print control picks the format by it;
// a name without a suffix gets it.
bool fileNameFor(const QString &format, const QString &file, QString &fileName, QString &error)
{
    const QString suffix = QFileInfo(file).suffix().toLower();
    fileName = suffix.isEmpty() ? file + u'.' + format : file;
    if (suffix.isEmpty() || suffix == format)
        return true;
    error = QStringLiteral("%1 does not end in .%2").arg(file, format);
    return false;
}

std::optional<ExportRequest> parseExportRequest(const QStringList &arguments, QString &error)
{
    QCommandLineParser parser;
    const ListSelectionOptions selection;
    const QCommandLineOption format(QStringLiteral("format"), QStringLiteral("File format."),
                                    QStringLiteral("format"));
    selection.addTo(parser);
    parser.addOption(format);
    if (!parser.parse(QStringList{ QStringLiteral("export") } + arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    const QString formatName = parser.value(format).toLower();
    if (formatName != u"pdf" && formatName != u"csv" && formatName != u"xlsx") {
        error = QStringLiteral("--format takes pdf, csv or xlsx");
        return std::nullopt;
    }
    if (parser.positionalArguments().size() != 1
        || parser.positionalArguments().constFirst().trimmed().isEmpty()) {
        error = QStringLiteral("one output file is needed");
        return std::nullopt;
    }
    ExportRequest request;
    if (!fileNameFor(formatName, parser.positionalArguments().constFirst(), request.fileName,
                     error))
        return std::nullopt;
    if (!selection.read(parser, request.list, error))
        return std::nullopt;
    return request;
}

bool showsProgress()
{
    static const bool terminal = isatty(fileno(stderr)) != 0;
    return terminal;
}

// On a terminal a long export counts its rows on one line of standard error; a script that
// reads the output sees only the count at the end.
suite::PrintProgress terminalProgress()
{
    if (!showsProgress())
        return {};
    return [](qint64 done, qint64 total) {
        std::fprintf(stderr, "\r%s", qPrintable(QStringLiteral("%1 / %2").arg(done).arg(total)));
        std::fflush(stderr);
        return true;
    };
}

void finishProgressLine()
{
    if (showsProgress())
        std::fputs("\n", stderr);
}

} // namespace

// Writes the whole customer list the user may see to a file and prints the rows written.
int runExport(const QStringList &arguments)
{
    QString error;
    const std::optional<ExportRequest> request = parseExportRequest(arguments, error);
    if (!request)
        return usageError(error);

    HeadlessSession session;
    QString sMsg;
    if (!session.start(
            { request->list.database, request->list.userId, request->list.languageRegion }, sMsg)) {
        printLine(stderr, kPrefix + sMsg);
        return 1;
    }
    const qint64 rows =
        ListExport::write(request->list, request->fileName, terminalProgress(), sMsg);
    finishProgressLine();
    for (const QString &message : session.messages())
        printLine(stderr, message);
    if (rows < 0) {
        printLine(stderr, kPrefix + sMsg);
        return 1;
    }
    printLine(stdout, QString::number(rows));
    return 0;
}

} // namespace host
