#pragma once

#include "entry/ClsCustomer.h"
#include "suite/login/ClsLogin.h"
#include "suite/pub/MessageScript.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

#include <memory>

namespace host {

// The component entered the way the list window enters it, without showing a window: the
// sub-commands work on the session context this sets up. Message boxes the component would
// show are collected instead, so that a command can print them; nothing waits for a user.
class HeadlessSession
{
public:
    struct Request
    {
        QString database; // connection text or company file; empty = the demo company
        QString userId = QStringLiteral("demo");
        QString languageRegion = QStringLiteral("zh-cn");
        // Entered as the import staging list: its rights and its function.
        bool importList = false;
    };

    // The options every sub-command on a session takes: --db, --user and --lang.
    struct Options
    {
        QCommandLineOption db{ QStringLiteral("db"),
                               QStringLiteral("Connection text or company database file."),
                               QStringLiteral("connection") };
        QCommandLineOption user{ QStringLiteral("user"), QStringLiteral("User id."),
                                 QStringLiteral("user"), QStringLiteral("demo") };
        QCommandLineOption lang{ QStringLiteral("lang"), QStringLiteral("Language region."),
                                 QStringLiteral("language"), QStringLiteral("zh-CN") };

        QList<QCommandLineOption> all() const { return { db, user, lang }; }
        Request requestOf(const QCommandLineParser &parser) const
        {
            return { parser.value(db), parser.value(user), parser.value(lang) };
        }
    };

    ~HeadlessSession();

    // False with the reason (and the messages the component showed) when the session cannot
    // be entered.
    bool start(const Request &request, QString &sMsg);

    // The texts of the message boxes shown so far.
    QStringList messages() const;

private:
    std::shared_ptr<suite::MessageScript> m_messages;
    std::shared_ptr<suite::ClsLogin> m_login;
    std::shared_ptr<customer::ArchiveEntry> m_entry;
};

} // namespace host
