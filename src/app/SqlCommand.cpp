#include "app/HostOptions.h"
#include "app/Subcommands.h"

#include "suite/SuiteServices.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/DataService.h"
#include "suite/data/SqlTrace.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QFile>

#include <cstdio>
#include <optional>

namespace host {

namespace {

struct SqlOptions
{
    QString connection;
    QString traceFile;
    QString text;
};

int usageError(const QString &message)
{
    printLine(stderr, QStringLiteral("customer-archive sql: ") + message);
    printLine(stderr,
              QStringLiteral("usage: customer-archive sql [--db CONNECTION] "
                             "[--trace-sql FILE] \"T-SQL\" (or - to read it from "
                             "standard input)"));
    return 2;
}

std::optional<SqlOptions> parseSqlOptions(const QStringList &arguments, QString &error)
{
    QCommandLineParser parser;
    const QCommandLineOption db(QStringLiteral("db"),
                                QStringLiteral("Connection text or company database file."),
                                QStringLiteral("connection"));
    const QCommandLineOption trace(QStringLiteral("trace-sql"),
                                   QStringLiteral("Append every text run to this file."),
                                   QStringLiteral("file"));
    parser.addOptions({ db, trace });
    if (!parser.parse(QStringList{ QStringLiteral("sql") } + arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    SqlOptions options;
    options.connection = parser.isSet(db) ? parser.value(db) : defaultDemoConnectionText();
    options.traceFile = parser.value(trace);
    // Words the shell split are one text again: sql select cCusCode from Customer.
    options.text = parser.positionalArguments().join(u' ');
    if (options.text == u"-") {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly)) {
            error = QStringLiteral("cannot read standard input");
            return std::nullopt;
        }
        options.text = QString::fromUtf8(input.readAll());
    }
    if (options.text.trimmed().isEmpty()) {
        error = QStringLiteral("no T-SQL text to run");
        return std::nullopt;
    }
    return options;
}

QString cellText(const QVariant &value)
{
    if (value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::QDateTime: {
        const QDateTime date = value.toDateTime();
        return date.toString(date.time().msec() ? Qt::ISODateWithMs : Qt::ISODate);
    }
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate);
    case QMetaType::QByteArray:
        return QString::fromLatin1(value.toByteArray().toBase64());
    default:
        return escapedField(value.toString());
    }
}

void printRows(const suite::RecordSet &rows)
{
    QStringList header;
    for (const suite::Field &field : rows.Fields())
        header.append(escapedField(field.name));
    printLine(stdout, header.join(u'\t'));
    const int width = rows.FieldCount();
    for (int row = 0; row < rows.RecordCount(); ++row) {
        QStringList cells;
        cells.reserve(width);
        for (int column = 0; column < width; ++column)
            cells.append(cellText(rows.valueAt(row, column)));
        printLine(stdout, cells.join(u'\t'));
    }
}

} // namespace

int runSql(const QStringList &arguments)
{
    QString error;
    const std::optional<SqlOptions> options = parseSqlOptions(arguments, error);
    if (!options)
        return usageError(error);
    if (!options->traceFile.isEmpty()) {
        if (!suite::SqlTrace::canWrite(options->traceFile, error)) {
            printLine(stderr, QStringLiteral("customer-archive sql: ") + error);
            return 1;
        }
        suite::SqlTrace::setFile(options->traceFile);
    }

    suite::registerSuiteServices();
    const auto service =
        suite::createObject<suite::IClsCommon>(QLatin1String(suite::IClsCommon::kProgId));
    if (!service) {
        printLine(stderr,
                  QStringLiteral("customer-archive sql: the data service %1 cannot be "
                                 "created.")
                      .arg(QLatin1String(suite::IClsCommon::kProgId)));
        return 1;
    }
    service->Init(options->connection);
    if (!service->Status()) {
        printLine(stderr, QStringLiteral("customer-archive sql: ") + service->LastError());
        return 1;
    }
    const suite::RecordSet rows = service->OpenX(options->text);
    if (rows.IsOpen()) {
        printRows(rows);
        return 0;
    }
    if (!service->LastError().isEmpty()) {
        printLine(stderr, QStringLiteral("customer-archive sql: ") + service->LastError());
        return 1;
    }
    const auto *counting = dynamic_cast<const suite::ClsCommon *>(service.get());
    printLine(stdout,
              counting ? QStringLiteral("%1 rows changed").arg(counting->LastRowsChanged())
                       : QStringLiteral("The statement ran."));
    return 0;
}

} // namespace host
