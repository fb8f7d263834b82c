#include "import/MarketingServiceCode.h"

#include "suite/core/ObjectFactory.h"
#include "suite/login/IFrameworkLogin.h"
#include "suite/login/ILogin.h"

namespace customer {

namespace {

const QString kSubSystem = QStringLiteral("DP");
const QString kServiceUser = QStringLiteral("ASUSER");

} // namespace

QString serviceCodeOf(const QString &loginInfo)
{
    if (loginInfo.isEmpty() || !loginInfo.contains(QStringLiteral("==")))
        return {};
    const QString first = loginInfo.split(u';').constFirst();
    return first.split(QStringLiteral("==")).value(1);
}

QString GetServiceCode(const suite::ILogin &login, QString &sMsg)
{
    const auto framework =
        suite::createObject<suite::IFrameworkLogin>(QLatin1String(suite::IFrameworkLogin::kProgId));
    if (!framework) {
        sMsg = QStringLiteral("The framework login %1 cannot be created.")
                   .arg(QLatin1String(suite::IFrameworkLogin::kProgId));
        return {};
    }
    QString code;
    if (framework->Login(kSubSystem, kServiceUser, QString(), login.cServer(), login.DataSource(),
                         login.CurDate() + u'@' + login.cIYear(), sMsg)) {
        code = serviceCodeOf(framework->GetLoginInfo().member(QStringLiteral("Customer")));
        if (code.isEmpty())
            sMsg = QStringLiteral("The login information of %1 names no service code.")
                       .arg(kServiceUser);
    }
    framework->SubLogout(kSubSystem);
    framework->ShutDown();
    return code;
}

} // namespace customer
