#pragma once

#include <QString>

#include <memory>

namespace suite {
class ClsLogin;
class MessageScript;
} // namespace suite

namespace customer {
class ClsCustomer;
}

namespace bench {

// The company in dir entered by the demo user as the list window enters it: the suite's
// services registered, a login, the entry class created. Leaving (the destructor) logs off and
// clears the session.
class EnteredCompany
{
public:
    EnteredCompany();
    ~EnteredCompany();

    bool enter(const QString &dir, QString &sMsg);

private:
    std::shared_ptr<suite::MessageScript> m_messages;
    std::shared_ptr<suite::ClsLogin> m_login;
    std::shared_ptr<customer::ClsCustomer> m_entry;
};

} // namespace bench
