#pragma once

#include "app/HostOptions.h"
#include "entry/ClsCustomer.h"
#include "suite/login/BusinessObject.h"
#include "suite/login/ClsLogin.h"

#include <memory>

namespace host {

class PortalMainWindow;

// The component entered as a menu function of the portal: the user's login, the portal's
// business object and the entry class whose list window the portal shows as a tab.
class PortalSession
{
public:
    // Logs in (unless login is given) and shows the customer list inside window. False with
    // the reason when the login fails or the component cannot be entered.
    bool start(const HostOptions &options, const QString &connectionText, PortalMainWindow &window,
               std::shared_ptr<suite::ClsLogin> login, QString &sMsg);
    QWidget *listWindow() const;

private:
    std::shared_ptr<suite::ClsLogin> m_login;
    std::shared_ptr<suite::BusinessObject> m_business;
    std::shared_ptr<customer::ClsCustomer> m_entry;
};

} // namespace host
