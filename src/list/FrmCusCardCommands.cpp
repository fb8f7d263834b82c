// The list commands that open the customer card: "Add" and "Modify".
#include "list/FrmCus.h"

#include "card/FrmCusAM.h"
#include "catalogue/SharedUtilities.h"
#include "entry/ArchiveEntry.h"
#include "entry/SessionContext.h"
#include "suite/controls/Grid.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/RefEdit.h"
#include "suite/controls/Toolbar.h"
#include "suite/login/IBusiness.h"
#include "suite/pub/IPub.h"

#include <QApplication>
#include <QTreeWidget>

namespace customer {

namespace {

constexpr int kAdd = 1;
constexpr int kAddTask = 11;

QString res(const char *key)
{
    return g_oPub ? g_oPub->GetResString(QLatin1StringView(key)) : QString::fromLatin1(key);
}

// The code of a customer being modified is never changed: its field is greyed and locked.
void lockCodeField(FrmCusAM *card)
{
    suite::RefEdit *code = card->Edt(0);
    QPalette palette = code->palette();
    palette.setColor(QPalette::Base, QApplication::palette().color(QPalette::Button));
    code->setPalette(palette);
    code->setEnabled(false);
}

} // namespace

bool FrmCus::mayOpenCard(int status)
{
    if (status != kAdd)
        return TLB2->isButtonEnabled(QStringLiteral("Modify")) && Grid->Rows() >= 2;
    if (!TLB2->isButtonEnabled(QStringLiteral("Add")) || !g_oPub)
        return false;
    if (g_oPub->IsLockFun(g_oSrv, g_oLogin, m_variant.mainTable, kAddTask))
        return false;
    g_oPub->IsLockFun(g_oSrv, g_oLogin, m_variant.mainTable, -kAddTask);
    const QTreeWidgetItem *root = Trv->topLevelItem(0);
    if (g_bIsWeb && (!root || root->childCount() == 0)) {
        ShowInfoMsg(
            g_oPub->GetResFormatString(QStringLiteral("Tarn.AAARCHIVE.COMMON.no_cls_no_add"),
                                       { res("Tarn.AA.ARCHIVE.customerclass") }));
        return false;
    }
    return true;
}

void FrmCus::openCard(int status)
{
    if (!m_cls || !mayOpenCard(status))
        return;
    m_cls->FrmMain = this;
    if (m_InPotal) {
        showCardInPortal(status);
        return;
    }
    auto *card = new FrmCusAM;
    (status == kAdd ? m_cls->g_frmChildAdd : m_cls->g_frmChildModify) = card;
    prepareCard(card, status);
    suite::showModal(card);
    delete card;
    if (g_bCardSaved) {
        DataRefresh(QString());
        if (g_oPub)
            g_oPub->SetGridRow(Grid, res("Tarn.AA.ARCHIVE.FIELD.ccuscode"), m_CodeVal);
    }
}

void FrmCus::prepareCard(FrmCusAM *card, int status)
{
    card->m_cls = m_cls;
    card->InitData(status, iKeyPos, Grid->Row());
    g_bCardSaved = false;
    card->setArchivePlugin(m_plugIns);
    if (status != kAdd)
        lockCodeField(card);
}

void FrmCus::showCardInPortal(int status)
{
    QPointer<QWidget> &kept = status == kAdd ? m_cls->g_frmChildAdd : m_cls->g_frmChildModify;
    auto *open = qobject_cast<FrmCusAM *>(kept.data());
    if (status == kAdd && open && !open->m_bCls) {
        if (g_oBusiness)
            g_oBusiness->SetFormActive(QStringLiteral("AA"), QStringLiteral("frmAdd_key"));
        return;
    }
    if (open && open->m_bCls)
        open->deleteLater();
    auto *card = new FrmCusAM;
    card->m_InPotal = true;
    kept = card;
    prepareCard(card, status);
    if (!g_oBusiness)
        return;
    const bool adding = status == kAdd;
    const suite::SuiteObjectPtr env = g_oBusiness->CreateFormEnv(
        adding ? QStringLiteral("Customer.frmAdd") : QStringLiteral("Customer.frmModify"), card);
    g_oBusiness->ShowForm(card, QStringLiteral("AA"),
                          adding ? QStringLiteral("frmAdd_key") : QStringLiteral("frmModify_key"),
                          false, true, env);
}

} // namespace customer
