// What the user's edits on the customer card set going: the save commands, the fields derived
// from others, the character and range rules of single fields, Enter and the date pop-up.
#include "card/FrmCusAM.h"

#include "card/CardEditRules.h"
#include "card/CardFieldEvents.h"
#include "card/CardFieldTable.h"
#include "catalogue/SharedUtilities.h"
#include "entry/SessionContext.h"
#include "suite/card/AttachmentControl.h"
#include "suite/card/PictureControl.h"
#include "suite/card/UserDefineControl.h"
#include "suite/controls/DateCalendarPopup.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/Toolbar.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>

namespace customer {

namespace {

constexpr int kOpenedToView = 2;
// Only a shop of this kind sells group purchases in store.
constexpr int kGroupPurchaseShop = 2;
// The date pop-up keeps this gap below its field and wants this much room below itself.
constexpr int kPopupGapTwips = 100;
constexpr int kPopupMarginTwips = 1000;
constexpr int kTwipsPerInch = 1440;

// Controls with rules of their own that mark the card modified first.
bool marksOnItsOwn(const CardControl &field)
{
    return field.column == u"bHomeBranch" || field.column == u"bShop";
}

QString mnemonicOf(const QString &name)
{
    return g_oSrv ? g_oSrv->GetMnemCode(name) : QString();
}

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// The controls Enter moves on from: text, list, check and option boxes, and whatever else the
// card names as an edit.
bool movesOnWithEnter(const QWidget *control)
{
    return qobject_cast<const QLineEdit *>(control) || qobject_cast<const QComboBox *>(control)
        || qobject_cast<const QCheckBox *>(control) || qobject_cast<const QRadioButton *>(control)
        || control->objectName().startsWith(u"edt", Qt::CaseInsensitive);
}

} // namespace

void FrmCusAM::MarkModified()
{
    if (m_bLoading || m_iOpenedBy == kOpenedToView || (m_iOpt == 2 && m_bReadOnly))
        return;
    setButtonEnabled(QStringLiteral("SaveRs"), true);
    setButtonEnabled(QStringLiteral("SaveRsNew"), true);
    refreshToolbar();
}

// Typed edits and clicks count, texts the card sets itself do not: textEdited, clicked and
// activated stay silent when the card fills its controls.
void FrmCusAM::connectEdits()
{
    m_fieldEvents = new CardFieldEvents(this);
    connectModifiedMarks();
    connectCodeRules();
    connectNameRules();
    connectFieldChecks();
    connectEnterKeys();
    connectDatePopups();
    connectMapButton();
}

// Every field the user can change offers the save commands when changed: typed, chosen in a
// reference window, clicked or picked from a list.
void FrmCusAM::connectModifiedMarks()
{
    for (const CardControl &field : cardControls()) {
        if (isDisplayOnlyColumn(field.column) || marksOnItsOwn(field))
            continue;
        QWidget *control = GetControlByName(field.name.toString(), field.index);
        if (auto *reference = qobject_cast<suite::RefEdit *>(control)) {
            connect(reference, &suite::RefEdit::referenceChosen, this,
                    [this](suite::RecordSet *row) {
                        if (row)
                            MarkModified();
                    });
        }
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            connect(edit, &QLineEdit::textEdited, this, &FrmCusAM::MarkModified);
        else if (auto *box = qobject_cast<QCheckBox *>(control))
            connect(box, &QCheckBox::clicked, this, &FrmCusAM::MarkModified);
        else if (auto *list = qobject_cast<QComboBox *>(control))
            connect(list, &QComboBox::activated, this, &FrmCusAM::MarkModified);
    }
    m_fieldEvents->onKeyPress(comboBox(QStringLiteral("cboJgJb")), [this](QKeyEvent *) {
        MarkModified();
        return false;
    });
    m_fieldEvents->onKeyPress(refEdit(QStringLiteral("EdtVenCode")), [this](QKeyEvent *event) {
        if (!isPassThroughKey(keyDownCode(event)))
            MarkModified();
        return false;
    });
    connect(checkBox(QStringLiteral("ChkbHomeBranch")), &QCheckBox::clicked, this, [this] {
        MarkModified();
        SetBranchState();
    });
    connect(comboBox(QStringLiteral("cmbbshop")), &QComboBox::activated, this, [this] {
        MarkModified();
        applyShopKind();
    });
    connect(InvUserDef1, &suite::UserDefineControl::valueChanged, this, &FrmCusAM::MarkModified);
    connect(Pic, &suite::PictureControl::pictureChanged, this, &FrmCusAM::MarkModified);
    connect(InvAttachfile1, &suite::AttachmentControl::filesChanged, this, &FrmCusAM::MarkModified);
}

void FrmCusAM::applyShopKind()
{
    QCheckBox *inStore = checkBox(QStringLiteral("chkbOnGPinStore"));
    const bool groupPurchase = listIndex(QStringLiteral("cmbbshop")) == kGroupPurchaseShop;
    if (!groupPurchase)
        inStore->setChecked(false);
    inStore->setEnabled(groupPurchase);
}

// The code follows the numbering rule until the user types one; a reference window that
// writes into the card while it is in front only updates the key information.
void FrmCusAM::connectCodeRules()
{
    connect(Edt(0), &QLineEdit::textChanged, this, &FrmCusAM::codeChanged);
    for (suite::RefEdit *codeSource :
         { Edt(1), Edt(2), Edt(3), Edt(4), refEdit(QStringLiteral("EdtCusMngTypeCode")) })
        m_fieldEvents->onLeaving(codeSource, [this] { RefreshAutoCode(); });
    for (int index : { 3, 4, 5 })
        connect(Edt(index), &QLineEdit::textChanged, this,
                [this, index] { codeBesideNameChanged(index); });
}

void FrmCusAM::codeChanged()
{
    if (isActiveWindow() && !m_bLoading)
        m_bCodeTyped = true;
    ShowKeyInfo();
}

// A code typed over no longer names the record whose name stands beside it.
void FrmCusAM::codeBesideNameChanged(int index)
{
    if (m_bLoading || QApplication::focusWidget() != Edt(index))
        return;
    Text1(index - 3)->clear();
    Edt(index)->setTag(QString());
}

void FrmCusAM::connectNameRules()
{
    const auto rules = [this] {
        return CardNameRules(*this, g_bAutoMnemCode, mnemonicOf);
    };
    connect(Edt(1), &QLineEdit::textChanged, this, &FrmCusAM::nameChanged);
    m_fieldEvents->onLeaving(Edt(1), [rules] { rules().nameLeft(); });
    m_fieldEvents->onLeaving(refEdit(QStringLiteral("EdtcCusMnemCode")),
                             [rules] { rules().nameLeft(); });
    m_fieldEvents->onLeaving(Edt(2), [rules] { rules().abbreviationLeft(); });
}

void FrmCusAM::nameChanged()
{
    ShowKeyInfo();
    if (!isActiveWindow() || m_bLoading)
        return;
    CardNameRules(*this, g_bAutoMnemCode, mnemonicOf).nameChanged();
}

void FrmCusAM::connectFieldChecks()
{
    m_fieldEvents->onKeyPress(Edt(12), [this](QKeyEvent *) {
        m_sLastPostCode = Edt(12)->text();
        return false;
    });
    connect(Edt(12), &QLineEdit::textChanged, this, &FrmCusAM::postCodeChanged);
    m_fieldEvents->onKeyPress(refEdit(QStringLiteral("EdtcCreditAddCode")), [](QKeyEvent *event) {
        return !creditCodeTakesKey(keyDownCode(event));
    });
    m_fieldEvents->onLeavingCheck(refEdit(QStringLiteral("EdtcURL")),
                                  [this] { return webAddressAccepted(); });
    m_fieldEvents->onLeavingCheck(refEdit(QStringLiteral("EdtfAdvancePaymentRatio")), [this] {
        return rateAccepted(QStringLiteral("EdtfAdvancePaymentRatio"),
                            QStringLiteral("lblfAdvancePaymentRatio"), true);
    });
    m_fieldEvents->onLeavingCheck(refEdit(QStringLiteral("EdtiCusTaxRate")), [this] {
        return rateAccepted(QStringLiteral("EdtiCusTaxRate"), QStringLiteral("LbliCusTaxRate"),
                            false);
    });
    for (const char *name : { "EdtfCommisionRate", "EdtfInsueRate" }) {
        suite::RefEdit *rate = refEdit(QLatin1StringView(name));
        m_fieldEvents->onLeaving(rate, [this, rate] {
            if (m_iOpenedBy != kOpenedToView && g_oPub)
                g_oPub->FormatCon(rate);
        });
    }
    m_fieldEvents->onEntering(Edt(11), [this] {
        if (m_iOpenedBy != kOpenedToView && Edt(11)->text().isEmpty())
            Edt(11)->setText(defaultAddress(*this));
    });
}

// A refused character puts back the text as it was before the key, caret at its end.
void FrmCusAM::postCodeChanged()
{
    const QString text = Edt(12)->text();
    if (m_bLoading || !isActiveWindow() || text.isEmpty())
        return;
    if (isPostCode(text)) {
        m_sLastPostCode = text;
        return;
    }
    Edt(12)->setText(m_sLastPostCode);
    Edt(12)->setCursorPosition(int(m_sLastPostCode.size()));
}

bool FrmCusAM::webAddressAccepted()
{
    if (isWebAddress(text(QStringLiteral("EdtcURL"))) || !g_oPub)
        return true;
    ShowInfoMsg(g_oPub->GetResFormatString(
        QStringLiteral("Tarn.AA.CUSTOMER.1103_1"),
        { g_oPub->GetResString(QStringLiteral("Tarn.AA.CUSTOMER.URL")) }));
    return false;
}

bool FrmCusAM::rateAccepted(const QString &field, const QString &label, bool hundredAllowed)
{
    const QString rate = text(field).trimmed();
    setText(field, -1, rate);
    const RateBound bound = hundredAllowed ? RateBound::UpToHundred : RateBound::BelowHundred;
    if (rate.isEmpty() || isWithinRateBound(rate, bound) || !g_oPub)
        return true;
    ShowInfoMsg(g_oPub->GetResFormatString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.nobiger"),
                                           { text(label), QStringLiteral("100") }));
    return false;
}

// Enter moves on to the next field; the last fields of the first pages open the next page.
void FrmCusAM::connectEnterKeys()
{
    const QHash<QWidget *, int> pageEnds{
        { checkBox(QStringLiteral("chkbCusOverseas")), RelationPage },
        { Edt(21), CreditPage },
        { refEdit(QStringLiteral("EdtcCusImportAgentProtocol")), OtherPage },
    };
    QWidget *shop = comboBox(QStringLiteral("cmbbshop"));
    for (QWidget *control : std::as_const(m_controls)) {
        if (!movesOnWithEnter(control))
            continue;
        m_fieldEvents->onKeyPress(control, [this, control, pageEnds, shop](QKeyEvent *event) {
            if (!isEnter(event))
                return false;
            if (pageEnds.contains(control))
                showTabFromEnter(pageEnds.value(control));
            else if (control == shop && g_oPub)
                showTabFromEnter(g_oPub->GetTabVisible(SSTab1, OtherPage));
            else
                moveOnFromEnter(control);
            return true;
        });
    }
}

void FrmCusAM::moveOnFromEnter(QWidget *field)
{
    if (field->hasFocus())
        focusNextPrevChild(true);
}

// The focus goes along to the first field of the page shown.
void FrmCusAM::showTabFromEnter(int tab)
{
    SSTab1->setCurrentIndex(tab);
    QWidget *page = SSTab1->currentWidget();
    for (QWidget *field : page->findChildren<QWidget *>()) {
        if ((field->focusPolicy() & Qt::TabFocus) && field->isEnabled()
            && field->isVisibleTo(page)) {
            field->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void FrmCusAM::connectDatePopups()
{
    for (int index = 0; index < m_dateButtons.size(); ++index)
        connect(Command1(index), &QToolButton::clicked, this,
                [this, index] { openDatePopup(index); });
}

// The pop-up's gap and margin are kept in twips, as the card's layout is.
void FrmCusAM::openDatePopup(int index)
{
    QLineEdit *field = EdtDTPicker1(index);
    suite::DateCalendarPopup popup(this);
    popup.setDate(QDate::fromString(field->text().left(10), Qt::ISODate));
    popup.adjustSize();
    const int twipsPerPixel = std::max(1, kTwipsPerInch / logicalDpiY());
    const QRect fieldOnScreen(field->mapToGlobal(QPoint(0, 0)), field->size());
    const QScreen *screen = field->screen();
    popup.move(suite::popupPositionBeside(
        fieldOnScreen, popup.size(), screen ? screen->availableGeometry() : QRect(),
        kPopupGapTwips / twipsPerPixel, kPopupMarginTwips / twipsPerPixel));
    suite::showModal(&popup);
    if (popup.result() == QDialog::Accepted) {
        field->setText(popup.date().toString(Qt::ISODate));
        MarkModified();
    }
    Command1(index)->setVisible(false);
}

} // namespace customer
