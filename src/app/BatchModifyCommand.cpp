#include "app/BatchWhereCondition.h"
#include "app/HeadlessSession.h"
#include "app/Subcommands.h"
#include "batch/BatchModify.h"
#include "catalogue/FieldCatalogue.h"
#include "entry/SessionContext.h"
#include "suite/controls/FindCondition.h"
#include "suite/controls/FindFields.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"

#include <QCommandLineParser>

namespace host {

namespace {

const QString kPrefix = QStringLiteral("customer-archive batch-modify: ");

struct BatchOptions
{
    HeadlessSession::Options session;
    QCommandLineOption field{ QStringLiteral("field"), QStringLiteral("Field to set."),
                              QStringLiteral("field") };
    QCommandLineOption value{ QStringLiteral("value"), QStringLiteral("New value."),
                              QStringLiteral("value") };
    QCommandLineOption codes{ QStringLiteral("codes"), QStringLiteral("Customer codes."),
                              QStringLiteral("codes") };
    QCommandLineOption where{ QStringLiteral("where"), QStringLiteral("Condition."),
                              QStringLiteral("condition") };
    QCommandLineOption classCode{ QStringLiteral("class"), QStringLiteral("Class code."),
                                  QStringLiteral("code") };
    QCommandLineOption yes{ QStringLiteral("yes"), QStringLiteral("Modify the customers.") };
};

int usageError(const QString &message)
{
    printLine(stderr, kPrefix + message);
    printLine(stderr,
              QStringLiteral("usage: customer-archive batch-modify --field F --value V "
                             "(--codes C1,C2,... | --where COND | --class CODE) "
                             "[--user U] [--db C] [--lang zh-CN|en-US] [--yes]"));
    return 2;
}

int failure(const HeadlessSession &session, const QString &fallback)
{
    const QStringList messages = session.messages();
    for (const QString &message : messages)
        printLine(stderr, message);
    if (messages.isEmpty())
        printLine(stderr, kPrefix + fallback);
    return 1;
}

QStringList columnsOf(const QString &table)
{
    QStringList columns;
    for (const suite::Field &column :
         customer::g_oSrv->OpenX(QStringLiteral("select top 0 * from ") + table).Fields())
        columns.append(column.name);
    return columns;
}

// The customers the command names, as the condition control would hand them over.
bool conditionOf(const QCommandLineParser &parser, const BatchOptions &options, QString &condition,
                 QString &error)
{
    if (parser.isSet(options.codes)) {
        const QStringList codes = parser.value(options.codes).split(u',', Qt::SkipEmptyParts);
        condition =
            suite::keysCondition(QStringLiteral("Customer"), QStringLiteral("cCusCode"), codes);
        return true;
    }
    if (parser.isSet(options.classCode)) {
        condition = QStringLiteral("(Customer.cCCCode like N'%1%')")
                        .arg(suite::sqlQuote(parser.value(options.classCode)));
        return true;
    }
    if (!batchWhereCondition(parser.value(options.where), columnsOf(QStringLiteral("Customer")),
                             columnsOf(QStringLiteral("Customer_extradefine")), condition, error)) {
        error = QStringLiteral("--where: ") + error;
        return false;
    }
    return true;
}

QString descriptionOf(const QCommandLineParser &parser, const BatchOptions &options)
{
    for (const QCommandLineOption *option :
         { &options.codes, &options.classCode, &options.where }) {
        if (parser.isSet(*option))
            return QStringLiteral("--") + option->names().constFirst() + u' '
                + parser.value(*option);
    }
    return {};
}

int selectionCount(const QCommandLineParser &parser, const BatchOptions &options)
{
    return int(parser.isSet(options.codes)) + int(parser.isSet(options.where))
        + int(parser.isSet(options.classCode));
}

} // namespace

// Sets one field to one value for the customers named, as the batch-modify window does; without
// --yes it only counts them.
int runBatchModify(const QStringList &arguments)
{
    QCommandLineParser parser;
    const BatchOptions options;
    parser.addOptions(options.session.all());
    parser.addOptions({ options.field, options.value, options.codes, options.where,
                        options.classCode, options.yes });
    if (!parser.parse(QStringList{ QStringLiteral("batch-modify") } + arguments))
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected argument ")
                          + parser.positionalArguments().constFirst());
    if (!parser.isSet(options.field) || !parser.isSet(options.value))
        return usageError(QStringLiteral("--field and --value are needed"));
    if (selectionCount(parser, options) != 1)
        return usageError(QStringLiteral("give one of --codes, --where and --class"));

    HeadlessSession session;
    QString sMsg;
    if (!session.start(options.session.requestOf(parser), sMsg)) {
        printLine(stderr, kPrefix + sMsg);
        return 1;
    }
    customer::BuildColInfo();
    customer::BatchModifyRequest request;
    request.field = parser.value(options.field);
    request.value = parser.value(options.value);
    request.description = descriptionOf(parser, options);
    if (!conditionOf(parser, options, request.condition, sMsg))
        return usageError(sMsg);
    const QList<suite::FindField> fields =
        suite::findFieldsFromColInfo(customer::g_cFieldCatalogXml);
    if (const suite::FindField *field = suite::findFindField(fields, request.field)) {
        request.field = field->element;
        request.caption = field->caption;
    }

    customer::BatchModify batch;
    int count = 0;
    const bool prepared = batch.prepare(request, count);
    if (count >= 0)
        printLine(stdout, QString::number(count));
    if (count == 0) {
        for (const QString &message : session.messages())
            printLine(stdout, message);
        return 0;
    }
    if (!prepared)
        return failure(session, QStringLiteral("the request was refused"));
    if (!parser.isSet(options.yes))
        return 0;
    const int shownBefore = int(session.messages().size());
    if (!batch.run(request))
        return failure(session, QStringLiteral("the customers were not modified"));
    for (const QString &message : session.messages().mid(shownBefore))
        printLine(stdout, message);
    return 0;
}

} // namespace host
