#include "EnteredCompany.h"

#include "BenchCompany.h"

#include "entry/ClsCustomer.h"
#include "entry/SessionContext.h"
#include "suite/SuiteServices.h"
#include "suite/login/ClsLogin.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/MessageScript.h"

#include <QDate>

namespace bench {

EnteredCompany::EnteredCompany()
    : m_messages(std::make_shared<suite::MessageScript>())
{ }

EnteredCompany::~EnteredCompany()
{
    if (m_entry)
        m_entry->LogOff();
    suite::ClsPub::installMessageScript(nullptr);
    customer::resetSessionContext();
}

bool EnteredCompany::enter(const QString &dir, QString &sMsg)
{
    suite::registerSuiteServices();
    customer::registerCustomerComponent();
    customer::resetSessionContext();
    suite::ClsPub::installMessageScript(m_messages);
    m_login = std::make_shared<suite::ClsLogin>();
    if (!m_login->Login({ QStringLiteral("demo"), QString(), connectionText(dir),
                          QDate::currentDate().toString(Qt::ISODate), QStringLiteral("en-us"),
                          QString() },
                        sMsg))
        return false;
    m_entry = customer::ClsCustomer::create();
    m_entry->Init(m_login);
    if (!m_entry->CreateObj(0, m_login->cUserId(), m_login->cUserName(), m_login->KvDbName())) {
        sMsg = QStringLiteral("cannot enter the company");
        return false;
    }
    return true;
}

} // namespace bench
