// The customer card's save: the checks in the order the user meets them, the record written
// through the data service under the function lock, and what the card shows afterwards.
#include "card/FrmCusAM.h"

#include "card/AuthDimensionCheck.h"
#include "card/CardRecordLoad.h"
#include "card/CardRecordXml.h"
#include "card/CardSaveChecks.h"
#include "card/CreditPropagation.h"
#include "card/ReadableRecordStatement.h"
#include "catalogue/SharedUtilities.h"
#include "entry/ArchiveEntry.h"
#include "entry/SessionContext.h"
#include "list/FrmCus.h"
#include "suite/card/AttachmentControl.h"
#include "suite/card/PictureControl.h"
#include "suite/card/UserDefineControl.h"
#include "suite/colset/IColumnSet.h"
#include "suite/controls/RefEdit.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

#include <QTabWidget>

namespace customer {

namespace {

const QString kArchive = QStringLiteral("Customer");
constexpr int kAddTask = 11;
constexpr int kModifyTask = 2;

} // namespace

bool FrmCusAM::SaveCard(const QString &key)
{
    if (!g_oPub || !g_oSrv)
        return false;
    SaveCheckInputs inputs = SaveCheckInputs::fromSession(m_iOpt);
    inputs.userDefinedFieldsValid = [this] {
        QString told;
        return InvUserDef1->CheckValid(told);
    };
    inputs.refreshAutoCode = [this] {
        RefreshAutoCode();
    };
    inputs.rightsXml = m_sRightsXml;
    inputs.authorityDimensionsCovered = [this] {
        return CheckAuthDims();
    };
    if (const auto refused = checkBeforeSave(*this, inputs)) {
        if (!refused->message.isEmpty())
            ShowInfoMsg(refused->message);
        focusRefusedField(refused->focusControl, refused->focusIndex);
        return false;
    }
    const bool adding = m_iOpt == 1;
    const QString code = Edt(0)->text();
    if (!SaveRecord(key))
        return false;
    m_bSavedNew = m_bSavedNew || adding;
    setButtonEnabled(QStringLiteral("SaveRs"), false);
    setButtonEnabled(QStringLiteral("SaveRsNew"), false);
    if (m_iOpt == 2) {
        m_bReadOnly = !g_oPub->CheckAuth(g_oSrv, code, kArchive, g_oRowAuth);
        applyEditLock();
    }
    if (FrmCus *list = m_iOpenedBy == 0 ? ownerList() : nullptr)
        list->Operating(QStringLiteral("Refresh"));
    g_bCardSaved = true;
    return true;
}

// A refused value is shown where the user typed it, on whichever page that is.
void FrmCusAM::focusRefusedField(const QString &control, int index)
{
    QWidget *field = control.isEmpty() ? nullptr : GetControlByName(control, index);
    if (!field)
        return;
    for (int page = 0; page < SSTab1->count(); ++page) {
        if (SSTab1->widget(page)->isAncestorOf(field))
            SSTab1->setCurrentIndex(page);
    }
    field->setFocus();
}

bool FrmCusAM::CheckAuthDims()
{
    if (!g_oSrv || !g_oPub)
        return true;
    AuthDimensionCheck dimensions(*g_oSrv, *g_oPub);
    const std::optional<QString> missing = dimensions.CheckAuthDims(Edt(0)->text(), m_sRightsXml);
    if (missing)
        ShowInfoMsg(*missing);
    return !missing;
}

// The write holds the function lock of its state, so that no other user adds or changes
// customers at the same time.
bool FrmCusAM::SaveRecord(const QString &key)
{
    if (!g_oPub || !g_oSrv)
        return false;
    const int task = m_iOpt == 1 ? kAddTask : kModifyTask;
    if (g_oPub->IsLockFun(g_oSrv, g_oLogin, kArchive, task))
        return false;
    const QString code = Edt(0)->text();
    const QString xml = writeRecordXml();
    const bool saved = storeRecord(xml);
    g_oPub->IsLockFun(g_oSrv, g_oLogin, kArchive, -task);
    if (saved)
        afterSaved(key, code, xml);
    return saved;
}

QString FrmCusAM::writeRecordXml()
{
    g_oPub->CheckValid(this);
    CardRecordInputs inputs = CardRecordInputs::fromSession();
    inputs.state = m_iOpt;
    inputs.autoCode = m_bAutoCode;
    inputs.codeTyped = m_bCodeTyped;
    inputs.addressXml = m_sAddrXml;
    inputs.bankXml = m_sBankXml;
    inputs.invoiceXml = m_sInvoiceXml;
    inputs.personXml = m_sPersonXml;
    inputs.rightsXml = m_sRightsXml;
    inputs.userDefinedXml = InvUserDef1->GetRecordXml();
    inputs.attachmentXml = InvAttachfile1->GetRecordXml(QStringLiteral("customer"));
    inputs.writePicture = [this](const suite::RecordSet &stored, bool web, QString &data,
                                 QString &type) {
        return Pic->WritePicture(stored, web, data, type);
    };
    return CardRecordXml(*this, inputs).WriteXML();
}

// A refusal of the data service leaves the card as it is, its changes still to be saved, but
// for a code the numbering rule proposed: another user may have saved that code meanwhile, so
// the next free one is proposed and saving again stores the customer (a code still free is
// proposed again). Attachments added to a new customer move to its code only once the
// customer exists.
bool FrmCusAM::storeRecord(const QString &xml)
{
    if (g_cColInfoXml.isEmpty() && g_oColSet)
        g_cColInfoXml = g_oColSet->getColInfo(QStringLiteral("customer"));
    QString sMsg;
    const bool saved =
        m_iOpt == 1 ? g_oSrv->Add(xml, kArchive, sMsg) : g_oSrv->Modify(xml, kArchive, sMsg);
    if (!saved) {
        ShowInfoMsg(sMsg);
        RefreshAutoCode();
        return false;
    }
    QString fileMsg;
    if (!InvAttachfile1->SaveFiles(Edt(0)->text(), fileMsg) && !fileMsg.isEmpty())
        ShowInfoMsg(fileMsg);
    return true;
}

void FrmCusAM::afterSaved(const QString &key, const QString &code, const QString &xml)
{
    if (m_iOpt == 2)
        CreditPropagation(*this, *g_oSrv, *g_oPub).propagate(code);
    forgetSubRecords();
    if (m_iOpenedBy != 0) {
        setButtonEnabled(QStringLiteral("SaveRs"), false);
        setButtonEnabled(QStringLiteral("SaveRsNew"), false);
        tellOwnerSaved(xml);
        close();
    } else if (key.compare(u"SaveRsNew", Qt::CaseInsensitive) == 0) {
        startNextCustomer(code);
    } else {
        tellOwnerSaved(xml);
        showSavedRecord(code);
    }
    setButtonEnabled(QStringLiteral("Delete"), m_iOpt == 2);
}

// The record as stored, with what the data service filled in, in modify state.
void FrmCusAM::showSavedRecord(const QString &code)
{
    m_iOpt = 2;
    m_sCusCode = code;
    setButtonEnabled(QStringLiteral("SaveRs"), false);
    setButtonEnabled(QStringLiteral("SaveRsNew"), false);
    Edt(0)->setEnabled(false);
    Fillallfields(true, g_oSrv->OpenX(readableRecordStatement(code)));
}

void FrmCusAM::startNextCustomer(const QString &savedCode)
{
    if (FrmCus *list = ownerList())
        list->m_CodeVal = savedCode;
    ClearForAdd();
    proposeCodeAfter(savedCode);
    SSTab1->setCurrentIndex(0);
    setButtonEnabled(QStringLiteral("SaveRs"), false);
    setButtonEnabled(QStringLiteral("SaveRsNew"), false);
}

// Typed codes go on from the last one; numbered codes come from the rule.
void FrmCusAM::proposeCodeAfter(const QString &savedCode)
{
    if (m_bAutoCode)
        RefreshAutoCode();
    else if (g_oPub)
        Edt(0)->setText(g_oPub->GetAutoCode(savedCode));
}

void FrmCusAM::tellOwnerSaved(const QString &xml)
{
    if (!m_cls)
        return;
    m_cls->setSaved(true);
    m_cls->setXmlData(xml);
}

// The dialogs' rows are stored with the record; the next customer starts from its own.
void FrmCusAM::forgetSubRecords()
{
    m_sAddrXml.clear();
    m_sBankXml.clear();
    m_sInvoiceXml.clear();
    m_sPersonXml.clear();
    m_sRightsXml.clear();
}

} // namespace customer
