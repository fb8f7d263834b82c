#pragma once

#include "app/HostOptions.h"
#include "app/WebHost.h"
#include "entry/ClsCustomer.h"

#include <memory>

class QWidget;

namespace host {

// The component in web mode inside this host: the entry class relays every data request of
// its windows to a web host that serves it from the company database.
class WebSession
{
public:
    // Logs in, enters the component in web mode and leaves its list window ready to be shown.
    // False with the reason when any step fails.
    bool start(const HostOptions &options, const QString &databaseFile, QString &sMsg);
    QWidget *listWindow() const;

private:
    std::unique_ptr<WebHost> m_host;
    std::shared_ptr<customer::ClsCustomer> m_entry;
};

} // namespace host
