#include "EntryFixture.h"

#include "entry/ArchiveListWindow.h"
#include "entry/ClsCustomerEvents.h"
#include "list/FrmCus.h"
#include "suite/controls/StatusBar.h"
#include "suite/controls/UpDown.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

using namespace customer;

namespace {

suite::RecordSet oneRow(const QString &value)
{
    return suite::RecordSet({ suite::Field(QStringLiteral("v"), suite::adVarWChar) },
                            { { value } });
}

// A host that answers every event with values of its own and records what it was asked.
class RecordingHost : public ClsCustomerEvents
{
public:
    QStringList calls;
    int pageCount = 1;

    void EventOpenX(const QString &strSql, suite::RecordSet &Rst, QString &sMsg) override
    {
        calls.append(QStringLiteral("OpenX ") + strSql);
        Rst = oneRow(strSql);
        sMsg = QStringLiteral("read");
    }
    void EventOpenPage(const QString &strSql, int &iPageSize, int &lCurPage, int &lMaxPageCount,
                       suite::RecordSet &RsRef, QString &sMsg, bool &bFlag) override
    {
        calls.append(QStringLiteral("OpenPage %1 %2 %3").arg(strSql).arg(iPageSize).arg(lCurPage));
        lCurPage = qMin(lCurPage, pageCount);
        lMaxPageCount = pageCount;
        RsRef = oneRow(QStringLiteral("page"));
        sMsg = QStringLiteral("paged");
        bFlag = true;
    }
    void EventGetFunAuth(const std::shared_ptr<suite::ILogin> &, const QString &sArch, int bIsLock,
                         QString &sErr, int OptId, const QString &sAuth_Id, int iYear,
                         bool &bFlag) override
    {
        calls.append(QStringLiteral("GetFunAuth %1 %2 %3 %4 %5")
                         .arg(sArch)
                         .arg(bIsLock)
                         .arg(OptId)
                         .arg(sAuth_Id)
                         .arg(iYear));
        sErr = QStringLiteral("no right");
        bFlag = true;
    }
    void EventAdd(const QString &sXML, const QString &tableName, QString &sMsg, bool &bErr) override
    {
        calls.append(QStringLiteral("Add %1 %2").arg(tableName, sXML));
        sMsg = QStringLiteral("added");
        bErr = true;
    }
    void EventModify(const QString &sXML, const QString &tableName, QString &sMsg,
                     bool &bErr) override
    {
        calls.append(QStringLiteral("Modify %1 %2").arg(tableName, sXML));
        sMsg = QStringLiteral("modified");
        bErr = true;
    }
    void EventDelete(const QVariant &id, const QString &IDName, const QString &tableName,
                     QString &sMsg, const QString &cUserId, bool &bErr) override
    {
        calls.append(
            QStringLiteral("Delete %1 %2 %3 %4").arg(id.toString(), IDName, tableName, cUserId));
        sMsg = QStringLiteral("deleted");
        bErr = true;
    }
    void EventFind(const QString &sXML, QStringList &FindTableName, QStringList &ShowTableName,
                   QString &sMsg, suite::RecordSet &Rst) override
    {
        calls.append(QStringLiteral("Find ") + sXML);
        FindTableName = { QStringLiteral("Customer") };
        ShowTableName = { QStringLiteral("Customers") };
        sMsg = QStringLiteral("found");
        Rst = oneRow(QStringLiteral("found"));
    }
    void EventExecuteX(const QString &strSql, bool &bFlag) override
    {
        calls.append(QStringLiteral("ExecuteX ") + strSql);
        bFlag = true;
    }
    void EventGetColInfo(const QString &cKey, int iReturnMode, QString &sXML) override
    {
        calls.append(QStringLiteral("GetColInfo %1 %2").arg(cKey).arg(iReturnMode));
        sXML = QStringLiteral("<Customer/>");
    }
    void EventGetColSet(const QString &cKey, int iReturnMode, suite::RecordSet &rs) override
    {
        calls.append(QStringLiteral("GetColSet %1 %2").arg(cKey).arg(iReturnMode));
        rs = oneRow(QStringLiteral("cCusCode"));
    }
    void EventSave(QString &sXML, bool &bFlag) override
    {
        calls.append(QStringLiteral("Save ") + sXML);
        sXML = QStringLiteral("refused: read-only");
        bFlag = false;
    }
    void EventGetSqlString(const QString &sXML, QString &strSql) override
    {
        calls.append(QStringLiteral("GetSqlString ") + sXML);
        strSql = QStringLiteral("cCusCode,cCusName");
    }
    void EventGetOrderString(const QString &sXML, QString &str) override
    {
        calls.append(QStringLiteral("GetOrderString ") + sXML);
        str = QStringLiteral("cCusCode desc");
    }
    void EventiCols(int &col) override
    {
        calls.append(QStringLiteral("iCols"));
        col = 7;
    }
    void EventGetFixedCols(int &fixCol) override
    {
        calls.append(QStringLiteral("GetFixedCols"));
        fixCol = 2;
    }
    void EventGetAuthString(const QString &tableName, QString &sId) override
    {
        calls.append(QStringLiteral("GetAuthString ") + tableName);
        sId = QStringLiteral("(Customer.cCCCode like '01%')");
    }
};

} // namespace

// The relay in web mode without the start-up road: the session is set by hand so that only the
// relay runs.
class WebRelayTest : public EntryTest
{
protected:
    void SetUp() override
    {
        EntryTest::SetUp();
        m_entry = ClsCustomer::create();
        g_oLogin = login();
        g_oPub = suite::createObject<suite::IPub>(QString::fromLatin1(suite::IPub::kProgId));
        g_oPub->Init(g_oLogin);
        g_bIsWeb = true;
        g_oSrv = m_entry;
        m_list = new FrmCus;
        m_list->Stb->setPanelTag(1, QStringLiteral("Ready"));
        m_entry->FrmMain = m_list;
        m_entry->connectEvents(&m_host);
    }

    void TearDown() override
    {
        delete m_list.data();
        m_entry.reset();
        EntryTest::TearDown();
    }

    std::shared_ptr<ClsCustomer> m_entry;
    QPointer<FrmCus> m_list;
    RecordingHost m_host;
};

TEST_F(WebRelayTest, EveryMemberRaisesItsEventAndReturnsTheHostsAnswer)
{
    QString sMsg;
    EXPECT_EQ(m_entry->OpenX(QStringLiteral("select 1")).Value(0).toString(),
              QStringLiteral("select 1"));
    EXPECT_EQ(m_entry->LastError(), QStringLiteral("read"));
    EXPECT_TRUE(m_entry->Add(QStringLiteral("<Customer/>"), QStringLiteral("Customer"), sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("added"));
    EXPECT_TRUE(m_entry->Modify(QStringLiteral("<Customer/>"), QStringLiteral("Customer"), sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("modified"));
    EXPECT_TRUE(m_entry->Delete(QStringLiteral("0000001"), QStringLiteral("cCusCode"),
                                QStringLiteral("Customer"), sMsg, QStringLiteral("demo")));
    EXPECT_EQ(sMsg, QStringLiteral("deleted"));
    QStringList findTables;
    QStringList showTables;
    EXPECT_EQ(m_entry->Find(QStringLiteral("<find/>"), findTables, showTables, sMsg).Value(0),
              QStringLiteral("found"));
    EXPECT_EQ(findTables, QStringList{ QStringLiteral("Customer") });
    EXPECT_EQ(showTables, QStringList{ QStringLiteral("Customers") });
    EXPECT_EQ(sMsg, QStringLiteral("found"));
    EXPECT_TRUE(m_entry->ExecuteX(QStringLiteral("update x set y=1")));
    EXPECT_TRUE(m_entry->ExecuteWith(QStringLiteral("declare @v nvarchar(9)\r\nupdate x set y=@v"),
                                     { { QStringLiteral("V"), QStringLiteral("a'b") } }));
    EXPECT_EQ(m_entry->getColInfo(QStringLiteral("Customer"), 15), QStringLiteral("<Customer/>"));
    EXPECT_EQ(m_entry->getColSet(QStringLiteral("Customer"), 1).Value(0),
              QStringLiteral("cCusCode"));
    QString saved = QStringLiteral("<Customer ckey='Customer'/>");
    EXPECT_FALSE(m_entry->Save(saved));
    EXPECT_EQ(saved, QStringLiteral("refused: read-only"));
    EXPECT_EQ(m_entry->GetSqlString(QStringLiteral("<a/>")), QStringLiteral("cCusCode,cCusName"));
    EXPECT_EQ(m_entry->GetOrderString(QStringLiteral("<a/>")), QStringLiteral("cCusCode desc"));
    EXPECT_EQ(m_entry->iCols(), 7);
    EXPECT_EQ(m_entry->GetFixedCols(), 2);
    EXPECT_EQ(m_entry->GetAuthString(QStringLiteral("Customer")),
              QStringLiteral("(Customer.cCCCode like '01%')"));
    QString sErr;
    EXPECT_TRUE(m_entry->GetFunAuth(g_oLogin, QStringLiteral("Customer"), 1, sErr, 2,
                                    QStringLiteral("AA0101"), 2026));
    EXPECT_EQ(sErr, QStringLiteral("no right"));

    EXPECT_EQ(
        m_host.calls,
        (QStringList{
            QStringLiteral("OpenX select 1"), QStringLiteral("Add Customer <Customer/>"),
            QStringLiteral("Modify Customer <Customer/>"),
            QStringLiteral("Delete 0000001 cCusCode Customer demo"), QStringLiteral("Find <find/>"),
            QStringLiteral("ExecuteX update x set y=1"),
            QStringLiteral(
                "ExecuteX declare @v nvarchar(9)\r\nset @v=N'a''b'\r\nupdate x set y=@v"),
            QStringLiteral("GetColInfo Customer 15"), QStringLiteral("GetColSet Customer 1"),
            QStringLiteral("Save <Customer ckey='Customer'/>"), QStringLiteral("GetSqlString <a/>"),
            QStringLiteral("GetOrderString <a/>"), QStringLiteral("iCols"),
            QStringLiteral("GetFixedCols"), QStringLiteral("GetAuthString Customer"),
            QStringLiteral("GetFunAuth Customer 1 2 AA0101 2026") }));
}

TEST_F(WebRelayTest, HostThatHandlesNothingGivesEmptyResults)
{
    ClsCustomerEvents silent;
    m_entry->connectEvents(&silent);
    QString sMsg;
    EXPECT_FALSE(m_entry->OpenX(QStringLiteral("select 1")).IsOpen());
    EXPECT_FALSE(m_entry->Add(QStringLiteral("<Customer/>"), QStringLiteral("Customer"), sMsg));
    EXPECT_FALSE(m_entry->ExecuteX(QStringLiteral("select 1")));
    EXPECT_TRUE(m_entry->getColInfo(QStringLiteral("Customer")).isEmpty());
    EXPECT_FALSE(m_entry->getColSet(QStringLiteral("Customer")).IsOpen());
    EXPECT_EQ(m_entry->iCols(), 0);
    EXPECT_TRUE(m_entry->GetAuthString(QStringLiteral("Customer")).isEmpty());
    int pageSize = 20;
    int page = 3;
    int pages = 9;
    suite::RecordSet rows;
    bool bFlag = false;
    m_entry->OpenPage(QStringLiteral("select 1"), pageSize, page, pages, rows, sMsg, bFlag);
    EXPECT_FALSE(rows.IsOpen());
    EXPECT_EQ(page, 3);
    EXPECT_FALSE(bFlag);
}

TEST_F(WebRelayTest, AddAndModifyRepairTheXmlWhileSaveAndDeletePassUnchanged)
{
    QString sMsg;
    const QString raw = QStringLiteral("<Customer><cCusName>R&D</cCusName></Customer>");
    m_entry->Add(raw, QStringLiteral("Customer"), sMsg);
    m_entry->Modify(raw, QStringLiteral("Customer"), sMsg);
    QString save = raw;
    m_entry->Save(save);
    m_entry->Delete(QStringLiteral("R&D"), QStringLiteral("cCusCode"), QStringLiteral("Customer"),
                    sMsg, QStringLiteral("demo"));
    ASSERT_EQ(m_host.calls.size(), 4);
    EXPECT_EQ(m_host.calls.at(0),
              QStringLiteral("Add Customer <Customer><cCusName>R&amp;D</cCusName></Customer>"));
    EXPECT_EQ(m_host.calls.at(1),
              QStringLiteral("Modify Customer <Customer><cCusName>R&amp;D</cCusName></Customer>"));
    EXPECT_EQ(m_host.calls.at(2), QStringLiteral("Save ") + raw);
    EXPECT_EQ(m_host.calls.at(3), QStringLiteral("Delete R&D cCusCode Customer demo"));
}

TEST_F(WebRelayTest, PageReadShowsThePageNumbersUnlessForAReference)
{
    int pageSize = 20;
    int page = 5;
    int pages = 0;
    suite::RecordSet rows;
    QString sMsg;
    bool bFlag = false;
    m_host.pageCount = 3;
    ASSERT_TRUE(
        m_entry->OpenPage(QStringLiteral("select *"), pageSize, page, pages, rows, sMsg, bFlag));
    EXPECT_EQ(page, 3);
    EXPECT_EQ(pages, 3);
    EXPECT_TRUE(bFlag);
    EXPECT_EQ(sMsg, QStringLiteral("paged"));
    EXPECT_EQ(g_lPageCount, 3);
    EXPECT_EQ(g_aResArgs, QStringList{ QStringLiteral("3") });
    EXPECT_EQ(m_list->EdtiCurPage->text(), QStringLiteral("3"));
    EXPECT_EQ(m_list->UpDown2->Max(), 3);
    EXPECT_EQ(m_list->LblTotalPage->text(), text("Tarn.AA.ARCHIVE.BUTTON.sumpages").arg(3));
    EXPECT_EQ(m_list->EdtiCurPage->toolTip(), m_list->LblTotalPage->text());
    EXPECT_TRUE(m_list->LblPage[0]->isEnabled());
    EXPECT_TRUE(m_list->LblPage[3]->isEnabled());
    EXPECT_EQ(m_list->Stb->panelText(1), QStringLiteral("Ready"));

    m_host.pageCount = 1;
    page = 1;
    m_entry->OpenPage(QStringLiteral("select *"), pageSize, page, pages, rows, sMsg, bFlag);
    EXPECT_FALSE(m_list->LblPage[1]->isEnabled());
    EXPECT_FALSE(m_list->LblPage[2]->isEnabled());

    m_host.pageCount = 8;
    page = 2;
    m_entry->OpenPage(QStringLiteral("select *"), pageSize, page, pages, rows, sMsg, bFlag, true);
    EXPECT_EQ(pages, 8);
    EXPECT_EQ(g_lPageCount, 1) << "a reference read leaves the list's page strip alone";
    EXPECT_EQ(m_list->EdtiCurPage->text(), QStringLiteral("1"));
    EXPECT_FALSE(m_list->LblPage[2]->isEnabled());
}

namespace {

// A host that answers a page before it has counted the rows, and counts them when asked.
class CountingLaterHost : public RecordingHost
{
public:
    qint64 rows = 0;

    void EventOpenPageUncounted(const QString &strSql, int &iPageSize, int &lCurPage,
                                int &lMaxPageCount, suite::RecordSet &RsRef, QString &,
                                bool &bFlag) override
    {
        calls.append(
            QStringLiteral("OpenPageUncounted %1 %2 %3").arg(strSql).arg(iPageSize).arg(lCurPage));
        lMaxPageCount = -1;
        QList<QVariantList> page;
        for (int row = 0; row < iPageSize; ++row)
            page.append({ QStringLiteral("c%1").arg(row) });
        suite::Field code;
        code.name = QStringLiteral("code");
        code.type = suite::adVarWChar;
        RsRef = suite::RecordSet({ code }, page);
        bFlag = true;
    }
    void EventCountPageLater(const QString &strSql, QObject *requester, PageCountDone done) override
    {
        calls.append(QStringLiteral("CountPageLater ") + strSql);
        const qint64 counted = rows;
        QMetaObject::invokeMethod(
            requester, [done, counted] { done(counted, QString()); }, Qt::QueuedConnection);
    }
};

} // namespace

// A host that can count after the page answers the page at once; the strip says it counts,
// and the count the list asks for comes through the host.
TEST_F(WebRelayTest, AHostThatCountsLaterAnswersThePageFirst)
{
    CountingLaterHost host;
    host.rows = 45;
    m_entry->connectEvents(&host);
    int pageSize = 20;
    int page = 1;
    int pages = 0;
    suite::RecordSet rows;
    QString sMsg;
    bool bFlag = false;
    ASSERT_TRUE(m_entry->OpenPageUncounted(QStringLiteral("select *"), pageSize, page, pages, rows,
                                           sMsg, bFlag));
    EXPECT_EQ(host.calls, QStringList{ QStringLiteral("OpenPageUncounted select * 20 1") });
    EXPECT_EQ(pages, -1);
    EXPECT_EQ(g_lPageCount, -1);
    EXPECT_EQ(m_list->LblTotalPage->text(), text("Tarn.AA.ARCHIVE.COMMON.countingpages"));
    EXPECT_TRUE(m_list->LblPage[2]->isEnabled()) << "a full page may have a next one";
    EXPECT_FALSE(m_list->LblPage[3]->isEnabled()) << "the last page waits for the count";

    std::optional<qint64> counted;
    m_entry->CountPageLater(QStringLiteral("select *"), m_list,
                            [&counted](qint64 lRows, const QString &) { counted = lRows; });
    QApplication::processEvents();
    EXPECT_EQ(counted, 45);
    EXPECT_EQ(host.calls.last(), QStringLiteral("CountPageLater select *"));

    // A host of the handler table alone counts with the page, as the plain page read does.
    m_entry->connectEvents(&m_host);
    m_host.pageCount = 3;
    page = 2;
    m_entry->OpenPageUncounted(QStringLiteral("select *"), pageSize, page, pages, rows, sMsg,
                               bFlag);
    EXPECT_EQ(m_host.calls.last(), QStringLiteral("OpenPage select * 20 2"));
    EXPECT_EQ(pages, 3);
    EXPECT_EQ(m_list->LblTotalPage->text(), text("Tarn.AA.ARCHIVE.BUTTON.sumpages").arg(3));
}

TEST_F(WebRelayTest, StandAlonePageReadIsTheWholeResultOfTheDataService)
{
    g_bIsWeb = false;
    g_oSrv =
        suite::createObject<suite::IClsCommon>(QString::fromLatin1(suite::IClsCommon::kProgId));
    g_oSrv->Init(connectionText());
    int pageSize = 5;
    int page = 2;
    int pages = 0;
    suite::RecordSet rows;
    QString sMsg;
    bool bFlag = false;
    m_entry->OpenPage(QStringLiteral("select cCusCode from Customer"), pageSize, page, pages, rows,
                      sMsg, bFlag);
    EXPECT_EQ(rows.RecordCount(), 20);
    EXPECT_EQ(pageSize, 5);
    EXPECT_EQ(page, 2);
    EXPECT_EQ(pages, 0);
    EXPECT_TRUE(m_host.calls.isEmpty());
    EXPECT_TRUE(m_list->EdtiCurPage->text().isEmpty());
}

TEST_F(WebRelayTest, ExpiredSessionClosesTheWindowsAfterARelayedCall)
{
    m_list->show();
    m_entry->bTimeOut = true;
    QString sErr;
    m_entry->GetFunAuth(g_oLogin, QStringLiteral("Customer"), 0, sErr, 0, QString(), 2026);
    EXPECT_TRUE(m_list->isVisible()) << "the rights question never ends the session";
    EXPECT_TRUE(shownTexts().isEmpty());

    m_entry->ExecuteX(QStringLiteral("select 1"));
    EXPECT_FALSE(m_list->isVisible());
    EXPECT_EQ(shownTexts(), QStringList{ text("Tarn.AA.ARCHIVE.COMMON.logintimeout") });
}

TEST_F(WebRelayTest, RightsClausesOfThePublicServiceComeFromTheHost)
{
    EXPECT_EQ(g_oPub->GetGetAuthString(m_entry, QStringLiteral("Customer"), std::nullopt,
                                       std::nullopt, QStringLiteral("Customer")),
              QStringLiteral("(Customer.cCCCode like '01%')"));
    EXPECT_EQ(g_oPub->GetGetAuthStringCode(m_entry, QStringLiteral("Warehouse")),
              QStringLiteral("(Customer.cCCCode like '01%')"));
    EXPECT_EQ(m_host.calls,
              (QStringList{ QStringLiteral("GetAuthString Customer"),
                            QStringLiteral("GetAuthString Warehouse") }));
    EXPECT_EQ(m_entry->GetMnemCode(QStringLiteral("长沙银行")), QStringLiteral("CSYH"));
}
