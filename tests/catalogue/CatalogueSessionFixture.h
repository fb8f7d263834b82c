#pragma once

#include "DemoCompanyCopy.h"

#include "entry/SessionContext.h"
#include "suite/SuiteServices.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ClsLogin.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/MessageScript.h"

#include <memory>

// A session on a demo company of its own, set up by hand as the entry class would: the demo
// user logged in, the public and data services created, and an answer script installed so that
// no message box waits for a person.
class CatalogueSession : public ::testing::Test
{
protected:
    using Company = DemoCompanyCopy<>;
    static constexpr int kMetaDatabase = 2;

    void SetUp() override
    {
        customer::resetSessionContext();
        suite::registerSuiteServices();
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        suite::ClsPub::installMessageScript(m_script);

        auto login = std::make_shared<suite::ClsLogin>();
        QString sMsg;
        ASSERT_TRUE(login->Login({ QStringLiteral("demo"), QString(), m_company.connectionText(),
                                   QStringLiteral("2026-03-15"), QStringLiteral("zh-cn"),
                                   QStringLiteral("/opt/kvsuite") },
                                 sMsg))
            << qPrintable(sMsg);
        customer::g_oLogin = login;
        customer::g_oPub = suite::createObject<suite::IPub>(suite::IPub::kProgId);
        ASSERT_TRUE(customer::g_oPub);
        customer::g_oPub->Init(login);
        startDataService();
    }

    void TearDown() override
    {
        suite::ClsPub::installMessageScript(nullptr);
        customer::resetSessionContext();
    }

    void startDataService()
    {
        customer::g_cDBName = m_company.connectionText();
        customer::g_oSrv = suite::createObject<suite::IClsCommon>(suite::IClsCommon::kProgId);
        ASSERT_TRUE(customer::g_oSrv);
        customer::g_oSrv->Init(customer::g_cDBName);
        ASSERT_TRUE(customer::g_oSrv->Status()) << qPrintable(customer::g_oSrv->LastError());
    }

    // Data changed past the services; the data service is started again so that it reads the
    // changed files.
    void runOnCompany(const QString &sql) { run(Company::Company, sql); }
    void runOnSystem(const QString &sql) { run(Company::System, sql); }
    void runOnMeta(const QString &sql) { run(static_cast<Company::Database>(kMetaDatabase), sql); }

    QStringList shownTexts() const
    {
        QStringList texts;
        for (const auto &box : m_script->shown())
            texts.append(box.text);
        return texts;
    }

    Company m_company;
    std::shared_ptr<suite::MessageScript> m_script = std::make_shared<suite::MessageScript>();

private:
    void run(Company::Database which, const QString &sql)
    {
        customer::g_oSrv.reset();
        m_company.run(which, sql);
        startDataService();
    }
};
