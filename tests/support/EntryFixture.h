#pragma once

#include "DemoCompanyCopy.h"

#include "entry/ClsCustomer.h"
#include "entry/SessionContext.h"
#include "suite/SuiteServices.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/login/BusinessObject.h"
#include "suite/login/ClsLogin.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/MessageScript.h"
#include "suite/pub/ResourceTable.h"

#include <gtest/gtest.h>

#include <memory>

// The windows a portal was asked to show, with their titles.
struct PortalRecord
{
    QList<QWidget *> forms;
    QStringList titles;
};

// A business object whose portal records the windows instead of showing them.
inline std::shared_ptr<suite::BusinessObject> portal(const std::shared_ptr<suite::ILogin> &login,
                                                     PortalRecord &record)
{
    suite::PortalHost host;
    host.showForm = [&record](QWidget *form, const QString &title) {
        record.forms.append(form);
        record.titles.append(title);
    };
    host.activateForm = [](QWidget *) {
    };
    return std::make_shared<suite::BusinessObject>(login, host);
}

// An entry-class test on a demo company of its own: the suite and the component registered, the
// session context empty before and after, every message box recorded and answered OK.
class EntryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        suite::registerSuiteServices();
        customer::registerCustomerComponent();
        customer::resetSessionContext();
        suite::ClsPub::installMessageScript(m_messages);
    }

    void TearDown() override
    {
        customer::resetSessionContext();
        suite::ClsPub::installMessageScript(nullptr);
    }

    QString connectionText() const { return m_company.connectionText(); }

    std::shared_ptr<suite::ClsLogin> login(const QString &userId = QStringLiteral("demo"),
                                           const QString &connection = QString()) const
    {
        auto session = std::make_shared<suite::ClsLogin>();
        QString sMsg;
        const suite::LoginRequest request{ userId,
                                           QString(),
                                           connection.isEmpty() ? connectionText() : connection,
                                           QStringLiteral("2026-03-15"),
                                           QStringLiteral("en-us"),
                                           QString() };
        EXPECT_TRUE(session->Login(request, sMsg)) << qPrintable(sMsg);
        return session;
    }

    // The texts of the message boxes shown so far.
    QStringList shownTexts() const
    {
        QStringList texts;
        for (const auto &shown : m_messages->shown())
            texts.append(shown.text);
        return texts;
    }

    // The English text of a resource key, as the boxes of an English login show it.
    static QString text(const char *key)
    {
        return suite::ResourceTable::builtIn(QStringLiteral("en-us")).text(QLatin1StringView(key));
    }

    DemoCompanyCopy<20> m_company;
    std::shared_ptr<suite::MessageScript> m_messages = std::make_shared<suite::MessageScript>();
};
