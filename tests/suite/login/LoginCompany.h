#pragma once

#include "demo/DemoCompany.h"
#include "suite/SuiteServices.h"
#include "suite/data/SqliteConnection.h"
#include "suite/login/ClsLogin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// The demo company, built once per test program; every test works on a copy of its own.
class DemoTemplate
{
public:
    static constexpr int kCustomers = 200;

    static const DemoTemplate &instance()
    {
        static const DemoTemplate company;
        return company;
    }

    QString dir() const { return m_dir.path(); }
    bool ok() const { return m_ok; }
    QString error() const { return m_error; }

private:
    DemoTemplate()
    {
        demo::DemoSettings settings;
        settings.customers = kCustomers;
        m_ok = demo::DemoCompany::create(m_dir.path(), settings, {}, m_error);
    }

    QTemporaryDir m_dir;
    bool m_ok = false;
    QString m_error;
};

class LoginCompanyTest : public ::testing::Test
{
protected:
    enum Database { Company = 0, System = 1 };

    void SetUp() override
    {
        suite::registerSuiteServices();
        const DemoTemplate &demo = DemoTemplate::instance();
        ASSERT_TRUE(demo.ok()) << qPrintable(demo.error());
        for (const QString &path : demo::DemoCompany::paths(demo.dir()))
            ASSERT_TRUE(QFile::copy(path, m_dir.filePath(QFileInfo(path).fileName())));
    }

    QString companyFile() const { return demo::DemoCompany::paths(m_dir.path()).first(); }
    QString connectionText(const QString &catalogue = QStringLiteral("KVDATA_001_2026")) const
    {
        return QStringLiteral("Provider=SQLite;Data Source=%1;Initial Catalog=%2")
            .arg(companyFile(), catalogue);
    }

    // Statements run past the data service, on a connection of their own.
    void run(Database which, const QString &sql) const
    {
        suite::SqliteConnection db;
        QString sMsg;
        ASSERT_TRUE(db.open(demo::DemoCompany::paths(m_dir.path()).at(which), sMsg))
            << qPrintable(sMsg);
        ASSERT_TRUE(db.execute(sql, sMsg)) << qPrintable(sMsg);
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
    QTemporaryDir m_dir;
};
