#include "DemoCompanyCopy.h"
#include "ProductRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

constexpr int kNobody = 65534;

// Whether a user without rights of its own can run the program: the file and every folder
// above it open to others.
bool othersMayRun(const QString &program)
{
    QFileInfo step(program);
    if (!step.permission(QFile::ExeOther))
        return false;
    for (QDir folder = step.absoluteDir();; folder.cdUp()) {
        if (!QFileInfo(folder.absolutePath()).permission(QFile::ExeOther))
            return false;
        if (folder.isRoot())
            return true;
    }
}

// A company whose files and folder this user may only read. Root may write any file, so a test
// run as root runs the product as nobody.
class ReadOnlyCompany : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SKIP_ON_SERVER_BACKEND("a company there has no files whose permissions could be taken");
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        if (geteuid() == 0) {
            m_runner = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
            if (m_runner.isEmpty())
                GTEST_SKIP() << "running as root without setpriv to drop the rights";
            if (!othersMayRun(QStringLiteral(CUSTOMER_ARCHIVE_PATH)))
                GTEST_SKIP() << "the product lies in a folder other users may not enter";
        }
        for (int which = 0; which < 3; ++which)
            ASSERT_TRUE(
                QFile::setPermissions(m_company.file(DemoCompanyCopy<>::Database(which)),
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const QFile::Permissions openFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
            | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        ASSERT_TRUE(QFile::setPermissions(m_company.dir(), openFolder));
        ASSERT_TRUE(QFile::setPermissions(
            m_home.path(), openFolder | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
    }

    void TearDown() override
    {
        QFile::setPermissions(m_company.dir(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    CommandRun start(const QStringList &arguments) const
    {
        QStringList command{ QStringLiteral(CUSTOMER_ARCHIVE_PATH) };
        command += arguments;
        QString program = command.takeFirst();
        if (!m_runner.isEmpty()) {
            command.prepend(program);
            command = QStringList{ QStringLiteral("--reuid=%1").arg(kNobody),
                                   QStringLiteral("--regid=%1").arg(kNobody),
                                   QStringLiteral("--clear-groups") }
                + command;
            program = m_runner;
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_home.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path());
        return runProduct(command, program, environment);
    }

    DemoCompanyCopy<> m_company;
    QTemporaryDir m_home;
    QString m_runner;
};

TEST_F(ReadOnlyCompany, IsListedAndSaysChangesAreNotPossible)
{
    const QString company = m_company.file(DemoCompanyCopy<>::Company);
    const QByteArray before = [&] {
        QFile file(company);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const CommandRun run = start(
        { "list", "--db", m_company.connectionText(), "--lang", "en-US", "--page-size", "5" });
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.lines.value(0).startsWith(QStringLiteral("Customer Code\t")))
        << qPrintable(run.lines.value(0));
    EXPECT_EQ(run.lines.size(), 6) << "the header and a page of five customers";
    EXPECT_TRUE(run.err.contains(QStringLiteral(
        "The company database is read-only: it can be read, but changes are not possible.\n")))
        << qPrintable(run.err);
    QFile after(company);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_EQ(QDir(m_company.dir()).entryList(QDir::Files).size(), 3)
        << "no journal was left beside the read-only company";
}

} // namespace
