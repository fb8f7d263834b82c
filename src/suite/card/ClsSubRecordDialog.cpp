#include "suite/card/ClsSubRecordDialog.h"

#include "suite/card/ClsContact.h"
#include "suite/card/ICusBank.h"
#include "suite/card/ICusDimension.h"
#include "suite/card/ICusInvoiceCorp.h"
#include "suite/card/ICusPerson.h"
#include "suite/card/IDeliverAdd.h"
#include "suite/card/SubRecordDialog.h"
#include "suite/card/SubRecordList.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ILogin.h"
#include "suite/pub/IPub.h"
#include "suite/pub/ResourceTable.h"

namespace suite {

namespace {

constexpr int kCritical = 16;
constexpr int kExclamation = 48;

template<class Interface> void registerKind(SubRecordKind (*makeKind)())
{
    ObjectFactory::instance().registerClass(QLatin1String(Interface::kProgId), [makeKind] {
        return std::make_shared<ClsSubRecordDialog<Interface>>(makeKind());
    });
}

} // namespace

bool showSubRecordDialog(const SubRecordKind &kind, const std::shared_ptr<ILogin> &oLogin,
                         const std::shared_ptr<IPub> &oPub, const std::shared_ptr<IClsCommon> &oSrv,
                         QString &sXml)
{
    if (!oPub || !oSrv)
        return false;
    const QString title = oPub->GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information"));
    SubRecordList list(kind);
    QString sMsg;
    if (!list.loadParameters(sXml, sMsg)
        || (!list.hasKeptRows() && !list.customerCode().isEmpty() && !list.readRows(*oSrv, sMsg))) {
        oPub->MsgBox(
            oPub->GetResFormatString(QStringLiteral("Tarn.AA.SUBREC.COMMON.readfail"), { sMsg }),
            kCritical, title);
        return false;
    }
    const ResourceTable &texts =
        ResourceTable::builtIn(oLogin ? oLogin->LanguageRegion() : QString());
    SubRecordDialog dialog(list, *oSrv, texts,
                           [&](const QString &text) { oPub->MsgBox(text, kExclamation, title); });
    showModal(&dialog);
    // Rows accepted as they were leave the fragment as it came, so that the save writes none.
    if (list.isReadOnly() || dialog.result() != QDialog::Accepted || !list.isChanged())
        return false;
    sXml = list.fragment();
    return true;
}

void registerSubRecordDialogs()
{
    registerKind<IDeliverAdd>(&deliverAddressKind);
    registerKind<ICusBank>(&customerBankKind);
    registerKind<ICusInvoiceCorp>(&invoiceCorpKind);
    registerKind<ICusPerson>(&customerPersonKind);
    registerKind<ICusDimension>(&customerRightsKind);
    registerContactDialog();
}

} // namespace suite
