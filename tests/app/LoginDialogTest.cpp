#include "app/LoginDialog.h"
#include "app/CompanyDatabase.h"
#include "app/HostOptions.h"
#include "app/LoginChoices.h"

#include "DemoCompanyCopy.h"

#include "suite/SuiteServices.h"
#include "suite/controls/ModalDisplay.h"

#include <QApplication>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace host;

namespace {

HostOptions parse(QStringList args)
{
    args.prepend(QStringLiteral("customer-archive"));
    return parseHostOptions(args);
}

template<class Widget> Widget *field(QWidget *dialog, const char *name)
{
    auto *widget = dialog->findChild<Widget *>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QPushButton *button(QWidget *dialog, QDialogButtonBox::StandardButton which)
{
    return dialog->findChild<QDialogButtonBox *>()->button(which);
}

void pressKey(QWidget *target, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

QString sha256(const QString &text)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex());
}

class LoginTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        suite::registerSuiteServices();
        // askLogin keeps its recent databases in the user's settings: point them at this test.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    }

    // The company as the dialog names it: a file, or a connection text on the server.
    QString companyDatabase() const { return m_company.database(); }

    HostOptions defaults(const QString &userId = QStringLiteral("sales1")) const
    {
        HostOptions options;
        options.databasePath = companyDatabase();
        options.userId = userId;
        options.businessDate = QDate(2026, 3, 15);
        options.language = QStringLiteral("en-US");
        return options;
    }

    LoginForm form(const QString &userId, const QDate &date = QDate(2026, 3, 15)) const
    {
        return { companyDatabase(), userId, QString(), date, QStringLiteral("zh-CN") };
    }

    using Company = DemoCompanyCopy<>;
    Company m_company;
    QTemporaryDir m_settingsDir;
    QSettings m_settings{ m_settingsDir.filePath(QStringLiteral("login.ini")),
                          QSettings::IniFormat };
    LoginChoices m_choices{ m_settings };
};

QStringList items(QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

} // namespace

TEST(LoginOptions, OnlyUserDatabaseDateOrLanguageSkipTheDialog)
{
    EXPECT_FALSE(loginOptionsGiven(parse({})));
    EXPECT_FALSE(loginOptionsGiven(parse(
        { QStringLiteral("--web"), QStringLiteral("--trace-sql"), QStringLiteral("t.log") })));
    for (const QString &option : { QStringLiteral("--user"), QStringLiteral("--db"),
                                   QStringLiteral("--date"), QStringLiteral("--lang") }) {
        const QString value =
            option == u"--date" ? QStringLiteral("2026-03-15") : QStringLiteral("en-US");
        EXPECT_TRUE(loginOptionsGiven(parse({ option, value }))) << qPrintable(option);
    }
    EXPECT_TRUE(loginOptionsGiven(parse({ QStringLiteral("--db=/tmp/KVDATA_001_2026.db") })));
}

TEST_F(LoginTest, RecentDatabasesComeMostRecentFirstWithoutRepeatsAndBounded)
{
    EXPECT_TRUE(m_choices.recentDatabases().isEmpty());
    m_choices.rememberDatabase(QStringLiteral("/a.db"));
    m_choices.rememberDatabase(QStringLiteral("/b.db"));
    m_choices.rememberDatabase(QStringLiteral(" /a.db "));
    EXPECT_EQ(m_choices.recentDatabases(), QStringList({ "/a.db", "/b.db" }));

    for (int i = 0; i < LoginChoices::kMaxRecentDatabases + 2; ++i)
        m_choices.rememberDatabase(QStringLiteral("/c%1.db").arg(i));
    const QStringList recent = m_choices.recentDatabases();
    ASSERT_EQ(recent.size(), LoginChoices::kMaxRecentDatabases);
    EXPECT_EQ(recent.first(), QStringLiteral("/c9.db"));
    EXPECT_EQ(recent.last(), QStringLiteral("/c2.db"));

    m_choices.rememberDatabase(QString());
    EXPECT_EQ(m_choices.recentDatabases().first(), defaultDemoDatabasePath())
        << "no database is the demo company";

    QSettings reread(m_settings.fileName(), QSettings::IniFormat);
    EXPECT_EQ(LoginChoices(reread).recentDatabases(), m_choices.recentDatabases());
}

TEST_F(LoginTest, AHandEditedRecentListIsCleanedOnReading)
{
    m_settings.setValue(QStringLiteral("login/recentDatabases"),
                        QStringList({ " /x.db", "", "/y.db", "/x.db", "  " }));
    EXPECT_EQ(m_choices.recentDatabases(), QStringList({ "/x.db", "/y.db" }));
}

TEST_F(LoginTest, TheGivenDatabaseIsOfferedFirstAndTheDemoCompanyAlways)
{
    EXPECT_EQ(m_choices.offeredDatabases(QString()), QStringList({ defaultDemoDatabasePath() }));
    m_choices.rememberDatabase(QStringLiteral("/a.db"));
    m_choices.rememberDatabase(defaultDemoDatabasePath());
    m_choices.rememberDatabase(QStringLiteral("/b.db"));
    EXPECT_EQ(m_choices.offeredDatabases(QStringLiteral("/a.db")),
              QStringList({ "/a.db", "/b.db", defaultDemoDatabasePath() }));
    EXPECT_EQ(m_choices.offeredDatabases(QStringLiteral("/new.db")),
              QStringList({ "/new.db", "/b.db", defaultDemoDatabasePath(), "/a.db" }));
}

TEST_F(LoginTest, UsersAreReadFromTheCompanysSystemDatabaseInIdOrder)
{
    m_company.run(
        Company::System,
        QStringLiteral("insert into ua_user (cUser_Id, cUser_Name) values ('acct', '李会计')"));
    QList<CompanyUser> users;
    QString sMsg;
    ASSERT_TRUE(LoginChoices::usersOf(companyDatabase(), users, sMsg)) << qPrintable(sMsg);
    ASSERT_EQ(users.size(), 3);
    EXPECT_EQ(users[0].id, QStringLiteral("acct"));
    EXPECT_EQ(users[1].id, QStringLiteral("demo"));
    EXPECT_EQ(users[1].name, QStringLiteral("演示管理员"));
    EXPECT_EQ(users[2].id, QStringLiteral("sales1"));
    EXPECT_EQ(users[2].name, QStringLiteral("王晓明"));

    const QString missing = m_company.dir() + QStringLiteral("/KVDATA_009_2026.db");
    EXPECT_FALSE(LoginChoices::usersOf(missing, users, sMsg));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("KVDATA_009_2026.db"))) << qPrintable(sMsg);
}

TEST_F(LoginTest, TheRequestCarriesTheFormAsTheLoginTakesIt)
{
    const suite::LoginRequest request = LoginChoices::request(
        { QStringLiteral(" /data/KVDATA_001_2026.db "), QStringLiteral(" sales1 "),
          QStringLiteral(" pw "), QDate(2026, 1, 5), QStringLiteral("en-US") });
    // The component reads the account from the catalogue of the text, so a file becomes one.
    EXPECT_EQ(request.connectionText,
              QStringLiteral("Provider=SQLite;Data Source=/data/KVDATA_001_2026.db;"
                             "Initial Catalog=KVDATA_001_2026"));
    EXPECT_EQ(request.userId, QStringLiteral("sales1"));
    EXPECT_EQ(request.password, QStringLiteral(" pw ")) << "spaces belong to a password";
    EXPECT_EQ(request.businessDate, QStringLiteral("2026-01-05"));
    EXPECT_EQ(request.languageRegion, QStringLiteral("en-US"));
    EXPECT_TRUE(request.installPath.isEmpty());

    EXPECT_EQ(LoginChoices::request({}).connectionText, defaultDemoConnectionText());
}

TEST_F(LoginTest, OnlyASuccessfulLoginJoinsTheRecentList)
{
    LoginDialogResult result;
    QString sMsg;
    EXPECT_FALSE(m_choices.login(form(QStringLiteral("demo"), QDate(2025, 12, 31)), result, sMsg));
    EXPECT_EQ(
        sMsg,
        QStringLiteral("The business date 2025-12-31 is not in the year 2026 of account 001."));
    EXPECT_FALSE(m_choices.login(form(QStringLiteral("nobody")), result, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("The user 'nobody' does not exist."));
    EXPECT_TRUE(m_choices.recentDatabases().isEmpty());
    EXPECT_EQ(result.login, nullptr);

    ASSERT_TRUE(m_choices.login(form(QStringLiteral("demo")), result, sMsg)) << qPrintable(sMsg);
    ASSERT_NE(result.login, nullptr);
    EXPECT_EQ(result.login->cUserName(), QStringLiteral("演示管理员"));
    EXPECT_EQ(result.login->CurDate(), QStringLiteral("2026-03-15"));
    EXPECT_EQ(result.request.connectionText, companyConnectionText(companyDatabase()));
    EXPECT_EQ(result.language, QStringLiteral("zh-CN"));
    EXPECT_EQ(m_choices.recentDatabases(), QStringList({ companyDatabase() }));
}

TEST_F(LoginTest, TheDialogStartsFromTheDefaultsWithThePasswordFocused)
{
    LoginDialog dialog(defaults(), m_choices);
    EXPECT_EQ(field<QComboBox>(&dialog, "database")->currentText(), companyDatabase());
    EXPECT_EQ(items(field<QComboBox>(&dialog, "user")), QStringList({ "demo", "sales1" }));
    EXPECT_EQ(field<QComboBox>(&dialog, "user")->currentText(), QStringLiteral("sales1"));
    EXPECT_EQ(field<QLabel>(&dialog, "userName")->text(), QStringLiteral("王晓明"));
    EXPECT_EQ(field<QDateEdit>(&dialog, "date")->date(), QDate(2026, 3, 15));
    EXPECT_TRUE(field<QDateEdit>(&dialog, "date")->calendarPopup());
    EXPECT_EQ(field<QComboBox>(&dialog, "language")->currentData().toString(),
              QStringLiteral("en-US"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Customer Archive — Log In"));
    EXPECT_EQ(dialog.focusWidget(), field<QLineEdit>(&dialog, "password"));
    EXPECT_TRUE(field<QLabel>(&dialog, "message")->text().isEmpty());

    LoginDialog nobody(defaults(QString()), m_choices);
    EXPECT_EQ(nobody.focusWidget(), field<QComboBox>(&nobody, "user"));
}

TEST_F(LoginTest, TheFieldsAreVisitedTopToBottom)
{
    LoginDialog dialog(defaults(), m_choices);
    const QStringList fields = { "database", "browse", "user", "password", "date", "language" };
    QStringList visited;
    QWidget *start = field<QComboBox>(&dialog, "database");
    for (QWidget *w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain()) {
        if (fields.contains(w->objectName()) && !visited.contains(w->objectName()))
            visited.append(w->objectName());
    }
    visited.prepend(start->objectName());
    EXPECT_EQ(visited, fields);
}

TEST_F(LoginTest, ARefusedLoginKeepsTheDialogOpenWithTheReason)
{
    m_company.run(Company::System,
                  QStringLiteral("update ua_user set cPassword='%1' where cUser_Id='sales1'")
                      .arg(sha256(QStringLiteral("secret"))));
    QStringList messages;
    bool stillOpen = false;
    suite::ScopedModalHandler user([&](QWidget *window) {
        window->show();
        auto *password = field<QLineEdit>(window, "password");
        password->setText(QStringLiteral("wrong"));
        button(window, QDialogButtonBox::Ok)->click();
        messages.append(field<QLabel>(window, "message")->text());
        stillOpen = window->isVisible();

        password->setText(QStringLiteral("secret"));
        field<QDateEdit>(window, "date")->setDate(QDate(2027, 1, 4));
        button(window, QDialogButtonBox::Ok)->click();
        messages.append(field<QLabel>(window, "message")->text());

        field<QDateEdit>(window, "date")->setDate(QDate(2026, 6, 30));
        pressKey(password, Qt::Key_Return);
    });
    const std::optional<LoginDialogResult> result = askLogin(defaults());
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(messages,
              QStringList({ "Login failed: The password of the user 'sales1' is wrong.",
                            "Login failed: The business date 2027-01-04 is not in the year 2026 "
                            "of account 001." }));
    ASSERT_TRUE(result.has_value()) << "Enter logs in";
    EXPECT_EQ(result->request.userId, QStringLiteral("sales1"));
    EXPECT_EQ(result->request.password, QStringLiteral("secret"));
    EXPECT_EQ(result->request.businessDate, QStringLiteral("2026-06-30"));
    EXPECT_EQ(result->request.connectionText, companyConnectionText(companyDatabase()));
    EXPECT_EQ(result->language, QStringLiteral("en-US"));
    EXPECT_EQ(result->login->cUserId(), QStringLiteral("sales1"));
    EXPECT_EQ(QSettings(QStringLiteral("customer-archive"), QStringLiteral("login"))
                  .value(QStringLiteral("login/recentDatabases"))
                  .toStringList(),
              QStringList({ companyDatabase() }));
}

TEST_F(LoginTest, EscapeOrCancelGivesNoLogin)
{
    suite::ScopedModalHandler escape([](QWidget *window) {
        window->show();
        pressKey(field<QLineEdit>(window, "password"), Qt::Key_Escape);
    });
    EXPECT_FALSE(askLogin(defaults()).has_value());

    suite::ScopedModalHandler cancel([](QWidget *window) {
        window->show();
        button(window, QDialogButtonBox::Cancel)->click();
    });
    EXPECT_FALSE(askLogin(defaults()).has_value());
}

TEST_F(LoginTest, ChangingTheLanguageRetranslatesTheDialogAndItsMessage)
{
    LoginDialog dialog(defaults(QStringLiteral("nobody")), m_choices);
    dialog.accept();
    auto *message = field<QLabel>(&dialog, "message");
    EXPECT_EQ(message->text(), QStringLiteral("Login failed: The user 'nobody' does not exist."));

    field<QComboBox>(&dialog, "language")->setCurrentIndex(0);
    EXPECT_EQ(dialog.form().language, QStringLiteral("zh-CN"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("客户档案 — 登录"));
    EXPECT_EQ(button(&dialog, QDialogButtonBox::Ok)->text(), QStringLiteral("登录"));
    EXPECT_EQ(field<QPushButton>(&dialog, "browse")->text(), QStringLiteral("浏览(&B)..."));
    EXPECT_EQ(message->text(), QStringLiteral("登录失败：The user 'nobody' does not exist."));

    field<QComboBox>(&dialog, "language")->setCurrentIndex(1);
    EXPECT_EQ(button(&dialog, QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(field<QPushButton>(&dialog, "browse")->text(), QStringLiteral("&Browse..."));
}

TEST_F(LoginTest, BrowsingToACompanyFileReadsItsUsers)
{
    SKIP_ON_SERVER_BACKEND("a company there has no file to browse to");
    // The file dialog refuses a file that does not exist with a modal warning of its own.
    ASSERT_TRUE(QFileInfo::exists(companyDatabase()));
    HostOptions missing = defaults();
    missing.databasePath = m_company.dir() + QStringLiteral("/KVDATA_009_2026.db");
    LoginDialog dialog(missing, m_choices);
    EXPECT_TRUE(items(field<QComboBox>(&dialog, "user")).isEmpty());
    EXPECT_TRUE(field<QLabel>(&dialog, "message")
                    ->text()
                    .startsWith(QStringLiteral("Cannot read the users of this company: ")));

    suite::ScopedModalHandler chooser([this](QWidget *window) {
        auto *files = qobject_cast<QFileDialog *>(window);
        ASSERT_NE(files, nullptr);
        files->setOption(QFileDialog::DontUseNativeDialog);
        files->selectFile(companyDatabase());
        static_cast<QDialog *>(files)->accept();
    });
    field<QPushButton>(&dialog, "browse")->click();
    EXPECT_EQ(field<QComboBox>(&dialog, "database")->currentText(), companyDatabase());
    EXPECT_EQ(items(field<QComboBox>(&dialog, "user")), QStringList({ "demo", "sales1" }));
    EXPECT_EQ(field<QComboBox>(&dialog, "user")->currentText(), QStringLiteral("sales1"))
        << "the user typed stays";
    EXPECT_TRUE(field<QLabel>(&dialog, "message")->text().isEmpty());
}
