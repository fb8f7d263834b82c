#include "app/HostOptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

#include <algorithm>

namespace host {

namespace {

const QString kDb = QStringLiteral("db");
const QString kUser = QStringLiteral("user");
const QString kLang = QStringLiteral("lang");
const QString kDate = QStringLiteral("date");
const QString kScreenshot = QStringLiteral("screenshot");
const QString kTraceSql = QStringLiteral("trace-sql");
const QString kWeb = QStringLiteral("web");
const QString kCard = QStringLiteral("card");
const QString kCardPage = QStringLiteral("card-page");
const QString kDuplicates = QStringLiteral("duplicates");
const QString kImport = QStringLiteral("import-list");
const QString kMapTicked = QStringLiteral("map-ticked");

void describeOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        { kDb, QStringLiteral("Company database file."), QStringLiteral("file") },
        { kUser, QStringLiteral("Operator id."), QStringLiteral("user") },
        { kLang, QStringLiteral("zh-CN or en-US."), QStringLiteral("language") },
        { kDate, QStringLiteral("Business date."), QStringLiteral("yyyy-MM-dd") },
        { kScreenshot, QStringLiteral("Render the window to a PNG file."), QStringLiteral("file") },
        { kTraceSql, QStringLiteral("Append every SQL text to a file."), QStringLiteral("file") },
        { kCard, QStringLiteral("Open the card of one customer instead of the list."),
          QStringLiteral("code") },
        { kCardPage,
          QStringLiteral("With --card and --screenshot: the tab page of the card to render "
                         "(0 is the first; plug-in pages follow the card's own)."),
          QStringLiteral("n") },
        { kDuplicates, QStringLiteral("Open the list of likely duplicate customers.") },
        { kImport, QStringLiteral("Open the import staging list.") },
        { kMapTicked,
          QStringLiteral("Tick the first n customers of the list's first page and show them on "
                         "the map."),
          QStringLiteral("n") },
        { kWeb,
          QStringLiteral("Run the component in web mode: the host answers its data requests.") },
    });
}

} // namespace

HostOptions parseHostOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);

    HostOptions options;
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    options.givenOptions = parser.optionNames();
    options.databasePath = parser.value(kDb);
    if (parser.isSet(kUser))
        options.userId = parser.value(kUser);
    if (parser.isSet(kLang)) {
        const QString value = parser.value(kLang);
        if (value.compare(QLatin1String("zh-CN"), Qt::CaseInsensitive) != 0
            && value.compare(QLatin1String("en-US"), Qt::CaseInsensitive) != 0)
            options.error = QStringLiteral("--lang takes zh-CN or en-US, not %1").arg(value);
        options.language = value;
    }
    if (parser.isSet(kDate)) {
        options.businessDate = QDate::fromString(parser.value(kDate), Qt::ISODate);
        if (!options.businessDate.isValid())
            options.error = QStringLiteral("--date takes a date as yyyy-MM-dd, not %1")
                                .arg(parser.value(kDate));
    }
    options.screenshotFile = parser.value(kScreenshot);
    options.sqlTraceFile = parser.value(kTraceSql);
    options.cardCode = parser.value(kCard);
    if (parser.isSet(kCardPage)) {
        bool number = false;
        options.cardPage = parser.value(kCardPage).toInt(&number);
        if (!number || options.cardPage < 0)
            options.error = QStringLiteral("--card-page takes a page number from 0, not %1")
                                .arg(parser.value(kCardPage));
        else if (options.cardCode.isEmpty() || options.screenshotFile.isEmpty())
            options.error = QStringLiteral("--card-page goes with --card and --screenshot");
    }
    options.web = parser.isSet(kWeb);
    options.duplicates = parser.isSet(kDuplicates);
    options.importList = parser.isSet(kImport);
    if (parser.isSet(kMapTicked)) {
        bool number = false;
        options.mapTicked = parser.value(kMapTicked).toInt(&number);
        if (!number || options.mapTicked < 1)
            options.error =
                QStringLiteral("--map-ticked takes a number of customers from 1, not %1")
                    .arg(parser.value(kMapTicked));
    }
    if (!parser.positionalArguments().isEmpty())
        options.error =
            QStringLiteral("unknown argument %1").arg(parser.positionalArguments().first());
    return options;
}

bool loginOptionsGiven(const HostOptions &options)
{
    return std::ranges::any_of(options.givenOptions, [](const QString &name) {
        return name == kDb || name == kUser || name == kDate || name == kLang;
    });
}

QString hostOptionsHelp()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The customer archive of the business suite."));
    describeOptions(parser);
    return parser.helpText();
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
