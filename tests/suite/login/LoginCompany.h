#pragma once

#include "DemoCompanyCopy.h"

#include "demo/DemoCompany.h"
#include "suite/SuiteServices.h"
#include "suite/data/SqliteConnection.h"
#include "suite/login/ClsLogin.h"

#include <gtest/gtest.h>

#include <memory>

class LoginCompanyTest : public ::testing::Test
{
protected:
    enum Database { Company = 0, System = 1 };

    void SetUp() override
    {
        suite::registerSuiteServices();
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
    }

    QString companyFile() const { return m_company.file(Copy::Company); }
    QString connectionText(const QString &catalogue = QStringLiteral("KVDATA_001_2026")) const
    {
        return QStringLiteral("Provider=SQLite;Data Source=%1;Initial Catalog=%2")
            .arg(companyFile(), catalogue);
    }

    // Statements run past the data service, on a connection of their own.
    void run(Database which, const QString &sql) const
    {
        m_company.run(which == System ? Copy::System : Copy::Company, sql);
    }

    // The first column of an SQLite query on the company, read past the data service.
    QStringList column(const QString &sql) const
    {
        suite::SqliteConnection db;
        QString sMsg;
        EXPECT_TRUE(db.open(companyFile(), sMsg)) << qPrintable(sMsg);
        const suite::RecordSet rows = db.query(sql, {}, sMsg);
        EXPECT_TRUE(rows.IsOpen()) << qPrintable(sMsg) << qPrintable(sql);
        QStringList values;
        for (int row = 0; row < rows.RecordCount(); ++row)
            values.append(rows.valueAt(row, 0).toString());
        values.sort();
        return values;
    }

    suite::LoginRequest request(const QString &userId) const
    {
        return { userId,
                 QString(),
                 connectionText(),
                 QStringLiteral("2026-03-15"),
                 QStringLiteral("zh-cn"),
                 QStringLiteral("/opt/kvsuite") };
    }

    std::shared_ptr<suite::ClsLogin> login(const QString &userId) const
    {
        auto session = std::make_shared<suite::ClsLogin>();
        QString sMsg;
        EXPECT_TRUE(session->Login(request(userId), sMsg)) << qPrintable(sMsg);
        return session;
    }

private:
    using Copy = DemoCompanyCopy<200>;
    Copy m_company;
};
