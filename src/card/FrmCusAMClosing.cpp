// Closing the customer card, and the question about changes not yet saved that closing and
// moving to another customer ask first.
#include "card/FrmCusAM.h"

#include "card/PendingChanges.h"
#include "entry/SessionContext.h"
#include "suite/card/AttachmentControl.h"
#include "suite/card/UserDefineControl.h"
#include "suite/controls/Toolbar.h"
#include "suite/pub/IPub.h"

#include <QCloseEvent>

namespace customer {

namespace {

constexpr int kOpenedToView = 2;

} // namespace

bool FrmCusAM::hasPendingChanges() const
{
    return m_iOpenedBy != kOpenedToView && TLB2->isButtonEnabled(QStringLiteral("SaveRs"))
        && TLB2->isButtonVisible(QStringLiteral("SaveRs"));
}

bool FrmCusAM::keepsPendingChanges()
{
    if (!hasPendingChanges() || !g_oPub)
        return false;
    return keepPendingChanges(*g_oPub, [this] { return SaveCard(QStringLiteral("SaveRs")); });
}

void FrmCusAM::closeEvent(QCloseEvent *event)
{
    if (m_bCls) {
        QWidget::closeEvent(event);
        return;
    }
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (cancel) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    Form_Unload();
}

void FrmCusAM::Form_QueryUnload(bool &Cancel)
{
    if (m_iOpenedBy == kOpenedToView)
        return;
    if (m_bLoading) {
        Cancel = true;
        return;
    }
    Cancel = keepsPendingChanges();
    if (!Cancel)
        InvAttachfile1->Release();
}

void FrmCusAM::Form_Unload()
{
    InvUserDef1->Release();
    if (g_oPub)
        g_oPub->FrmUnLoad();
    m_sInvoiceXml.clear();
    m_bCls = true;
    m_plugIns.unload();
}

} // namespace customer
