#include "suite/login/ClsLogin.h"

#include "suite/core/ObjectFactory.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/ConnectionText.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ColAuth.h"
#include "suite/login/PasswordCheck.h"
#include "suite/login/RowAuth.h"

#include <QCoreApplication>
#include <QDate>
#include <QSysInfo>

namespace suite {

// What a successful login knows of its session.
struct LoginSession
{
    QString userId;
    QString userName;
    QString connectionText;
    QString businessDate;
    QString year;
    QString language;
    QString server;
    QString dataSource;
    QString accountId;
    QString installPath;
    std::shared_ptr<IClsCommon> service;
    std::shared_ptr<IRowAuth> rowAuth;
    std::shared_ptr<IColAuth> colAuth;
};

namespace {

bool readLanguage(const QString &text, QString &language, QString &sMsg)
{
    language = text.trimmed().toLower();
    if (language == u"zh-cn" || language == u"en-us")
        return true;
    sMsg = QStringLiteral("The language region '%1' is neither zh-cn nor en-us.").arg(text);
    return false;
}

bool readDate(const QString &text, QDate &date, QString &sMsg)
{
    date = QDate::fromString(text.trimmed(), Qt::ISODate);
    if (date.isValid())
        return true;
    sMsg = QStringLiteral("The business date '%1' is not a date of the form yyyy-MM-dd.").arg(text);
    return false;
}

bool openCompany(const QString &text, ConnectionText &connection,
                 std::shared_ptr<IClsCommon> &service, QString &sMsg)
{
    const std::optional<ConnectionText> parsed = ConnectionText::parse(text, sMsg);
    if (!parsed)
        return false;
    connection = *parsed;
    if (connection.accountId.isEmpty() || connection.year.isEmpty()) {
        sMsg = QStringLiteral("The company database %1 does not name its account and year"
                              " (KVDATA_<account>_<year>).")
                   .arg(text);
        return false;
    }
    service = createObject<IClsCommon>(QLatin1String(IClsCommon::kProgId));
    if (!service) {
        sMsg = QStringLiteral("The data service %1 cannot be created.")
                   .arg(QLatin1String(IClsCommon::kProgId));
        return false;
    }
    service->Init(text);
    if (service->Status())
        return true;
    sMsg = QStringLiteral("The company database cannot be opened: %1").arg(service->LastError());
    return false;
}

// The rows of a question to the system database; false with the reason when it cannot answer.
bool askSystem(IClsCommon &service, const QString &sql, RecordSet &rows, QString &sMsg)
{
    rows = service.OpenX(sql);
    if (rows.IsOpen())
        return true;
    sMsg = QStringLiteral("The system database cannot be read: %1").arg(service.LastError());
    return false;
}

bool checkAccount(IClsCommon &service, const QString &accountId, QString &sMsg)
{
    RecordSet rows;
    if (!askSystem(service,
                   QStringLiteral("select cAcc_Name from kvsystem..ua_account where cAcc_Id=")
                       + sqlUnicode(accountId),
                   rows, sMsg))
        return false;
    if (rows.RecordCount() > 0)
        return true;
    sMsg = QStringLiteral("The account %1 does not exist.").arg(accountId);
    return false;
}

bool checkUser(IClsCommon &service, const LoginRequest &request, LoginSession &session,
               QString &sMsg)
{
    if (request.userId.trimmed().isEmpty()) {
        sMsg = QStringLiteral("No user was given.");
        return false;
    }
    RecordSet rows;
    if (!askSystem(service,
                   QStringLiteral("select cUser_Id, cUser_Name, cPassword from kvsystem..ua_user"
                                  " where cUser_Id=")
                       + sqlUnicode(request.userId.trimmed()),
                   rows, sMsg))
        return false;
    if (rows.RecordCount() == 0) {
        sMsg = QStringLiteral("The user '%1' does not exist.").arg(request.userId);
        return false;
    }
    if (!passwordMatches(rows.valueAt(0, 2).toString(), request.password)) {
        sMsg = QStringLiteral("The password of the user '%1' is wrong.").arg(request.userId);
        return false;
    }
    session.userId = rows.valueAt(0, 0).toString();
    session.userName = rows.valueAt(0, 1).toString();
    return true;
}

bool checkMembership(IClsCommon &service, const LoginSession &session, QString &sMsg)
{
    RecordSet rows;
    if (!askSystem(service,
                   QStringLiteral("select count(*) from kvsystem..ua_user_account where"
                                  " cUser_Id=%1 and cAcc_Id=%2 and iYear=%3")
                       .arg(sqlUnicode(session.userId), sqlUnicode(session.accountId))
                       .arg(session.year.toInt()),
                   rows, sMsg))
        return false;
    if (rows.valueAt(0, 0).toInt() > 0)
        return true;
    sMsg = QStringLiteral("The user '%1' may not work in account %2, year %3.")
               .arg(session.userId, session.accountId, session.year);
    return false;
}

bool checkDateInYear(const QDate &date, const LoginSession &session, QString &sMsg)
{
    if (date.year() == session.year.toInt())
        return true;
    sMsg = QStringLiteral("The business date %1 is not in the year %2 of account %3.")
               .arg(session.businessDate, session.year, session.accountId);
    return false;
}

QString serverOf(const ConnectionText &connection)
{
    const QString server = connection.properties.value(QStringLiteral("server"));
    return server.isEmpty() ? QSysInfo::machineHostName() : server;
}

} // namespace

ClsLogin::ClsLogin() = default;
ClsLogin::~ClsLogin() = default;

bool ClsLogin::Login(const LoginRequest &request, QString &sMsg)
{
    auto fresh = std::make_unique<LoginSession>();
    QDate date;
    ConnectionText connection;
    if (!readLanguage(request.languageRegion, fresh->language, sMsg)
        || !readDate(request.businessDate, date, sMsg)
        || !openCompany(request.connectionText, connection, fresh->service, sMsg))
        return false;
    fresh->connectionText = request.connectionText;
    fresh->businessDate = date.toString(Qt::ISODate);
    fresh->accountId = connection.accountId;
    fresh->year = connection.year;
    IClsCommon &service = *fresh->service;
    if (!checkAccount(service, fresh->accountId, sMsg) || !checkUser(service, request, *fresh, sMsg)
        || !checkMembership(service, *fresh, sMsg) || !checkDateInYear(date, *fresh, sMsg))
        return false;
    fresh->server = serverOf(connection);
    // A company on a server has no file: a suite service that logs in on its own (the
    // framework login) is handed the company's whole connection text instead.
    fresh->dataSource = connection.provider == ConnectionText::Provider::Sqlite
        ? connection.dataSource
        : request.connectionText;
    fresh->installPath = request.installPath.isEmpty() ? QCoreApplication::applicationDirPath()
                                                       : request.installPath;
    fresh->rowAuth = std::make_shared<suite::RowAuth>(fresh->service, fresh->userId);
    fresh->colAuth = std::make_shared<suite::ColAuth>(fresh->service, fresh->userId);
    m_session = std::move(fresh);
    return true;
}

const LoginSession &ClsLogin::session() const
{
    static const LoginSession noSession;
    return m_session ? *m_session : noSession;
}

QString ClsLogin::cUserId() const
{
    return session().userId;
}

QString ClsLogin::cUserName() const
{
    return session().userName;
}

QString ClsLogin::KvDbName() const
{
    return session().connectionText;
}

QString ClsLogin::CurDate() const
{
    return session().businessDate;
}

QString ClsLogin::cIYear() const
{
    return session().year;
}

QString ClsLogin::LanguageRegion() const
{
    return session().language;
}

QString ClsLogin::cServer() const
{
    return session().server;
}

QString ClsLogin::DataSource() const
{
    return session().dataSource;
}

QString ClsLogin::cAcc_id() const
{
    return session().accountId;
}

std::shared_ptr<IRowAuth> ClsLogin::RowAuth() const
{
    return session().rowAuth;
}

std::shared_ptr<IColAuth> ClsLogin::ColAuth() const
{
    return session().colAuth;
}

QString ClsLogin::GetIstallPath() const
{
    return session().installPath;
}

} // namespace suite
