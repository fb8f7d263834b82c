#include "app/LoginDialog.h"

#include "suite/controls/ModalDisplay.h"
#include "suite/pub/ResourceTable.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

namespace host {

namespace {

const QString kChinese = QStringLiteral("zh-CN");
const QString kEnglish = QStringLiteral("en-US");

QComboBox *editableCombo(const QString &objectName)
{
    auto *combo = new QComboBox;
    combo->setObjectName(objectName);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

QLabel *fieldLabel(QWidget *buddy)
{
    auto *label = new QLabel;
    label->setBuddy(buddy);
    return label;
}

} // namespace

LoginDialog::LoginDialog(const HostOptions &defaults, LoginChoices &choices, QWidget *parent)
    : QDialog(parent)
    , m_choices(choices)
{
    createFields(defaults);
    layOutFields();
    retranslate();
    loadUsers();
    connectFields();
    if (m_user->currentText().trimmed().isEmpty())
        m_user->setFocus();
    else
        m_password->setFocus();
}

void LoginDialog::createFields(const HostOptions &defaults)
{
    m_database = editableCombo(QStringLiteral("database"));
    m_database->addItems(m_choices.offeredDatabases(defaults.databasePath));
    m_database->setMinimumContentsLength(40);
    m_browse = new QPushButton;
    m_browse->setObjectName(QStringLiteral("browse"));
    m_browse->setAutoDefault(false);
    m_user = editableCombo(QStringLiteral("user"));
    m_user->setEditText(defaults.userId);
    m_userName = new QLabel;
    m_userName->setObjectName(QStringLiteral("userName"));
    m_password = new QLineEdit;
    m_password->setObjectName(QStringLiteral("password"));
    m_password->setEchoMode(QLineEdit::Password);
    m_date = new QDateEdit(defaults.businessDate.isValid() ? defaults.businessDate
                                                           : QDate::currentDate());
    m_date->setObjectName(QStringLiteral("date"));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_language = new QComboBox;
    m_language->setObjectName(QStringLiteral("language"));
    // Each language is named in itself, so that a user who cannot read the other one finds it.
    m_language->addItem(QStringLiteral("中文"), kChinese);
    m_language->addItem(QStringLiteral("English"), kEnglish);
    m_language->setCurrentIndex(
        m_language->findData(suite::ResourceTable::tableLanguage(defaults.language)));
    m_message = new QLabel;
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setWordWrap(true);
    m_message->setStyleSheet(QStringLiteral("color: #b00020"));
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
}

void LoginDialog::layOutFields()
{
    auto *databaseRow = new QHBoxLayout;
    databaseRow->addWidget(m_database, 1);
    databaseRow->addWidget(m_browse);
    auto *userRow = new QHBoxLayout;
    userRow->addWidget(m_user, 1);
    userRow->addWidget(m_userName, 1);

    auto *form = new QFormLayout(this);
    m_databaseLabel = fieldLabel(m_database);
    m_userLabel = fieldLabel(m_user);
    m_passwordLabel = fieldLabel(m_password);
    m_dateLabel = fieldLabel(m_date);
    m_languageLabel = fieldLabel(m_language);
    form->addRow(m_databaseLabel, databaseRow);
    form->addRow(m_userLabel, userRow);
    form->addRow(m_passwordLabel, m_password);
    form->addRow(m_dateLabel, m_date);
    form->addRow(m_languageLabel, m_language);
    form->addRow(m_message);
    form->addRow(m_buttons);

    setTabOrder(m_database, m_browse);
    setTabOrder(m_browse, m_user);
    setTabOrder(m_user, m_password);
    setTabOrder(m_password, m_date);
    setTabOrder(m_date, m_language);
    setTabOrder(m_language, m_buttons);
}

void LoginDialog::connectFields()
{
    connect(m_database, &QComboBox::activated, this, &LoginDialog::loadUsers);
    connect(m_database->lineEdit(), &QLineEdit::editingFinished, this, &LoginDialog::loadUsers);
    connect(m_browse, &QPushButton::clicked, this, &LoginDialog::browseDatabase);
    connect(m_user, &QComboBox::currentTextChanged, this, &LoginDialog::showUserName);
    connect(m_language, &QComboBox::currentIndexChanged, this, &LoginDialog::retranslate);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &LoginDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &LoginDialog::reject);
}

void LoginDialog::retranslate()
{
    setWindowTitle(texts().text(QStringLiteral("Tarn.AA.HOST.LOGIN.caption")));
    m_databaseLabel->setText(texts().text(QStringLiteral("Tarn.AA.HOST.LOGIN.database")));
    m_browse->setText(texts().text(QStringLiteral("Tarn.AA.HOST.LOGIN.browse")));
    m_userLabel->setText(texts().text(QStringLiteral("Tarn.AA.HOST.LOGIN.user")));
    m_passwordLabel->setText(texts().text(QStringLiteral("Tarn.AA.HOST.LOGIN.password")));
    m_dateLabel->setText(texts().text(QStringLiteral("Tarn.AA.HOST.LOGIN.date")));
    m_languageLabel->setText(texts().text(QStringLiteral("Tarn.AA.HOST.LOGIN.language")));
    m_buttons->button(QDialogButtonBox::Ok)
        ->setText(texts().text(QStringLiteral("Tarn.AA.HOST.LOGIN.ok")));
    m_buttons->button(QDialogButtonBox::Cancel)
        ->setText(texts().text(QStringLiteral("Tarn.AA.HOST.LOGIN.cancel")));
    m_date->setLocale(QLocale(m_language->currentData().toString()));
    showMessage(m_messageKey, m_messageReason);
}

void LoginDialog::loadUsers()
{
    const QString database = m_database->currentText().trimmed();
    if (!m_usersDatabase.isNull() && database == m_usersDatabase)
        return;
    m_usersDatabase = database;
    QList<CompanyUser> users;
    QString sMsg;
    if (LoginChoices::usersOf(database, users, sMsg))
        showMessage(QString(), QString());
    else
        showMessage(QStringLiteral("Tarn.AA.HOST.LOGIN.usersfail"), sMsg);
    const QString typed = m_user->currentText();
    m_users = users;
    m_user->clear();
    for (const CompanyUser &user : std::as_const(m_users))
        m_user->addItem(user.id);
    // Adding items selects the first user; only the user typed or given stays chosen.
    m_user->setEditText(typed);
    showUserName();
}

void LoginDialog::browseDatabase()
{
    QFileDialog dialog(this, texts().text(QStringLiteral("Tarn.AA.HOST.LOGIN.browsecaption")),
                       QFileInfo(m_database->currentText().trimmed()).absolutePath(),
                       texts().text(QStringLiteral("Tarn.AA.HOST.LOGIN.dbfilter")));
    dialog.setFileMode(QFileDialog::ExistingFile);
    suite::showModal(&dialog);
    if (dialog.result() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    m_database->setCurrentText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
    loadUsers();
}

void LoginDialog::showUserName()
{
    const QString id = m_user->currentText().trimmed();
    for (const CompanyUser &user : std::as_const(m_users)) {
        if (user.id.compare(id, Qt::CaseInsensitive) == 0) {
            m_userName->setText(user.name);
            return;
        }
    }
    m_userName->clear();
}

// The reason comes from the data service or the login and is kept, so that a change of language
// can say it again in the frame of the new language.
void LoginDialog::showMessage(const QString &key, const QString &reason)
{
    m_messageKey = key;
    m_messageReason = reason;
    if (key.isEmpty()) {
        m_message->clear();
        return;
    }
    m_message->setText(texts().format(key, { reason }));
}

const suite::ResourceTable &LoginDialog::texts() const
{
    return suite::ResourceTable::builtIn(m_language->currentData().toString());
}

LoginForm LoginDialog::form() const
{
    return { m_database->currentText(), m_user->currentText(), m_password->text(), m_date->date(),
             m_language->currentData().toString() };
}

void LoginDialog::accept()
{
    LoginDialogResult result;
    QString sMsg;
    if (!m_choices.login(form(), result, sMsg)) {
        showMessage(QStringLiteral("Tarn.AA.HOST.LOGIN.loginfail"), sMsg);
        m_password->setFocus();
        m_password->selectAll();
        return;
    }
    m_result = std::move(result);
    QDialog::accept();
}

std::optional<LoginDialogResult> askLogin(const HostOptions &defaults, QWidget *parent)
{
    QSettings settings(QStringLiteral("customer-archive"), QStringLiteral("login"));
    LoginChoices choices(settings);
    LoginDialog dialog(defaults, choices, parent);
    suite::showModal(&dialog);
    if (dialog.result() != QDialog::Accepted)
        return std::nullopt;
    return dialog.loginResult();
}

} // namespace host
