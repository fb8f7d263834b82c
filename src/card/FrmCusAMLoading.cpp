// Spreading a customer record onto the card's controls: from the database for modify and view,
// from a preset XML for a customer added from outside. What goes where is CardRecordLoad's; the
// card adds what needs its window: caption, buttons, audit fields and the three record controls.
#include "card/FrmCusAM.h"

#include "card/CardRecordLoad.h"
#include "card/CodeNames.h"
#include "card/ReadableRecordStatement.h"
#include "catalogue/DataAuth.h"
#include "catalogue/ListQuery.h"
#include "catalogue/SharedUtilities.h"
#include "entry/ArchiveEntry.h"
#include "entry/SessionContext.h"
#include "list/FrmCus.h"
#include "suite/card/AttachmentControl.h"
#include "suite/card/PictureControl.h"
#include "suite/card/UserDefineControl.h"
#include "suite/controls/Grid.h"
#include "suite/controls/RefEdit.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/IDeleteLog.h"
#include "suite/pub/IPub.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPalette>

namespace customer {

namespace {

constexpr int kViewDeleteLogCall = 4;

} // namespace

// The list row the card shows, and which way the card may move from it. Asked with
// switchToModify, a card that added a customer turns to modifying the row it stands on.
suite::RecordSet FrmCusAM::GetCurRecord(bool switchToModify)
{
    auto *list = m_cls ? qobject_cast<FrmCus *>(m_cls->FrmMain.data()) : nullptr;
    if (!list || !g_oSrv)
        return {};
    const int rows = list->Grid->Rows();
    const CardNavigation navigation = cardNavigation(rows, m_lRow);
    setButtonEnabled(QStringLiteral("First"), navigation.first);
    setButtonEnabled(QStringLiteral("Previous"), navigation.previous);
    setButtonEnabled(QStringLiteral("Next"), navigation.next);
    setButtonEnabled(QStringLiteral("Last"), navigation.last);
    if (switchToModify && m_iOpt == 1) {
        if (rows <= 2)
            return {};
        m_iOpt = 2;
        setCaption(QStringLiteral("Tarn.AA.CUSTOMER.FRMCUSAM.modifycus"));
    }
    setButtonEnabled(QStringLiteral("Delete"), m_iOpt == 2);
    m_lRow = navigation.row;
    m_sCusCode = list->Grid->TextMatrix(m_lRow, m_iCodeCol);
    return g_oSrv->OpenX(readableRecordStatement(m_sCusCode));
}

void FrmCusAM::Fillallfields(bool bHaveRst, const suite::RecordSet &Rst, int iCallType,
                             const std::shared_ptr<suite::IDeleteLog> &objLog)
{
    InitDataAuth();
    m_inputLock.unlock();
    suite::RecordSet record = Rst;
    if (!bHaveRst) {
        record = GetCurRecord(true);
        if (!record.IsOpen())
            return;
        if (record.RecordCount() == 0) {
            reportVanishedRecord();
            return;
        }
        setCaption(QStringLiteral("Tarn.AA.CUSTOMER.FRMCUSAM.modifycus"));
        m_iOpt = 2;
        setButtonEnabled(QStringLiteral("Delete"), true);
        Edt(0)->setEnabled(false);
    } else {
        setCaption(QStringLiteral("Tarn.AA.ARCHIVE.customerarch"));
    }
    if (m_iOpt == 2)
        Edt(0)->setStyleSheet(QStringLiteral("background-color: palette(button);"));
    m_sOldCCCode.clear();
    m_sOldDCCode.clear();
    m_sOldTradeCode.clear();
    for (int name = 0; name < 3; ++name)
        Text1(name)->clear();
    if (!record.IsOpen() || record.RecordCount() == 0)
        return;
    spreadRecord(record);
    loadRecordControls(record, iCallType, objLog);
    applyEditLock();
    StartPlugIns(record);
}

// The tags of the last record shown (region codes, the contact's person, a chosen credit
// company) belong to it, not to the next one.
void FrmCusAM::clearReferenceTags()
{
    for (auto *edit : findChildren<suite::RefEdit *>())
        edit->setTag(QString());
}

// What the dialogs keep for the customer, shown as it is stored.
void FrmCusAM::showDisplayOnlyValues(const suite::RecordSet &record)
{
    Edt(9)->setText(record.Value(QStringLiteral("cCusBank")).toString());
    Edt(10)->setText(record.Value(QStringLiteral("cCusAccount")).toString());
    Edt(19)->setText(record.Value(QStringLiteral("cCusOAddress")).toString());
    QComboBox *invoiceCompany = comboBox(QStringLiteral("CmbcInvoiceCompany"));
    invoiceCompany->clear();
    const QString company = record.Value(QStringLiteral("cInvoiceCompany")).toString();
    if (!company.isEmpty())
        invoiceCompany->addItem(company);
}

// The customer the list row named is gone: say so and let the list catch up.
void FrmCusAM::reportVanishedRecord()
{
    auto *list = m_cls ? qobject_cast<FrmCus *>(m_cls->FrmMain.data()) : nullptr;
    if (!list || list->Grid->Rows() < 2)
        return;
    g_aResArgs = QStringList{ list->Grid->TextMatrix(m_lRow, m_iCodeCol) };
    ShowInfoMsg(
        g_oPub ? g_oPub->GetResFormatString(QStringLiteral("Tarn.AA.CUSTOMER.2540_1"), g_aResArgs)
               : QString());
    list->DataRefresh(list->lastCondition());
}

void FrmCusAM::spreadRecord(const suite::RecordSet &record)
{
    m_bLoading = true;
    CardRecordLoad::Formatting formatting;
    formatting.formatNumber = [](const QVariant &value, int digits) {
        return g_oPub ? g_oPub->FormatNum(value, digits) : value.toString();
    };
    formatting.taxRateDigits = g_iTaxRateDigits;
    CardRecordLoad::Hooks hooks;
    hooks.afterOfferRate = [this, &record] {
        ShowAuditFields(&record);
    };
    hooks.afterCostGrade = [this, &record] {
        InvUserDef1->LoadFromRecord(record);
    };
    clearReferenceTags();
    CardRecordLoad load(*this);
    const CardRecordLoad::Outcome outcome = load.loadRecord(record, formatting, hooks);
    checkBox(QStringLiteral("chkbOnGPinStore"))->setEnabled(outcome.groupPurchaseEnabled);
    SetBranchState();
    showDisplayOnlyValues(record);
    if (g_oPub) {
        for (const char *rate : { "EdtfCommisionRate", "EdtfInsueRate" })
            g_oPub->FormatCon(refEdit(QLatin1StringView(rate)));
    }
    if (g_oSrv) {
        load.lookUpRegionCodes(*g_oSrv);
        CodeNames(*this).showStored(*g_oSrv);
    }
    showTextStarts();
    setButtonEnabled(QStringLiteral("SaveRs"), false);
    setButtonEnabled(QStringLiteral("SaveRsNew"), false);
    m_bLoading = false;
}

// A text longer than its field shows its beginning, as a user reads it, not its end.
void FrmCusAM::showTextStarts()
{
    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        if (!edit->hasFocus())
            edit->setCursorPosition(0);
    }
}

// The picture and the attachments of the record, then what the card remembers of it.
void FrmCusAM::loadRecordControls(const suite::RecordSet &record, int iCallType,
                                  const std::shared_ptr<suite::IDeleteLog> &objLog)
{
    const QString pictureGuid = record.Value(QStringLiteral("PictureGUID")).toString();
    if (iCallType == kViewDeleteLogCall) {
        // A deleted customer's picture is gone from the table: the log kept it.
        const suite::RecordSet kept =
            objLog ? objLog->GetRecordset(QStringLiteral("AA_Picture")) : suite::RecordSet();
        if (kept.IsOpen() && kept.RecordCount() > 0)
            Pic->LoadFromRecordSet(kept);
        else
            Pic->Clear();
    } else if (pictureGuid.isEmpty() || !g_oSrv) {
        Pic->Clear();
    } else {
        Pic->LoadFromRecordSet(
            g_oSrv->OpenX(QStringLiteral("select top 1 Picture from AA_Picture where cGUID='%1'")
                              .arg(suite::sqlQuote(pictureGuid))));
    }
    InvAttachfile1->LoadFiles(QStringLiteral("customer"), Edt(0)->text());
    rememberCodes();
    ShowKeyInfo();
}

void FrmCusAM::fillFlds(const suite::XmlElement &Ele)
{
    ClearForAdd(false);
    m_bLoading = true;
    const CardRecordLoad::Outcome outcome = CardRecordLoad(*this).loadPreset(Ele);
    checkBox(QStringLiteral("chkbOnGPinStore"))->setEnabled(outcome.groupPurchaseEnabled);
    if (g_oSrv)
        CodeNames(*this).showStored(*g_oSrv);
    showTextStarts();
    if (m_iOpt == 1)
        Edt(33)->setText(g_cUserName);
    Edt(35)->setText(g_cUserName);
    EdtDTPicker1(4)->setText(g_DbSrvDate);
    refEdit(QStringLiteral("EdtdCusCreateDatetime"))->setText(g_DbSrvDate);
    m_bLoading = false;
    ShowKeyInfo();
    suite::RecordSet noRecord;
    StartPlugIns(noRecord);
}

// Who made and last changed the record, and whether this user may change it.
void FrmCusAM::ShowAuditFields(const suite::RecordSet *rs)
{
    const bool withRecord = rs && rs->IsOpen() && rs->RecordCount() > 0 && m_iOpt != 1;
    Edt(33)->setText(withRecord ? rs->Value(QStringLiteral("cCreatePerson")).toString()
                                : g_cUserName);
    if (!withRecord) {
        Edt(34)->clear();
        m_bReadOnly = false;
    } else {
        // The rights class is kept as text; the rights service takes it as a number, and a
        // customer without one by its code.
        const QVariant rightsClass = rs->Value(QStringLiteral("iId"));
        bool classified = false;
        const qlonglong classId = rightsClass.toString().toLongLong(&classified);
        const QVariant key = classified ? QVariant(classId) : rs->Value(QStringLiteral("cCusCode"));
        m_bReadOnly = !g_bCanModifyArch
            || (g_oPub && !g_oPub->CheckAuth(g_oSrv, key, QStringLiteral("Customer"), g_oRowAuth));
        if (rightsClass.toString().isEmpty())
            Edt(34)->clear();
    }
    const QString readOnly = res("Tarn.AA.GRADEDEF.FRMGRADEDEF.readonly");
    QString caption = windowTitle();
    if (caption.endsWith(readOnly))
        caption.chop(readOnly.size());
    setWindowTitle(m_bReadOnly ? caption + readOnly : caption);
    Edt(35)->setText(withRecord && m_iOpt == 2
                         ? rs->Value(QStringLiteral("cModifyPerson")).toString()
                         : g_cUserName);
}

QString FrmCusAM::GetNodeText(const suite::XmlElement &Ele, const QString &name,
                              const QString &defaultText) const
{
    return CardRecordLoad::GetNodeText(Ele, name, defaultText);
}

} // namespace customer
