#include "DemoCompanyCopy.h"

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

// The sub-commands on a machine without a desktop session: no XDG_RUNTIME_DIR, a home of its
// own, no display.
class QuietSubcommand : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error()); }

    CommandRun run(const QStringList &arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.insert(QStringLiteral("HOME"), m_home.path());
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(CUSTOMER_ARCHIVE_PATH), arguments);
        CommandRun result;
        if (!process.waitForFinished(120000))
            return result;
        result.exitCode = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    DemoCompanyCopy<> m_company;
    QTemporaryDir m_home;
};

TEST_F(QuietSubcommand, PrintsOnlyWhatItIsFor)
{
    const CommandRun sql =
        run({ "sql", "--db", m_company.connectionText(), "select count(*) from CustomerClass" });
    ASSERT_EQ(sql.exitCode, 0) << qPrintable(sql.err);
    EXPECT_EQ(sql.err, QString());
    EXPECT_FALSE(sql.out.isEmpty());

    const CommandRun list = run({ "list", "--db", m_company.connectionText(), "--page-size", "5" });
    ASSERT_EQ(list.exitCode, 0) << qPrintable(list.err);
    EXPECT_EQ(list.err, QString());
    EXPECT_EQ(list.out.count(u'\n'), 6) << "the captions and five rows";
}

TEST_F(QuietSubcommand, ErrorsStillReachTheUser)
{
    const CommandRun sql =
        run({ "sql", "--db", m_company.connectionText(), "select nothing from nowhere" });
    EXPECT_NE(sql.exitCode, 0);
    EXPECT_FALSE(sql.err.isEmpty());
}

} // namespace
