#include "DemoCompanyCopy.h"
#include "ProductRun.h"

#include "demo/MarketingServer.h"

#include <QProcess>

#include <gtest/gtest.h>

// "import download" and "marketing-serve" as a user runs them at the shell.
class ImportDownloadCommand : public ::testing::Test
{
protected:
    CommandRun download(const QStringList &arguments) const
    {
        return runProduct(QStringList{ "import", "download", "--db", m_company.connectionText(),
                                       "--lang", "en-US" }
                          + arguments);
    }

    int stagedRows() const
    {
        return m_company.column(DemoCompanyCopy<>::Company, "select count(*) from customer_import")
            .value(0)
            .toInt();
    }

    DemoCompanyCopy<> m_company;
};

TEST_F(ImportDownloadCommand, PrintsThePagesAndTheCustomers)
{
    demo::MarketingServerSettings settings;
    settings.records = 2510;
    demo::MarketingServer server(settings);
    QString sMsg;
    ASSERT_TRUE(server.start(0, sMsg)) << qPrintable(sMsg);
    const int before = stagedRows();

    const CommandRun run = download({ "--url", server.baseUrl() });

    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.lines,
              (QStringList{ "page 1: 2500 customers", "page 2: 2510 customers",
                            "Download complete: 2 pages, 2510 customers, 2510 new, "
                            "0 updated." }));
    EXPECT_EQ(stagedRows(), before + 2510);
}

TEST_F(ImportDownloadCommand, AnErrorCodeIsPrintedAndNothingLands)
{
    demo::MarketingServerSettings settings;
    settings.failCode = "-3";
    demo::MarketingServer server(settings);
    QString sMsg;
    ASSERT_TRUE(server.start(0, sMsg)) << qPrintable(sMsg);
    const int before = stagedRows();

    const CommandRun run = download({ "--url", server.baseUrl() });

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.lines, QStringList());
    EXPECT_EQ(run.err, "账户已过期\nFailed to load the XML data.\n");
    EXPECT_EQ(stagedRows(), before);
}

TEST_F(ImportDownloadCommand, RunsAgainstTheServeCommandOnAFreePort)
{
    QProcess serve;
    serve.start(QStringLiteral(CUSTOMER_ARCHIVE_PATH),
                { "marketing-serve", "--port", "0", "--records", "12" });
    ASSERT_TRUE(serve.waitForReadyRead(30000)) << qPrintable(serve.readAllStandardError());
    const QString first = QString::fromUtf8(serve.readLine()).trimmed();
    ASSERT_TRUE(first.startsWith("Marketing service at http://127.0.0.1:")) << qPrintable(first);
    const QString url = first.section(u' ', 3, 3);
    const int before = stagedRows();

    const CommandRun run = download({ "--url", url });

    serve.kill();
    serve.waitForFinished();
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.lines.last(), "Download complete: 1 pages, 12 customers, 12 new, 0 updated.");
    EXPECT_EQ(stagedRows(), before + 12);
}

TEST_F(ImportDownloadCommand, ServeRefusesWhatItCannotDo)
{
    for (const QStringList &arguments : { QStringList{ "marketing-serve", "--fail", "-42" },
                                          QStringList{ "marketing-serve", "--port", "70000" },
                                          QStringList{ "marketing-serve", "--records", "many" },
                                          QStringList{ "marketing-serve", "extra" } }) {
        const CommandRun run = runProduct(arguments);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(arguments.join(u' '));
        EXPECT_TRUE(run.err.startsWith("customer-archive marketing-serve: "));
    }
    const CommandRun unknown = runProduct({ "import", "download", "--bogus" });
    EXPECT_EQ(unknown.exitCode, 2);
}
