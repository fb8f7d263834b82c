#include "DemoCompanyCopy.h"
#include "ProductRun.h"

#include <gtest/gtest.h>

TEST(DuplicatesCommand, PrintsThePlantedPairsBestFirstWithBothCustomers)
{
    DemoCompanyCopy<200> company;
    ASSERT_TRUE(company.ok()) << qPrintable(company.error());
    const CommandRun run = runProduct(
        { "duplicates", "--db", company.connectionText(), "--lang", "en-US", "--min-score", "90" });
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    ASSERT_FALSE(run.lines.isEmpty());
    int last = 100;
    for (const QString &line : run.lines) {
        const QStringList fields = line.split(u'\t');
        ASSERT_EQ(fields.size(), 12) << qPrintable(line);
        const int score = fields[0].toInt();
        EXPECT_GE(score, 90);
        EXPECT_LE(score, last) << "best first";
        last = score;
        EXPECT_TRUE(fields[1] == u"same tax number"
                    || fields[1] == u"same name apart from company form")
            << qPrintable(fields[1]);
        const QString name1 =
            company
                .column(DemoCompanyCopy<200>::Company,
                        "select cCusName from Customer where cCusCode = '" + fields[2] + "'")
                .value(0);
        EXPECT_EQ(fields[3], name1);
        EXPECT_NE(fields[2], fields[7]);
    }
    const CommandRun limited =
        runProduct({ "duplicates", "--db", company.connectionText(), "--lang", "en-US",
                     "--min-score", "90", "--limit", "1" });
    EXPECT_EQ(limited.lines, run.lines.mid(0, 1));
    EXPECT_EQ(runProduct({ "duplicates", "--min-score", "0" }).exitCode, 2);
    EXPECT_EQ(runProduct({ "duplicates", "--limit", "x" }).exitCode, 2);
}
