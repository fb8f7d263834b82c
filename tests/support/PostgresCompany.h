#pragma once

#include "demo/ServerDemoCompany.h"
#include "suite/data/ConnectionText.h"
#include "suite/data/PostgresConnection.h"

#include <QRandomGenerator>
#include <QString>

#include <gtest/gtest.h>

// The PostgreSQL server the tests of the server backend use: the connection text in
// CUSTOMER_ARCHIVE_PG, which scripts/with-postgres.sh sets. Without it those tests are skipped.
#define SKIP_WITHOUT_POSTGRES() \
    if (!PostgresCompany::serverText().isEmpty()) { \
    } else \
        GTEST_SKIP() << "CUSTOMER_ARCHIVE_PG names no PostgreSQL server; run the tests through " \
                        "scripts/with-postgres.sh to test the server backend"

// An empty company of its own for one test: a schema of the test server named by a catalogue
// of its own, KVDATA_<account>_2026, with a metadata schema and (once a demo company is built
// there) a system schema of its own, dropped with all they hold when the test ends. Account ids
// have three characters, so each is drawn at random until the server has no schema of it: test
// processes running at once never share a company.
class PostgresCompany
{
public:
    static QString serverText() { return qEnvironmentVariable("CUSTOMER_ARCHIVE_PG"); }

    PostgresCompany()
    {
        if (serverText().isEmpty())
            return;
        QString sMsg;
        const std::optional<suite::ConnectionText> server = suite::ConnectionText::parse(
            serverText() + QStringLiteral(";Initial Catalog=KVDATA_001_2026"), sMsg);
        m_ok = server && m_admin.open(server->postgresConnectionString(), {}, sMsg) && create(sMsg);
        m_error = sMsg;
    }

    ~PostgresCompany()
    {
        QString sMsg;
        // Only what this test made: a failed draw's account belongs to another process.
        if (m_ok)
            m_admin.execute(dropStatement(), sMsg);
    }

    bool ok() const { return m_ok; }
    QString error() const { return m_error; }
    QString catalogue() const { return QStringLiteral("KVDATA_%1_2026").arg(m_account); }
    QString schema() const { return catalogue().toLower(); }
    QString connectionText() const
    {
        return serverText()
            + QStringLiteral(";Initial Catalog=%1;System Schema=kvsystem_%2")
                  .arg(catalogue(), m_account);
    }
    // The tables, system rows and account settings of the demo company, without customers.
    bool buildEmptyCompany(QString &sMsg) const
    {
        const std::optional<suite::ConnectionText> text =
            suite::ConnectionText::parse(connectionText(), sMsg);
        demo::DemoSettings settings;
        settings.customers = 0;
        settings.overwrite = true;
        settings.plugIns = false;
        return text && demo::ServerDemoCompany::create(*text, settings, {}, sMsg);
    }

    // A connection past the services, for setting up and checking what the database holds.
    suite::PostgresConnection &admin() { return m_admin; }

private:
    QString dropStatement() const
    {
        return QStringLiteral("drop schema if exists %1, kvmeta_%2, kvsystem_%2 cascade")
            .arg(schema(), m_account);
    }

    // The extension may be created by another test process at the same moment; then it exists.
    bool create(QString &sMsg)
    {
        QString ignored;
        m_admin.execute(QStringLiteral("create extension if not exists citext schema public"),
                        ignored);
        for (int attempt = 0; attempt < 20; ++attempt) {
            m_account.clear();
            for (int letter = 0; letter < 3; ++letter)
                m_account += QChar(u'a' + QRandomGenerator::global()->bounded(26));
            // Fails as a whole when another process has the account already.
            if (m_admin.execute(QStringLiteral("create schema %1; create schema kvmeta_%2")
                                    .arg(schema(), m_account),
                                sMsg)) {
                return true;
            }
        }
        return false;
    }

    QString m_account;
    suite::PostgresConnection m_admin;
    bool m_ok = false;
    QString m_error;
};
