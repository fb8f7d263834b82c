#include "DemoCompanyCopy.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Outcome
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Arguments that cannot be carried out end the command with a message and a failing exit code
// before anything is written.
class ArgumentChecks : public ::testing::Test
{
protected:
    Outcome run(const QString &command, const QStringList &arguments) const
    {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(CUSTOMER_ARCHIVE_PATH),
                      QStringList{ command, "--db", m_company.connectionText() } + arguments);
        Outcome outcome;
        if (!process.waitForFinished(120000))
            return outcome;
        outcome.exitCode = process.exitCode();
        outcome.out = QString::fromUtf8(process.readAllStandardOutput());
        outcome.err = QString::fromUtf8(process.readAllStandardError());
        return outcome;
    }

    void SetUp() override { ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error()); }

    DemoCompanyCopy<> m_company;
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(ArgumentChecks, AnEmptyExportFileNameIsRefused)
{
    const Outcome outcome = run(QStringLiteral("export"), { "--format", "csv", "" });
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_TRUE(outcome.err.contains(u"one output file is needed")) << qPrintable(outcome.err);
    EXPECT_TRUE(QDir(m_dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(ArgumentChecks, AnUnwritableSqlTraceIsRefused)
{
    const QString trace = m_dir.filePath(QStringLiteral("no-such-folder/trace.sql"));
    const Outcome outcome = run(QStringLiteral("sql"), { "--trace-sql", trace, "select 1" });
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.out.isEmpty());
    EXPECT_TRUE(
        outcome.err.contains(QStringLiteral("the SQL trace cannot be written to '%1'").arg(trace)))
        << qPrintable(outcome.err);
}
