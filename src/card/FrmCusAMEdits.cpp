// What the user's edits on the customer card set going: every change offers the save commands.
#include "card/FrmCusAM.h"

#include "entry/SessionContext.h"
#include "suite/card/AttachmentControl.h"
#include "suite/card/PictureControl.h"
#include "suite/card/UserDefineControl.h"
#include "suite/controls/Toolbar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace customer {

namespace {

constexpr int kOpenedToView = 2;
// Only a shop of this kind sells group purchases in store.
constexpr int kGroupPurchaseShop = 2;

} // namespace

void FrmCusAM::MarkModified()
{
    if (m_bLoading || m_iOpenedBy == kOpenedToView || (m_iOpt == 2 && m_bReadOnly))
        return;
    setButtonEnabled(QStringLiteral("SaveRs"), true);
    setButtonEnabled(QStringLiteral("SaveRsNew"), true);
    refreshToolbar();
}

// Only what the user does counts: textEdited, clicked and activated stay silent when the card
// fills its controls itself. The home branch and the shop kind then apply their own rules.
void FrmCusAM::connectEdits()
{
    for (QWidget *control : std::as_const(m_controls)) {
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            connect(edit, &QLineEdit::textEdited, this, &FrmCusAM::MarkModified);
        else if (auto *box = qobject_cast<QCheckBox *>(control))
            connect(box, &QCheckBox::clicked, this, &FrmCusAM::MarkModified);
        else if (auto *list = qobject_cast<QComboBox *>(control))
            connect(list, &QComboBox::activated, this, &FrmCusAM::MarkModified);
    }
    connect(checkBox(QStringLiteral("ChkbHomeBranch")), &QCheckBox::clicked, this,
            &FrmCusAM::SetBranchState);
    connect(comboBox(QStringLiteral("cmbbshop")), &QComboBox::activated, this, [this](int kind) {
        QCheckBox *inStore = checkBox(QStringLiteral("chkbOnGPinStore"));
        if (kind != kGroupPurchaseShop)
            inStore->setChecked(false);
        inStore->setEnabled(kind == kGroupPurchaseShop);
    });
    connect(InvUserDef1, &suite::UserDefineControl::valueChanged, this, &FrmCusAM::MarkModified);
    connect(Pic, &suite::PictureControl::pictureChanged, this, &FrmCusAM::MarkModified);
    connect(InvAttachfile1, &suite::AttachmentControl::filesChanged, this, &FrmCusAM::MarkModified);
}

} // namespace customer
