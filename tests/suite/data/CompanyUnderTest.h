#pragma once

#include "CompanyFolder.h"
#include "PostgresCompany.h"
#include "TestBackend.h"

#include "suite/data/ConnectionText.h"
#include "suite/data/PostgresBackend.h"
#include "suite/data/PostgresConnection.h"
#include "suite/data/tsql/BatchRunner.h"
#include "suite/data/tsql/PostgresDialect.h"
#include "suite/data/tsql/SqliteDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"

#include <memory>

// A small company made by the test itself, on the backend the process tests (see TestBackend):
// SQLite files in a folder of their own, or schemas of their own on the PostgreSQL test server.
// The tests write their tables and rows in T-SQL, which goes through the data service's
// translator as the company's own scripts do.
class CompanyUnderTest
{
public:
    enum Database { Company, System, Meta };

    CompanyUnderTest()
    {
        if (testBackend() != TestBackend::Postgres)
            return;
        m_server = std::make_unique<PostgresCompany>();
        QString sMsg;
        if (m_server->ok())
            m_server->admin().execute(
                QStringLiteral("create schema if not exists %1").arg(systemSchema()), sMsg);
        EXPECT_TRUE(m_server->ok() && sMsg.isEmpty()) << qPrintable(m_server->error() + sMsg);
    }

    bool onServer() const { return m_server != nullptr; }
    // The account of the company: 001 in files; on the server one of its own.
    QString accountId() const
    {
        return m_server ? m_server->catalogue().section(u'_', 1, 1) : QStringLiteral("001");
    }
    // The company's files, for the tests of what only a file has.
    const CompanyFolder &folder() const { return m_folder; }
    QString connectionText() const
    {
        return m_server ? m_server->connectionText() : m_folder.connectionText();
    }

    // T-SQL run as the company's own scripts run: translated for the backend's dialect.
    void run(Database which, const QString &tsql) const
    {
        QString sMsg;
        std::unique_ptr<suite::SqlConnection> connection = connect(which, sMsg);
        ASSERT_TRUE(connection) << qPrintable(sMsg);
        std::shared_ptr<const suite::tsql::SqlDialect> dialect;
        if (m_server)
            dialect = std::make_shared<suite::tsql::PostgresDialect>(systemSchema());
        else
            dialect = std::make_shared<suite::tsql::SqliteDialect>();
        const auto batch = suite::tsql::TsqlTranslator(dialect).translate(tsql, sMsg);
        ASSERT_TRUE(batch) << qPrintable(sMsg);
        const suite::tsql::BatchRunner::Outcome outcome =
            suite::tsql::BatchRunner(*connection).run(*batch);
        ASSERT_TRUE(outcome.ok) << qPrintable(outcome.message);
    }
    void runOnCompany(const QString &sql) const { run(Company, sql); }

    // Rows of the company read past the data service, in SQL both backends take.
    suite::RecordSet query(const QString &sql, const QVariantList &params = {}) const
    {
        if (!m_server)
            return m_folder.query(sql, params);
        QString sMsg;
        const std::unique_ptr<suite::SqlConnection> connection = connect(Company, sMsg);
        EXPECT_TRUE(connection) << qPrintable(sMsg);
        if (!connection)
            return {};
        suite::RecordSet rows = connection->queryStatement(sql, params, sMsg);
        EXPECT_TRUE(rows.IsOpen()) << qPrintable(sMsg);
        return rows;
    }

    QStringList column(const QString &sql, const QVariantList &params = {}) const
    {
        return firstColumn(query(sql, params));
    }

private:
    static QString fileOf(Database which)
    {
        static const char *const files[] = { CompanyFolder::kCompanyFile, "kvsystem.db",
                                             "KvMeta_001.db" };
        return QLatin1String(files[which]);
    }

    QString systemSchema() const
    {
        QString ignored;
        const auto text = suite::ConnectionText::parse(m_server->connectionText(), ignored);
        return text ? suite::PostgresBackend::systemSchema(*text) : QString();
    }

    // A connection of its own to the database; each SQLite database is a file of its own.
    std::unique_ptr<suite::SqlConnection> connect(Database which, QString &sMsg) const
    {
        if (!m_server) {
            auto file = std::make_unique<suite::SqliteConnection>();
            if (!file->open(m_folder.path(fileOf(which)), sMsg,
                            suite::SqliteConnection::OpenMode::ReadWriteCreate))
                return nullptr;
            return file;
        }
        const auto text = suite::ConnectionText::parse(m_server->connectionText(), sMsg);
        if (!text)
            return nullptr;
        const QString schemas[] = { m_server->schema(), systemSchema(),
                                    QStringLiteral("kvmeta_") + text->accountId.toLower() };
        QStringList setup = suite::PostgresBackend::sessionSetup(*text);
        setup.append(QStringLiteral("set search_path to %1, public").arg(schemas[which]));
        auto server = std::make_unique<suite::PostgresConnection>();
        if (!server->open(text->postgresConnectionString(), setup, sMsg))
            return nullptr;
        return server;
    }

    CompanyFolder m_folder;
    std::unique_ptr<PostgresCompany> m_server;
};
