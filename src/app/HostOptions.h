#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace host {

// What the command line asks of the host application.
struct HostOptions
{
    QString databasePath; // company database file; empty = the demo company
    QString userId = QStringLiteral("demo");
    QString language = QStringLiteral("zh-CN");
    QDate businessDate = QDate::currentDate();
    QString screenshotFile; // render the main window to this PNG and quit
    QString cardCode; // open the card of this customer instead of the list
    int cardPage = -1; // the card's tab page the screenshot shows; -1: the page it opens on
    bool duplicates = false; // open the duplicate list over the customer list
    bool importList = false; // open the import staging list over the customer list
    int mapTicked = -1; // tick this many rows of the list's first page and show them on the map
    QString sqlTraceFile; // append every text the data service receives to this file
    bool web = false; // run the component in web mode, its data served by the host
    QString error; // set when the command line cannot be understood
    QStringList givenOptions; // the names of the options the command line set, as "user"
};

HostOptions parseHostOptions(const QStringList &arguments);
// True when the command line chose any of user, company database, business date or language:
// it then speaks for the user and the login dialog is not shown.
bool loginOptionsGiven(const HostOptions &options);
// What the options are and what they do, as the command line's help shows it.
QString hostOptionsHelp();

// Where the demo company database lives when no --db is given, and the connection text
// the data service takes for it.
QString defaultDemoDatabasePath();
QString defaultDemoConnectionText();

// True when windows can be shown: a display is set, or a platform that needs none was chosen.
bool displayAvailable(const HostOptions &options);
QString noDisplayMessage();

} // namespace host
