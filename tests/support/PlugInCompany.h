#pragma once

#include "DemoCompanyCopy.h"

#include "suite/SuiteServices.h"
#include "suite/core/ErrorLog.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ClsLogin.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <memory>

// A demo company whose account can be given archive plug-ins, with logins whose installation
// folder the test chooses. The test plug-in library is the one the build made for the tests.
class PlugInCompanyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        suite::registerSuiteServices();
        suite::ErrorLog::instance().clear();
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        ASSERT_TRUE(QFileInfo::exists(plugInLibrary())) << qPrintable(plugInLibrary());
    }

    static QString plugInLibrary() { return QStringLiteral(TEST_ARCHIVE_PLUGIN_PATH); }
    static QString plugInFolder() { return QFileInfo(plugInLibrary()).absolutePath(); }
    static QString plugInFileName() { return QFileInfo(plugInLibrary()).fileName(); }

    void configure(const QString &name, const QString &file,
                   const QString &archive = QStringLiteral("Customer"), int enabled = 1,
                   int order = 0, const QString &account = QStringLiteral("001"))
    {
        m_company.run(DemoCompanyCopy<>::System,
                      QStringLiteral("insert into AA_ArchivePlugIn (cAcc_Id, cArchive, cPlugInName,"
                                     " cPlugInFile, bEnabled, iOrder) values ('%1', '%2', '%3',"
                                     " '%4', %5, %6)")
                          .arg(account, archive, name, file)
                          .arg(enabled)
                          .arg(order));
    }

    std::shared_ptr<suite::ClsLogin> login(
        const QString &installPath = QStringLiteral("/opt/kvsuite")) const
    {
        auto session = std::make_shared<suite::ClsLogin>();
        QString sMsg;
        EXPECT_TRUE(
            session->Login({ QStringLiteral("demo"), QString(), m_company.connectionText(),
                             QStringLiteral("2026-03-15"), QStringLiteral("zh-cn"), installPath },
                           sMsg))
            << qPrintable(sMsg);
        return session;
    }

    std::shared_ptr<suite::IClsCommon> dataService() const
    {
        auto service =
            suite::createObject<suite::IClsCommon>(QLatin1String(suite::IClsCommon::kProgId));
        EXPECT_TRUE(service);
        if (service)
            service->Init(m_company.connectionText());
        return service;
    }

    QStringList errorTexts() const
    {
        QStringList texts;
        for (const auto &entry : suite::ErrorLog::instance().entries())
            texts.append(entry.text);
        return texts;
    }

    DemoCompanyCopy<> m_company;
};
