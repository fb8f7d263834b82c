#include "suite/login/FrameworkLogin.h"

#include "suite/core/ObjectFactory.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/ConnectionText.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/PasswordCheck.h"

#include <QDate>

namespace suite {

namespace {

// A value of a connection text between double quotes, its own quotes doubled.
QString connectionValue(const QString &value)
{
    return u'"' + QString(value).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

bool readDateAndYear(const QString &text, QString &year, QString &sMsg)
{
    const QStringList parts = text.split(u'@');
    const QDate date = QDate::fromString(parts.value(0).trimmed(), Qt::ISODate);
    bool number = false;
    parts.value(1).trimmed().toInt(&number);
    if (parts.size() != 2 || !date.isValid() || !number) {
        sMsg = QStringLiteral("'%1' is not a business date and year (yyyy-MM-dd@yyyy).").arg(text);
        return false;
    }
    year = parts[1].trimmed();
    return true;
}

} // namespace

bool FrameworkLogin::Login(const QString &cSubSysId, const QString &cUserCode,
                           const QString &cPassword, const QString &cServer,
                           const QString &cDataSource, const QString &cDateAndYear, QString &sMsg)
{
    ShutDown();
    QString year;
    if (!readDateAndYear(cDateAndYear, year, sMsg))
        return false;
    // A company file, or a server's company as its whole connection text (see ClsLogin).
    const bool connectionText = cDataSource.trimmed().startsWith(u"Provider=", Qt::CaseInsensitive);
    const QString text = connectionText ? cDataSource
                                        : QStringLiteral("Provider=SQLite;Data Source=")
            + connectionValue(cDataSource) + QStringLiteral(";Server=") + connectionValue(cServer);
    const std::optional<ConnectionText> connection = ConnectionText::parse(text, sMsg);
    if (!connection)
        return false;
    if (connection->year != year) {
        sMsg = QStringLiteral("The company database %1 is not one of the year %2.")
                   .arg(cDataSource, year);
        return false;
    }
    m_service = createObject<IClsCommon>(QLatin1String(IClsCommon::kProgId));
    if (!m_service) {
        sMsg = QStringLiteral("The data service %1 cannot be created.")
                   .arg(QLatin1String(IClsCommon::kProgId));
        return false;
    }
    m_service->Init(text);
    m_subSystem = cSubSysId;
    m_userCode = cUserCode;
    if (!m_service->Status()) {
        sMsg =
            QStringLiteral("The company database cannot be opened: %1").arg(m_service->LastError());
    } else if (checkServiceUser(connection->accountId, cPassword, sMsg)
               && readLoginInfo(connection->accountId, sMsg)) {
        return true;
    }
    ShutDown();
    return false;
}

bool FrameworkLogin::checkServiceUser(const QString &accountId, const QString &password,
                                      QString &sMsg)
{
    const RecordSet rows = m_service->OpenX(
        QStringLiteral("select cPassword from kvsystem..ua_serviceuser where cUser_Id=%1 and "
                       "cAcc_Id=%2 and cSub_Id=%3")
            .arg(sqlUnicode(m_userCode), sqlUnicode(accountId), sqlUnicode(m_subSystem)));
    if (!rows.IsOpen()) {
        sMsg = QStringLiteral("The system database cannot be read: %1").arg(m_service->LastError());
        return false;
    }
    if (rows.RecordCount() == 0) {
        sMsg = QStringLiteral("The service user '%1' may not log in to the subsystem %2 of the "
                              "account %3.")
                   .arg(m_userCode, m_subSystem, accountId);
        return false;
    }
    if (passwordMatches(rows.valueAt(0, 0).toString(), password))
        return true;
    sMsg = QStringLiteral("The password of the service user '%1' is wrong.").arg(m_userCode);
    return false;
}

bool FrameworkLogin::readLoginInfo(const QString &accountId, QString &sMsg)
{
    const RecordSet rows = m_service->OpenX(
        QStringLiteral("select cName, cValue from kvsystem..ua_logininfo where cUser_Id=%1 and "
                       "cAcc_Id=%2 and cSub_Id=%3")
            .arg(sqlUnicode(m_userCode), sqlUnicode(accountId), sqlUnicode(m_subSystem)));
    if (!rows.IsOpen()) {
        sMsg = QStringLiteral("The system database cannot be read: %1").arg(m_service->LastError());
        return false;
    }
    for (int row = 0; row < rows.RecordCount(); ++row)
        m_info.set(rows.valueAt(row, 0).toString(), rows.valueAt(row, 1).toString());
    return true;
}

void FrameworkLogin::SubLogout(const QString &cSubSysId)
{
    if (cSubSysId.compare(m_subSystem, Qt::CaseInsensitive) != 0)
        return;
    m_info = LoginInfo();
    m_subSystem.clear();
    m_userCode.clear();
}

void FrameworkLogin::ShutDown()
{
    SubLogout(m_subSystem);
    m_service.reset();
}

void registerFrameworkLogin()
{
    ObjectFactory::instance().registerClass(QLatin1String(IFrameworkLogin::kProgId),
                                            [] { return std::make_shared<FrameworkLogin>(); });
}

} // namespace suite
