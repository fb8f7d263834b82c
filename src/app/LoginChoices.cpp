#include "app/LoginChoices.h"

#include "app/CompanyDatabase.h"
#include "app/HostOptions.h"

#include "suite/SuiteServices.h"

#include <QSettings>

namespace host {

namespace {

const QString kRecentDatabasesKey = QStringLiteral("login/recentDatabases");

QString companyOrDemo(const QString &database)
{
    const QString trimmed = database.trimmed();
    return trimmed.isEmpty() ? defaultDemoDatabasePath() : trimmed;
}

// openCompany makes the demo company only when it is asked for no database at all.
QString companyToOpen(const QString &database)
{
    const QString company = companyOrDemo(database);
    return company == defaultDemoDatabasePath() ? QString() : company;
}

} // namespace

LoginChoices::LoginChoices(QSettings &settings)
    : m_settings(settings)
{ }

QStringList LoginChoices::recentDatabases() const
{
    QStringList databases;
    for (const QString &stored : m_settings.value(kRecentDatabasesKey).toStringList()) {
        const QString database = stored.trimmed();
        if (!database.isEmpty() && !databases.contains(database))
            databases.append(database);
    }
    return databases.mid(0, kMaxRecentDatabases);
}

void LoginChoices::rememberDatabase(const QString &database)
{
    const QString chosen = companyOrDemo(database);
    QStringList databases = recentDatabases();
    databases.removeAll(chosen);
    databases.prepend(chosen);
    storeRecentDatabases(databases.mid(0, kMaxRecentDatabases));
}

void LoginChoices::storeRecentDatabases(const QStringList &databases)
{
    m_settings.setValue(kRecentDatabasesKey, databases);
    m_settings.sync();
}

QStringList LoginChoices::offeredDatabases(const QString &given) const
{
    QStringList databases = recentDatabases();
    if (!given.trimmed().isEmpty()) {
        databases.removeAll(given.trimmed());
        databases.prepend(given.trimmed());
    }
    if (!databases.contains(defaultDemoDatabasePath()))
        databases.append(defaultDemoDatabasePath());
    return databases;
}

bool LoginChoices::usersOf(const QString &database, QList<CompanyUser> &users, QString &sMsg)
{
    OpenedCompany company;
    if (!openCompany(companyToOpen(database), company, sMsg))
        return false;
    const suite::RecordSet rows = company.service->OpenX(
        QStringLiteral("select cUser_Id, cUser_Name from kvsystem..ua_user order by cUser_Id"));
    if (!rows.IsOpen()) {
        sMsg = company.service->LastError();
        return false;
    }
    users.clear();
    for (int row = 0; row < rows.RecordCount(); ++row)
        users.append({ rows.valueAt(row, 0).toString(), rows.valueAt(row, 1).toString() });
    return true;
}

suite::LoginRequest LoginChoices::request(const LoginForm &form)
{
    suite::LoginRequest request;
    request.userId = form.userId.trimmed();
    request.password = form.password;
    request.connectionText = companyConnectionText(form.database);
    request.businessDate = form.businessDate.toString(Qt::ISODate);
    request.languageRegion = form.language;
    return request;
}

bool LoginChoices::login(const LoginForm &form, LoginDialogResult &result, QString &sMsg)
{
    suite::registerSuiteServices();
    const suite::LoginRequest asked = request(form);
    auto session = std::make_shared<suite::ClsLogin>();
    if (!session->Login(asked, sMsg))
        return false;
    rememberDatabase(companyOrDemo(form.database));
    result = { asked, session, form.language };
    return true;
}

} // namespace host
