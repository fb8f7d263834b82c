#pragma once

#include "suite/core/SuiteObject.h"

#include <QHash>
#include <QString>

namespace suite {

// What the framework login hands a subsystem session: named texts, the names compared without
// regard to case.
class LoginInfo
{
public:
    void set(const QString &name, const QString &value) { m_members.insert(name.toLower(), value); }
    // Empty for a name the information does not hold.
    QString member(const QString &name) const { return m_members.value(name.toLower()); }

private:
    QHash<QString, QString> m_members;
};

// The suite's framework login "KvSoft.Tarn.Framework.Login.UI.clsLogin": a session of one of
// the suite's built-in service users in a subsystem of the company the host works in, with the
// login information the suite keeps for that user there.
class IFrameworkLogin : public SuiteObject
{
public:
    static constexpr const char *kProgId = "KvSoft.Tarn.Framework.Login.UI.clsLogin";

    // Logs the service user cUserCode in to subsystem cSubSysId ("DP") of the company database
    // on server cServer and data source cDataSource (as the host's login names them), for the
    // business date and year cDateAndYear ("2026-03-15@2026"). False with the reason in sMsg.
    virtual bool Login(const QString &cSubSysId, const QString &cUserCode, const QString &cPassword,
                       const QString &cServer, const QString &cDataSource,
                       const QString &cDateAndYear, QString &sMsg) = 0;
    // The login information of the session; empty without one.
    virtual LoginInfo GetLoginInfo() const = 0;
    // Ends the session in the subsystem.
    virtual void SubLogout(const QString &cSubSysId) = 0;
    // Releases the connection to the company.
    virtual void ShutDown() = 0;
};

} // namespace suite
