#include "app/HeadlessSession.h"
#include "app/Subcommands.h"

#include "catalogue/FieldCatalogue.h"
#include "entry/SessionContext.h"
#include "suite/core/ErrorLog.h"

#include <QCommandLineParser>

#include <cstdio>

namespace host {

namespace {

int usageError(const QString &message)
{
    printLine(stderr, QStringLiteral("customer-archive catalogue: ") + message);
    printLine(stderr,
              QStringLiteral("usage: customer-archive catalogue [--db CONNECTION] [--user USER] "
                             "[--lang zh-CN|en-US]"));
    return 2;
}

// An empty or foreign database gives no catalogue; the error log holds the statement that
// found nothing to read.
QString notACompanyMessage()
{
    const QList<suite::ErrorLog::Entry> entries = suite::ErrorLog::instance().entries();
    const QString reason =
        entries.isEmpty() ? QString() : QStringLiteral(" (") + entries.last().text + u')';
    return QStringLiteral("the database holds no customer archive to describe%1.").arg(reason);
}

} // namespace

// Prints the field catalogue exactly as the list window builds it for the user, with nothing
// after it, so that it can be compared character by character.
int runCatalogue(const QStringList &arguments)
{
    QCommandLineParser parser;
    const HeadlessSession::Options session;
    parser.addOptions(session.all());
    if (!parser.parse(QStringList{ QStringLiteral("catalogue") } + arguments))
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(
            QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));

    HeadlessSession headless;
    QString sMsg;
    if (!headless.start(session.requestOf(parser), sMsg)) {
        printLine(stderr, QStringLiteral("customer-archive catalogue: ") + sMsg);
        return 1;
    }
    customer::g_cFieldCatalogXml.clear();
    customer::BuildColInfo();
    if (customer::g_cFieldCatalogXml.isEmpty()) {
        printLine(stderr, QStringLiteral("customer-archive catalogue: ") + notACompanyMessage());
        return 1;
    }
    const QByteArray text = customer::g_cFieldCatalogXml.toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
    for (const QString &message : headless.messages())
        printLine(stderr, message);
    return 0;
}

} // namespace host
