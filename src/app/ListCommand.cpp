#include "app/HeadlessSession.h"
#include "app/ListPage.h"
#include "app/Subcommands.h"

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
                             "[--page N] [--page-size N] [--show-sql]"));
    return 2;
}

void printMessages(const HeadlessSession &session)
{
    for (const QString &message : session.messages())
        printLine(stderr, message);
}

} // namespace

// Prints the page the customer list window shows for the user: with --show-sql first the text
// the window hands to the data service's page reader, then the header captions, then the rows.
int runList(const QStringList &arguments)
{
    QString error;
    const std::optional<ListRequest> request = parseListRequest(arguments, error);
    if (!request)
        return usageError(error);

    HeadlessSession session;
    QString sMsg;
    if (!session.start({ request->database, request->userId, request->languageRegion }, sMsg)) {
        printLine(stderr, kPrefix + sMsg);
        return 1;
    }
    ListPage page;
    const bool read = page.read(*request, sMsg);
    if (request->showSql && !page.sentStatement().isEmpty())
        printLine(stdout, page.sentStatement());
    if (!read) {
        printLine(stderr, kPrefix + sMsg);
        printMessages(session);
        return 1;
    }
    for (const QString &line : page.lines())
        printLine(stdout, line);
    printMessages(session);
    return 0;
}

} // namespace host
