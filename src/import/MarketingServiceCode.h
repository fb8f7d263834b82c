#pragma once

#include <QString>

namespace suite {
class ILogin;
}

namespace customer {

// The enterprise's code at the marketing service, from the login information the framework
// login gives the suite's service user ASUSER in the subsystem DP of the logged-in user's
// company; empty when it cannot be had, with the reason in sMsg.
QString GetServiceCode(const suite::ILogin &login, QString &sMsg);

// The code in a login information text: the part after "==" of its first ";"-separated piece;
// empty when the text holds no "==".
QString serviceCodeOf(const QString &loginInfo);

} // namespace customer
