#include "app/HostOptions.h"
#include "app/WebHost.h"

#include "ArchivePlugInSetup.h"
#include "DemoCompanyCopy.h"
#include "card/FrmCusAM.h"
#include "entry/ArchiveListWindow.h"
#include "entry/ClsCustomer.h"
#include "entry/SessionContext.h"
#include "list/FrmCus.h"
#include "suite/SuiteServices.h"
#include "suite/controls/Grid.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/login/ClsLogin.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/MessageScript.h"
#include "suite/pub/ResourceTable.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QThread>

#include <gtest/gtest.h>

using namespace host;

namespace {

QStringList firstColumn(const suite::RecordSet &rows)
{
    QStringList values;
    for (int row = 0; row < rows.RecordCount(); ++row)
        values.append(rows.valueAt(row, 0).toString());
    return values;
}

// The customer entry in web mode with a web host answering its events, as a web server runs it;
// every message box is recorded and answered OK.
class WebHostEntryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(company.ok()) << qPrintable(company.error());
        suite::registerSuiteServices();
        customer::registerCustomerComponent();
        customer::resetSessionContext();
        suite::ClsPub::installMessageScript(messages);

        HostOptions options;
        options.businessDate = QDate(2026, 3, 15);
        QString sMsg;
        host = WebHost::open(webLoginRequest(options, company.database()), sMsg);
        ASSERT_TRUE(host) << qPrintable(sMsg);
        entry = customer::ClsCustomer::create();
        ASSERT_TRUE(host->start(entry, QStringLiteral("http://localhost/ref")))
            << qPrintable(shownTexts().join(u'|'));
    }

    QStringList shownTexts() const
    {
        QStringList texts;
        for (const suite::MessageScript::Shown &shown : messages->shown())
            texts.append(shown.text);
        return texts;
    }

    void TearDown() override
    {
        entry.reset();
        host.reset();
        customer::resetSessionContext();
        suite::ClsPub::installMessageScript(nullptr);
    }

    QStringList companyColumn(const QString &sql) const
    {
        return company.column(Company::Company, sql);
    }

    using Company = DemoCompanyCopy<200>;
    Company company;
    std::shared_ptr<suite::MessageScript> messages = std::make_shared<suite::MessageScript>();
    std::unique_ptr<WebHost> host;
    std::shared_ptr<customer::ClsCustomer> entry;
};

TEST_F(WebHostEntryTest, TheEntrysDataCallsReachTheCompanyDatabaseThroughTheHost)
{
    EXPECT_EQ(customer::g_CurDate, QStringLiteral("2026-03-15"));
    EXPECT_EQ(customer::g_cRefUrl, QStringLiteral("http://localhost/ref?refid="));
    EXPECT_GT(host->requestCount(), 0) << "the session's start-up already asks the host";

    const QStringList codes =
        companyColumn(QStringLiteral("select cCusCode from Customer order by cCusCode"));
    EXPECT_EQ(firstColumn(entry->OpenX(
                  QStringLiteral("select top 3 cCusCode from Customer order by cCusCode"))),
              codes.mid(0, 3));

    int pageSize = 7;
    int page = 2;
    int pages = 0;
    suite::RecordSet rows;
    QString sMsg;
    bool bFlag = false;
    EXPECT_TRUE(entry->OpenPage(QStringLiteral("select cCusCode from Customer order by cCusCode"),
                                pageSize, page, pages, rows, sMsg, bFlag, true));
    EXPECT_TRUE(bFlag) << qPrintable(sMsg);
    EXPECT_EQ(page, 2);
    EXPECT_EQ(pages, int((codes.size() + 6) / 7));
    EXPECT_EQ(firstColumn(rows), codes.mid(7, 7));

    const QString record = QStringLiteral("<Customer><cCusCode>W001</cCusCode>"
                                          "<cCusName>网页客户</cCusName>"
                                          "<cCusAbbName>网页</cCusAbbName></Customer>");
    EXPECT_TRUE(entry->Add(record, QStringLiteral("Customer"), sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(companyColumn(QStringLiteral("select cCusAbbName from Customer where"
                                           " cCusCode='W001'")),
              QStringList{ QStringLiteral("网页") });
    EXPECT_FALSE(entry->Add(record, QStringLiteral("Customer"), sMsg));
    EXPECT_EQ(sMsg,
              QStringLiteral("The customer code 'W001' is already used by the customer "
                             "'W001'."));
    EXPECT_EQ(entry->GetAuthString(QStringLiteral("Customer")), QStringLiteral("1=1"));
    EXPECT_TRUE(messages->shown().isEmpty());
}

TEST_F(WebHostEntryTest, AnExpiredSessionClosesTheEntrysWindowsAfterTheAnswer)
{
    ASSERT_TRUE(entry->listWindow());
    entry->listWindow()->show();
    host->setRequestLimit(host->requestCount() + 1);
    const suite::RecordSet rows =
        entry->OpenX(QStringLiteral("select top 1 cCusCode from Customer"));
    EXPECT_EQ(rows.RecordCount(), 1) << "the last request of the session is answered";
    EXPECT_TRUE(entry->bTimeOut);
    EXPECT_FALSE(entry->listWindow() && entry->listWindow()->isVisible());
    ASSERT_EQ(messages->shown().size(), 1);
    EXPECT_EQ(messages->shown().first().text,
              suite::ResourceTable::builtIn(QStringLiteral("zh-CN"))
                  .text(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.logintimeout")));
}

} // namespace

namespace {

TEST_F(WebHostEntryTest, TheListShowsItsFirstPageThroughTheHostInCodeOrder)
{
    // A customer stored last whose code comes first.
    company.run(Company::Company,
                QStringLiteral("create temp table late as select * from Customer where cCusCode ="
                               " (select max(cCusCode) from Customer);"
                               "update late set cCusCode = '0000000';"
                               "insert into Customer select * from late;"));
    auto *list = entry->listWindow();
    ASSERT_TRUE(list);
    bool pageShown = false;
    QObject::connect(list, &customer::ArchiveListWindow::pageShown, list,
                     [&pageShown] { pageShown = true; });
    list->show();
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
    EXPECT_TRUE(pageShown);
    EXPECT_TRUE(shownTexts().isEmpty()) << qPrintable(shownTexts().join(u'|'));
    auto *frame = dynamic_cast<customer::FrmCus *>(list);
    ASSERT_TRUE(frame);
    ASSERT_GT(frame->Grid->Rows(), 2);
    QStringList codes;
    for (int row = 1; row < frame->Grid->Rows(); ++row)
        codes.append(frame->Grid->TextMatrix(row, frame->iKeyPos));
    EXPECT_EQ(codes.first(), QStringLiteral("0000000"));
    QStringList sorted = codes;
    sorted.sort();
    EXPECT_EQ(codes, sorted);
    list->close();
}

TEST_F(WebHostEntryTest, TheQuickSearchNarrowsTheListThroughTheHost)
{
    auto *frame = dynamic_cast<customer::FrmCus *>(entry->listWindow());
    ASSERT_TRUE(frame);
    frame->show();
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
    ASSERT_TRUE(frame->EdtSearch->isVisibleTo(frame)) << "the web page's list has its toolbar";
    const QStringList expected = companyColumn(
        "select cCusCode from Customer where coalesce(bTransFlag,0)=0 and (cCusName like '%科技%' "
        "or cCusAbbName like '%科技%') order by cCusCode");
    ASSERT_FALSE(expected.isEmpty());
    frame->EdtSearch->setFocus();
    for (const QChar c : QStringLiteral("科技")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(frame->EdtSearch, &press);
    }
    QStringList codes;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 2000) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
        codes.clear();
        for (int row = 1; row < frame->Grid->Rows(); ++row)
            codes.append(frame->Grid->TextMatrix(row, frame->iKeyPos));
        if (codes == expected.mid(0, codes.size()) && codes.size() == qMin(expected.size(), 100))
            break;
    }
    EXPECT_EQ(codes, expected.mid(0, 100));
    EXPECT_TRUE(shownTexts().isEmpty()) << qPrintable(shownTexts().join(u'|'));
    frame->close();
}

} // namespace

namespace {

TEST_F(WebHostEntryTest, TheCardAndTheListCallNoPlugInInWebMode)
{
    ITestPlugInProbe *probe = testPlugInProbe();
    ASSERT_NE(probe, nullptr);
    probe->reset();
    configureArchivePlugIn(company, QStringLiteral("Probe"),
                           QStringLiteral(TEST_ARCHIVE_PLUGIN_PATH));
    auto *list = dynamic_cast<customer::FrmCus *>(entry->listWindow());
    ASSERT_TRUE(list);
    list->show();
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
    ASSERT_GT(list->Grid->Rows(), 3);
    list->Grid->setRow(1);
    bool shown = false;
    suite::ScopedModalHandler user([&](QWidget *window) {
        auto *card = qobject_cast<customer::FrmCusAM *>(window);
        ASSERT_TRUE(card);
        shown = true;
        card->show();
        for (int round = 0; round < 4; ++round)
            QCoreApplication::processEvents();
        card->Operating(QStringLiteral("Next"));
        card->SSTab1->setCurrentIndex(2);
        EXPECT_EQ(card->SSTab1->count(), 8) << "no plug-in page";
        card->close();
    });
    list->Operating(QStringLiteral("Modify"));
    EXPECT_TRUE(shown);

    const QStringList free = companyColumn(QStringLiteral(
        "select cCusCode from Customer where cCusCode not in (select cDwCode from Ar_Detail)"));
    bool ticked = false;
    for (int row = 1; row < list->Grid->Rows() && !ticked; ++row) {
        if (free.contains(list->Grid->TextMatrix(row, list->iKeyPos))) {
            list->Grid->setTextMatrix(row, 1, QStringLiteral("Y"));
            ticked = true;
        }
    }
    ASSERT_TRUE(ticked);
    *messages = suite::MessageScript({ suite::MessageStyle::kYes });
    suite::ScopedModalHandler results([](QWidget *window) { window->close(); });
    list->Operating(QStringLiteral("Delete"));
    EXPECT_TRUE(list->bDelSuccess);
    EXPECT_EQ(probe->calls(), QStringList());
    list->close();
    probe->reset();
}

} // namespace
