#pragma once

#include "app/HostOptions.h"
#include "app/LoginChoices.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QDateEdit;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace suite {
class ResourceTable;
}

namespace host {

// The host's login: company database, user, password, business date and language. OK logs in
// and keeps the dialog open with the reason when the login is refused; the dialog's own texts
// follow the language chosen in it.
class LoginDialog : public QDialog
{
    Q_OBJECT

public:
    LoginDialog(const HostOptions &defaults, LoginChoices &choices, QWidget *parent = nullptr);

    LoginForm form() const;
    // The login that closed the dialog; empty while none has succeeded.
    std::optional<LoginDialogResult> loginResult() const { return m_result; }

public slots:
    void accept() override;

private:
    void createFields(const HostOptions &defaults);
    void layOutFields();
    void connectFields();
    void retranslate();
    void loadUsers();
    void browseDatabase();
    void showUserName();
    void showMessage(const QString &key, const QString &reason);
    const suite::ResourceTable &texts() const;

    LoginChoices &m_choices;
    QComboBox *m_database = nullptr;
    QPushButton *m_browse = nullptr;
    QComboBox *m_user = nullptr;
    QLabel *m_userName = nullptr;
    QLineEdit *m_password = nullptr;
    QDateEdit *m_date = nullptr;
    QComboBox *m_language = nullptr;
    QLabel *m_message = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    QLabel *m_databaseLabel = nullptr;
    QLabel *m_userLabel = nullptr;
    QLabel *m_passwordLabel = nullptr;
    QLabel *m_dateLabel = nullptr;
    QLabel *m_languageLabel = nullptr;
    QList<CompanyUser> m_users;
    QString m_usersDatabase; // the database m_users were read from
    QString m_messageKey;
    QString m_messageReason;
    std::optional<LoginDialogResult> m_result;
};

// Asks for the login through suite::showModal; empty when the user cancels. Recent company
// databases are remembered in the user's settings of customer-archive.
std::optional<LoginDialogResult> askLogin(const HostOptions &defaults, QWidget *parent = nullptr);

} // namespace host
