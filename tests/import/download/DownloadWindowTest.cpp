#include "ImportListFixture.h"
#include "TextPrinter.h"

#include "demo/MarketingServer.h"
#include "import/FrmCus_import.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/Toolbar.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace customer;

// The import list's "Download" pressed as a user presses it, against a local marketing service
// the company's option names.
class DownloadWindowTest : public ImportListFixture
{
protected:
    void serve(demo::MarketingServerSettings settings)
    {
        m_server = std::make_unique<demo::MarketingServer>(std::move(settings));
        QString sMsg;
        ASSERT_TRUE(m_server->start(0, sMsg)) << qPrintable(sMsg);
        m_company.run(DemoCompanyCopy<>::Company,
                      QStringLiteral("update AccInformation set cValue='%1' where "
                                     "cName='cMarketingServiceUrl'")
                          .arg(m_server->baseUrl()));
    }

    // Opens the customer list, then the import list from it (see ImportListFixture).
    void withImportList(const std::function<void(FrmCus_import *)> &work)
    {
        ASSERT_TRUE(openList());
        ImportListFixture::withImportList(work);
    }

    static QToolButton *button(FrmCus_import *imports, const char *key)
    {
        return imports->TLB2->findChild<QToolButton *>(QLatin1StringView(key));
    }

    int stagedRows() const
    {
        return m_company
            .column(DemoCompanyCopy<>::Company,
                    QStringLiteral("select count(*) from customer_import"))
            .value(0)
            .toInt();
    }

    std::unique_ptr<demo::MarketingServer> m_server;
};

TEST_F(DownloadWindowTest, DownloadFillsTheListAndTurnsTheToolbarToTheRows)
{
    demo::MarketingServerSettings settings;
    settings.records = 2600;
    serve(settings);
    const int before = stagedRows();
    int pagesBefore = 0;
    int pagesAfter = 0;
    bool downloadOffered = false;
    bool downloadAfter = true;
    bool syncAfter = false;
    withImportList([&](FrmCus_import *imports) {
        pagesBefore = g_lPageCount;
        QToolButton *download = button(imports, "Download");
        ASSERT_NE(download, nullptr);
        downloadOffered = imports->TLB2->visibleKeys().contains(QStringLiteral("Download"))
            && download->isEnabled();
        download->click();
        settle();
        waitForPageCount();
        pagesAfter = g_lPageCount;
        downloadAfter = imports->TLB2->isButtonEnabled(QStringLiteral("Download"));
        syncAfter = imports->TLB2->isButtonEnabled(QStringLiteral("Sync"));
    });

    EXPECT_TRUE(downloadOffered);
    EXPECT_EQ(shownTexts(),
              QStringList{ text("Tarn.AA.ARCHIVE.IMPORT.downloaddone")
                               .arg(QStringLiteral("2"), QStringLiteral("2600"),
                                    QStringLiteral("2600"), QStringLiteral("0")) });
    EXPECT_EQ(stagedRows(), before + 2600);
    EXPECT_GT(pagesAfter, pagesBefore) << "the list shows the downloaded rows";
    EXPECT_FALSE(downloadAfter);
    EXPECT_TRUE(syncAfter);
}

TEST_F(DownloadWindowTest, CancelInTheProgressWindowLeavesTheStagingTableAsItWas)
{
    demo::MarketingServerSettings settings;
    settings.records = 6000;
    settings.delayMs = 3000;
    settings.failFromPage = 2;
    serve(settings);
    const auto before =
        m_company.tableSnapshot(DemoCompanyCopy<>::Company, QStringLiteral("customer_import"));
    QString progressLabel;
    bool downloadAfter = false;
    withImportList([&](FrmCus_import *imports) {
        // While page 2 is awaited, the user presses Cancel in the progress window.
        QTimer press;
        press.setInterval(50);
        QObject::connect(&press, &QTimer::timeout, [&] {
            auto *progress =
                imports->findChild<QProgressDialog *>(QStringLiteral("DownloadProgress"));
            if (!progress || m_server->pagesAsked().size() < 2)
                return;
            progressLabel = progress->labelText();
            if (auto *cancel = progress->findChild<QPushButton *>())
                cancel->click();
            press.stop();
        });
        press.start();
        button(imports, "Download")->click();
        settle();
        downloadAfter = imports->TLB2->isButtonEnabled(QStringLiteral("Download"));
    });

    EXPECT_EQ(progressLabel,
              text("Tarn.AA.ARCHIVE.IMPORT.downloadprogress")
                  .arg(QStringLiteral("2"), QStringLiteral("2500")));
    EXPECT_EQ(shownTexts(), QStringList{ text("Tarn.AA.ARCHIVE.IMPORT.downloadcancelled") });
    EXPECT_EQ(
        m_company.tableSnapshot(DemoCompanyCopy<>::Company, QStringLiteral("customer_import")),
        before);
    EXPECT_TRUE(downloadAfter) << "nothing was downloaded: the list may download again";
}
