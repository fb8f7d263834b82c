#include "DemoCompanyCopy.h"

#include "suite/data/SqliteConnection.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CommandRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

CommandRun start(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(CUSTOMER_ARCHIVE_PATH), arguments);
    CommandRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// On the server the company is the tables of its schema; the system and metadata schemas stay.
const QString kDropCompanyTables = QStringLiteral(
    "do $$ declare t record; begin for t in select tablename from pg_tables where schemaname = "
    "current_schema() loop execute format('drop table if exists %I cascade', t.tablename); end "
    "loop; end $$");

// Runs that cannot do what they were asked say why and end with a non-zero exit.
class CommandFailures : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error()); }

    // The company file replaced by a database of something else (or by an empty file), its
    // system and metadata databases kept; on the server, the company's tables dropped instead.
    void replaceCompanyBy(const QString &statement)
    {
        if (testBackend() == TestBackend::Postgres) {
            m_company.run(DemoCompanyCopy<>::Company, kDropCompanyTables);
            if (!statement.isEmpty())
                m_company.run(DemoCompanyCopy<>::Company, statement);
            return;
        }
        const QString file = m_company.file(DemoCompanyCopy<>::Company);
        ASSERT_TRUE(QFile::remove(file));
        suite::SqliteConnection connection;
        QString sMsg;
        ASSERT_TRUE(connection.open(file, sMsg)) << qPrintable(sMsg);
        if (!statement.isEmpty())
            ASSERT_TRUE(connection.execute(statement, sMsg)) << qPrintable(sMsg);
    }

    DemoCompanyCopy<> m_company;
    QTemporaryDir m_dir;
};

TEST_F(CommandFailures, CatalogueOfAForeignDatabaseSaysItHoldsNoArchive)
{
    replaceCompanyBy(QStringLiteral("create table Invoice (id integer primary key)"));
    const CommandRun run = start({ "catalogue", "--db", m_company.connectionText() });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty()) << qPrintable(run.out.left(200));
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("customer-archive catalogue: the database holds "
                                                  "no customer archive to describe (")))
        << qPrintable(run.err);
}

TEST_F(CommandFailures, CatalogueOfAnEmptyDatabaseFails)
{
    replaceCompanyBy(QString());
    const CommandRun run = start({ "catalogue", "--db", m_company.connectionText() });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty()) << qPrintable(run.out.left(200));
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("customer-archive catalogue: ")))
        << qPrintable(run.err);
}

TEST_F(CommandFailures, ACardOfAnUnknownCodeIsNotOpened)
{
    const QString picture = m_dir.filePath(QStringLiteral("card.png"));
    const CommandRun unknown = start({ "--card", "NO-SUCH", "--db", m_company.connectionText(),
                                       "--lang", "en-US", "--screenshot", picture });
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains(
        QStringLiteral("There is no customer with the code NO-SUCH: no card to open.\n")))
        << qPrintable(unknown.err);
    EXPECT_FALSE(QFile::exists(picture));

    const QString code = m_company
                             .column(DemoCompanyCopy<>::Company,
                                     QStringLiteral("select min(cCusCode) from Customer"))
                             .value(0);
    const CommandRun known = start({ "--card", code.toLower(), "--db", m_company.connectionText(),
                                     "--lang", "en-US", "--screenshot", picture });
    EXPECT_EQ(known.exitCode, 0) << qPrintable(known.err);
    EXPECT_TRUE(QFile::exists(picture)) << "codes compare without regard to case";
}

} // namespace
