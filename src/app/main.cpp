#include "app/CompanyDatabase.h"
#include "app/CustomerCodeCheck.h"
#include "app/HostOptions.h"
#include "app/LoginDialog.h"
#include "app/MapScreenshot.h"
#include "app/PortalMainWindow.h"
#include "app/PortalSession.h"
#include "app/QtMessageLog.h"
#include "app/Subcommands.h"
#include "app/WebSession.h"

#include "entry/ArchiveListWindow.h"
#include "entry/SessionContext.h"
#include "list/FrmCus.h"
#include "map/MapWindow.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/core/ErrorLog.h"
#include "suite/core/ProcessEnvironment.h"
#include "suite/data/SqlTrace.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/MessageScript.h"
#include "suite/pub/ResourceTable.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <optional>
#include <utility>

namespace {

// The session's services hold the function locks and give them back through the data service
// when they end. They end here, while the application and the translator they use still exist,
// and not among the static destructors, which run in no order this program chooses.
struct SessionShutdown
{
    SessionShutdown() = default;
    SessionShutdown(const SessionShutdown &) = delete;
    SessionShutdown &operator=(const SessionShutdown &) = delete;
    ~SessionShutdown() { customer::resetSessionContext(); }
};

void printError(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

void startErrorLogFile()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (!dir.isEmpty() && QDir().mkpath(dir))
        suite::ErrorLog::instance().setLogFile(dir + QStringLiteral("/customer-archive.log"));
}

// Renders the window once the list in it has shown its first page, writes the PNG and quits.
// A list that refuses to load shows no page: the window is then taken as it stands after a
// while.
int renderScreenshot(QMainWindow &window, QWidget *list, const QString &file)
{
    constexpr int kLongestLoadMs = 10000;
    int status = 0;
    bool taken = false;
    const auto takeScreenshot = [&] {
        if (std::exchange(taken, true))
            return;
        if (!window.grab().save(file)) {
            printError(QStringLiteral("customer-archive: cannot write %1").arg(file));
            status = 1;
        }
        QApplication::quit();
    };
    if (auto *archiveList = qobject_cast<customer::ArchiveListWindow *>(list)) {
        QObject::connect(archiveList, &customer::ArchiveListWindow::pageShown, &window,
                         takeScreenshot, Qt::QueuedConnection);
    }
    QTimer::singleShot(kLongestLoadMs, &window, takeScreenshot);
    window.show();
    QApplication::exec();
    return status;
}

// Shows the tab page of the card the command line asked for; false, after saying why, when the
// card has no such page.
bool showCardPage(QWidget &card, int page)
{
    auto *pages = card.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    if (page < 0 || !pages)
        return true;
    if (page >= pages->count() || !pages->isTabVisible(page)) {
        printError(QStringLiteral("customer-archive: the card has no page %1 to show (its pages "
                                  "are 0 to %2)")
                       .arg(page)
                       .arg(pages->count() - 1));
        return false;
    }
    pages->setCurrentIndex(page);
    for (int round = 0; round < 3; ++round)
        QApplication::processEvents();
    return true;
}

// Renders a modal window the command line opened (the card, the duplicate list), once its
// first activation has set it up, and closes it, which ends its modal road.
int renderModalScreenshot(QWidget &card, const QSize &size, const QString &file, int page)
{
    card.resize(size);
    card.show();
    for (int round = 0; round < 5; ++round)
        QApplication::processEvents();
    if (!showCardPage(card, page)) {
        card.close();
        return 1;
    }
    const bool written = card.grab().save(file);
    if (!written)
        printError(QStringLiteral("customer-archive: cannot write %1").arg(file));
    card.close();
    return written ? 0 : 1;
}

// The user logs in through the dialog when the command line names no login: the choices made
// there then stand for the options. False when the user cancels.
bool loginThroughDialog(host::HostOptions &options, std::shared_ptr<suite::ClsLogin> &login)
{
    const std::optional<host::LoginDialogResult> result = host::askLogin(options);
    if (!result)
        return false;
    options.databasePath = result->request.connectionText;
    options.userId = result->request.userId;
    options.businessDate = QDate::fromString(result->request.businessDate, Qt::ISODate);
    options.language = result->language;
    login = result->login;
    return true;
}

// A card asked for on the command line needs its customer: without one, the run says so and
// fails instead of ending quietly as if the card had been shown.
bool cardCustomerFound(const host::HostOptions &options, const QString &connectionText,
                       const suite::ResourceTable &texts)
{
    QString sMsg;
    const std::optional<bool> found = host::customerExists(connectionText, options.cardCode, sMsg);
    if (found.value_or(false))
        return true;
    const QString text = found
        ? texts.format(QStringLiteral("Tarn.AA.HOST.MAIN.nocustomer"), { options.cardCode })
        : QStringLiteral("customer-archive: ") + sMsg;
    printError(text);
    if (options.screenshotFile.isEmpty())
        QMessageBox::critical(nullptr, texts.text(QStringLiteral("Tarn.AA.HOST.MAIN.caption")),
                              text);
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    suite::prepareProcessEnvironment();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (argc > 1) {
        if (const host::Subcommand subcommand = host::findSubcommand(arguments[1])) {
            // The component's windows are made but never shown on these roads.
            qputenv("QT_QPA_PLATFORM", "offscreen");
            QCoreApplication::setApplicationName(QStringLiteral("customer-archive"));
            suite::prepareWebEngineEnvironment();
            startErrorLogFile();
            host::sendQtMessagesToErrorLog();
            QApplication app(argc, argv);
            const SessionShutdown shutdown;
            return subcommand(arguments.mid(2));
        }
    }
    host::HostOptions options = host::parseHostOptions(arguments);
    if (!options.error.isEmpty()) {
        printError(QStringLiteral("customer-archive: ") + options.error);
        return 2;
    }
    if (!host::displayAvailable(options)) {
        printError(host::noDisplayMessage());
        return 2;
    }
    // A screenshot is taken without a user: the component's message boxes are answered at
    // once and their texts printed.
    auto screenshotMessages = std::make_shared<suite::MessageScript>();
    if (!options.screenshotFile.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        suite::ClsPub::installMessageScript(screenshotMessages);
    }
    suite::prepareWebEngineEnvironment();

    QApplication app(argc, argv);
    const SessionShutdown shutdown;
    QApplication::setApplicationName(QStringLiteral("customer-archive"));
    startErrorLogFile();
    QString traceError;
    if (!options.sqlTraceFile.isEmpty()
        && !suite::SqlTrace::canWrite(options.sqlTraceFile, traceError)) {
        printError(QStringLiteral("customer-archive: ") + traceError);
        return 1;
    }
    suite::SqlTrace::setFile(options.sqlTraceFile);

    std::shared_ptr<suite::ClsLogin> login;
    const bool askForLogin =
        options.screenshotFile.isEmpty() && !options.web && !host::loginOptionsGiven(options);
    if (askForLogin && !loginThroughDialog(options, login))
        return 0;

    const suite::ResourceTable &texts = suite::ResourceTable::builtIn(options.language);
    host::OpenedCompany company;
    QString sMsg;
    if (!host::openCompany(options.databasePath, company, sMsg)) {
        const QString name =
            options.databasePath.isEmpty() ? host::defaultDemoDatabasePath() : options.databasePath;
        const QString text =
            texts.format(QStringLiteral("Tarn.AA.HOST.MAIN.dbopenfail"), { name, sMsg });
        printError(text);
        if (options.screenshotFile.isEmpty())
            QMessageBox::critical(nullptr, texts.text(QStringLiteral("Tarn.AA.HOST.MAIN.caption")),
                                  text);
        return 1;
    }

    if (!options.cardCode.isEmpty() && !options.web
        && !cardCustomerFound(options, company.connectionText, texts))
        return 1;

    host::PortalMainWindow window(
        texts,
        { company.databaseFile, options.userId, options.businessDate.toString(Qt::ISODate) });
    host::WebSession webSession;
    host::PortalSession portalSession;
    std::optional<suite::ScopedModalHandler> cardScreenshot;
    // A screenshot of a window that was never shown (the map without its module) is a failure.
    int cardStatus = options.screenshotFile.isEmpty() ? 0 : 1;
    const bool modalOnly = !options.cardCode.isEmpty() || options.duplicates || options.importList
        || options.mapTicked > 0;
    if (modalOnly && !options.screenshotFile.isEmpty()) {
        cardScreenshot.emplace([&](QWidget *card) {
            if (auto *map = map::MapWindow::of(card)) {
                cardStatus = host::renderMapScreenshot(*map, options.screenshotFile);
                return;
            }
            // The duplicate list shows both customers of a pair side by side.
            const QSize size = options.duplicates ? QSize(1480, 560)
                : options.importList              ? QSize(1280, 640)
                                                  : QSize(1024, 700);
            cardStatus =
                renderModalScreenshot(*card, size, options.screenshotFile, options.cardPage);
        });
    }
    if (!options.web
        && !portalSession.start(options, company.connectionText, window, login, sMsg)) {
        printError(QStringLiteral("customer-archive: ") + sMsg);
        return 1;
    }
    if (!options.cardCode.isEmpty() && !options.web) {
        for (const auto &shown : screenshotMessages->shown())
            printError(shown.text);
        return cardStatus;
    }
    auto *list =
        options.web ? nullptr : qobject_cast<customer::FrmCus *>(portalSession.listWindow());
    // The duplicate list and the import list open over the customer list, as its commands.
    const QString overList = options.duplicates ? QStringLiteral("Duplicates")
        : options.importList                    ? QStringLiteral("Import")
        : options.mapTicked > 0                 ? QStringLiteral("Cus_district")
                                                : QString();
    if (list && options.mapTicked > 0) {
        window.show();
        host::prepareListForMap(*list, options.mapTicked);
    }
    if (!overList.isEmpty() && list && !options.screenshotFile.isEmpty()) {
        list->Operating(overList);
        for (const auto &shown : screenshotMessages->shown())
            printError(shown.text);
        return cardStatus;
    }
    if (!overList.isEmpty() && list)
        QTimer::singleShot(0, list, [list, overList] { list->Operating(overList); });
    if (options.web) {
        if (!webSession.start(options, company.connectionText, sMsg)) {
            printError(QStringLiteral("customer-archive --web: ") + sMsg);
            return 1;
        }
        window.showForm(webSession.listWindow(),
                        texts.text(QStringLiteral("Tarn.AA.HOST.MAIN.customers")));
    }
    if (!options.screenshotFile.isEmpty()) {
        QWidget *list = options.web ? webSession.listWindow() : portalSession.listWindow();
        const int status = renderScreenshot(window, list, options.screenshotFile);
        for (const auto &shown : screenshotMessages->shown())
            printError(shown.text);
        suite::ClsPub::installMessageScript(nullptr);
        return status;
    }
    window.show();
    return QApplication::exec();
}
