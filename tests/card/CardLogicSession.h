#pragma once

#include "DemoCompanyCopy.h"
#include "MapCardFields.h"

#include "entry/SessionContext.h"
#include "suite/SuiteServices.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ClsLogin.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/MessageScript.h"
#include "suite/pub/ResourceTable.h"

#include <memory>

// The card's logic on a demo company of its own: a logged-in user with the public and data
// services, and an answer script that records every message box.
class CardLogicSession : public ::testing::Test
{
protected:
    void SetUp() override
    {
        customer::resetSessionContext();
        suite::registerSuiteServices();
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        m_login = login(QStringLiteral("demo"));
        m_pub = publicService(m_login);
        m_service = suite::createObject<suite::IClsCommon>(suite::IClsCommon::kProgId);
        ASSERT_TRUE(m_service);
        m_service->Init(m_company.connectionText());
        ASSERT_TRUE(m_service->Status()) << qPrintable(m_service->LastError());
        answerWith({});
    }

    void TearDown() override
    {
        suite::ClsPub::installMessageScript(nullptr);
        customer::resetSessionContext();
    }

    std::shared_ptr<suite::ClsLogin> login(const QString &user) const
    {
        auto session = std::make_shared<suite::ClsLogin>();
        QString sMsg;
        EXPECT_TRUE(
            session->Login({ user, QString(), m_company.connectionText(),
                             QStringLiteral("2026-03-15"), QStringLiteral("en-us"), QString() },
                           sMsg))
            << qPrintable(sMsg);
        return session;
    }

    static std::shared_ptr<suite::IPub> publicService(const std::shared_ptr<suite::ClsLogin> &user)
    {
        auto pub = suite::createObject<suite::IPub>(suite::IPub::kProgId);
        pub->Init(user);
        return pub;
    }

    void answerWith(std::deque<int> answers)
    {
        m_messages = std::make_shared<suite::MessageScript>(std::move(answers));
        suite::ClsPub::installMessageScript(m_messages);
    }

    static QString text(const char *key)
    {
        return suite::ResourceTable::builtIn(QStringLiteral("en-us")).text(QLatin1StringView(key));
    }

    QString firstValue(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<>::Company, sql).value(0);
    }

    DemoCompanyCopy<> m_company;
    std::shared_ptr<suite::ClsLogin> m_login;
    std::shared_ptr<suite::IPub> m_pub;
    std::shared_ptr<suite::IClsCommon> m_service;
    std::shared_ptr<suite::MessageScript> m_messages;
};
