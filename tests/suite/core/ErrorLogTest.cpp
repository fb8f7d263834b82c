#include "suite/core/ErrorLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using suite::ErrorLog;

namespace {

class ErrorLogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_previous = ErrorLog::instance().logFile();
        ErrorLog::instance().setLogFile(path());
    }
    void TearDown() override { ErrorLog::instance().setLogFile(m_previous); }

    QString path() const { return m_dir.filePath(QStringLiteral("customer-archive.log")); }

    QTemporaryDir m_dir;
    QString m_previous;
};

} // namespace

TEST_F(ErrorLogTest, AVeryLongTextKeepsItsStartAndSaysWhatWasCut)
{
    const QString statement = QStringLiteral("select ") + QString(100000, u'x');
    ErrorLog::instance().error(QStringLiteral("DataService"), statement);
    const QString kept = ErrorLog::instance().entries().last().text;
    EXPECT_EQ(kept,
              statement.left(ErrorLog::kMaxTextLength)
                  + QStringLiteral("... (%1 more characters)")
                        .arg(statement.size() - ErrorLog::kMaxTextLength));
    EXPECT_LT(QFileInfo(path()).size(), 3 * ErrorLog::kMaxTextLength);
}

TEST_F(ErrorLogTest, AFullFileMovesAsideAndANewOneStarts)
{
    const QString line(ErrorLog::kMaxTextLength, u'e');
    const int linesToFill = int(ErrorLog::kMaxFileBytes / line.size()) + 10;
    for (int i = 0; i < linesToFill * 2; ++i)
        ErrorLog::instance().warning(QStringLiteral("test"), line);
    ErrorLog::instance().warning(QStringLiteral("test"), QStringLiteral("the last one"));
    EXPECT_LE(QFileInfo(path()).size(), ErrorLog::kMaxFileBytes + 2 * line.size());
    EXPECT_LE(QFileInfo(path() + QStringLiteral(".1")).size(),
              ErrorLog::kMaxFileBytes + 2 * line.size());
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 2);
    QFile current(path());
    ASSERT_TRUE(current.open(QIODevice::ReadOnly));
    EXPECT_TRUE(current.readAll().trimmed().endsWith("test: the last one"));
}
