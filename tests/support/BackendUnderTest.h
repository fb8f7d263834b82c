#pragma once

#include "PostgresCompany.h"

#include "suite/data/DataBackend.h"
#include "suite/data/SqliteConnection.h"
#include "suite/data/tsql/BatchRunner.h"
#include "suite/data/tsql/TsqlTranslator.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A test run once on each backend of the data service: an empty company on SQLite, and one on
// the PostgreSQL test server when there is one (see PostgresCompany).
enum class BackendKind { Sqlite, Postgres };

inline std::string backendName(const ::testing::TestParamInfo<BackendKind> &info)
{
    return info.param == BackendKind::Sqlite ? "Sqlite" : "Postgres";
}

// An empty company of the backend, its T-SQL run as the data service runs it: translated for
// the backend's dialect, with the backend telling which columns hold text.
class BackendUnderTest
{
public:
    explicit BackendUnderTest(BackendKind kind)
        : m_kind(kind)
    { }

    // False with the reason when the company cannot be made; a missing server is a skip.
    bool open(QString &sMsg)
    {
        QString connectionText;
        if (m_kind == BackendKind::Postgres) {
            m_server = std::make_unique<PostgresCompany>();
            if (!m_server->ok()) {
                sMsg = m_server->error();
                return false;
            }
            connectionText = m_server->connectionText();
        } else {
            const QString file = m_dir.filePath(QStringLiteral("KVDATA_001_2026.db"));
            suite::SqliteConnection create;
            if (!create.open(file, sMsg))
                return false;
            create.close();
            connectionText = QStringLiteral("Provider=SQLite;Data Source=") + file;
        }
        m_connectionText = connectionText;
        const std::optional<suite::ConnectionText> text =
            suite::ConnectionText::parse(connectionText, sMsg);
        m_backend = text ? suite::openBackend(*text, sMsg) : nullptr;
        if (!m_backend)
            return false;
        m_translator = std::make_unique<suite::tsql::TsqlTranslator>(m_backend->dialect());
        suite::DataBackend *columns = m_backend.get();
        m_translator->setTextColumnLookup([columns](QStringView qualifier, QStringView column) {
            return columns->isTextColumn(qualifier, column);
        });
        m_runner = std::make_unique<suite::tsql::BatchRunner>(m_backend->connection());
        return true;
    }

    suite::DataBackend &backend() { return *m_backend; }
    // The company's connection text, for a data service of its own.
    QString connectionText() const { return m_connectionText; }

    suite::tsql::BatchRunner::Outcome run(const QString &tsql)
    {
        QString sMsg;
        const auto batch = m_translator->translate(tsql, sMsg);
        if (!batch) {
            suite::tsql::BatchRunner::Outcome refused;
            refused.message = sMsg;
            return refused;
        }
        return m_runner->run(*batch);
    }

    // The rows of a T-SQL query as "a|b" lines, null as "<null>".
    QString rowsOf(const QString &tsql)
    {
        suite::tsql::BatchRunner::Outcome outcome = run(tsql);
        EXPECT_TRUE(outcome.ok) << qPrintable(outcome.message);
        QStringList rows;
        suite::RecordSet &rs = outcome.lastResult;
        for (; rs.IsOpen() && !rs.Eof(); rs.MoveNext()) {
            QStringList values;
            for (int field = 0; field < rs.FieldCount(); ++field)
                values.append(rs.Value(field).isNull() ? QStringLiteral("<null>")
                                                       : rs.Value(field).toString());
            rows.append(values.join(u'|'));
        }
        return rows.join(u'\n');
    }

private:
    BackendKind m_kind;
    QString m_connectionText;
    QTemporaryDir m_dir;
    std::unique_ptr<PostgresCompany> m_server;
    std::unique_ptr<suite::DataBackend> m_backend;
    std::unique_ptr<suite::tsql::TsqlTranslator> m_translator;
    std::unique_ptr<suite::tsql::BatchRunner> m_runner;
};

// The fixture of a test on both backends: SetUp skips the PostgreSQL run without a server.
class OnBothBackends : public ::testing::TestWithParam<BackendKind>
{
protected:
    void SetUp() override
    {
        if (GetParam() == BackendKind::Postgres) {
            SKIP_WITHOUT_POSTGRES();
        }
        QString sMsg;
        ASSERT_TRUE(company.open(sMsg)) << qPrintable(sMsg);
    }

    void run(const QString &tsql)
    {
        const suite::tsql::BatchRunner::Outcome outcome = company.run(tsql);
        ASSERT_TRUE(outcome.ok) << qPrintable(outcome.message);
    }

    QString rowsOf(const QString &tsql) { return company.rowsOf(tsql); }

    BackendUnderTest company{ GetParam() };
};
