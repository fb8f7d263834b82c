#include "app/HeadlessSession.h"

#include "app/CompanyDatabase.h"
#include "catalogue/ModuleFlags.h"
#include "suite/pub/ClsPub.h"

#include <QDate>

namespace host {

HeadlessSession::~HeadlessSession()
{
    if (m_entry)
        m_entry->LogOff();
    if (m_messages)
        suite::ClsPub::installMessageScript(nullptr);
}

bool HeadlessSession::start(const Request &request, QString &sMsg)
{
    OpenedCompany company;
    if (!openCompany(request.database, company, sMsg))
        return false;
    m_messages = std::make_shared<suite::MessageScript>();
    suite::ClsPub::installMessageScript(m_messages);

    m_login = std::make_shared<suite::ClsLogin>();
    const suite::LoginRequest login{
        request.userId,         QString(),
        company.connectionText, QDate::currentDate().toString(Qt::ISODate),
        request.languageRegion, QString()
    };
    if (!m_login->Login(login, sMsg))
        return false;

    customer::registerCustomerComponent();
    if (request.importList)
        m_entry = customer::ClsCustomer_import::create();
    else
        m_entry = customer::ClsCustomer::create();
    m_entry->Init(m_login);
    if (!m_entry->CreateObj(0, m_login->cUserId(), m_login->cUserName(), m_login->KvDbName())) {
        sMsg = messages().join(u'\n');
        return false;
    }
    customer::ReadModuleFlags();
    return true;
}

QStringList HeadlessSession::messages() const
{
    QStringList texts;
    if (m_messages) {
        for (const auto &shown : m_messages->shown())
            texts.append(shown.text);
    }
    return texts;
}

} // namespace host
