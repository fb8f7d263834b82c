#include "app/WebSession.h"

#include "entry/ArchiveListWindow.h"
#include "suite/SuiteServices.h"
#include "suite/login/ClsLogin.h"

namespace host {

namespace {
// Reference ids are put behind this address; the host serves no reference pages of its own.
const QString kReferenceUrl = QStringLiteral("http://localhost/customer-archive/ref");
} // namespace

bool WebSession::start(const HostOptions &options, const QString &databaseFile, QString &sMsg)
{
    suite::registerSuiteServices();
    customer::registerCustomerComponent();
    m_host = WebHost::open(webLoginRequest(options, databaseFile), sMsg);
    if (!m_host)
        return false;
    m_entry = customer::ClsCustomer::create();
    if (!m_host->start(m_entry, kReferenceUrl)) {
        sMsg = QStringLiteral("The component could not be entered in web mode.");
        return false;
    }
    return true;
}

QWidget *WebSession::listWindow() const
{
    return m_entry ? m_entry->listWindow() : nullptr;
}

} // namespace host
