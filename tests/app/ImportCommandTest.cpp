#include "DemoCompanyCopy.h"
#include "ProductRun.h"

#include <gtest/gtest.h>

class ImportCommand : public ::testing::Test
{
protected:
    CommandRun start(const QStringList &arguments) const
    {
        return runProduct(QStringList{ "import" } + arguments
                          + QStringList{ "--db", m_company.connectionText(), "--lang", "en-US" });
    }

    QStringList column(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<>::Company, sql);
    }

    void run(const QString &sql) const { m_company.run(DemoCompanyCopy<>::Company, sql); }

    QString stage(const QString &name, const QString &classCode, const QString &department) const
    {
        run(QStringLiteral("insert into customer_import (cCusName, cCCCode, cCusDepart) values "
                           "('%1', '%2', '%3')")
                .arg(name, classCode, department));
        return column("select max(AutoID) from customer_import").value(0);
    }

    DemoCompanyCopy<> m_company;
};

TEST_F(ImportCommand, ListPrintsTheStagingRowsWithTheirRowNumberLast)
{
    const CommandRun listed = start({ "list", "--page-size", "100" });
    ASSERT_EQ(listed.exitCode, 0) << qPrintable(listed.err);
    const QStringList rows =
        column("select AutoID from customer_import where coalesce(bTransFlag,0)=0 order by AutoID");
    ASSERT_EQ(listed.lines.size(), rows.size() + 1) << qPrintable(listed.lines.join('\n'));
    EXPECT_TRUE(listed.lines.first().endsWith(QStringLiteral("Row No.")))
        << qPrintable(listed.lines.first());
    EXPECT_TRUE(listed.lines.value(1).endsWith(u'\t' + rows.first()))
        << qPrintable(listed.lines.value(1));
}

TEST_F(ImportCommand, SyncTransfersTheNamedRowsAndPrintsTheSummary)
{
    const QString id = stage("命令行新客户有限公司", "0101", "0201");
    const QString before = column("select count(*) from Customer").value(0);
    const CommandRun synced = start({ "sync", "--ids", id });
    ASSERT_EQ(synced.exitCode, 0) << qPrintable(synced.err);
    EXPECT_EQ(synced.lines, QStringList{ "Transfer complete: 1 records transferred." });
    EXPECT_EQ(column("select count(*) from Customer").value(0).toInt(), before.toInt() + 1);
    const QString code = column("select cCusCode from customer_import where AutoID=" + id).value(0);
    EXPECT_EQ(column("select cCusName from Customer where cCusCode='" + code + "'"),
              QStringList{ "命令行新客户有限公司" });
}

TEST_F(ImportCommand, RowsOutsideTheUsersRightsTransferNothing)
{
    const QString his = stage("北京甲新客户", "0101", "0201");
    const QString other = stage("广州乙新客户", "0301", "0401");
    const QString before = column("select count(*) from Customer").value(0);
    const CommandRun refused = start({ "sync", "--ids", his + "," + other, "--user", "sales1" });
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("row " + other + " is not in your staging list"))
        << qPrintable(refused.err);
    EXPECT_EQ(column("select count(*) from Customer").value(0), before);

    const CommandRun listed = start({ "list", "--user", "sales1", "--page-size", "1000" });
    ASSERT_EQ(listed.exitCode, 0) << qPrintable(listed.err);
    const QString shown = listed.lines.join('\n');
    EXPECT_TRUE(shown.contains("北京甲新客户"));
    EXPECT_FALSE(shown.contains("广州乙新客户"));
}

TEST_F(ImportCommand, AMisreadCommandLineExitsWithTwo)
{
    EXPECT_EQ(start({}).exitCode, 2);
    EXPECT_EQ(start({ "upload" }).exitCode, 2);
    EXPECT_EQ(start({ "sync" }).exitCode, 2);
    EXPECT_EQ(start({ "sync", "--all", "--ids", "1" }).exitCode, 2);
    EXPECT_EQ(start({ "sync", "--ids", "1;drop table Customer" }).exitCode, 2);
}
