#include "demo/CompanySwap.h"
#include "demo/DemoCompany.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QStringList kNames = { QStringLiteral("company.db"), QStringLiteral("system.db"),
                             QStringLiteral("meta.db") };

void write(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(path);
    file.write(content);
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

// An old company of three files, the first with a journal, and a new one built beside it.
class CompanySwap : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("fresh")));
        for (const QString &name : kNames) {
            write(place(name), "old " + name.toUtf8());
            write(fresh(name), "new " + name.toUtf8());
        }
        write(place(kNames[0]) + QStringLiteral("-wal"), "old journal");
    }

    QString place(const QString &name) const { return QDir(m_dir.path()).filePath(name); }
    QString fresh(const QString &name) const
    {
        return QDir(m_dir.path()).filePath(QStringLiteral("fresh/") + name);
    }
    QStringList finalPaths() const
    {
        QStringList paths;
        for (const QString &name : kNames)
            paths.append(place(name));
        return paths;
    }

    QTemporaryDir m_dir;
};

TEST_F(CompanySwap, EveryFileIsReplacedAndTheOldOnesWithTheirJournalsGoBeside)
{
    QString sMsg;
    ASSERT_TRUE(demo::swapCompanyFiles(fresh(QString()), finalPaths(), sMsg)) << qPrintable(sMsg);
    for (const QString &name : kNames) {
        EXPECT_EQ(contentOf(place(name)), "new " + name.toUtf8());
        EXPECT_EQ(contentOf(fresh(name)), "old " + name.toUtf8());
    }
    EXPECT_FALSE(QFile::exists(place(kNames[0]) + QStringLiteral("-wal")))
        << "the old journal is not left to be read into the new database";
    EXPECT_EQ(contentOf(fresh(kNames[0]) + QStringLiteral("-wal")), "old journal");
}

TEST_F(CompanySwap, AFolderWithoutACompanyGetsTheNewOne)
{
    for (const QString &name : kNames)
        ASSERT_TRUE(QFile::remove(place(name)));
    QString sMsg;
    ASSERT_TRUE(demo::swapCompanyFiles(fresh(QString()), finalPaths(), sMsg)) << qPrintable(sMsg);
    for (const QString &name : kNames)
        EXPECT_EQ(contentOf(place(name)), "new " + name.toUtf8());
}

TEST_F(CompanySwap, AFailedStepPutsEveryExchangedFileBack)
{
    ASSERT_TRUE(QFile::remove(fresh(kNames[2])));
    QString sMsg;
    EXPECT_FALSE(demo::swapCompanyFiles(fresh(QString()), finalPaths(), sMsg));
    EXPECT_TRUE(sMsg.startsWith(QStringLiteral("cannot put the new %1 in place (")
                                    .arg(QDir::toNativeSeparators(place(kNames[2])))))
        << qPrintable(sMsg);
    EXPECT_TRUE(sMsg.endsWith(QStringLiteral("); the old company is kept"))) << qPrintable(sMsg);
    for (const QString &name : kNames)
        EXPECT_EQ(contentOf(place(name)), "old " + name.toUtf8());
    EXPECT_EQ(contentOf(place(kNames[0]) + QStringLiteral("-wal")), "old journal");
    EXPECT_EQ(contentOf(fresh(kNames[0])), "new " + kNames[0].toUtf8());
}

TEST(DemoCompanyReplace, LeavesOnlyTheNewCompanyInItsFolder)
{
    QTemporaryDir dir;
    demo::DemoSettings settings;
    settings.customers = 3;
    QString sMsg;
    ASSERT_TRUE(demo::DemoCompany::create(dir.path(), settings, {}, sMsg)) << qPrintable(sMsg);
    settings.customers = 4;
    settings.overwrite = true;
    ASSERT_TRUE(demo::DemoCompany::create(dir.path(), settings, {}, sMsg)) << qPrintable(sMsg);
    QStringList expected;
    for (const QString &path : demo::DemoCompany::paths(dir.path()))
        expected.append(QFileInfo(path).fileName());
    QStringList left =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    left.removeIf([](const QString &name) {
        return name.endsWith(QStringLiteral("-wal")) || name.endsWith(QStringLiteral("-shm"));
    });
    expected.sort();
    left.sort();
    EXPECT_EQ(left, expected) << "no building folder and no old file stays behind";
}

} // namespace
