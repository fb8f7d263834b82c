#include "app/Subcommands.h"
#include "demo/MarketingServer.h"
#include "import/MarketingRequest.h"

#include <QCommandLineParser>

namespace host {

namespace {

const QString kPrefix = QStringLiteral("customer-archive marketing-serve: ");
constexpr int kDefaultPort = 8765;

int usageError(const QString &message)
{
    printLine(stderr, kPrefix + message);
    printLine(stderr,
              QStringLiteral("usage: customer-archive marketing-serve [--port P] [--records N] "
                             "[--fail CODE] [--empty] [--drop] [--delay MS] [--from-page N]"));
    return 2;
}

// A whole number of at least least, or nullopt.
std::optional<int> numberOf(const QString &text, int least)
{
    bool number = false;
    const int value = text.toInt(&number);
    return number && value >= least ? std::optional(value) : std::nullopt;
}

} // namespace

// Serves the local marketing service on 127.0.0.1 until the process is ended, for the demo
// download. --port 0 takes a free port; the first line printed names the address.
int runMarketingServe(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Port on 127.0.0.1."),
                                  QStringLiteral("port"), QString::number(kDefaultPort));
    const QCommandLineOption records(QStringLiteral("records"),
                                     QStringLiteral("Customers the service has."),
                                     QStringLiteral("count"), QStringLiteral("3000"));
    const QCommandLineOption fail(QStringLiteral("fail"),
                                  QStringLiteral("Answer with this error code (-1 to -10)."),
                                  QStringLiteral("code"));
    const QCommandLineOption empty(QStringLiteral("empty"),
                                   QStringLiteral("Answer with an empty body."));
    const QCommandLineOption drop(QStringLiteral("drop"),
                                  QStringLiteral("Close the connection before the page."));
    const QCommandLineOption delay(QStringLiteral("delay"),
                                   QStringLiteral("Wait this long before each answer."),
                                   QStringLiteral("ms"), QStringLiteral("0"));
    const QCommandLineOption fromPage(QStringLiteral("from-page"),
                                      QStringLiteral("Fail from this page on."),
                                      QStringLiteral("page"), QStringLiteral("1"));
    parser.addOptions({ port, records, fail, empty, drop, delay, fromPage });
    if (!parser.parse(QStringList{ QStringLiteral("marketing-serve") } + arguments))
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(
            QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));
    const std::optional<int> portNumber = numberOf(parser.value(port), 0);
    const std::optional<int> recordCount = numberOf(parser.value(records), 0);
    const std::optional<int> delayMs = numberOf(parser.value(delay), 0);
    const std::optional<int> firstFailing = numberOf(parser.value(fromPage), 1);
    if (!portNumber || *portNumber > 65535)
        return usageError(QStringLiteral("--port takes a port number (0 for any free one)"));
    if (!recordCount || !delayMs || !firstFailing)
        return usageError(QStringLiteral("--records, --delay and --from-page take whole numbers"));
    if (parser.isSet(fail) && customer::responseCodeMessage(parser.value(fail)).isEmpty())
        return usageError(QStringLiteral("--fail takes one of the codes -1 to -10"));

    demo::MarketingServerSettings settings;
    settings.records = *recordCount;
    settings.failCode = parser.value(fail);
    settings.emptyBody = parser.isSet(empty);
    settings.dropConnection = parser.isSet(drop);
    settings.delayMs = *delayMs;
    settings.failFromPage = *firstFailing;
    demo::MarketingServer server(settings);
    QString sMsg;
    if (!server.start(*portNumber, sMsg)) {
        printLine(stderr, kPrefix + sMsg);
        return 1;
    }
    printLine(stdout,
              QStringLiteral("Marketing service at %1 with %2 customers of the enterprise %3; "
                             "end it with Ctrl+C.")
                  .arg(server.baseUrl())
                  .arg(settings.records)
                  .arg(settings.enterpriseCode));
    server.wait();
    return 0;
}

} // namespace host
