#pragma once

#include "demo/DemoCompany.h"

#include "suite/data/SqliteConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A demo company of its own for one test: the databases of a small demo company of Customers
// customers, built once per test program, copied into a fresh folder.
template<int Customers = 20> class DemoCompanyCopy
{
public:
    static constexpr int kCustomers = Customers;
    enum Database { Company = 0, System = 1 };

    DemoCompanyCopy()
    {
        const Template &built = Template::instance();
        m_error = built.error;
        m_ok = built.ok;
        for (const QString &file : demo::DemoCompany::paths(built.dir.path())) {
            const QString copy = m_dir.filePath(QFileInfo(file).fileName());
            if (m_ok && !QFile::copy(file, copy)) {
                m_ok = false;
                m_error = QStringLiteral("cannot copy %1 to %2").arg(file, copy);
            }
        }
    }

    bool ok() const { return m_ok; }
    QString error() const { return m_error; }
    QString dir() const { return m_dir.path(); }
    QString file(Database which) const { return demo::DemoCompany::paths(dir()).at(which); }
    QString connectionText() const
    {
        return QStringLiteral("Provider=SQLite;Data Source=%1;Initial Catalog=KVDATA_001_2026")
            .arg(file(Company));
    }

    // Statements run past the services, on a connection of their own.
    void run(Database which, const QString &sql) const
    {
        suite::SqliteConnection db;
        QString sMsg;
        ASSERT_TRUE(db.open(file(which), sMsg)) << qPrintable(sMsg);
        ASSERT_TRUE(db.execute(sql, sMsg)) << qPrintable(sMsg);
    }

    // The values of the first column, row after row, as text.
    QStringList column(Database which, const QString &sql) const
    {
        suite::SqliteConnection db;
        QString sMsg;
        if (!db.open(file(which), sMsg, suite::SqliteConnection::OpenMode::ReadOnly))
            return { QStringLiteral("error: ") + sMsg };
        const suite::RecordSet rows = db.query(sql, {}, sMsg);
        if (!rows.IsOpen())
            return { QStringLiteral("error: ") + sMsg };
        QStringList values;
        for (int row = 0; row < rows.RecordCount(); ++row)
            values.append(rows.valueAt(row, 0).toString());
        return values;
    }

private:
    struct Template
    {
        QTemporaryDir dir;
        bool ok = false;
        QString error;

        static const Template &instance()
        {
            static const Template built = [] {
                Template made;
                demo::DemoSettings settings;
                settings.customers = kCustomers;
                // A test that wants plug-ins configures its own.
                settings.plugIns = false;
                made.ok = demo::DemoCompany::create(made.dir.path(), settings, {}, made.error);
                return made;
            }();
            return built;
        }
    };

    QTemporaryDir m_dir;
    bool m_ok = false;
    QString m_error;
};
