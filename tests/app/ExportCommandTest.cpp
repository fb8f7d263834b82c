#include "DemoCompanyCopy.h"
#include "ProductRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class ExportCommand : public ::testing::Test
{
protected:
    CommandRun start(const QString &command, const QStringList &arguments) const
    {
        return runProduct(
            QStringList{ command, "--db", m_company.connectionText(), "--lang", "en-US" }
            + arguments);
    }

    // The first cells of the lines of a CSV file after its header.
    static QStringList firstCells(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return { QStringLiteral("no file") };
        QStringList cells;
        const QStringList lines =
            QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        for (const QString &line : lines.mid(1))
            cells.append(line.section(u'"', 1, 1));
        return cells;
    }

    DemoCompanyCopy<> m_company;
    QTemporaryDir m_dir;
};

TEST_F(ExportCommand, WritesEveryCustomerTheUserMaySeeAndPrintsTheCount)
{
    const QString file = m_dir.filePath(QStringLiteral("sales1.csv"));
    const CommandRun run = start("export", { "--user", "sales1", "--format", "csv", file });
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    const CommandRun shown = start("list", { "--user", "sales1", "--page-size", "1000" });
    ASSERT_EQ(shown.exitCode, 0) << qPrintable(shown.err);
    QStringList codes;
    for (const QString &line : shown.lines.mid(1))
        codes.append(line.section(u'\t', 0, 0));
    EXPECT_EQ(run.lines, QStringList{ QString::number(codes.size()) });
    EXPECT_EQ(firstCells(file), codes);
    EXPECT_LT(codes.size(), 20) << "sales1 sees only some customers";
}

TEST_F(ExportCommand, FilterNarrowsTheWorkbookAndTheNameGetsTheFormatsSuffix)
{
    const CommandRun run = start("export",
                                 { "--format", "xlsx", "--filter", "cCusCode <= '0000005'",
                                   m_dir.filePath(QStringLiteral("few")) });
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    const QStringList expected = m_company.column(
        DemoCompanyCopy<>::Company,
        "select count(*) from Customer where coalesce(bTransFlag,0)=0 and cCusCode <= '0000005'");
    EXPECT_EQ(run.lines, expected);
    QProcess reader;
    reader.start("/usr/bin/python3",
                 { "-c",
                   "import openpyxl, sys\n"
                   "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
                   "print(ws.max_row - 1, ws['A2'].value)\n",
                   m_dir.filePath(QStringLiteral("few.xlsx")) });
    ASSERT_TRUE(reader.waitForFinished(60000));
    EXPECT_EQ(QString::fromUtf8(reader.readAllStandardOutput()).trimmed(),
              expected.value(0) + QStringLiteral(" 0000001"))
        << qPrintable(QString::fromUtf8(reader.readAllStandardError()));
}

TEST_F(ExportCommand, APdfReadsAsTheListDoes)
{
    const QString file = m_dir.filePath(QStringLiteral("list.pdf"));
    const CommandRun run = start("export", { "--format", "pdf", file });
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    QProcess text;
    text.start("pdftotext", { "-l", "1", "-layout", file, "-" });
    ASSERT_TRUE(text.waitForFinished(60000));
    const QString firstPage = QString::fromUtf8(text.readAllStandardOutput());
    const QString firstName =
        m_company
            .column(DemoCompanyCopy<>::Company, "select cCusName from Customer order by cCusCode")
            .value(0);
    EXPECT_TRUE(firstPage.contains("Customer Code")) << qPrintable(firstPage.left(400));
    EXPECT_TRUE(firstPage.contains("0000001"));
    EXPECT_TRUE(firstPage.contains(firstName)) << qPrintable(firstName);
    EXPECT_FALSE(firstPage.contains(u"…")) << "nothing is cut to slivers";
}

TEST_F(ExportCommand, BadRequestsWriteNothing)
{
    EXPECT_EQ(start("export", { "--format", "doc", m_dir.filePath("a.doc") }).exitCode, 2);
    EXPECT_EQ(start("export", { "--format", "csv", m_dir.filePath("a.pdf") }).exitCode, 2);
    EXPECT_EQ(start("export", { "--format", "csv" }).exitCode, 2);
    const CommandRun unwritable =
        start("export", { "--format", "pdf", m_dir.filePath("no/a.pdf") });
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains("cannot be written")) << qPrintable(unwritable.err);
    EXPECT_TRUE(QDir(m_dir.path()).isEmpty());
}
