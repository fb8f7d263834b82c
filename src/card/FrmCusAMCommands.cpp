// The customer card's commands beside the save: delete and navigation through the list, the
// sub-record dialogs and the contacts.
#include "card/FrmCusAM.h"

#include "card/CardRecordLoad.h"
#include "card/PendingChanges.h"
#include "card/SubRecordParameters.h"
#include "entry/ArchiveEntry.h"
#include "entry/SessionContext.h"
#include "list/FrmCus.h"
#include "suite/card/IContact.h"
#include "suite/card/ISubRecordDialog.h"
#include "suite/controls/Grid.h"
#include "suite/controls/RefEdit.h"
#include "suite/controls/Toolbar.h"
#include "suite/core/ObjectFactory.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

#include <QTabWidget>

namespace customer {

FrmCus *FrmCusAM::ownerList() const
{
    return m_cls ? qobject_cast<FrmCus *>(m_cls->FrmMain.data()) : nullptr;
}

// The list deletes: it asks the user, writes the delete log and refreshes itself. The card then
// shows the customer that took the deleted one's row, or an empty card when none is left.
void FrmCusAM::DeleteCard()
{
    FrmCus *list = ownerList();
    if (!list)
        return;
    const QString code = Edt(0)->text();
    for (int row = 1; row < list->Grid->Rows(); ++row) {
        if (list->Grid->TextMatrix(row, list->iKeyPos) == code) {
            m_lRow = row;
            break;
        }
    }
    list->strChildRenFromDeleteCode = code;
    list->strChildRenFromDeleteName = Edt(1)->text();
    list->bChildRenFromDelete = true;
    list->Operating(QStringLiteral("Delete"));
    list->bChildRenFromDelete = false;
    if (!list->bDelSuccess)
        return;
    forgetSubRecords();
    if (list->Grid->Rows() > 1) {
        Fillallfields(false);
        return;
    }
    ClearForAdd();
    for (const char *key : { "Delete", "SaveRs", "SaveRsNew" })
        setButtonEnabled(QString::fromLatin1(key), false);
    proposeCodeAfter(code);
    SSTab1->setCurrentIndex(0);
}

void FrmCusAM::MoveRecord(const QString &key)
{
    if (keepsPendingChanges())
        return;
    FrmCus *list = ownerList();
    if (!list || !TLB2->isButtonEnabled(key) || !TLB2->isButtonVisible(key))
        return;
    m_lRow = cardMoveRow(key, m_lRow, list->Grid->Rows());
    forgetSubRecords();
    Fillallfields(false);
    if (!g_bCardSaved || !m_bSavedNew)
        return;
    // The customers this card added are not in the list's rows yet.
    list->DataRefresh(list->lastCondition());
    m_bSavedNew = false;
    if (!TLB2->isButtonEnabled(QStringLiteral("Next")) && list->Grid->Rows() >= m_lRow) {
        setButtonEnabled(QStringLiteral("First"), true);
        setButtonEnabled(QStringLiteral("Previous"), true);
    }
}

// A dialog is handed its parameters the first time it opens on this customer; later it gets
// back the rows it gave, so that edits made before the save are not lost.
void FrmCusAM::ShowSubRecords(const QString &key)
{
    const std::optional<SubRecordDialog> dialog = subRecordDialogOfKey(key);
    if (!dialog)
        return;
    const auto component = suite::createObject<suite::ISubRecordDialog>(subRecordProgId(*dialog));
    if (!component)
        return;
    QString &fragment = keptFragment(*dialog);
    const bool firstOpening = fragment.isEmpty();
    if (firstOpening)
        fragment = subRecordParameters(*dialog);
    if (*dialog == SubRecordDialog::Address)
        g_cContactCusCode = Edt(0)->text();
    FrmCus *list = ownerList();
    component->Show(g_oLogin, g_oPub, g_oSrv, g_oColSet, fragment, g_bIsWeb,
                    list ? list->RefClient.get() : nullptr);
    if (*dialog == SubRecordDialog::Invoice || *dialog == SubRecordDialog::Address)
        tellPlugInsDataChanged(fragment);
    if (*dialog != SubRecordDialog::Address || firstOpening)
        MarkModified();
}

QString &FrmCusAM::keptFragment(SubRecordDialog dialog)
{
    switch (dialog) {
    case SubRecordDialog::Invoice:
        return m_sInvoiceXml;
    case SubRecordDialog::Person:
        return m_sPersonXml;
    case SubRecordDialog::Privilege:
        return m_sRightsXml;
    case SubRecordDialog::Address:
        return m_sAddrXml;
    case SubRecordDialog::Bank:
        break;
    }
    return m_sBankXml;
}

int FrmCusAM::subRecordRight(SubRecordDialog dialog) const
{
    if (m_bReadOnly || takesNoInput())
        return 1;
    switch (dialog) {
    case SubRecordDialog::Invoice:
        return m_iRightInvoice;
    case SubRecordDialog::Person:
        return m_iRightPerson;
    case SubRecordDialog::Privilege:
        return m_iRightRights;
    case SubRecordDialog::Address:
        return m_iRightAddr;
    case SubRecordDialog::Bank:
        break;
    }
    return fieldRight(QStringLiteral("cCusBank"));
}

// A new customer has no invoice units stored under its code yet.
QString FrmCusAM::subRecordParameters(SubRecordDialog dialog) const
{
    SubRecordParameters parameters;
    const bool newCustomer = dialog == SubRecordDialog::Invoice && m_iOpt == 1;
    parameters.code = newCustomer ? QString() : Edt(0)->text();
    parameters.name = Edt(1)->text();
    parameters.right = subRecordRight(dialog);
    parameters.readRights = g_sRowAuthInv;
    parameters.writeRights = g_cAuthCustomerW;
    parameters.url = g_cRefUrl;
    return subRecordParameterXml(dialog, parameters);
}

void FrmCusAM::tellPlugInsDataChanged(const QString &xml)
{
    m_plugIns.dataChanged(xml);
}

// The contact dialog writes at once; the card takes the default contact's person and mobile
// phone back from the customer it updated.
void FrmCusAM::ShowContacts()
{
    const auto contacts =
        suite::createObject<suite::IContact>(QString::fromLatin1(suite::IContact::kProgId));
    if (!contacts)
        return;
    const bool adding = m_iOpt == 1;
    const QString code = adding ? QString() : Edt(0)->text();
    contacts->SetServices(g_oPub, g_oSrv);
    contacts->showCalledByCusomterArchive(g_oLogin, code, adding ? QString() : Edt(1)->text());
    if (!g_oSrv)
        return;
    const suite::RecordSet customer =
        g_oSrv->OpenX(QStringLiteral("select CCusPerson ,cCusHand    from customer where "
                                     "cCusCode='%1'")
                          .arg(suite::sqlQuote(code)));
    if (!customer.IsOpen() || customer.RecordCount() == 0)
        return;
    Edt(13)->setText(customer.valueAt(0, 0).toString());
    Edt(18)->setText(customer.valueAt(0, 1).toString());
}

} // namespace customer
