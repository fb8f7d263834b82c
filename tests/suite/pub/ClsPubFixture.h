#pragma once

#include "DemoCompanyCopy.h"

#include "suite/SuiteServices.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ClsLogin.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/MessageScript.h"

#include <memory>

// The public service on a demo company of its own, with an answer script installed so that no
// message box ever waits for a person.
class ClsPubTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        suite::registerSuiteServices();
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        suite::ClsPub::installMessageScript(m_script);
        m_service = suite::createObject<suite::IClsCommon>(suite::IClsCommon::kProgId);
        ASSERT_TRUE(m_service);
        m_service->Init(m_company.connectionText());
        ASSERT_TRUE(m_service->Status()) << qPrintable(m_service->LastError());
    }

    void TearDown() override
    {
        suite::ClsPub::installMessageScript(nullptr);
        suite::ClsPub::clearMulModifyHooks();
    }

    std::shared_ptr<suite::ClsLogin> login(const QString &userId,
                                           const QString &language = QStringLiteral("zh-cn"))
    {
        auto session = std::make_shared<suite::ClsLogin>();
        QString sMsg;
        EXPECT_TRUE(session->Login({ userId, QString(), m_company.connectionText(),
                                     QStringLiteral("2026-03-15"), language,
                                     QStringLiteral("/opt/kvsuite") },
                                   sMsg))
            << qPrintable(sMsg);
        return session;
    }

    // The service as the component creates it, initialised with a login of userId.
    std::shared_ptr<suite::IPub> pubFor(const QString &userId,
                                        const QString &language = QStringLiteral("zh-cn"))
    {
        auto pub = suite::createObject<suite::IPub>(suite::IPub::kProgId);
        EXPECT_TRUE(pub);
        if (pub)
            pub->Init(login(userId, language));
        return pub;
    }

    QStringList shownTexts() const
    {
        QStringList texts;
        for (const auto &box : m_script->shown())
            texts.append(box.text);
        return texts;
    }

    DemoCompanyCopy<> m_company;
    std::shared_ptr<suite::MessageScript> m_script = std::make_shared<suite::MessageScript>();
    std::shared_ptr<suite::IClsCommon> m_service;
};
