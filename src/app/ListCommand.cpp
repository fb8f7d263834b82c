#include "app/HeadlessSession.h"
#include "app/ListPage.h"
#include "app/Subcommands.h"

#include <QElapsedTimer>

#include <cstdio>

namespace host {

namespace {

const QString kPrefix = QStringLiteral("customer-archive list: ");

int usageError(const QString &message)
{
    printLine(stderr, kPrefix + message);
    printLine(stderr,
              QStringLiteral("usage: customer-archive list [--db CONNECTION] [--user USER] "
                             "[--lang zh-CN|en-US] [--class CODE] [--filter CONDITION] "
                             "[--search TEXT] [--page N] [--page-size N] [--show-sql] [--timing]"));
    return 2;
}

void printMessages(const HeadlessSession &session)
{
    for (const QString &message : session.messages())
        printLine(stderr, message);
}

} // namespace

// Prints the page the customer list window shows for the user: with --show-sql first the text
// the window hands to the data service's page reader, then the header captions, then the rows,
// and with --timing last the time the page took to read, as a user waits for it.
int runList(const QStringList &arguments)
{
    return runListOf(arguments, customer::customerListVariant());
}

int runListOf(const QStringList &arguments, const customer::ListVariant &variant)
{
    QString error;
    std::optional<ListRequest> request = parseListRequest(arguments, error);
    if (!request)
        return usageError(error);
    request->variant = &variant;

    HeadlessSession session;
    QString sMsg;
    if (!session.start({ request->database, request->userId, request->languageRegion,
                         !variant.isCustomerList() },
                       sMsg)) {
        printLine(stderr, kPrefix + sMsg);
        return 1;
    }
    ListPage page;
    QElapsedTimer clock;
    clock.start();
    const bool read =
        page.read(*request, sMsg, ListPage::Binding::ToGrid, ListPage::Counting::Skip);
    const qint64 readNanoseconds = clock.nsecsElapsed();
    if (request->showSql && !page.sentStatement().isEmpty())
        printLine(stdout, page.sentStatement());
    if (!read) {
        printLine(stderr, kPrefix + sMsg);
        printMessages(session);
        return 1;
    }
    for (const QString &line : page.lines())
        printLine(stdout, line);
    if (request->timing)
        printLine(stdout,
                  QStringLiteral("page read in %1 ms").arg(readNanoseconds / 1e6, 0, 'f', 1));
    printMessages(session);
    return 0;
}

} // namespace host
