#include "DemoCompanyCopy.h"
#include "ProductRun.h"

#include <QProcess>

#include <gtest/gtest.h>

class BatchModifyCommand : public ::testing::Test
{
protected:
    CommandRun start(const QStringList &arguments) const
    {
        return runProduct(
            QStringList{ "batch-modify", "--db", m_company.connectionText(), "--lang", "en-US" }
            + arguments);
    }

    QStringList column(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<>::Company, sql);
    }

    QStringList phones() const
    {
        return column("select cCusCode || ':' || coalesce(cCusPhone,'') from Customer order by "
                      "cCusCode");
    }

    QStringList firstCodes(int count) const
    {
        return column(
            QStringLiteral("select cCusCode from Customer order by cCusCode limit %1").arg(count));
    }

    DemoCompanyCopy<> m_company;
};

TEST_F(BatchModifyCommand, WithoutYesOnlyCountsAndWithYesModifiesExactlyThoseCustomers)
{
    const QStringList codes = firstCodes(2);
    const QStringList before = phones();
    const QStringList args{ "--field", "cCusPhone", "--value",
                            "0'1 --x", "--codes",   codes.join(u',') };
    const CommandRun counted = start(args);
    EXPECT_EQ(counted.exitCode, 0) << qPrintable(counted.err);
    EXPECT_EQ(counted.lines, QStringList{ "2" });
    EXPECT_EQ(phones(), before);

    const CommandRun done = start(args + QStringList{ "--yes" });
    EXPECT_EQ(done.exitCode, 0) << qPrintable(done.err);
    EXPECT_EQ(done.lines, (QStringList{ "2", "Modified successfully." }));
    QStringList expected = before;
    for (QString &line : expected) {
        if (codes.contains(line.section(u':', 0, 0)))
            line = line.section(u':', 0, 0) + ":0'1 --x";
    }
    EXPECT_EQ(phones(), expected);
}

TEST_F(BatchModifyCommand, ARefusedValuePrintsTheWindowsTextAndFails)
{
    const QStringList before = phones();
    const CommandRun run =
        start({ "--field", "iCusCreDate", "--value", "-3", "--class", "01", "--yes" });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.trimmed(), "Credit days must not be negative.");
    EXPECT_EQ(phones(), before);
}

TEST_F(BatchModifyCommand, WhereTakesOnlyColumnsOfTheCustomers)
{
    const CommandRun counted =
        start({ "--field", "cCusPhone", "--value", "1", "--where", "cCCCode like '01%'" });
    EXPECT_EQ(counted.exitCode, 0) << qPrintable(counted.err);
    EXPECT_EQ(counted.lines,
              QStringList{ column("select count(*) from Customer where cCCCode like '01%'") });
    for (const char *where :
         { "cCusCode in (select cUser_Id from UserHRPersonContro)", "1=1; delete from Customer",
           "1=1 -- everything", "lower(cCusCode)='a'", "x.cCusCode='a'", "1=1) or (1=1" }) {
        const CommandRun refused =
            start({ "--field", "cCusPhone", "--value", "1", "--where", where, "--yes" });
        EXPECT_EQ(refused.exitCode, 2) << where;
        EXPECT_TRUE(refused.err.contains("--where")) << qPrintable(refused.err);
    }
    EXPECT_EQ(column("select count(*) from Customer where cCusPhone='1'"), QStringList{ "0" });
}

TEST_F(BatchModifyCommand, AskedForWithoutAFieldOrCustomersItExplainsTheUsage)
{
    EXPECT_EQ(start({ "--value", "1", "--codes", "C1" }).exitCode, 2);
    EXPECT_EQ(start({ "--field", "cCusPhone", "--value", "1" }).exitCode, 2);
    EXPECT_EQ(
        start({ "--field", "cCusPhone", "--value", "1", "--codes", "A", "--class", "01" }).exitCode,
        2);
    const CommandRun unknown = start({ "--field", "cCusCode", "--value", "1", "--codes", "A" });
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err.trimmed(), "The field cCusCode cannot be batch-modified.");
}
