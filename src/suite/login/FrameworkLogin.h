#pragma once

#include "suite/login/IFrameworkLogin.h"

#include <memory>

namespace suite {

class IClsCommon;

// The framework login on the system database beside the company database: the service users
// of each account and subsystem (kvsystem..ua_serviceuser, passwords kept as ClsLogin keeps
// them) and their login information (kvsystem..ua_logininfo, one row per member). Service users
// are not users of the host: they cannot open its windows.
class FrameworkLogin : public IFrameworkLogin
{
public:
    bool Login(const QString &cSubSysId, const QString &cUserCode, const QString &cPassword,
               const QString &cServer, const QString &cDataSource, const QString &cDateAndYear,
               QString &sMsg) override;
    LoginInfo GetLoginInfo() const override { return m_info; }
    void SubLogout(const QString &cSubSysId) override;
    void ShutDown() override;

private:
    bool checkServiceUser(const QString &accountId, const QString &password, QString &sMsg);
    bool readLoginInfo(const QString &accountId, QString &sMsg);

    std::shared_ptr<IClsCommon> m_service;
    QString m_subSystem;
    QString m_userCode;
    LoginInfo m_info;
};

void registerFrameworkLogin();

} // namespace suite
