#include "ArchivePlugInSetup.h"
#include "ListWindowFixture.h"

#include "card/FrmCusAM.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/plugin/PlugInCollection.h"

using namespace customer;
using namespace Qt::StringLiterals;

namespace {

// The list's delete tells the archive plug-ins which customer it works on and that it is done
// with it; the set it loaded for that goes to every card it opens afterwards.
class ListDeletePlugInTest : public ListWindowFixture
{
protected:
    void SetUp() override
    {
        ListWindowFixture::SetUp();
        m_probe = testPlugInProbe();
        ASSERT_NE(m_probe, nullptr);
        m_probe->reset();
        configureArchivePlugIn(m_company, u"Probe"_s, QStringLiteral(TEST_ARCHIVE_PLUGIN_PATH));
    }

    void TearDown() override
    {
        ListWindowFixture::TearDown();
        m_probe->reset();
    }

    void tick(const QString &code)
    {
        for (int row = 1; row < m_list->Grid->Rows(); ++row) {
            if (m_list->Grid->TextMatrix(row, m_list->iKeyPos) == code)
                m_list->Grid->setTextMatrix(row, 1, u"Y"_s);
        }
    }

    ITestPlugInProbe *m_probe = nullptr;
};

TEST_F(ListDeletePlugInTest, EveryCustomerDeletedOrRefusedHandsThePlugInsItsStateSix)
{
    const QString free = m_company
                             .column(DemoCompanyCopy<>::Company,
                                     u"select min(cCusCode) from Customer where cCusCode not in "
                                     "(select cDwCode from Ar_Detail)"_s)
                             .value(0);
    const QString inUse =
        m_company.column(DemoCompanyCopy<>::Company, u"select min(cDwCode) from Ar_Detail"_s)
            .value(0);
    ASSERT_FALSE(free.isEmpty());
    ASSERT_TRUE(openList());
    tick(free);
    tick(inUse);
    const QStringList inRowOrder =
        free < inUse ? QStringList{ free, inUse } : QStringList{ inUse, free };
    *m_messages = suite::MessageScript({ suite::MessageStyle::kYes });
    suite::ScopedModalHandler results([](QWidget *window) { window->close(); });
    m_list->Operating(u"Delete"_s);
    ASSERT_TRUE(m_list->bDelSuccess);

    EXPECT_EQ(m_probe->calls(),
              (QStringList{ u"SetTarnArchiveDbSrv"_s, u"Init(%1,no rs)"_s.arg(inRowOrder[0]),
                            u"CurrentState(6)"_s, u"SetTarnArchiveDbSrv"_s,
                            u"Init(%1,no rs)"_s.arg(inRowOrder[1]), u"CurrentState(6)"_s }));
    EXPECT_EQ(m_company.column(DemoCompanyCopy<>::Company,
                               u"select count(*) from Customer where cCusCode in ('%1','%2')"_s.arg(
                                   free, inUse)),
              QStringList{ u"1"_s })
        << "the customer with receivables stays";

    // The card opened next works with the list's plug-in object, not a fresh one.
    const qsizetype seen = m_probe->calls().size();
    m_list->Grid->setRow(1);
    const qsizetype shown = m_portal.forms.size();
    m_list->Operating(u"Modify"_s);
    ASSERT_EQ(m_portal.forms.size(), shown + 1);
    auto *card = qobject_cast<FrmCusAM *>(m_portal.forms.last());
    ASSERT_NE(card, nullptr);
    card->show();
    settle();
    ASSERT_GT(m_probe->calls().size(), seen);
    EXPECT_EQ(m_probe->callers().mid(seen), QList<int>(m_probe->calls().size() - seen, 1));
    ASSERT_TRUE(card->archivePlugin());
    EXPECT_EQ(card->archivePlugin()->count(), 1);
    card->close();
    delete card;
}

TEST_F(ListDeletePlugInTest, AListWithoutPlugInsDeletesWithoutThem)
{
    m_company.run(DemoCompanyCopy<>::System, u"delete from AA_ArchivePlugIn"_s);
    const QString free = m_company
                             .column(DemoCompanyCopy<>::Company,
                                     u"select min(cCusCode) from Customer where cCusCode not in "
                                     "(select cDwCode from Ar_Detail)"_s)
                             .value(0);
    ASSERT_TRUE(openList());
    tick(free);
    *m_messages = suite::MessageScript({ suite::MessageStyle::kYes });
    suite::ScopedModalHandler results([](QWidget *window) { window->close(); });
    m_list->Operating(u"Delete"_s);
    EXPECT_TRUE(m_list->bDelSuccess);
    EXPECT_TRUE(m_probe->calls().isEmpty());
    EXPECT_FALSE(shownTexts().contains(u"检测到您的客户端没有安装客户档案插件!请安装后再使用."_s))
        << "an account without plug-ins hears nothing of them";
}

} // namespace
