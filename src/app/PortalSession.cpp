#include "app/PortalSession.h"

#include "app/PortalMainWindow.h"
#include "app/WebHost.h"
#include "entry/ArchiveListWindow.h"
#include "suite/SuiteServices.h"

namespace host {

bool PortalSession::start(const HostOptions &options, const QString &connectionText,
                          PortalMainWindow &window, std::shared_ptr<suite::ClsLogin> login,
                          QString &sMsg)
{
    suite::registerSuiteServices();
    customer::registerCustomerComponent();
    m_login = std::move(login);
    if (!m_login) {
        m_login = std::make_shared<suite::ClsLogin>();
        if (!m_login->Login(webLoginRequest(options, connectionText), sMsg))
            return false;
    }
    suite::PortalHost portal;
    portal.showForm = [&window](QWidget *form, const QString &title) {
        window.showForm(form, title);
    };
    portal.activateForm = [&window](QWidget *form) {
        window.tabs()->setCurrentWidget(form);
    };
    m_business = std::make_shared<suite::BusinessObject>(m_login, portal);
    m_entry = customer::ClsCustomer::create();
    m_entry->setBusiness(m_business);
    // A command line that names a customer opens that customer's card instead of the list.
    const QString commandLine =
        options.cardCode.isEmpty() ? QString() : QStringLiteral("AA0101\t") + options.cardCode;
    m_entry->ShowModeless(QStringLiteral("AA0101"), QString(), QString(), commandLine);
    if (options.cardCode.isEmpty() && !m_entry->listWindow()) {
        sMsg = QStringLiteral("The customer list could not be opened.");
        return false;
    }
    return true;
}

QWidget *PortalSession::listWindow() const
{
    return m_entry ? m_entry->listWindow() : nullptr;
}

} // namespace host
