#include "../../card/CardWindowFixture.h"

#include "suite/controls/Toolbar.h"

#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

constexpr int kCardPages = 8;

// The shipped credit review, configured for the account as the demo company configures it:
// by its file name, found in the account's plug-in folder.
class CreditReviewCardTest : public CardCommandTest
{
protected:
    void SetUp() override
    {
        CardCommandTest::SetUp();
        const QFileInfo library(QStringLiteral(CREDIT_REVIEW_PLUGIN_PATH));
        m_company.run(
            DemoCompanyCopy<>::System,
            u"update ua_account set cPlugInPath='%1' where cAcc_Id='001';"
            "insert into AA_ArchivePlugIn (cAcc_Id, cArchive, cPlugInName, cPlugInFile,"
            " bEnabled, iOrder) values ('001', 'Customer', 'CreditReview', '%2', 1, 1)"_s.arg(
                library.absolutePath(), library.fileName()));
    }

    QString shown(QWidget *page, const char *label) const
    {
        auto *value = page->findChild<QLabel *>(QLatin1StringView(label));
        return value ? value->text() : u"(no %1)"_s.arg(QLatin1StringView(label));
    }

    static QString amount(double value)
    {
        return QLocale(QLocale::English, QLocale::UnitedStates).toString(value, 'f', 2);
    }
};

TEST_F(CreditReviewCardTest, ANewCustomerHasNothingToReview)
{
    ASSERT_TRUE(openList());
    FrmCusAM *card = openCard(u"Add"_s);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->SSTab1->count(), kCardPages);
    EXPECT_TRUE(shownTexts().isEmpty()) << qPrintable(shownTexts().join(u'|'));
}

TEST_F(CreditReviewCardTest, TheReviewShowsTheReceivablesAndPutsItsSuggestionOnTheCard)
{
    const QString code = valueOf(u"select min(cDwCode) from Ar_Detail"_s);
    const double balance =
        valueOf(
            u"select round(sum(iDAmount)-sum(iCAmount),2) from Ar_Detail where cDwCode='%1'"_s.arg(
                code))
            .toDouble();
    ASSERT_TRUE(openList());
    FrmCusAM *card = openOnRow(rowOf(code));
    ASSERT_NE(card, nullptr);
    ASSERT_EQ(card->SSTab1->count(), kCardPages + 1);
    EXPECT_EQ(card->SSTab1->tabText(kCardPages), u"Credit review"_s);
    QWidget *page = card->SSTab1->widget(kCardPages);
    EXPECT_TRUE(shown(page, "Lblbalance").isEmpty()) << "read when first shown";

    card->SSTab1->tabBar()->setCurrentIndex(kCardPages);
    EXPECT_EQ(shown(page, "Lblbalance"), amount(balance));
    EXPECT_EQ(shown(page, "Lblcreditcompany"), stored(u"cCusCreditCompany"_s, code));
    EXPECT_EQ(shown(page, "Lblcurrent"),
              u"Grade %1, line %2"_s.arg(card->Edt(24)->text(), card->Edt(25)->text()));
    const QString grade = shown(page, "Lblgrade");
    EXPECT_TRUE(QStringList({ u"AAA"_s, u"AA"_s, u"A"_s, u"B"_s, u"C"_s, u"D"_s }).contains(grade))
        << qPrintable(grade);
    const double line =
        QLocale(QLocale::English, QLocale::UnitedStates).toDouble(shown(page, "Lblline"));

    auto *accept = page->findChild<QPushButton *>(u"cmdAcceptCredit"_s);
    ASSERT_NE(accept, nullptr);
    ASSERT_TRUE(accept->isVisible());
    ASSERT_FALSE(card->TLB2->isButtonEnabled(u"SaveRs"_s));
    accept->click();
    EXPECT_EQ(card->Edt(24)->text(), grade);
    EXPECT_DOUBLE_EQ(card->Edt(25)->text().toDouble(), line);
    EXPECT_FALSE(card->Edt(24)->isEnabled());
    EXPECT_FALSE(card->Edt(25)->isEnabled());
    EXPECT_EQ(shown(page, "LblOutcome"), text("Tarn.AA.PLUGIN.CREDITREVIEW.accepted"));
    EXPECT_FALSE(accept->isEnabled());
    ASSERT_TRUE(card->TLB2->isButtonEnabled(u"SaveRs"_s));
    card->Operating(u"SaveRs"_s);
    EXPECT_EQ(stored(u"cCusCreGrade"_s, code), grade);
    EXPECT_DOUBLE_EQ(stored(u"iCusCreLine"_s, code).toDouble(), line);
    EXPECT_TRUE(shownTexts().isEmpty()) << qPrintable(shownTexts().join(u'|'));
}

TEST_F(CreditReviewCardTest, AViewedCustomerIsReviewedWithoutTheOfferToChangeIt)
{
    const QString code = valueOf(u"select min(cDwCode) from Ar_Detail"_s);
    bool seen = false;
    suite::ScopedModalHandler modal([&](QWidget *window) {
        auto *card = qobject_cast<FrmCusAM *>(window);
        ASSERT_NE(card, nullptr);
        seen = true;
        card->show();
        settle();
        ASSERT_EQ(card->SSTab1->count(), kCardPages + 1);
        card->SSTab1->setCurrentIndex(kCardPages);
        QWidget *page = card->SSTab1->widget(kCardPages);
        EXPECT_FALSE(shown(page, "Lblbalance").isEmpty());
        EXPECT_FALSE(page->findChild<QPushButton *>(u"cmdAcceptCredit"_s)->isVisible());
        card->close();
    });
    m_entry = ClsCustomer::create();
    QString xml = u"<customer><ccuscode>%1</ccuscode></customer>"_s.arg(code);
    bool saved = false;
    m_entry->Operating(login(), xml, saved, 3);
    EXPECT_TRUE(seen);
}

} // namespace
