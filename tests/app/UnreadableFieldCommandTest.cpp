#include "DemoCompanyCopy.h"
#include "ProductRun.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kSecretPhone = QStringLiteral("010-5555 0199");

// sales1 may neither read nor change the customers' phone numbers.
class UnreadableFieldCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        m_company.run(DemoCompanyCopy<>::Company,
                      QStringLiteral("update Customer set cCusPhone='%1'; insert into "
                                     "AA_HoldColAuth (cUser_Id, cBusObId, cFieldName, cLevel) "
                                     "values ('sales1', 'customer', 'cCusPhone', 'N')")
                          .arg(kSecretPhone));
    }

    CommandRun start(const QString &command, const QStringList &arguments) const
    {
        return runProduct(
            QStringList{ command, "--db", m_company.connectionText(), "--lang", "en-US" }
            + arguments);
    }

    static QStringList header(const CommandRun &run) { return run.lines.value(0).split(u'\t'); }

    DemoCompanyCopy<> m_company;
    QTemporaryDir m_dir;
};

TEST_F(UnreadableFieldCommand, TheListShowsItToOthersAndNeverToTheUser)
{
    const CommandRun demo = start("list", { "--user", "demo" });
    ASSERT_EQ(demo.exitCode, 0) << qPrintable(demo.err);
    EXPECT_TRUE(header(demo).contains(QStringLiteral("Phone")));
    EXPECT_TRUE(demo.lines.join(u'\n').contains(kSecretPhone));

    const CommandRun sales = start("list", { "--user", "sales1", "--page-size", "1000" });
    ASSERT_EQ(sales.exitCode, 0) << qPrintable(sales.err);
    ASSERT_GT(sales.lines.size(), 1) << "sales1 still sees his customers";
    EXPECT_FALSE(header(sales).contains(QStringLiteral("Phone"))) << qPrintable(sales.lines[0]);
    EXPECT_TRUE(header(sales).contains(QStringLiteral("Customer Code")));
    EXPECT_FALSE(sales.lines.join(u'\n').contains(kSecretPhone));
}

TEST_F(UnreadableFieldCommand, TheExportNeverWritesIt)
{
    const QString file = m_dir.filePath(QStringLiteral("sales1.csv"));
    const CommandRun run = start("export", { "--user", "sales1", "--format", "csv", file });
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(written.readAll());
    const QStringList captions = content.section(QStringLiteral("\r\n"), 0, 0)
                                     .split(u',')
                                     .replaceInStrings(QStringLiteral("\""), QString());
    EXPECT_TRUE(captions.contains(QStringLiteral("Mobile Phone")))
        << qPrintable(captions.join(u','));
    EXPECT_FALSE(captions.contains(QStringLiteral("Phone")));
    EXPECT_GT(content.count(QStringLiteral("\r\n")), 2) << "sales1's customers are written";
    EXPECT_FALSE(content.contains(kSecretPhone));
}

TEST_F(UnreadableFieldCommand, AFilterOnItIsRefused)
{
    const CommandRun run =
        start("list", { "--user", "sales1", "--filter", "cCusPhone like '010%'" });
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.lines.isEmpty()) << qPrintable(run.lines.join(u'\n'));
}

} // namespace
