#include "DemoCompanyCopy.h"
#include "ProductRun.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class ImportFileCommand : public ::testing::Test
{
protected:
    CommandRun start(const QStringList &arguments) const
    {
        return runProduct(
            QStringList{ "import", "file", "--db", m_company.connectionText(), "--lang", "en-US" }
            + arguments);
    }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(m_files.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }

    QString value(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<>::Company, sql).value(0);
    }

    DemoCompanyCopy<> m_company;
    QTemporaryDir m_files;
};

TEST_F(ImportFileCommand, PrintsTheSummaryAndAgainUpdates)
{
    const QString csv =
        write("customers.csv", "客户名称,发展日期,Telefax\n华信,2026-12-07,1\n远航,soon,2\n");
    const CommandRun first = start({ csv });
    ASSERT_EQ(first.exitCode, 0) << qPrintable(first.err);
    EXPECT_EQ(
        first.lines,
        (QStringList{ "Import of customers.csv: 2 rows new, 0 rows updated, 1 of "
                      "them with errors.",
                      "Columns not imported (the import list has no such column): Telefax" }));
    EXPECT_EQ(m_company.column(DemoCompanyCopy<>::Company,
                               "select cCusName || '/' || coalesce(cErrorMsg, '') from "
                               "customer_import where iSourceType=1 order by AutoID"),
              (QStringList{ "华信/", "远航/Development Date: \"soon\" is not a date" }));
    const CommandRun again = start({ csv, "--mapping", "auto" });
    EXPECT_EQ(again.lines.value(0),
              "Import of customers.csv: 0 rows new, 2 rows updated, 1 of them with "
              "errors.");
    EXPECT_EQ(value("select count(*) from customer_import where iSourceType=1"), "2");
}

TEST_F(ImportFileCommand, AMappingFileAndTheRoadsThatFail)
{
    const QString map = write("map.csv", "Name,cCusName\n");
    const QString csv = write("other.csv", "Name\nMüller\n");
    const CommandRun mapped = start({ csv, "--mapping", map });
    ASSERT_EQ(mapped.exitCode, 0) << qPrintable(mapped.err);
    EXPECT_EQ(value("select cCusName from customer_import where iSourceType=1"), "Müller");

    const CommandRun unknown = start({ write("x.txt", "Name\n") });
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err,
              "Only CSV and XLSX files can be imported: " + m_files.filePath("x.txt") + "\n");
    const CommandRun noFile = start({});
    EXPECT_EQ(noFile.exitCode, 2);
    EXPECT_TRUE(noFile.err.startsWith("customer-archive import file: give one file to import\n"));
    const CommandRun noCommand = runProduct({ "import", "sideways" });
    EXPECT_EQ(noCommand.exitCode, 2);
    EXPECT_TRUE(noCommand.err.startsWith("customer-archive import: unknown verb sideways\n"));
}
