#pragma once

#include "DemoCompanyCopy.h"

#include "entry/SessionContext.h"
#include "suite/SuiteServices.h"
#include "suite/colset/IColumnSet.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ClsLogin.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/MessageScript.h"

#include <gtest/gtest.h>

#include <memory>

// A session of the component on a demo company of its own, filled as the stand-alone start-up
// fills it before the data rights are computed: login, public, data and column-set services,
// the login's rights objects. Message boxes are answered by a script.
class DataRightsSession : public ::testing::Test
{
protected:
    void SetUp() override
    {
        suite::registerSuiteServices();
        customer::resetSessionContext();
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        suite::ClsPub::installMessageScript(m_script);
    }

    void TearDown() override
    {
        customer::resetSessionContext();
        suite::ClsPub::installMessageScript(nullptr);
    }

    void enter(const QString &userId)
    {
        using namespace customer;
        auto login = std::make_shared<suite::ClsLogin>();
        QString sMsg;
        ASSERT_TRUE(login->Login({ userId, QString(), m_company.connectionText(),
                                   QStringLiteral("2026-03-15"), QStringLiteral("zh-cn"),
                                   QStringLiteral("/opt/kvsuite") },
                                 sMsg))
            << qPrintable(sMsg);
        g_oLogin = login;
        g_cUserId = userId;
        g_cDBName = m_company.connectionText();
        g_oPub = suite::createObject<suite::IPub>(suite::IPub::kProgId);
        ASSERT_TRUE(g_oPub);
        g_oPub->Init(login);
        g_oSrv = suite::createObject<suite::IClsCommon>(suite::IClsCommon::kProgId);
        ASSERT_TRUE(g_oSrv);
        g_oSrv->Init(g_cDBName);
        ASSERT_TRUE(g_oSrv->Status()) << qPrintable(g_oSrv->LastError());
        g_oColSet = suite::createObject<suite::IColumnSet>(suite::IColumnSet::kProgId);
        ASSERT_TRUE(g_oColSet);
        ASSERT_TRUE(g_oColSet->Init(g_cDBName, userId));
        g_oRowAuth = login->RowAuth();
        g_oColAuth = login->ColAuth();
    }

    // The customer codes a statement selects, in code order, run through the data service.
    QStringList codes(const QString &sql) const
    {
        const suite::RecordSet rows = customer::g_oSrv->OpenX(sql);
        EXPECT_TRUE(rows.IsOpen()) << qPrintable(customer::g_oSrv->LastError()) << qPrintable(sql);
        QStringList values;
        for (int row = 0; row < rows.RecordCount(); ++row)
            values.append(rows.valueAt(row, 0).toString());
        values.sort();
        return values;
    }

    DemoCompanyCopy<> m_company;
    std::shared_ptr<suite::MessageScript> m_script = std::make_shared<suite::MessageScript>();
};
