#include "app/HostOptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

namespace host {

HostOptions parseHostOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption db(QStringLiteral("db"), QStringLiteral("Company database file."),
                                QStringLiteral("file"));
    const QCommandLineOption user(QStringLiteral("user"), QStringLiteral("Operator id."),
                                  QStringLiteral("user"));
    const QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("zh-CN or en-US."),
                                  QStringLiteral("language"));
    const QCommandLineOption date(QStringLiteral("date"), QStringLiteral("Business date."),
                                  QStringLiteral("yyyy-MM-dd"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the window to a PNG file."),
                                        QStringLiteral("file"));
    const QCommandLineOption traceSql(QStringLiteral("trace-sql"),
                                      QStringLiteral("Append every SQL text to a file."),
                                      QStringLiteral("file"));
    parser.addOptions({ db, user, lang, date, screenshot, traceSql });

    HostOptions options;
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    options.databasePath = parser.value(db);
    if (parser.isSet(user))
        options.userId = parser.value(user);
    if (parser.isSet(lang)) {
        const QString value = parser.value(lang);
        if (value.compare(QLatin1String("zh-CN"), Qt::CaseInsensitive) != 0
            && value.compare(QLatin1String("en-US"), Qt::CaseInsensitive) != 0)
            options.error = QStringLiteral("--lang takes zh-CN or en-US, not %1").arg(value);
        options.language = value;
    }
    if (parser.isSet(date)) {
        options.businessDate = QDate::fromString(parser.value(date), Qt::ISODate);
        if (!options.businessDate.isValid())
            options.error =
                QStringLiteral("--date takes a date as yyyy-MM-dd, not %1").arg(parser.value(date));
    }
    options.screenshotFile = parser.value(screenshot);
    options.sqlTraceFile = parser.value(traceSql);
    if (!parser.positionalArguments().isEmpty())
        options.error =
            QStringLiteral("unknown argument %1").arg(parser.positionalArguments().first());
    return options;
}

QString defaultDemoDatabasePath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dir.isEmpty())
        dir = QDir::homePath();
    return dir + QStringLiteral("/customer-archive/demo/KVDATA_001_2026.db");
}

QString defaultDemoConnectionText()
{
    return QStringLiteral("Provider=SQLite;Data Source=%1;Initial Catalog=KVDATA_001_2026")
        .arg(defaultDemoDatabasePath());
}

bool displayAvailable(const HostOptions &options)
{
    if (!options.screenshotFile.isEmpty())
        return true;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QString noDisplayMessage()
{
    return QStringLiteral(
        "customer-archive: no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set),\n"
        "so the window cannot be shown. Either run it on a virtual display:\n"
        "    xvfb-run -a ./run.sh\n"
        "or render the window to a picture without any display:\n"
        "    ./run.sh --screenshot window.png\n");
}

} // namespace host
