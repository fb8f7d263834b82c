#include "app/HeadlessSession.h"
#include "app/Subcommands.h"
#include "merge/DuplicateScan.h"

#include <QCommandLineParser>

#include <unistd.h>

namespace host {

namespace {

const QString kPrefix = QStringLiteral("customer-archive duplicates: ");
constexpr int kDefaultLimit = 100;

int usageError(const QString &message)
{
    printLine(stderr, kPrefix + message);
    printLine(stderr,
              QStringLiteral("usage: customer-archive duplicates [--min-score S] "
                             "[--limit N] [--user U] [--db C] [--lang zh-CN|en-US]"));
    return 2;
}

bool readNumber(const QCommandLineParser &parser, const QCommandLineOption &option, int lowest,
                int highest, int &value)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    value = parser.value(option).toInt(&ok);
    return ok && value >= lowest && value <= highest;
}

QString customerText(const customer::DuplicateCustomer &customer)
{
    QStringList fields;
    for (const QString &field :
         { customer.code, customer.name, customer.taxNumber, customer.phone, customer.email })
        fields.append(field.isEmpty() ? QStringLiteral("-") : escapedField(field));
    return fields.join(u'\t');
}

} // namespace

// The likely duplicate pairs among the customers the user may read, best first: the score,
// why, then both customers (code, name, tax number, phone, e-mail), tab-separated.
int runDuplicates(const QStringList &arguments)
{
    QCommandLineParser parser;
    const HeadlessSession::Options options;
    const QCommandLineOption minScore(QStringLiteral("min-score"),
                                      QStringLiteral("Lowest score shown (0-100)."),
                                      QStringLiteral("score"));
    const QCommandLineOption limit(QStringLiteral("limit"), QStringLiteral("Most pairs shown."),
                                   QStringLiteral("count"));
    parser.addOptions(options.all());
    parser.addOptions({ minScore, limit });
    if (!parser.parse(QStringList{ QStringLiteral("duplicates") } + arguments))
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected argument ")
                          + parser.positionalArguments().constFirst());
    int lowest = customer::DuplicateScan::kDefaultMinScore;
    int most = kDefaultLimit;
    if (!readNumber(parser, minScore, 1, 100, lowest))
        return usageError(QStringLiteral("--min-score takes a number from 1 to 100"));
    if (!readNumber(parser, limit, 1, 1'000'000, most))
        return usageError(QStringLiteral("--limit takes a positive number"));

    HeadlessSession session;
    QString sMsg;
    if (!session.start(options.requestOf(parser), sMsg)) {
        printLine(stderr, kPrefix + sMsg);
        return 1;
    }
    const bool terminal = isatty(fileno(stderr));
    QList<customer::DuplicatePair> pairs;
    customer::DuplicateScan scan;
    if (!scan.run(lowest, most, pairs, [terminal](qsizetype read) {
            if (terminal)
                std::fprintf(stderr, "\r%lld customers read", static_cast<long long>(read));
            return true;
        })) {
        printLine(stderr, kPrefix + QStringLiteral("the customers could not be read"));
        return 1;
    }
    if (terminal)
        std::fputs("\n", stderr);
    const QHash<QString, customer::DuplicateCustomer> customers =
        customer::DuplicateScan::customersOf(pairs);
    for (const customer::DuplicatePair &pair : pairs) {
        printLine(stdout,
                  QStringLiteral("%1\t%2\t%3\t%4")
                      .arg(pair.score)
                      .arg(customer::DuplicateScan::reasonsText(pair),
                           customerText(customers.value(pair.code1)),
                           customerText(customers.value(pair.code2))));
    }
    return 0;
}

} // namespace host
