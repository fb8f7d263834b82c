#pragma once

#include "suite/data/ConnectionText.h"
#include "suite/data/PostgresConnection.h"

#include <QAtomicInt>
#include <QCoreApplication>
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
// of its own, KVDATA_t<process>x<n>_2026, with its system and metadata schemas, dropped with
// all it holds when the test ends.
class PostgresCompany
{
public:
    static QString serverText() { return qEnvironmentVariable("CUSTOMER_ARCHIVE_PG"); }

    PostgresCompany()
    {
        static QAtomicInt counter;
        m_account = QStringLiteral("t%1x%2")
                        .arg(QCoreApplication::applicationPid())
                        .arg(counter.fetchAndAddRelaxed(1));
        if (serverText().isEmpty())
            return;
        QString sMsg;
        const std::optional<suite::ConnectionText> server =
            suite::ConnectionText::parse(connectionText(), sMsg);
        m_ok = server && m_admin.open(server->postgresConnectionString(), {}, sMsg) && create(sMsg);
        m_error = sMsg;
    }

    ~PostgresCompany()
    {
        QString sMsg;
        if (m_admin.isOpen())
            m_admin.execute(dropStatement(), sMsg);
    }

    bool ok() const { return m_ok; }
    QString error() const { return m_error; }
    QString catalogue() const { return QStringLiteral("KVDATA_%1_2026").arg(m_account); }
    QString schema() const { return catalogue().toLower(); }
    QString connectionText() const
    {
        return serverText() + QStringLiteral(";Initial Catalog=") + catalogue();
    }
    // A connection past the services, for setting up and checking what the database holds.
    suite::PostgresConnection &admin() { return m_admin; }

private:
    QString dropStatement() const
    {
        return QStringLiteral("drop schema if exists %1, kvmeta_%2 cascade")
            .arg(schema(), m_account);
    }

    // The extension may be created by another test process at the same moment; then it exists.
    bool create(QString &sMsg)
    {
        QString ignored;
        m_admin.execute(QStringLiteral("create extension if not exists citext schema public"),
                        ignored);
        return m_admin.execute(dropStatement(), sMsg)
            && m_admin.execute(QStringLiteral("create schema %1; create schema kvmeta_%2")
                                   .arg(schema(), m_account),
                               sMsg);
    }

    QString m_account;
    suite::PostgresConnection m_admin;
    bool m_ok = false;
    QString m_error;
};
