#include "EntryFixture.h"

#include "card/FrmCusAM.h"
#include "list/FrmCus.h"
#include "suite/controls/DateCalendarPopup.h"
#include "suite/controls/Grid.h"
#include "suite/controls/Toolbar.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>

using namespace customer;
using namespace Qt::StringLiterals;

namespace {

// The card's fields as a user edits them, on a card opened from the list inside the portal.
class CardEditingTest : public EntryTest
{
protected:
    void TearDown() override
    {
        delete m_card;
        delete m_list;
        m_entry.reset();
        EntryTest::TearDown();
    }

    FrmCusAM *openCard(const QString &command, bool canModify = true)
    {
        m_portal.forms.clear();
        m_entry = ClsCustomer::create();
        m_entry->setBusiness(portal(login(), m_portal));
        m_entry->ShowModeless(u"AA0101"_s, QString(), QString(), QString());
        m_list = qobject_cast<FrmCus *>(m_entry->listWindow());
        m_list->show();
        QApplication::processEvents();
        m_list->Grid->setRow(1);
        g_bCanModifyArch = canModify;
        m_list->Operating(command);
        m_card = qobject_cast<FrmCusAM *>(m_portal.forms.value(1));
        if (m_card) {
            m_card->show();
            QApplication::processEvents();
            m_card->activateWindow();
        }
        return m_card;
    }

    static void press(QWidget *target, int key, const QString &text = {},
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &event);
    }

    // Shows the field's page and puts the focus on it.
    void focusOn(QWidget *field)
    {
        for (int page = 0; page < m_card->SSTab1->count(); ++page) {
            if (m_card->SSTab1->widget(page)->isAncestorOf(field))
                m_card->SSTab1->setCurrentIndex(page);
        }
        field->setFocus(Qt::TabFocusReason);
    }

    void type(QWidget *field, const QString &text)
    {
        focusOn(field);
        for (const QChar c : text)
            press(field, Qt::Key_unknown, QString(c));
    }

    bool saveOffered() const { return m_card->TLB2->isButtonEnabled(u"SaveRs"_s); }

    PortalRecord m_portal;
    std::shared_ptr<ClsCustomer> m_entry;
    FrmCus *m_list = nullptr;
    FrmCusAM *m_card = nullptr;
};

TEST_F(CardEditingTest, ChangesOfferTheSaveButLoadingAndReadOnlyCardsStayQuiet)
{
    g_bAutoMnemCode = true;
    m_company.run(DemoCompanyCopy<>::Company,
                  u"update Customer set cCusPostCode='100 083', cCusMnemCode='KEPT'"_s);
    ASSERT_TRUE(openCard(u"Modify"_s));
    ASSERT_TRUE(m_card->isActiveWindow()) << "the rules that watch changes listen";
    m_card->Operating(u"Next"_s);
    EXPECT_EQ(m_card->Edt(12)->text(), u"100 083"_s);
    EXPECT_EQ(m_card->text(u"EdtcCusMnemCode"_s), u"KEPT"_s);
    press(m_card->refEdit(u"EdtVenCode"_s), Qt::Key_Shift);
    EXPECT_FALSE(saveOffered());
    press(m_card->refEdit(u"EdtVenCode"_s), Qt::Key_Delete);
    EXPECT_TRUE(saveOffered());
    delete std::exchange(m_card, nullptr);
    delete std::exchange(m_list, nullptr);

    ASSERT_TRUE(openCard(u"Modify"_s, false));
    ASSERT_TRUE(m_card->isReadOnly());
    type(m_card->Edt(16), u"123"_s);
    m_card->checkBox(u"ChkbCredit"_s)->click();
    EXPECT_FALSE(saveOffered());
}

TEST_F(CardEditingTest, TheNameFillsMnemonicCodeAndAbbreviation)
{
    g_bAutoMnemCode = true;
    ASSERT_TRUE(openCard(u"Add"_s));
    type(m_card->refEdit(u"EdtcCusMnemCode"_s), u"HAND"_s);
    type(m_card->Edt(1), u"远航"_s);
    EXPECT_EQ(m_card->text(u"EdtcCusMnemCode"_s), u"YH"_s);
    focusOn(m_card->Edt(2));
    EXPECT_EQ(m_card->Edt(2)->text(), u"远航"_s);
}

TEST_F(CardEditingTest, PostCodeAndCreditCodeHoldBackWhatTheyRefuse)
{
    ASSERT_TRUE(openCard(u"Add"_s));
    type(m_card->Edt(12), u"AB-12"_s);
    m_card->Edt(12)->setCursorPosition(2);
    type(m_card->Edt(12), u" "_s);
    type(m_card->Edt(12), u"号"_s);
    EXPECT_EQ(m_card->Edt(12)->text(), u"AB-12"_s);
    EXPECT_EQ(m_card->Edt(12)->cursorPosition(), 5);

    QWidget *credit = m_card->refEdit(u"EdtcCreditAddCode"_s);
    credit->setFocus();
    press(credit, Qt::Key_A, u"a"_s);
    press(credit, Qt::Key_9, u"9"_s);
    press(credit, Qt::Key_5, u"5"_s, Qt::KeypadModifier);
    press(credit, Qt::Key_Minus, u"-"_s);
    EXPECT_EQ(m_card->text(u"EdtcCreditAddCode"_s), u"a9"_s);
}

TEST_F(CardEditingTest, RefusedWebAddressesAndRatesKeepTheFocus)
{
    ASSERT_TRUE(openCard(u"Add"_s));
    // True when the focus stays in the field.
    const auto leaveTo = [this](const QString &field, const QString &text, QWidget *next) {
        type(m_card->refEdit(field), text);
        next->setFocus(Qt::TabFocusReason);
        return QApplication::focusWidget() == m_card->refEdit(field);
    };
    EXPECT_TRUE(leaveTo(u"EdtcURL"_s, u"www.demo.cn"_s, m_card->Edt(1)));
    m_card->refEdit(u"EdtcURL"_s)->clear();
    EXPECT_TRUE(leaveTo(u"EdtiCusTaxRate"_s, u"100"_s, m_card->Edt(23)));
    m_card->refEdit(u"EdtiCusTaxRate"_s)->clear();
    EXPECT_FALSE(leaveTo(u"EdtfAdvancePaymentRatio"_s, u"100"_s, m_card->Edt(23)));
    const suite::ResourceTable &texts = suite::ResourceTable::builtIn(u"en-us"_s);
    const QString taxLabel = m_card->captionLabel(u"iCusTaxRate"_s)->text();
    EXPECT_EQ(
        shownTexts(),
        (QStringList{ texts.format(u"Tarn.AA.CUSTOMER.1103_1"_s, { text("Tarn.AA.CUSTOMER.URL") }),
                      texts.format(u"Tarn.AA.ARCHIVE.COMMON.nobiger"_s, { taxLabel, u"100"_s }) }));

    QLineEdit *commission = m_card->refEdit(u"EdtfCommisionRate"_s);
    commission->setText(u"5"_s);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(commission, &out);
    EXPECT_EQ(m_card->text(u"EdtfCommisionRate"_s), u"5.00"_s);
}

TEST_F(CardEditingTest, CodesAddressBranchAndShopFollowTheUser)
{
    ASSERT_TRUE(openCard(u"Add"_s));
    m_card->Text1(1)->setText(u"North"_s);
    type(m_card->Edt(4), u"9"_s);
    EXPECT_TRUE(m_card->Text1(1)->text().isEmpty());
    EXPECT_TRUE(m_card->tag(u"Edt"_s, 4).isEmpty());

    m_card->refEdit(u"EdtcProvince"_s)->setText(u"浙江省"_s);
    m_card->refEdit(u"EdtcCity"_s)->setText(u"杭州市"_s);
    focusOn(m_card->Edt(11));
    EXPECT_EQ(m_card->Edt(11)->text(), u"浙江省杭州市"_s);

    m_card->checkBox(u"ChkbHomeBranch"_s)->click();
    EXPECT_TRUE(m_card->FrameBranch->isEnabled());
    EXPECT_TRUE(m_card->GetControlByName(u"cBranchPhone"_s)->isEnabled());
    QComboBox *shop = m_card->comboBox(u"cmbbshop"_s);
    QCheckBox *inStore = m_card->checkBox(u"chkbOnGPinStore"_s);
    // End picks the last kind (2), Up the one before it (1), as a user does with the keys.
    for (const auto &[key, kind] : { std::pair{ Qt::Key_End, 2 }, std::pair{ Qt::Key_Up, 1 } }) {
        inStore->setChecked(kind == 1);
        shop->setFocus();
        QKeyEvent pressed(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(shop, &pressed);
        ASSERT_EQ(shop->currentIndex(), kind);
        EXPECT_EQ(inStore->isEnabled(), kind == 2);
        EXPECT_FALSE(inStore->isChecked()) << kind;
    }
}

TEST_F(CardEditingTest, EnterMovesOnAndOpensTheNextPage)
{
    ASSERT_TRUE(openCard(u"Add"_s));
    m_card->Edt(0)->setFocus();
    press(m_card->Edt(0), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), m_card->Edt(1));

    const QList<std::pair<QWidget *, int>> pageEnds{
        { m_card->checkBox(u"chkbCusOverseas"_s), 1 },
        { m_card->Edt(21), 2 },
        { m_card->refEdit(u"EdtcCusImportAgentProtocol"_s), 3 },
        { m_card->comboBox(u"cmbbshop"_s), 3 },
    };
    for (const auto &[field, page] : pageEnds) {
        focusOn(field);
        press(field, Qt::Key_Enter);
        EXPECT_EQ(m_card->SSTab1->currentIndex(), page) << qPrintable(field->objectName());
        EXPECT_TRUE(m_card->SSTab1->currentWidget()->isAncestorOf(QApplication::focusWidget()));
    }
}

TEST_F(CardEditingTest, TheDatePopupWritesThePickedDay)
{
    ASSERT_TRUE(openCard(u"Add"_s));
    suite::ScopedModalHandler pick([&](QWidget *window) {
        auto *popup = qobject_cast<suite::DateCalendarPopup *>(window);
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(popup->date(), QDate::fromString(g_CurDate, Qt::ISODate));
        popup->calendar()->setSelectedDate(QDate(2026, 7, 9));
        press(popup->calendar()->findChild<QAbstractItemView *>(), Qt::Key_Return);
    });
    m_card->Command1(2)->click();
    EXPECT_EQ(m_card->EdtDTPicker1(2)->text(), u"2026-07-09"_s);
    EXPECT_TRUE(saveOffered());
    EXPECT_TRUE(m_card->Command1(2)->isHidden());

    suite::ScopedModalHandler dismiss([](QWidget *window) { window->close(); });
    m_card->Command1(3)->click();
    EXPECT_TRUE(m_card->EdtDTPicker1(3)->text().isEmpty());
}

} // namespace
