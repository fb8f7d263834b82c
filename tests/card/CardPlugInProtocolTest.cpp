#include "ArchivePlugInSetup.h"
#include "CardWindowFixture.h"

#include "suite/controls/Toolbar.h"
#include "suite/core/ErrorLog.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

const QString kLoaded = u"LoadPlugInControls(FrmCusAM,SSTab1,0,0,0,0)"_s;
constexpr int kCardPages = 8;

// The card with the recording test plug-in configured for the account: what the plug-in was
// called with, in order, is the card's side of the protocol.
class CardPlugInTest : public CardCommandTest
{
protected:
    void SetUp() override
    {
        CardCommandTest::SetUp();
        m_probe = testPlugInProbe();
        ASSERT_NE(m_probe, nullptr);
        m_probe->reset();
        suite::ErrorLog::instance().clear();
        configureArchivePlugIn(m_company, u"Probe"_s, QStringLiteral(TEST_ARCHIVE_PLUGIN_PATH));
    }

    void TearDown() override
    {
        CardCommandTest::TearDown();
        m_probe->reset();
    }

    // The calls since the n-th.
    QStringList callsFrom(qsizetype n) const { return m_probe->calls().mid(n); }

    static QStringList started(const QString &init, const QString &start)
    {
        return { u"SetTarnArchiveDbSrv"_s, init, start, kLoaded };
    }

    static QStringList errorTexts()
    {
        QStringList texts;
        for (const auto &entry : suite::ErrorLog::instance().entries())
            texts.append(entry.where + u": "_s + entry.text);
        return texts;
    }

    ITestPlugInProbe *m_probe = nullptr;
};

// What Talk answers on a new customer of the class given, before anything was typed.
QString emptyTalk(const QString &classCode)
{
    return u"<PlugInTalkData RequestID=\"TestPlugIn\" From=\"DRP\">"
           "<TalkData FieldName=\"cCusCode\"></TalkData>"
           "<TalkData FieldName=\"cCusName\"></TalkData>"
           "<TalkData FieldName=\"cCusCCode\">%1</TalkData>"
           "<TalkData FieldName=\"cSendWh\"></TalkData>"
           "<TalkData FieldName=\"cCusCreGrade\"></TalkData>"
           "<TalkData FieldName=\"iCusCreLine\"></TalkData>"
           "</PlugInTalkData>"_s.arg(classCode);
}

QString init(const QString &code)
{
    return code.isEmpty() ? u"Init(,no rs)"_s : u"Init(%1,rs=%1)"_s.arg(code);
}

TEST_F(CardPlugInTest, AddingStartsThePlugInsOnceTheNewCustomerIsDefaultedAndAgainWhenSaved)
{
    ASSERT_TRUE(openList());
    FrmCusAM *card = openCard(u"Add"_s);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(m_probe->calls(), started(init({}), u"StartAdd"_s));
    ASSERT_EQ(card->SSTab1->count(), kCardPages + 1);
    EXPECT_EQ(card->SSTab1->tabText(kCardPages), u"Test plug-in"_s);
    ASSERT_EQ(m_probe->talks().size(), 1);
    EXPECT_EQ(m_probe->talks().first(), emptyTalk(card->Edt(3)->text()))
        << "the class the list's tree stands on";

    const qsizetype beforeSave = m_probe->calls().size();
    retype(card->Edt(0), u"P0001"_s);
    retype(card->Edt(1), u"Plug-in & Partner Trading"_s);
    retype(card->Edt(2), u"P&P"_s);
    card->Operating(u"SaveRs"_s);
    ASSERT_EQ(stored(u"cCusAbbName"_s, u"P0001"_s), u"P&P"_s);
    EXPECT_EQ(callsFrom(beforeSave), started(init(u"P0001"_s), u"StartModify"_s));
    EXPECT_TRUE(m_probe->talks().last().contains(
        u"<TalkData FieldName=\"cCusName\">Plug-in &amp; Partner Trading</TalkData>"_s))
        << qPrintable(m_probe->talks().last());

    const qsizetype beforeClose = m_probe->calls().size();
    card->close();
    EXPECT_EQ(callsFrom(beforeClose), QStringList{ u"UnLoadPlugInControls"_s });
    EXPECT_EQ(card->archivePlugin(), nullptr) << "the card lets go of its plug-ins";
}

TEST_F(CardPlugInTest, ANewCustomerFromTheEntryClassTalksSixEmptyFields)
{
    bool seen = false;
    suite::ScopedModalHandler modal([&](QWidget *window) {
        seen = true;
        EXPECT_EQ(m_probe->calls(), started(init({}), u"StartAdd"_s));
        ASSERT_EQ(m_probe->talks().size(), 1);
        EXPECT_EQ(m_probe->talks().first(), emptyTalk({}));
        window->close();
    });
    m_entry = ClsCustomer::create();
    QString xml = u"<customer inpotal='0'/>"_s;
    bool saved = false;
    m_entry->Operating(login(), xml, saved, 1);
    EXPECT_TRUE(seen);
}

TEST_F(CardPlugInTest, ModifyAndEveryMoveStartTheRecordShownWithItsCodeAndRecordSet)
{
    ASSERT_TRUE(openList());
    const QString first = m_list->Grid->TextMatrix(1, m_list->iKeyPos);
    const QString second = m_list->Grid->TextMatrix(2, m_list->iKeyPos);
    const QString last = m_list->Grid->TextMatrix(m_list->Grid->Rows() - 1, m_list->iKeyPos);
    FrmCusAM *card = openOnRow(1);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(m_probe->calls(), started(init(first), u"StartModify"_s));

    qsizetype seen = m_probe->calls().size();
    card->Operating(u"Next"_s);
    EXPECT_EQ(callsFrom(seen), started(init(second), u"StartModify"_s));
    seen = m_probe->calls().size();
    card->Operating(u"Last"_s);
    EXPECT_EQ(callsFrom(seen), started(init(last), u"StartModify"_s));
    EXPECT_EQ(card->SSTab1->count(), kCardPages + 1) << "the plug-in's page is loaded once";
    EXPECT_TRUE(m_probe->talks().last().contains(
        u"<TalkData FieldName=\"cCusCode\">%1</TalkData>"_s.arg(last)));
}

TEST_F(CardPlugInTest, InitSayingNoUnloadsTheControlsAndStopsTheStartAndTheTabNotices)
{
    m_probe->setInitAnswers({ u"refuse"_s, u"accept"_s });
    ASSERT_TRUE(openList());
    const QString first = m_list->Grid->TextMatrix(1, m_list->iKeyPos);
    const QString second = m_list->Grid->TextMatrix(2, m_list->iKeyPos);
    FrmCusAM *card = openOnRow(1);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(m_probe->calls(),
              (QStringList{ u"SetTarnArchiveDbSrv"_s, init(first), u"UnLoadPlugInControls"_s }));
    EXPECT_EQ(card->SSTab1->count(), kCardPages);
    qsizetype seen = m_probe->calls().size();
    card->SSTab1->tabBar()->setCurrentIndex(1);
    card->SSTab1->tabBar()->setCurrentIndex(2);
    EXPECT_EQ(callsFrom(seen), QStringList()) << "no tab notice while Init said no";

    card->Operating(u"Next"_s);
    seen = m_probe->calls().size();
    card->SSTab1->tabBar()->setCurrentIndex(3);
    card->SSTab1->tabBar()->setCurrentIndex(kCardPages);
    EXPECT_EQ(callsFrom(seen), (QStringList{ u"TabPageChanged(3,2)"_s, u"TabPageChanged(8,3)"_s }));
    EXPECT_TRUE(m_probe->talks().last().contains(second));
}

TEST_F(CardPlugInTest, TheInvoiceAndAddressDialogsHandTheirFragmentsToThePlugIns)
{
    ASSERT_TRUE(openList());
    FrmCusAM *card = openOnRow(1);
    ASSERT_NE(card, nullptr);
    const QString code = card->Edt(0)->text();
    suite::ScopedModalHandler user([&](QWidget *window) {
        window->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    const qsizetype seen = m_probe->calls().size();
    for (const QString &key : { u"Invoice"_s, u"Person"_s, u"cusAddress"_s, u"CusBank"_s })
        card->Operating(key);
    const QStringList calls = callsFrom(seen);
    ASSERT_EQ(calls.size(), 2) << qPrintable(calls.join(u'\n'));
    EXPECT_TRUE(calls.at(0).startsWith(u"TarnArchiveDataChanged(<cusinvoicecorp>"_s))
        << qPrintable(calls.at(0));
    EXPECT_TRUE(calls.at(0).contains(code));
    EXPECT_TRUE(calls.at(1).startsWith(u"TarnArchiveDataChanged(<addr>"_s))
        << qPrintable(calls.at(1));
}

TEST_F(CardPlugInTest, NoticesSaveSetTheCreditFieldsAndKeepLicences)
{
    ASSERT_TRUE(openList());
    FrmCusAM *card = openOnRow(1);
    ASSERT_NE(card, nullptr);
    const QString code = card->Edt(0)->text();
    ASSERT_FALSE(card->TLB2->isButtonEnabled(u"SaveRs"_s));

    EXPECT_EQ(m_probe->notify(u"cCUSCREGRADE"_s, u"AA"_s), QVariant(true));
    EXPECT_EQ(m_probe->notify(u"iCusCreLine"_s, 250000.5), QVariant(true));
    EXPECT_EQ(card->Edt(24)->text(), u"AA"_s);
    EXPECT_EQ(card->Edt(25)->text(), u"250000.5"_s);
    EXPECT_FALSE(card->Edt(24)->isEnabled());
    EXPECT_FALSE(card->Edt(25)->isEnabled());
    EXPECT_FALSE(card->TLB2->isButtonEnabled(u"SaveRs"_s)) << "a value set is no save yet";
    m_probe->notify(u"Button_SAVE"_s, {});
    ASSERT_TRUE(card->TLB2->isButtonEnabled(u"SaveRs"_s));
    card->Operating(u"SaveRs"_s);
    EXPECT_EQ(stored(u"cCusCreGrade"_s, code), u"AA"_s);
    EXPECT_DOUBLE_EQ(stored(u"iCusCreLine"_s, code).toDouble(), 250000.5);

    // Another record gets its fields back.
    card->Operating(u"Next"_s);
    EXPECT_TRUE(card->Edt(24)->isEnabled());
    EXPECT_TRUE(card->Edt(25)->isEnabled());

    // A value the field cannot hold is refused and changes nothing.
    const QString grade = card->Edt(24)->text();
    EXPECT_EQ(m_probe->notify(u"iCusCreLine"_s, u"plenty"_s), QVariant(false));
    EXPECT_EQ(m_probe->notify(u"cCusCreGrade"_s, u"AAAAAAA"_s), QVariant(false));
    EXPECT_EQ(card->Edt(24)->text(), grade);
    EXPECT_TRUE(card->Edt(25)->isEnabled());
    EXPECT_EQ(errorTexts().size(), 2) << qPrintable(errorTexts().join(u'\n'));

    // Licences: a class of the suite gets its key; a class the plug-in brings keeps its first.
    const QString suiteClass = QString::fromLatin1(suite::IClsCommon::kProgId);
    const QVariant key = m_probe->notify(u"Licenses"_s, suiteClass);
    EXPECT_EQ(key.toString(), suite::ObjectFactory::instance().runtimeLicenceKey(suiteClass));
    EXPECT_EQ(key.toString().size(), 32);
    EXPECT_EQ(card->controlLicences().key(suiteClass), key.toString());
    EXPECT_EQ(m_probe->notify(u"Licenses"_s, u"Nobody.Control"_s), QVariant(QString()));
    m_probe->notify(u"LicensesForClient"_s, u"Vendor.Chart"_s, u"KEY-1"_s);
    m_probe->notify(u"licensesforclient"_s, u"vendor.chart"_s, u"KEY-2"_s);
    EXPECT_EQ(card->controlLicences().key(u"Vendor.Chart"_s), u"KEY-1"_s);
    EXPECT_EQ(card->controlLicences().count(), 2);
    EXPECT_EQ(m_probe->notify(u"SomethingElse"_s, u"x"_s, u"kept"_s), QVariant(u"kept"_s));
}

TEST_F(CardPlugInTest, ACardTheUserMayOnlyReadTakesNoValuesFromAPlugIn)
{
    const QString code = firstCode(u"1=1"_s);
    bool seen = false;
    suite::ScopedModalHandler modal([&](QWidget *window) {
        auto *card = qobject_cast<FrmCusAM *>(window);
        ASSERT_NE(card, nullptr);
        seen = true;
        card->show();
        settle();
        EXPECT_EQ(m_probe->calls(), (QStringList{ u"SetTarnArchiveDbSrv"_s, init(code), kLoaded }))
            << "a viewed customer is named but not started";
        const QString grade = card->Edt(24)->text();
        EXPECT_EQ(m_probe->notify(u"cCusCreGrade"_s, u"Z"_s), QVariant(false));
        EXPECT_EQ(card->Edt(24)->text(), grade);
        card->close();
    });
    m_entry = ClsCustomer::create();
    QString xml = u"<customer><ccuscode>%1</ccuscode></customer>"_s.arg(code);
    bool saved = false;
    m_entry->Operating(login(), xml, saved, 3);
    EXPECT_TRUE(seen);
}

TEST_F(CardPlugInTest, AFailingPlugInIsLoggedAndTheCardGoesOn)
{
    m_probe->setInitAnswers({ u"throw"_s, u"close"_s });
    m_probe->setThrowingMember(u"TabPageChanged"_s);
    ASSERT_TRUE(openList());
    FrmCusAM *card = openOnRow(1);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(callsFrom(1).mid(0, 2),
              (QStringList{ init(card->Edt(0)->text()), u"UnLoadPlugInControls"_s }))
        << "a plug-in that failed to start is taken as one that said no";
    card->Operating(u"Next"_s);
    EXPECT_EQ(callsFrom(m_probe->calls().size() - 2), (QStringList{ u"StartModify"_s, kLoaded }));
    card->SSTab1->tabBar()->setCurrentIndex(1);
    EXPECT_EQ(card->SSTab1->currentIndex(), 1);
    const QStringList errors = errorTexts();
    ASSERT_EQ(errors.size(), 3) << qPrintable(errors.join(u'\n'));
    EXPECT_EQ(errors.at(0), u"ArchivePlugIn Probe: Init failed: test plug-in cannot start"_s);
    EXPECT_EQ(errors.at(1),
              u"ArchivePlugIn Probe: Init handed back a closed record set; the "
              "card keeps its own."_s);
    EXPECT_TRUE(errors.at(2).startsWith(u"ArchivePlugIn Probe: TabPageChanged failed: "_s));
    retype(card->Edt(16), u"020-1234"_s);
    card->Operating(u"SaveRs"_s);
    EXPECT_EQ(stored(u"cCusFax"_s, card->Edt(0)->text()), u"020-1234"_s);
}

TEST_F(CardPlugInTest, AConfiguredPlugInMissingOnThisClientIsToldOnceAndTheCardWorks)
{
    m_company.run(DemoCompanyCopy<>::System, u"delete from AA_ArchivePlugIn"_s);
    configureArchivePlugIn(m_company, u"Gone"_s, u"/nonexistent/libgone.so"_s);
    ASSERT_TRUE(openList());
    FrmCusAM *card = openOnRow(1);
    ASSERT_NE(card, nullptr);
    card->Operating(u"Next"_s);
    card->Operating(u"Previous"_s);
    EXPECT_EQ(shownTexts(),
              QStringList{ u"检测到您的客户端没有安装客户档案插件!请安装后再使用."_s });
    EXPECT_EQ(m_messages->shown().first().title, u"插件未找到!"_s);
    EXPECT_EQ(card->SSTab1->count(), kCardPages);
    retype(card->Edt(16), u"020-5678"_s);
    card->Operating(u"SaveRs"_s);
    EXPECT_EQ(stored(u"cCusFax"_s, card->Edt(0)->text()), u"020-5678"_s);
}

TEST_F(CardPlugInTest, APlugInBuiltForAnotherVersionIsRefusedWithItsReason)
{
    m_company.run(DemoCompanyCopy<>::System, u"delete from AA_ArchivePlugIn"_s);
    configureArchivePlugIn(m_company, u"Old"_s, QStringLiteral(WRONG_VERSION_ARCHIVE_PLUGIN_PATH));
    ASSERT_TRUE(openList());
    FrmCusAM *card = openOnRow(1);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->SSTab1->count(), kCardPages);
    EXPECT_EQ(shownTexts().size(), 1);
    const QStringList errors = errorTexts();
    ASSERT_EQ(errors.size(), 1) << qPrintable(errors.join(u'\n'));
    EXPECT_TRUE(errors.first().contains(
        u"was built for version 0.9 of the archive plug-in interface; this program takes "
        "version 1.0."_s))
        << qPrintable(errors.first());
}

} // namespace
