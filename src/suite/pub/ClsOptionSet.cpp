#include "suite/pub/ClsOptionSet.h"

#include "suite/controls/ArchiveOptionDialog.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/ArchiveOptions.h"
#include "suite/pub/IPub.h"
#include "suite/pub/ResourceTable.h"

namespace suite {

namespace {

constexpr int kCritical = 16;

} // namespace

void registerOptionSet()
{
    ObjectFactory::instance().registerClass(QLatin1String(IOptionSet::kProgId),
                                            [] { return std::make_shared<ClsOptionSet>(); });
}

bool ClsOptionSet::Show(const LoginRecord &login, const std::shared_ptr<IPub> &oPub,
                        const std::shared_ptr<IClsCommon> &oSrv, const QString &cArch, bool)
{
    if (!oPub || !oSrv)
        return false;
    const QString title = oPub->GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information"));
    ArchiveOptionStore store(*oSrv, cArch);
    ArchiveOptionValues values;
    QString sMsg;
    if (!store.read(values, sMsg)) {
        oPub->MsgBox(
            oPub->GetResFormatString(QStringLiteral("Tarn.AA.PUB.OPTION.readfail"), { sMsg }),
            kCritical, title);
        return false;
    }
    const bool editable = store.mayChange(login.cUserId, sMsg);
    ArchiveOptionDialog dialog(cArch, values, editable,
                               ResourceTable::builtIn(login.LanguageRegion));
    showModal(&dialog);
    if (!editable || dialog.result() != QDialog::Accepted || dialog.values() == values)
        return false;
    if (store.save(dialog.values(), sMsg))
        return true;
    oPub->MsgBox(oPub->GetResFormatString(QStringLiteral("Tarn.AA.PUB.OPTION.savefail"), { sMsg }),
                 kCritical, title);
    return false;
}

} // namespace suite
