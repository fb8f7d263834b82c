#include "app/HeadlessSession.h"
#include "app/Subcommands.h"
#include "entry/SessionContext.h"
#include "import/MarketingDownload.h"

#include <QCommandLineParser>

namespace host {

namespace {

const QString kPrefix = QStringLiteral("customer-archive import download: ");

int usageError(const QString &message)
{
    printLine(stderr, kPrefix + message);
    printLine(stderr,
              QStringLiteral("usage: customer-archive import download [--url URL] "
                             "[--user U] [--db C] [--lang zh-CN|en-US]"));
    return 2;
}

// Each page as it lands: its number and the customers fetched so far.
class PrintedProgress : public customer::DownloadProgress
{
public:
    void requesting(int) override { }
    void pageLanded(int page, qint64 rows) override
    {
        printLine(stdout, QStringLiteral("page %1: %2 customers").arg(page).arg(rows));
    }
    bool cancelRequested() override { return false; }
};

} // namespace

// Downloads the customers the marketing service has modified since the last download into the
// import staging list, as the list's "Download" does, and prints the pages and customers.
// --url stands for the account's address of the service. Exits with 1 when nothing was merged
// for a reason other than the service having no customers to give.
int runImportDownload(const QStringList &arguments)
{
    QCommandLineParser parser;
    const HeadlessSession::Options options;
    const QCommandLineOption url(QStringLiteral("url"),
                                 QStringLiteral("Address of the marketing service."),
                                 QStringLiteral("url"));
    parser.addOptions(options.all());
    parser.addOption(url);
    if (!parser.parse(QStringList{ QStringLiteral("download") } + arguments))
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(
            QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));

    HeadlessSession session;
    QString sMsg;
    HeadlessSession::Request request = options.requestOf(parser);
    request.importList = true;
    if (!session.start(request, sMsg)) {
        printLine(stderr, kPrefix + sMsg);
        return 1;
    }
    using namespace customer;
    MarketingOptions marketing = MarketingOptions::read(*g_oSrv);
    if (parser.isSet(url))
        marketing.serviceUrl = parser.value(url);
    MarketingDownload download(*g_oSrv, *g_oPub, marketing);
    PrintedProgress progress;
    download.setProgress(&progress);
    const DownloadOutcome outcome = download.run(*g_oLogin);
    const bool succeeded = outcome.merged || outcome.refreshList;
    for (const QString &message : outcome.messages)
        printLine(outcome.merged ? stdout : stderr, message);
    return succeeded ? 0 : 1;
}

} // namespace host
