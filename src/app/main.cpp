#include "app/CompanyDatabase.h"
#include "app/HostOptions.h"
#include "app/PortalMainWindow.h"
#include "app/PortalSession.h"
#include "app/Subcommands.h"
#include "app/WebSession.h"

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
#include <QTimer>

#include <cstdio>

namespace {

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

// Renders the window once its first events are processed, writes the PNG and quits.
int renderScreenshot(QMainWindow &window, const QString &file)
{
    window.show();
    int status = 0;
    QTimer::singleShot(0, &window, [&] {
        // Windows shown in the portal load their first page right after they are shown.
        for (int round = 0; round < 3; ++round)
            QCoreApplication::processEvents();
        if (!window.grab().save(file)) {
            printError(QStringLiteral("customer-archive: cannot write %1").arg(file));
            status = 1;
        }
        QApplication::quit();
    });
    QApplication::exec();
    return status;
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
            QApplication app(argc, argv);
            QCoreApplication::setApplicationName(QStringLiteral("customer-archive"));
            startErrorLogFile();
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

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("customer-archive"));
    startErrorLogFile();
    suite::SqlTrace::setFile(options.sqlTraceFile);

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

    host::PortalMainWindow window(
        texts,
        { company.databaseFile, options.userId, options.businessDate.toString(Qt::ISODate) });
    host::WebSession webSession;
    host::PortalSession portalSession;
    if (!options.web
        && !portalSession.start(options, company.connectionText, window, nullptr, sMsg)) {
        printError(QStringLiteral("customer-archive: ") + sMsg);
        return 1;
    }
    if (options.web) {
        if (!webSession.start(options, company.connectionText, sMsg)) {
            printError(QStringLiteral("customer-archive --web: ") + sMsg);
            return 1;
        }
        window.showForm(webSession.listWindow(),
                        texts.text(QStringLiteral("Tarn.AA.HOST.MAIN.customers")));
    }
    if (!options.screenshotFile.isEmpty()) {
        const int status = renderScreenshot(window, options.screenshotFile);
        for (const auto &shown : screenshotMessages->shown())
            printError(shown.text);
        suite::ClsPub::installMessageScript(nullptr);
        return status;
    }
    window.show();
    return QApplication::exec();
}
