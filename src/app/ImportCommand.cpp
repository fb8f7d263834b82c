#include "app/HeadlessSession.h"
#include "app/Subcommands.h"
#include "catalogue/SharedUtilities.h"
#include "entry/SessionContext.h"
#include "import/StagingTransfer.h"
#include "list/ListVariant.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

#include <QCommandLineParser>
#include <QHash>

#include <optional>

namespace host {

namespace {

const QString kPrefix = QStringLiteral("customer-archive import: ");
const QString kUsage =
    QStringLiteral("usage: customer-archive import list [list options]\n"
                   "       customer-archive import sync (--all | --ids 1,2,3) [--user U] [--db C] "
                   "[--lang zh-CN|en-US]\n"
                   "       customer-archive import file PATH.csv|PATH.xlsx [--mapping auto|FILE] "
                   "[--user U] [--db C] [--lang zh-CN|en-US]\n"
                   "       customer-archive import download [--url URL] [--user U] [--db C] "
                   "[--lang zh-CN|en-US]");

int usageError(const QString &message)
{
    printLine(stderr, kPrefix + message);
    printLine(stderr, kUsage);
    return 2;
}

void printMessages(const HeadlessSession &session)
{
    for (const QString &message : session.messages())
        printLine(stderr, message);
}

int importList(const QStringList &arguments)
{
    return runListOf(arguments, customer::importListVariant());
}

// The row numbers of --ids; nullopt when one is not a whole number.
std::optional<QStringList> rowNumbers(const QString &text)
{
    QStringList numbers;
    for (const QString &part : text.split(u',', Qt::SkipEmptyParts)) {
        bool number = false;
        const qlonglong value = part.trimmed().toLongLong(&number);
        if (!number || value < 1)
            return std::nullopt;
        numbers.append(QString::number(value));
    }
    return numbers.isEmpty() ? std::nullopt : std::optional(numbers);
}

// The listed staging rows the user may read, of those asked for (all of them for an empty
// list), in row order.
QStringList readableRows(const QStringList &asked)
{
    using namespace customer;
    QString sql = QStringLiteral("select AutoID from customer_import where "
                                 "isnull(customer_import.bTransFlag,0) =0 and ")
        + g_sRowAuthInv;
    if (!asked.isEmpty())
        sql += QStringLiteral(" and AutoID in (") + asked.join(u',') + u')';
    const suite::RecordSet rows = g_oSrv->OpenX(sql + QStringLiteral(" order by AutoID"));
    QStringList found;
    for (int row = 0; row < rows.RecordCount(); ++row)
        found.append(rows.valueAt(row, 0).toString());
    return found;
}

// Transfers the chosen staging rows as the list's "Sync" does and prints its summary; rows
// outside the user's rights stop the command before anything is transferred.
int importSync(const QStringList &arguments)
{
    QCommandLineParser parser;
    const HeadlessSession::Options session;
    const QCommandLineOption all(QStringLiteral("all"), QStringLiteral("Every listed row."));
    const QCommandLineOption ids(QStringLiteral("ids"), QStringLiteral("Row numbers."),
                                 QStringLiteral("list"));
    parser.addOptions(session.all());
    parser.addOptions({ all, ids });
    if (!parser.parse(QStringList{ QStringLiteral("sync") } + arguments))
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(
            QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));
    if (parser.isSet(all) == parser.isSet(ids))
        return usageError(QStringLiteral("give either --all or --ids"));
    QStringList asked;
    if (parser.isSet(ids)) {
        const std::optional<QStringList> numbers = rowNumbers(parser.value(ids));
        if (!numbers)
            return usageError(QStringLiteral("--ids takes row numbers separated by commas"));
        asked = *numbers;
    }

    HeadlessSession headless;
    QString sMsg;
    HeadlessSession::Request request = session.requestOf(parser);
    request.importList = true;
    if (!headless.start(request, sMsg)) {
        printLine(stderr, kPrefix + sMsg);
        return 1;
    }
    using namespace customer;
    const QStringList rows = readableRows(asked);
    for (const QString &id : asked) {
        if (!rows.contains(id)) {
            printLine(stderr,
                      kPrefix
                          + QStringLiteral("row %1 is not in your staging list; nothing was "
                                           "transferred.")
                                .arg(id));
            return 1;
        }
    }
    const TransferXmlContext context = StagingTransfer::withDatabaseDefaults(
        *g_oSrv, { g_cUserId, g_cUserName, g_oPub->GetSrvTime(g_oSrv), {}, {} }, GetAccId());
    StagingTransfer transfer(g_oSrv, g_oPub, context, g_cDBName);
    if (!transfer.markSelection(rows, sMsg)) {
        printLine(stderr, kPrefix + sMsg);
        return 1;
    }
    const TransferOutcome outcome = transfer.run();
    printLine(stdout,
              g_oPub->GetResFormatString(QStringLiteral("Tarn.AA.ARCHIVE.IMPORT.syncdone"),
                                         { QString::number(outcome.transferred) }));
    printMessages(headless);
    if (outcome.failed()) {
        printLine(stderr,
                  kPrefix + QStringLiteral("row %1: ").arg(outcome.failedAutoId) + outcome.message);
        return 1;
    }
    return 0;
}

} // namespace

int runImport(const QStringList &arguments)
{
    using Verb = int (*)(const QStringList &);
    static const QHash<QString, Verb> verbs{
        { QStringLiteral("list"), &importList },
        { QStringLiteral("sync"), &importSync },
        { QStringLiteral("file"), &runImportFile },
        { QStringLiteral("download"), &runImportDownload },
    };
    const Verb verb = arguments.isEmpty() ? nullptr : verbs.value(arguments.first(), nullptr);
    if (!verb)
        return usageError(arguments.isEmpty()
                              ? QStringLiteral("name what to do")
                              : QStringLiteral("unknown verb %1").arg(arguments.first()));
    return verb(arguments.mid(1));
}

} // namespace host
