#pragma once

#include "suite/core/SuiteObject.h"

#include <QString>

#include <memory>

namespace suite {

class IColAuth;
class IRowAuth;

// The host's login object: who works in which company database, on which business date, in
// which language. Members are read-only; a login that has not succeeded answers empty texts
// and empty rights objects.
class ILogin : public SuiteObject
{
public:
    virtual QString cUserId() const = 0;
    virtual QString cUserName() const = 0;
    // The company connection text the data service takes.
    virtual QString KvDbName() const = 0;
    // The business date, yyyy-MM-dd.
    virtual QString CurDate() const = 0;
    // The accounting year, such as "2026".
    virtual QString cIYear() const = 0;
    // "zh-cn" or "en-us".
    virtual QString LanguageRegion() const = 0;
    virtual QString cServer() const = 0;
    virtual QString DataSource() const = 0;
    // The account, such as "001".
    virtual QString cAcc_id() const = 0;
    // The same object on every call for one login.
    virtual std::shared_ptr<IRowAuth> RowAuth() const = 0;
    virtual std::shared_ptr<IColAuth> ColAuth() const = 0;
    // The suite's installation folder.
    virtual QString GetIstallPath() const = 0;
};

} // namespace suite
