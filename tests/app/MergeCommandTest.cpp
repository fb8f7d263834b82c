#include "DemoCompanyCopy.h"
#include "ProductRun.h"

#include <gtest/gtest.h>

class MergeCommand : public ::testing::Test
{
protected:
    CommandRun start(const QStringList &arguments) const
    {
        return runProduct(
            QStringList{ "merge", "--db", m_company.connectionText(), "--lang", "en-US" }
            + arguments);
    }

    QStringList column(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<>::Company, sql);
    }

    QString customers() const
    {
        return column("select cCusCode from Customer order by cCusCode").join(u',');
    }

    DemoCompanyCopy<> m_company;
};

TEST_F(MergeCommand, WithoutYesShowsWhatWouldMoveAndWithYesMerges)
{
    const QString before = customers();
    const QString receivables =
        column("select count(*) from Ar_Detail where cDwCode = '0000004'").value(0);
    const QString vendor =
        column("select cVenCode from Vendor where cRelCustomer = '0000004'").value(0);
    const CommandRun shown = start({ "0000004", "0000005" });
    ASSERT_EQ(shown.exitCode, 0) << qPrintable(shown.err);
    EXPECT_EQ(shown.lines.value(0), "0000004 -> 0000005");
    EXPECT_TRUE(shown.lines.contains("Vendor.cRelCustomer\t1"))
        << qPrintable(shown.lines.join('\n'));
    EXPECT_TRUE(shown.lines.contains("CusDeliverAdd.cCusCode\t1"));
    if (receivables != u"0")
        EXPECT_TRUE(shown.lines.contains("Ar_Detail.cDwCode\t" + receivables));
    EXPECT_TRUE(shown.lines.last().contains(vendor)) << "the vendor question's text";
    EXPECT_EQ(customers(), before);

    const CommandRun merged = start({ "0000004", "0000005", "--yes" });
    ASSERT_EQ(merged.exitCode, 0) << qPrintable(merged.err);
    EXPECT_EQ(merged.lines.last(), "The customers were merged successfully.");
    EXPECT_EQ(column("select count(*) from Customer where cCusCode = '0000004'"),
              QStringList{ "0" });
    EXPECT_EQ(column("select cRelCustomer from Vendor where cVenCode = '" + vendor + "'"),
              QStringList{ "0000005" });
}

TEST_F(MergeCommand, RefusalsPrintTheWindowsTextsAndChangeNothing)
{
    const QString before = customers();
    const QList<std::pair<QStringList, QString>> refused = {
        { { "0000005", "0000005" }, "The two customers must be different." },
        { { " ", "0000005" }, "Please enter both customers." },
        { { "0000004", "NONE", "--yes" }, "There is no customer with the code 'NONE' to merge." },
    };
    for (const auto &[arguments, message] : refused) {
        const CommandRun run = start(arguments);
        EXPECT_EQ(run.exitCode, 1) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(run.err.contains(message)) << qPrintable(run.err);
    }
    EXPECT_EQ(runProduct({ "merge", "--db", m_company.connectionText(), "0000004" }).exitCode, 2);
    EXPECT_EQ(customers(), before);
}
