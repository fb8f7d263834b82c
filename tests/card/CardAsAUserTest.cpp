#include "CardWindowFixture.h"

#include "card/CardFieldTable.h"
#include "suite/card/AttachmentControl.h"
#include "suite/card/PictureControl.h"
#include "suite/card/UserDefineControl.h"
#include "suite/controls/RefEdit.h"
#include "suite/controls/Toolbar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

namespace {

void press(QWidget *target, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// The rows a reference window offers: the first column of each (the code).
QStringList offeredCodes(QWidget *window)
{
    QStringList codes;
    const QAbstractItemModel *rows = window->findChild<QTableView *>(u"rows"_s)->model();
    for (int row = 0; row < rows->rowCount(); ++row)
        codes.append(rows->index(row, 0).data().toString());
    return codes;
}

// The user's way to a reference: F2 in the field, the search typed, Enter to search, Enter to
// take the first row found.
void chooseInReferenceWindow(suite::RefEdit *field, const QString &search)
{
    bool shown = false;
    suite::ScopedModalHandler user([&](QWidget *window) {
        shown = true;
        window->show();
        auto *box = window->findChild<QLineEdit *>(u"search"_s);
        ASSERT_NE(box, nullptr);
        box->selectAll();
        for (const QChar c : search) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &key);
        }
        press(box, Qt::Key_Return);
        ASSERT_FALSE(offeredCodes(window).isEmpty()) << qPrintable(search);
        press(box, Qt::Key_Return);
    });
    field->setFocus();
    press(field, Qt::Key_F2);
    EXPECT_TRUE(shown) << "F2 opens the reference window";
}

class CardAsAUser : public CardCommandTest
{
protected:
    // The card the entry class opens (add with presets, or view by code), looked at by inspect
    // while it is up.
    void openByEntry(int opt, const QString &xml, const std::function<void(FrmCusAM *)> &inspect)
    {
        bool seen = false;
        suite::ScopedModalHandler modal([&](QWidget *window) {
            auto *card = qobject_cast<FrmCusAM *>(window);
            ASSERT_NE(card, nullptr);
            seen = true;
            card->show();
            settle();
            inspect(card);
        });
        m_entry = ClsCustomer::create();
        QString sXML = xml;
        bool bSaved = false;
        m_entry->Operating(login(), sXML, bSaved, opt);
        EXPECT_TRUE(seen) << "the card came up";
    }

    QString codeOfRow(int row) const { return m_list->Grid->TextMatrix(row, m_list->iKeyPos); }
};

TEST_F(CardAsAUser, AClassChosenInTheWindowShowsItsNameAndIsSavedWhenTheUserSaysSo)
{
    ASSERT_TRUE(openList());
    FrmCusAM *card = openOnRow(1);
    ASSERT_NE(card, nullptr);
    const QString code = card->Edt(0)->text();
    const QString chosen = valueOf(u"select min(cCCCode) from CustomerClass where bCCEnd=1 and "
                                   "cCCCode<>'%1'"_s.arg(card->Edt(3)->text()));
    ASSERT_FALSE(chosen.isEmpty());
    ASSERT_FALSE(card->TLB2->isButtonEnabled(u"SaveRs"_s));

    chooseInReferenceWindow(card->Edt(3), chosen);
    EXPECT_EQ(card->Edt(3)->text(), chosen);
    EXPECT_EQ(card->Text1(0)->text(),
              valueOf(u"select cCCName from CustomerClass where cCCCode='%1'"_s.arg(chosen)));
    EXPECT_TRUE(card->TLB2->isButtonEnabled(u"SaveRs"_s)) << "a choice is a change";

    answer({ suite::MessageStyle::kYes });
    EXPECT_TRUE(card->close());
    EXPECT_EQ(shownTexts(), QStringList{ text("Tarn.AA.ARCHIVE.COMMON.savechanges") });
    EXPECT_EQ(stored(u"cCCCode"_s, code), chosen);
}

TEST_F(CardAsAUser, HeadOfficeAndCreditCompanyChosenInTheWindowOfferSave)
{
    ASSERT_TRUE(openList());
    FrmCusAM *card = openOnRow(2);
    ASSERT_NE(card, nullptr);
    const QString head = codeOfRow(1);
    chooseInReferenceWindow(card->Edt(5), head);
    EXPECT_EQ(card->Edt(5)->text(), head);
    EXPECT_EQ(card->Text1(2)->text(), stored(u"cCusName"_s, head));
    EXPECT_TRUE(card->TLB2->isButtonEnabled(u"SaveRs"_s));
    card->Operating(u"SaveRs"_s);

    chooseInReferenceWindow(card->refEdit(u"EdtcCusCreditCompany"_s), head);
    EXPECT_EQ(card->text(u"EdtcCusCreditCompany"_s), head);
    EXPECT_TRUE(card->TLB2->isButtonEnabled(u"SaveRs"_s));
    card->Operating(u"SaveRs"_s);
    EXPECT_EQ(stored(u"cCusHeadCode"_s, card->Edt(0)->text()), head);
    EXPECT_EQ(stored(u"cCusCreditCompany"_s, card->Edt(0)->text()), head);
}

TEST_F(CardAsAUser, NamesStandBesideTheirCodesAndGoWhenTheCodeIsTypedOver)
{
    const QString code = valueOf(u"select min(cCusCode) from Customer where cRelVendor is not "
                                 "null and cDCCode is not null"_s);
    ASSERT_FALSE(code.isEmpty());
    const QString head = valueOf(u"select max(cCusCode) from Customer"_s);
    m_company.run(DemoCompanyCopy<>::Company,
                  u"update Customer set cCusHeadCode='%1' where cCusCode='%2'"_s.arg(head, code));
    ASSERT_TRUE(openList());
    FrmCusAM *card = openOnRow(rowOf(code));
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->Text1(0)->text(),
              valueOf(u"select cCCName from CustomerClass c join Customer u on "
                      "u.cCCCode=c.cCCCode where u.cCusCode='%1'"_s.arg(code)));
    EXPECT_EQ(card->Text1(1)->text(),
              valueOf(u"select cDCName from DistrictClass c join Customer u on "
                      "u.cDCCode=c.cDCCode where u.cCusCode='%1'"_s.arg(code)));
    EXPECT_EQ(card->Text1(2)->text(), stored(u"cCusName"_s, head));
    EXPECT_EQ(card->text(u"EdtVenAbbName"_s),
              valueOf(u"select cVenAbbName from Vendor v join Customer u on "
                      "u.cRelVendor=v.cVenCode where u.cCusCode='%1'"_s.arg(code)));
    for (int name = 0; name < 3; ++name)
        EXPECT_FALSE(card->Text1(name)->text().isEmpty()) << name;

    card->Edt(4)->setFocus();
    typeInto(card->Edt(4), u"9"_s);
    EXPECT_TRUE(card->Text1(1)->text().isEmpty()) << "a code typed over names nothing yet";
    EXPECT_FALSE(card->Text1(0)->text().isEmpty());
}

TEST_F(CardAsAUser, NavigationOffersTheCitiesAndCountiesOfTheCustomerShown)
{
    ASSERT_TRUE(openList());
    const QString first = codeOfRow(1);
    const QString second = codeOfRow(2);
    m_company.run(DemoCompanyCopy<>::Company,
                  u"update Customer set cProvince='新疆维吾尔自治区', cCity='乌鲁木齐市', "
                  "cCounty=null where cCusCode='%1'; update Customer set cProvince='湖南省', "
                  "cCity='张家界市', cCounty=null where cCusCode='%2'"_s.arg(first, second));
    FrmCusAM *card = openOnRow(1);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->refEdit(u"EdtcCity"_s)->tag(), u"6501"_s);
    card->Operating(u"Next"_s);
    ASSERT_EQ(card->Edt(0)->text(), second);
    EXPECT_EQ(card->refEdit(u"EdtcProvince"_s)->tag(), u"43"_s);
    EXPECT_EQ(card->refEdit(u"EdtcCity"_s)->tag(), u"4308"_s);

    QStringList counties;
    suite::ScopedModalHandler look([&](QWidget *window) {
        counties = offeredCodes(window);
        qobject_cast<QDialog *>(window)->reject();
    });
    suite::RefEdit *county = card->refEdit(u"EdtcCounty"_s);
    county->setFocus();
    press(county, Qt::Key_F2);
    ASSERT_FALSE(counties.isEmpty());
    for (const QString &offered : std::as_const(counties))
        EXPECT_TRUE(offered.startsWith(u"4308")) << qPrintable(offered);
    EXPECT_TRUE(counties.contains(u"430802"_s));
}

TEST_F(CardAsAUser, NoContactOrCreditCompanyOfTheLastCustomerReachesTheNext)
{
    ASSERT_TRUE(openList());
    FrmCusAM *card = openOnRow(1);
    ASSERT_NE(card, nullptr);
    card->Edt(13)->setTag(u"LXR-OF-THE-FIRST"_s);
    card->refEdit(u"EdtcCusCreditCompany"_s)->setCodeValue(codeOfRow(3));
    card->Operating(u"Next"_s);
    EXPECT_TRUE(card->Edt(13)->tag().isEmpty());
    EXPECT_TRUE(card->refEdit(u"EdtcCusCreditCompany"_s)->codeValue().isEmpty());
    const QString creditLine = card->Edt(25)->text();
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(card->refEdit(u"EdtcCusCreditCompany"_s), &out);
    EXPECT_EQ(card->Edt(25)->text(), creditLine) << "passing through copies no settings";
    EXPECT_FALSE(card->TLB2->isButtonEnabled(u"SaveRs"_s));
}

TEST_F(CardAsAUser, EveryEditableFieldOffersSaveWhenTheUserChangesIt)
{
    ASSERT_TRUE(openList());
    FrmCusAM *card = openOnRow(1);
    ASSERT_NE(card, nullptr);
    int tried = 0;
    for (const CardControl &field : cardControls()) {
        const QString column = field.column.toString();
        QWidget *control = card->GetControlByName(field.name.toString(), field.index);
        ASSERT_NE(control, nullptr) << qPrintable(column);
        if (isDisplayOnlyColumn(field.column) || !control->isEnabled())
            continue;
        card->TLB2->setButtonEnabled(u"SaveRs"_s, false);
        if (auto *box = qobject_cast<QCheckBox *>(control)) {
            box->click();
        } else if (auto *list = qobject_cast<QComboBox *>(control)) {
            list->setFocus();
            press(list, list->currentIndex() + 1 < list->count() ? Qt::Key_Down : Qt::Key_Up);
        } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            edit->setFocus();
            edit->selectAll();
            QKeyEvent seven(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, u"7"_s);
            QApplication::sendEvent(edit, &seven);
        }
        EXPECT_TRUE(card->TLB2->isButtonEnabled(u"SaveRs"_s)) << qPrintable(column);
        ++tried;
    }
    EXPECT_GT(tried, 100) << "every editable field of the card was tried";
}

TEST_F(CardAsAUser, RatesShowTheirDecimalsWhenLoaded)
{
    const QString code = valueOf(u"select min(cCusCode) from Customer"_s);
    m_company.run(
        DemoCompanyCopy<>::Company,
        u"update Customer set fCommisionRate=3.5, fInsueRate=12 where cCusCode='%1'"_s.arg(code));
    ASSERT_TRUE(openList());
    FrmCusAM *card = openOnRow(rowOf(code));
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->text(u"EdtfCommisionRate"_s), u"3.50"_s);
    EXPECT_EQ(card->text(u"EdtfInsueRate"_s), u"12.00"_s);
}

TEST_F(CardAsAUser, AuditAndDialogFieldsAreShownNotTyped)
{
    ASSERT_TRUE(openList());
    const QString code =
        valueOf(u"select min(cCusCode) from Customer where cCusBank is not null"_s);
    FrmCusAM *card = openOnRow(rowOf(code));
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->Edt(9)->text(), stored(u"cCusBank"_s, code));
    EXPECT_EQ(card->Edt(10)->text(), stored(u"cCusAccount"_s, code));
    for (const CardControl &field : cardControls()) {
        if (!isDisplayOnlyColumn(field.column))
            continue;
        QWidget *control = card->GetControlByName(field.name.toString(), field.index);
        auto *edit = qobject_cast<QLineEdit *>(control);
        EXPECT_TRUE(edit ? edit->isReadOnly() : !control->isEnabled())
            << qPrintable(field.column.toString());
    }
}

// Every input of the card, and whether it could take a change.
QStringList changeableInputs(FrmCusAM *card)
{
    QStringList changeable;
    for (const CardControl &field : cardControls()) {
        QWidget *control = card->GetControlByName(field.name.toString(), field.index);
        auto *edit = qobject_cast<QLineEdit *>(control);
        if (edit ? !edit->isReadOnly() && edit->isEnabled() : control->isEnabled())
            changeable.append(field.column.toString());
    }
    return changeable;
}

void expectReadOnlyDialog(FrmCusAM *card, const QString &key)
{
    bool shown = false;
    suite::ScopedModalHandler look([&](QWidget *window) {
        shown = true;
        auto *buttons = window->findChild<QDialogButtonBox *>();
        ASSERT_NE(buttons, nullptr);
        EXPECT_EQ(buttons->button(QDialogButtonBox::Ok), nullptr) << qPrintable(key);
        qobject_cast<QDialog *>(window)->reject();
    });
    card->Operating(key);
    EXPECT_TRUE(shown) << qPrintable(key);
}

TEST_F(CardAsAUser, AViewedCustomerTakesNoInputAnywhere)
{
    const QString code = valueOf(u"select min(cCusCode) from Customer"_s);
    openByEntry(3, u"<customer><ccuscode>%1</ccuscode></customer>"_s.arg(code),
                [&](FrmCusAM *card) {
                    EXPECT_EQ(card->Edt(0)->text(), code);
                    EXPECT_EQ(changeableInputs(card), QStringList());
                    const QString phone = card->Edt(15)->text();
                    typeInto(card->Edt(15), u"123"_s);
                    EXPECT_EQ(card->Edt(15)->text(), phone);
                    EXPECT_EQ(card->InvUserDef1->RightLevel(), 1);
                    EXPECT_LE(card->Pic->RightLevel(), 1);
                    EXPECT_LE(card->InvAttachfile1->RightLevel(), 1);
                    expectReadOnlyDialog(card, u"CusBank"_s);
                    expectReadOnlyDialog(card, u"Person"_s);
                    EXPECT_FALSE(card->TLB2->isButtonEnabled(u"contact"_s));
                });
}

TEST_F(CardAsAUser, ACustomerTheUserMayNotChangeIsLockedUntilOneHeMayChange)
{
    ASSERT_TRUE(openList());
    g_bCanModifyArch = false;
    FrmCusAM *card = openOnRow(1);
    ASSERT_NE(card, nullptr);
    ASSERT_TRUE(card->isReadOnly());
    EXPECT_EQ(changeableInputs(card), QStringList());
    expectReadOnlyDialog(card, u"Invoice"_s);

    g_bCanModifyArch = true;
    card->Operating(u"Next"_s);
    EXPECT_FALSE(card->isReadOnly());
    const QStringList changeable = changeableInputs(card);
    EXPECT_TRUE(changeable.contains(u"cCusPhone"_s));
    EXPECT_TRUE(changeable.contains(u"bCredit"_s));
    EXPECT_FALSE(changeable.contains(u"cCusCode"_s)) << "a code is never changed when modifying";
    EXPECT_FALSE(changeable.contains(u"cModifyPerson"_s));
}

TEST_F(CardAsAUser, APresetCodeIsKeptAndSaved)
{
    openByEntry(1,
                u"<customer><ccuscode>PRESET01</ccuscode><ccusname>Preset Trading</ccusname>"
                "<ccusabbname>PresetT</ccusabbname><ccccode>0101</ccccode></customer>"_s,
                [&](FrmCusAM *card) {
                    EXPECT_EQ(card->Edt(0)->text(), u"PRESET01"_s);
                    EXPECT_FALSE(card->Text1(0)->text().isEmpty());
                    card->Operating(u"SaveRs"_s);
                });
    EXPECT_EQ(stored(u"cCusName"_s, u"PRESET01"_s), u"Preset Trading"_s);
}

TEST_F(CardAsAUser, CardCommandsFitAWindowOf1024Pixels)
{
    ASSERT_TRUE(openList());
    FrmCusAM *card = openOnRow(1);
    ASSERT_NE(card, nullptr);
    card->resize(1024, 700);
    settle();
    EXPECT_LE(card->width(), 1024) << "the card itself fits";
    const QToolButton *more = card->TLB2->findChild<QToolButton *>(u"qt_toolbar_ext_button"_s);
    EXPECT_TRUE(!more || !more->isVisible()) << "no button is hidden behind »";
    EXPECT_FALSE(card->cmdMap->isVisible()) << "the map is offered to Chinese logins only";
}

} // namespace
