#include "EntryFixture.h"

#include "card/FrmCusAM.h"
#include "entry/ArchiveListWindow.h"
#include "suite/colset/IColumnSet.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/BusinessObject.h"
#include "suite/login/DeleteLog.h"
#include "suite/login/StoredDeleteLog.h"
#include "suite/pub/FunctionLocks.h"

#include <QLineEdit>
#include <QMessageBox>

using namespace customer;

namespace {

// Another user merging customers: no one else may enter the customer function meanwhile.
std::unique_ptr<suite::FunctionLocks> mergeHeldBySales1(const QString &connection)
{
    QString sMsg;
    auto merging =
        suite::FunctionLocks::open(connection, QStringLiteral("sales1"), QStringLiteral("Sales"),
                                   QStringLiteral("en-us"), sMsg);
    if (!merging || merging->isLocked(QStringLiteral("Customer"), 3, nullptr, sMsg)) {
        ADD_FAILURE() << qPrintable(sMsg);
        return nullptr;
    }
    return merging;
}

} // namespace

class CreateObjTest : public EntryTest
{
protected:
    bool createObj(ArchiveEntry &entry, bool web = false)
    {
        return entry.CreateObj(0, QStringLiteral("demo"), QStringLiteral("Demo"), connectionText(),
                               web);
    }
};

TEST_F(CreateObjTest, StandAloneSessionHasServicesRightsAndLimits)
{
    auto entry = ClsCustomer::create();
    entry->Init(login());
    ASSERT_TRUE(createObj(*entry));

    EXPECT_EQ(g_iRunMode, 0);
    EXPECT_FALSE(g_bIsWeb);
    EXPECT_TRUE(g_bShowFrameWeb);
    EXPECT_EQ(g_lMaxPageSize, 1000000000);
    EXPECT_EQ(g_cDBName, connectionText());
    ASSERT_TRUE(g_oSrv && g_oColSet && g_oRowAuth && g_oColAuth);
    EXPECT_NE(g_oSrv.get(), static_cast<suite::IClsCommon *>(entry.get()));
    EXPECT_EQ(g_oRowAuth, g_oLogin->RowAuth());
    EXPECT_EQ(g_sRowAuthInv, QStringLiteral("1=1"));
    EXPECT_TRUE(g_bCanAddArch);
    EXPECT_FALSE(g_DbSrvDate.isEmpty());
    ASSERT_NE(entry->listWindow(), nullptr);
    EXPECT_EQ(entry->listWindow()->m_cls, entry.get());
    // The reference lists find their default columns, captioned in the login's language.
    const QString classColumns = g_oColSet->getColInfo(QStringLiteral("RefCustomerClass"));
    EXPECT_TRUE(classColumns.contains(QStringLiteral("cCCCode"), Qt::CaseInsensitive))
        << qPrintable(classColumns);
    EXPECT_TRUE(shownTexts().isEmpty()) << qPrintable(shownTexts().join(u'|'));
}

TEST_F(CreateObjTest, ListTaskIsGivenBackRightAway)
{
    auto entry = ClsCustomer::create();
    entry->Init(login());
    ASSERT_TRUE(createObj(*entry));

    QString sMsg;
    auto other = suite::FunctionLocks::open(connectionText(), QStringLiteral("sales1"),
                                            QStringLiteral("Sales"), QStringLiteral("en-us"), sMsg);
    ASSERT_TRUE(other) << qPrintable(sMsg);
    EXPECT_FALSE(other->isLocked(QStringLiteral("Customer"), 3, nullptr, sMsg)) << qPrintable(sMsg);
}

TEST_F(CreateObjTest, MissingPublicServiceShowsItsOwnBox)
{
    QStringList boxes;
    suite::ScopedModalHandler answer([&boxes](QWidget *window) {
        if (auto *box = qobject_cast<QMessageBox *>(window))
            boxes.append(box->windowTitle() + u'|' + box->text());
    });
    suite::ScopedUnregistration noPub(QString::fromLatin1(suite::IPub::kProgId));
    auto entry = ClsCustomer::create();
    entry->Init(login());

    EXPECT_FALSE(createObj(*entry));
    EXPECT_EQ(boxes, QStringList{ QStringLiteral("Information|not find tarnpub.dll") });
    EXPECT_FALSE(g_oSrv);
}

TEST_F(CreateObjTest, EachFailingServiceStopsWithItsMessage)
{
    struct Case
    {
        const char *progId;
        const char *key;
    };
    for (const Case &failure :
         { Case{ suite::IClsCommon::kProgId, "Tarn.AA.ARCHIVE.COMMON.loadsrvdbfail" },
           Case{ suite::IColumnSet::kProgId, "Tarn.AA.ARCHIVE.COMMON.loadcolsetsvrfail" } }) {
        SCOPED_TRACE(failure.progId);
        resetSessionContext();
        m_messages = std::make_shared<suite::MessageScript>();
        suite::ClsPub::installMessageScript(m_messages);
        auto entry = ClsCustomer::create();
        entry->Init(login());
        suite::ScopedUnregistration missing(QString::fromLatin1(failure.progId));
        EXPECT_FALSE(createObj(*entry));
        EXPECT_EQ(shownTexts(), QStringList{ text(failure.key) });
        EXPECT_EQ(g_DbSrvDate, QString());
    }
}

TEST_F(CreateObjTest, DatabaseThatCannotBeOpenedStops)
{
    auto entry = ClsCustomer::create();
    entry->Init(login());
    const QString missing =
        QStringLiteral("Provider=SQLite;Data Source=/nonexistent/dir/KVDATA_001_2026.db;Initial "
                       "Catalog=KVDATA_001_2026");

    EXPECT_FALSE(entry->CreateObj(0, QStringLiteral("demo"), QStringLiteral("Demo"), missing));
    EXPECT_EQ(shownTexts(), QStringList{ text("Tarn.AA.ARCHIVE.COMMON.dbconnectfail") });
    EXPECT_FALSE(g_oColSet);
}

TEST_F(CreateObjTest, LockedFunctionReleasesTheSession)
{
    const auto merging = mergeHeldBySales1(connectionText());
    ASSERT_TRUE(merging);

    auto entry = ClsCustomer::create();
    entry->Init(login());
    EXPECT_FALSE(createObj(*entry));
    EXPECT_FALSE(g_oPub);
    EXPECT_FALSE(g_oSrv);
    EXPECT_FALSE(g_oLogin);
    EXPECT_EQ(entry->listWindow(), nullptr);
    EXPECT_EQ(m_messages->shown().size(), 1);

    // The import list is another function: the merge of customers does not hold it back.
    auto import = ClsCustomer_import::create();
    import->Init(login());
    EXPECT_TRUE(createObj(*import));
}

TEST_F(CreateObjTest, WebModeStandsInForTheServicesItself)
{
    auto entry = ClsCustomer::create();
    entry->Init(login());
    const auto colAuthBefore = g_oColAuth;
    ASSERT_TRUE(createObj(*entry, true));

    EXPECT_EQ(g_iRunMode, 1);
    EXPECT_TRUE(g_bIsWeb);
    EXPECT_EQ(g_oSrv.get(), static_cast<suite::IClsCommon *>(entry.get()));
    EXPECT_EQ(g_oColSet.get(), static_cast<suite::IColumnSet *>(entry.get()));
    EXPECT_EQ(g_oRowAuth.get(), static_cast<suite::IRowAuth *>(entry.get()));
    EXPECT_EQ(g_oColAuth, colAuthBefore);
    EXPECT_FALSE(g_bGspStarted);
    EXPECT_EQ(g_lMaxPageSize, 1000000000);
}

TEST_F(CreateObjTest, SecondInstanceReusesThePublicServiceAndReleasesNothing)
{
    auto first = ClsCustomer::create();
    first->Init(login());
    ASSERT_TRUE(createObj(*first));
    const auto pub = g_oPub;

    auto second = ClsCustomer::create();
    ASSERT_TRUE(createObj(*second));
    EXPECT_EQ(g_oPub, pub);
    second->LogOff();
    EXPECT_EQ(g_oPub, pub);
    EXPECT_TRUE(g_oSrv);

    first->LogOff();
    EXPECT_FALSE(g_oPub);
    EXPECT_FALSE(g_oSrv);
}

TEST_F(EntryTest, InitTakesTheBusinessDateAndClearsTheReferenceUrl)
{
    g_cRefUrl = QStringLiteral("http://old?refid=");
    auto entry = ClsCustomer::create();
    entry->Init(login());
    EXPECT_EQ(g_CurDate, QStringLiteral("2026-03-15"));
    EXPECT_TRUE(g_cRefUrl.isEmpty());
    entry->Init(std::shared_ptr<suite::ILogin>());
    EXPECT_TRUE(g_CurDate.isEmpty());
}

TEST_F(EntryTest, InitWebReadsDateAndUrlFromAnyCase)
{
    auto entry = ClsCustomer::create();
    QString sXML = QStringLiteral("<Login CurDate='2026-04-01' URL='http://web/ref'/>");
    entry->InitWeb(sXML);
    EXPECT_EQ(g_CurDate, QStringLiteral("2026-04-01"));
    EXPECT_EQ(g_cRefUrl, QStringLiteral("http://web/ref?refid="));

    QString broken = QStringLiteral("<login curdate='2026-04-02'");
    entry->InitWeb(broken);
    EXPECT_EQ(g_CurDate, QStringLiteral("2026-04-01"));
    ASSERT_EQ(m_messages->shown().size(), 1);
}

class OperatingTest : public EntryTest
{
protected:
    // The card the modal road shows, as the user would see it.
    struct CardSeen
    {
        int state = 0;
        QString code;
        int runMode = -1;
        int maxPageSize = 0;
        bool fieldCatalogueBuilt = false;
    };

    suite::ScopedModalHandler seeCard(CardSeen &seen, bool save)
    {
        return suite::ScopedModalHandler([&seen, save](QWidget *window) {
            auto *card = qobject_cast<FrmCusAM *>(window);
            ASSERT_NE(card, nullptr);
            seen.state = card->state();
            seen.code = card->Edt(0)->text();
            seen.runMode = g_iRunMode;
            seen.maxPageSize = g_lMaxPageSize;
            seen.fieldCatalogueBuilt = !g_cFieldCatalogXml.isEmpty();
            if (save) {
                card->m_cls->setSaved(true);
                card->m_cls->setXmlData(
                    QStringLiteral("<Customer><cCusCode>0000002</cCusCode></Customer>"));
            }
        });
    }
};

TEST_F(OperatingTest, UnknownRoadShowsItsMessageAndCreatesNothing)
{
    auto entry = ClsCustomer::create();
    QString sXML = QStringLiteral("<customer/>");
    bool bSaved = true;
    entry->Operating(login(), sXML, bSaved, 2);
    EXPECT_EQ(shownTexts(), QStringList{ text("Tarn.AA.CUSTOMER.CLSCUSTOMER.184_1") });
    EXPECT_FALSE(g_oPub);
    EXPECT_FALSE(g_oSrv);
    EXPECT_EQ(entry->listWindow(), nullptr);
    EXPECT_EQ(sXML, QStringLiteral("<customer/>"));
}

TEST_F(OperatingTest, ModalCardWritesBackWhatItSaved)
{
    CardSeen seen;
    const auto handler = seeCard(seen, true);
    auto entry = ClsCustomer::create();
    QString sXML = QStringLiteral("<Customer><cCusCode>0000002</cCusCode></Customer>");
    bool bSaved = false;
    entry->Operating(login(), sXML, bSaved, 3);

    EXPECT_EQ(seen.state, 13);
    EXPECT_EQ(seen.code, QStringLiteral("0000002"));
    EXPECT_EQ(seen.runMode, 2);
    EXPECT_EQ(seen.maxPageSize, 10000);
    EXPECT_TRUE(seen.fieldCatalogueBuilt);
    EXPECT_TRUE(bSaved);
    EXPECT_EQ(sXML, QStringLiteral("<Customer><cCusCode>0000002</cCusCode></Customer>"));
    EXPECT_FALSE(g_oSrv) << "the modal road releases the session";
    EXPECT_EQ(entry->cardWindow(), nullptr);
}

TEST_F(OperatingTest, AddingHoldsBackWhileSomeoneMerges)
{
    const auto merging = mergeHeldBySales1(connectionText());
    ASSERT_TRUE(merging);

    CardSeen seen;
    const auto handler = seeCard(seen, false);
    auto entry = ClsCustomer::create();
    QString sXML = QStringLiteral("<customer/>");
    bool bSaved = false;
    entry->Operating(login(), sXML, bSaved, 1);
    EXPECT_EQ(seen.state, 0) << "no card is shown";
    EXPECT_FALSE(g_oPub) << "the locked road cleans up";
}

TEST_F(OperatingTest, XmlThatDoesNotParseStops)
{
    CardSeen seen;
    const auto handler = seeCard(seen, false);
    auto entry = ClsCustomer::create();
    QString sXML = QStringLiteral("<customer><ccuscode>1</customer>");
    bool bSaved = false;
    entry->Operating(login(), sXML, bSaved, 3);
    EXPECT_EQ(shownTexts(), QStringList{ text("Tarn.AA.ARCHIVE.COMMON.xmlloaderror") });
    EXPECT_EQ(seen.state, 0);
}

TEST_F(OperatingTest, PortalCardStaysOpenWithItsCodeLocked)
{
    PortalRecord shown;
    const auto user = login();
    auto entry = ClsCustomer::create();
    entry->setBusiness(portal(user, shown));
    QString sXML = QStringLiteral("<customer inpotal='1'><ccuscode>0000003</ccuscode></customer>");
    bool bSaved = false;
    entry->Operating(user, sXML, bSaved, 3);

    ASSERT_EQ(shown.forms.size(), 1);
    auto *card = qobject_cast<FrmCusAM *>(shown.forms.first());
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card, entry->cardWindow());
    EXPECT_TRUE(card->m_InPotal);
    EXPECT_EQ(card->state(), 13);
    EXPECT_FALSE(card->Edt(0)->isEnabled());
    EXPECT_FALSE(bSaved);
    EXPECT_EQ(sXML,
              QStringLiteral("<customer inpotal='1'><ccuscode>0000003</ccuscode></customer>"));
    EXPECT_TRUE(g_oSrv) << "the portal road keeps the session";
}

TEST_F(OperatingTest, DeleteLogOpensTheCardOnTheLogsLogin)
{
    CardSeen seen;
    const auto handler = seeCard(seen, false);
    const auto user = login();
    // The log keeps the customer as it was; the table no longer has it.
    auto log = std::make_shared<suite::DeleteLog>(user);
    auto service = suite::createObject<suite::IClsCommon>(suite::IClsCommon::kProgId);
    service->Init(connectionText());
    log->keepRecordset(QStringLiteral("Customer"),
                       service->OpenX(QStringLiteral("select * from Customer where "
                                                     "cCusCode='0000006'")));
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("delete from Customer where cCusCode='0000006'"));
    auto entry = ClsCustomer::create();
    entry->ShowDelLog(log);
    EXPECT_EQ(seen.state, 14);
    EXPECT_EQ(seen.code, QStringLiteral("0000006"));
    EXPECT_TRUE(shownTexts().isEmpty()) << qPrintable(shownTexts().join(u'|'));
}

TEST_F(OperatingTest, AMergedCustomerOpensFromTheCompanysDeleteLog)
{
    CardSeen seen;
    const auto handler = seeCard(seen, false);
    const auto user = login();
    auto service = suite::createObject<suite::IClsCommon>(suite::IClsCommon::kProgId);
    service->Init(connectionText());
    QString sMsg;
    ASSERT_TRUE(service->Modify(QStringLiteral("<Customer Operating ='Unite'><Code1>0000006"
                                               "</Code1><Code2>0000007</Code2></Customer>"),
                                QStringLiteral("Customer"), sMsg))
        << qPrintable(sMsg);
    const auto log = suite::storedDeleteLog(*service, user, QStringLiteral("customer"),
                                            QStringLiteral("0000006"), sMsg);
    ASSERT_TRUE(log) << qPrintable(sMsg);
    auto entry = ClsCustomer::create();
    entry->ShowDelLog(log);
    EXPECT_EQ(seen.state, 14);
    EXPECT_EQ(seen.code, QStringLiteral("0000006"));
    EXPECT_FALSE(suite::storedDeleteLog(*service, user, QStringLiteral("customer"),
                                        QStringLiteral("0000007"), sMsg))
        << "the survivor left nothing in the log";
}

TEST_F(OperatingTest, ShowModelessWithACodeOpensThatCustomersCard)
{
    CardSeen seen;
    const auto handler = seeCard(seen, false);
    PortalRecord shown;
    auto entry = ClsCustomer::create();
    entry->setBusiness(portal(login(), shown));
    entry->ShowModeless(QStringLiteral("AA0101"), QStringLiteral("Customers"), QString(),
                        QStringLiteral("AA0101\t0000004"));
    EXPECT_EQ(seen.state, 13);
    EXPECT_EQ(seen.code, QStringLiteral("0000004"));
    EXPECT_TRUE(shown.forms.isEmpty());
}

TEST_F(OperatingTest, ShowModelessWithoutACodeShowsTheListInThePortal)
{
    PortalRecord shown;
    auto entry = ClsCustomer::create();
    entry->setBusiness(portal(login(), shown));
    EXPECT_EQ(entry->ILoginable_CallFunction(QStringLiteral("AA0101"), QStringLiteral("Customers"),
                                             QString(), QStringLiteral("AA0101")),
              nullptr);
    ASSERT_EQ(shown.forms.size(), 1);
    auto *list = qobject_cast<ArchiveListWindow *>(shown.forms.first());
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->m_InPotal);
    EXPECT_EQ(QString::fromLatin1(list->metaObject()->className()),
              QStringLiteral("customer::FrmCus"));
    EXPECT_TRUE(g_oSrv);
}

TEST_F(EntryTest, ShowByCsPreselectsCodeAndClass)
{
    struct ListSeen
    {
        QString code;
        bool findCode = true;
        QString classCode;
        QString codeField;
        bool inPortal = true;
    };
    const auto showList = [this](const QString &paraXml) {
        ListSeen seen;
        suite::ScopedModalHandler handler([&seen](QWidget *window) {
            auto *list = qobject_cast<ArchiveListWindow *>(window);
            ASSERT_NE(list, nullptr);
            seen = { list->CodeValue, list->IsFindCode, list->ClassCode, list->CodeFldName,
                     list->m_InPotal };
        });
        auto entry = ClsCustomer::create();
        entry->ShowByCS(login(), paraXml);
        EXPECT_FALSE(g_oSrv) << "the modal list releases the session";
        return seen;
    };

    const ListSeen both =
        showList(QStringLiteral("<r primarykeyvalue=' 0000005 ' classprimarykeyvalue='0102'/>"));
    EXPECT_EQ(both.code, QStringLiteral("0000005"));
    EXPECT_TRUE(both.findCode);
    EXPECT_EQ(both.classCode, QStringLiteral("0102"));
    EXPECT_EQ(both.codeField, QStringLiteral("cCusCode"));
    EXPECT_FALSE(both.inPortal);

    const ListSeen codeOnly = showList(QStringLiteral("<r primarykeyvalue='0000005'/>"));
    EXPECT_TRUE(codeOnly.findCode);
    EXPECT_TRUE(codeOnly.classCode.isEmpty());

    EXPECT_FALSE(showList(QStringLiteral("<r primarykeyvalue=")).findCode);
    EXPECT_FALSE(showList(QString()).findCode);
}
