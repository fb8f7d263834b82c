#pragma once

#include "suite/login/ILogin.h"

namespace suite {

class IClsCommon;
struct LoginSession;

// What a user gives to log in.
struct LoginRequest
{
    QString userId;
    QString password;
    // The company database as the data service takes it: a connection text whose catalogue
    // (or file name) is KVDATA_<account>_<year>, or the path of the company file.
    QString connectionText;
    // The business date, yyyy-MM-dd, inside the account year.
    QString businessDate;
    // "zh-cn" or "en-us", in any case.
    QString languageRegion;
    // The suite's installation folder; the program's own folder when empty.
    QString installPath;
};

// The suite's login: checks a user against the system database beside the company database
// (kvsystem: ua_account, ua_user, ua_user_account) and then describes the session. Passwords
// are kept as the lower-case hexadecimal SHA-256 of their UTF-8 text; an empty cPassword means
// the user has no password.
class ClsLogin : public ILogin
{
public:
    ClsLogin();
    ~ClsLogin() override;

    // On success the members describe the new session. On failure sMsg tells why and the login
    // stays as it was.
    bool Login(const LoginRequest &request, QString &sMsg);

    QString cUserId() const override;
    QString cUserName() const override;
    QString KvDbName() const override;
    QString CurDate() const override;
    QString cIYear() const override;
    QString LanguageRegion() const override;
    QString cServer() const override;
    QString DataSource() const override;
    QString cAcc_id() const override;
    std::shared_ptr<IRowAuth> RowAuth() const override;
    std::shared_ptr<IColAuth> ColAuth() const override;
    QString GetIstallPath() const override;

private:
    const LoginSession &session() const;

    std::unique_ptr<LoginSession> m_session;
};

} // namespace suite
