// The customer card's defaults for a new customer and its automatic customer code.
#include "card/FrmCusAM.h"

#include "card/CardSetupRules.h"
#include "card/KeyInfoStrip.h"
#include "entry/ArchiveEntry.h"
#include "entry/SessionContext.h"
#include "list/ClassTree.h"
#include "list/FrmCus.h"
#include "suite/card/AttachmentControl.h"
#include "suite/card/PictureControl.h"
#include "suite/card/UserDefineControl.h"
#include "suite/controls/RefEdit.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ILogin.h"
#include "suite/pub/IPub.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QTabWidget>
#include <QTreeWidget>

namespace customer {

void FrmCusAM::ClearForAdd(bool startPlugIns)
{
    m_inputLock.unlock();
    m_sRightsXml.clear();
    clearControls();
    if (m_iOpenedBy == 0)
        takeClassFromList();
    EdtDTPicker1(2)->setText(g_CurDate);
    EdtDTPicker1(4)->setText(g_DbSrvDate);
    refEdit(QStringLiteral("EdtdCusCreateDatetime"))->setText(g_DbSrvDate);
    refEdit(QStringLiteral("EdtcCusExch_name"))->setText(g_cCurName);
    SSTab1->setCurrentIndex(0);
    setCaption(QStringLiteral("Tarn.AA.CUSTOMER.FRMCUSAM.addcus"));
    m_iOpt = 1;
    defaultManagementType();
    ShowAuditFields(nullptr);
    setButtonEnabled(QStringLiteral("Delete"), false);
    if (fieldRight(QStringLiteral("cCusCode")) == 2) {
        Edt(0)->setEnabled(true);
        if (isActiveWindow())
            focusCodeField();
    }
    comboBox(QStringLiteral("cmbbshop"))->setCurrentIndex(0);
    QCheckBox *onCredit = checkBox(QStringLiteral("chkbOnGPinStore"));
    onCredit->setChecked(false);
    onCredit->setEnabled(false);
    rememberCodes();
    // The class taken from the list's tree gives the new customer that class's rights.
    if (!m_sOldCCCode.isEmpty())
        RefreshCusPrivilege(QStringLiteral("class"), m_sOldCCCode);
    m_bCodeTyped = false;
    applyEditLock();
    if (startPlugIns) {
        suite::RecordSet noRecord;
        StartPlugIns(noRecord);
    }
}

void FrmCusAM::clearControls()
{
    for (auto *edit : findChildren<suite::RefEdit *>()) {
        edit->clear();
        edit->setTag(QString());
        edit->setToolTip(QString());
    }
    for (QLineEdit *date : m_dates)
        date->clear();
    for (QLineEdit *name : m_text1)
        name->clear();
    comboBox(QStringLiteral("CmbcInvoiceCompany"))->clear();
    for (QCheckBox *box : findChildren<QCheckBox *>())
        box->setChecked(false);
    checkBox(QStringLiteral("chkbCusDomestic"))->setChecked(m_bDomesticDefault);
    checkBox(QStringLiteral("chkbCusOverseas"))->setChecked(m_bOverseasDefault);
    FrameBranch->setEnabled(false);
    SetBranchState();
    InvUserDef1->Clear();
    Pic->Clear();
    InvAttachfile1->Clear();
    refreshToolbar();
}

// The class the user stands on in the list's tree, down to its first end-level class.
void FrmCusAM::takeClassFromList()
{
    auto *list = m_cls ? qobject_cast<FrmCus *>(m_cls->FrmMain.data()) : nullptr;
    QTreeWidgetItem *node = list ? list->Trv->currentItem() : nullptr;
    while (node && node->childCount() > 0)
        node = node->child(0);
    if (!node)
        return;
    const QString code = classNodeKey(node).mid(1);
    if (code.isEmpty())
        return;
    Edt(3)->setText(code);
    Edt(3)->setTag(code);
    Text1(0)->setText(node->text(0).section(u')', 1).trimmed());
}

void FrmCusAM::defaultManagementType()
{
    if (!g_oSrv)
        return;
    const suite::RecordSet type = g_oSrv->OpenX(
        QStringLiteral("select * from tc_type where obj_type=1 and stop_flag=0 and bdefault=1"));
    if (!type.IsOpen() || type.RecordCount() == 0)
        return;
    const QString code = type.valueAt(0, type.FieldIndex(QStringLiteral("type_code"))).toString();
    suite::RefEdit *edit = refEdit(QStringLiteral("EdtCusMngTypeCode"));
    edit->setText(code);
    edit->setTag(code);
}

void FrmCusAM::focusCodeField()
{
    Edt(0)->setFocus();
    if (QApplication::focusWidget() != Edt(0))
        Edt(1)->setFocus();
}

void FrmCusAM::rememberCodes()
{
    m_sOldCCCode = Edt(3)->text();
    m_sOldDCCode = Edt(4)->text();
    m_sOldTradeCode = Edt(6)->text();
}

void FrmCusAM::RefreshAutoCode()
{
    const bool typedCode = m_bCodeTyped && !Edt(0)->text().isEmpty();
    if (m_iOpt != 1 || m_bLoading || !m_bAutoCode || typedCode || !g_oPub)
        return;
    m_bNumbering = true;
    g_oPub->CheckValid(this);
    NumberingContext context;
    context.name = Edt(1)->text();
    context.abbName = Edt(2)->text();
    context.classCode = Edt(3)->text();
    context.districtCode = Edt(4)->text();
    context.rankCode = refEdit(QStringLiteral("EdtCustomerKCode"))->text();
    context.mngTypeCode = refEdit(QStringLiteral("EdtCusMngTypeCode"))->text();
    context.modifyDate = g_DbSrvDate;
    context.modifyPerson = g_oLogin ? g_oLogin->cUserName() : g_cUserName;
    QString xml = numberingContextXml(context);
    Edt(0)->setText(g_oPub->GetBillNumber(g_oSrv, m_sCodeFormat, xml, QStringLiteral("Customer"),
                                          QStringLiteral("cCuscode"), Edt(0)->text(), false));
    m_bCodeTyped = false;
    m_bNumbering = false;
}

void FrmCusAM::ShowKeyInfo()
{
    ShowKeyInfo1->ShowKeyInfo(Edt(0)->text(), Edt(1)->text());
}

void FrmCusAM::SetBranchState()
{
    const bool branch = checkBox(QStringLiteral("ChkbHomeBranch"))->isChecked();
    FrameBranch->setEnabled(branch);
    for (const char *column : { "cBranchAddr", "cBranchPhone", "cBranchPerson" }) {
        const QString name = QString::fromLatin1(column);
        GetControlByName(name)->setEnabled(branch && fieldRight(name) == 2);
    }
}

} // namespace customer
