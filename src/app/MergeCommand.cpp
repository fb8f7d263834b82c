#include "app/HeadlessSession.h"
#include "app/Subcommands.h"
#include "entry/SessionContext.h"
#include "merge/CustomerUnite.h"
#include "merge/MergePreview.h"
#include "suite/pub/IPub.h"

#include <QCommandLineParser>

namespace host {

namespace {

const QString kPrefix = QStringLiteral("customer-archive merge: ");

int usageError(const QString &message)
{
    printLine(stderr, kPrefix + message);
    printLine(stderr,
              QStringLiteral("usage: customer-archive merge CODE1 CODE2 [--yes] [--user U] "
                             "[--db C] [--lang zh-CN|en-US]"));
    return 2;
}

QString res(const char *key, const QStringList &args = {})
{
    return customer::g_oPub->GetResFormatString(QLatin1StringView(key), args);
}

// The window's checks, in its order; the message of the first that fails.
QString refusal(const QString &code1, const QString &code2)
{
    using customer::CustomerUnite;
    switch (CustomerUnite::checkInput(code1, code2)) {
    case CustomerUnite::Input::Empty:
        return res("Tarn.AA.CUSTOMER.FRMUNITE.16_1");
    case CustomerUnite::Input::Same:
        return res("Tarn.AA.CUSTOMER.FRMUNITE.19_1");
    case CustomerUnite::Input::Ready:
        break;
    }
    for (const QString &code : { code1, code2 }) {
        if (CustomerUnite::outsideRights(code.trimmed()))
            return res("Tarn.AA.CUSTOMER.FRMUNITE.noright", { code.trimmed() });
    }
    return {};
}

} // namespace

// Folds customer CODE1 into CODE2 as the merge window does. Without --yes it only shows what
// would go to CODE2, table by table.
int runMerge(const QStringList &arguments)
{
    QCommandLineParser parser;
    const HeadlessSession::Options options;
    const QCommandLineOption yes(QStringLiteral("yes"), QStringLiteral("Merge the customers."));
    parser.addOptions(options.all());
    parser.addOption(yes);
    if (!parser.parse(QStringList{ QStringLiteral("merge") } + arguments))
        return usageError(parser.errorText());
    const QStringList codes = parser.positionalArguments();
    if (codes.size() != 2)
        return usageError(QStringLiteral("give the two customer codes"));

    HeadlessSession session;
    QString sMsg;
    if (!session.start(options.requestOf(parser), sMsg)) {
        printLine(stderr, kPrefix + sMsg);
        return 1;
    }
    if (const QString refused = refusal(codes[0], codes[1]); !refused.isEmpty()) {
        printLine(stderr, refused);
        return 1;
    }
    QList<customer::MergeCount> counts;
    if (!customer::mergePreview(codes[0], counts, sMsg)) {
        printLine(stderr, kPrefix + sMsg);
        return 1;
    }
    printLine(stdout,
              QStringLiteral("%1 -> %2").arg(escapedField(codes[0]), escapedField(codes[1])));
    for (const customer::MergeCount &count : counts)
        printLine(stdout,
                  QStringLiteral("%1.%2\t%3").arg(count.table, count.column).arg(count.rows));
    if (const auto vendor = customer::CustomerUnite::linkedVendor(codes[0]))
        printLine(stdout, res("Tarn.AA.CUSTOMER.FRMUNITE.32_1", { codes[0], *vendor, *vendor }));
    if (!parser.isSet(yes))
        return 0;
    if (!customer::CustomerUnite::run(codes[0], codes[1], sMsg)) {
        printLine(stderr, sMsg);
        return 1;
    }
    printLine(stdout, res("Tarn.AA.ARCHIVE.COMMON.unitesuccess"));
    return 0;
}

} // namespace host
