#pragma once

#include "suite/login/ClsLogin.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

namespace host {

// A user of a company's system database, as the login offers it.
struct CompanyUser
{
    QString id;
    QString name;
};

// What the login dialog holds when the user presses OK.
struct LoginForm
{
    QString database; // a company file or connection text; empty = the demo company
    QString userId;
    QString password;
    QDate businessDate;
    QString language; // "zh-CN" or "en-US"
};

// A login that succeeded: what was asked, the session it opened, the language chosen.
struct LoginDialogResult
{
    suite::LoginRequest request;
    std::shared_ptr<suite::ClsLogin> login;
    QString language;
};

// The login dialog's logic, kept apart from its widgets: the company databases used lately
// (remembered in the settings, most recent first), the users of a company and the login itself.
class LoginChoices
{
public:
    static constexpr int kMaxRecentDatabases = 8;

    explicit LoginChoices(QSettings &settings);

    QStringList recentDatabases() const;
    // Puts database at the front of the recent list, dropping its older place and the
    // databases beyond the bound.
    void rememberDatabase(const QString &database);
    // The databases the dialog offers, the one to preselect first: the given one, then the
    // recent ones, and always the demo company.
    QStringList offeredDatabases(const QString &given) const;

    // The users of the system database beside the company, ordered by id. The demo company is
    // made first when it does not exist yet. False with the reason when they cannot be read.
    static bool usersOf(const QString &database, QList<CompanyUser> &users, QString &sMsg);

    static suite::LoginRequest request(const LoginForm &form);
    // Logs in with the form; on success the database joins the recent list. False with the
    // login's reason when it is refused.
    bool login(const LoginForm &form, LoginDialogResult &result, QString &sMsg);

private:
    void storeRecentDatabases(const QStringList &databases);

    QSettings &m_settings;
};

} // namespace host
