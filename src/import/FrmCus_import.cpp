#include "import/FrmCus_import.h"

#include "catalogue/SharedUtilities.h"
#include "entry/SessionContext.h"
#include "import/StagingTransfer.h"
#include "import/TransferProgressDialog.h"
#include "suite/controls/Toolbar.h"
#include "suite/pub/IPub.h"

namespace customer {

FrmCus_import::FrmCus_import(QWidget *parent)
    : FrmCus(parent, importListVariant())
{
    setObjectName(QStringLiteral("FrmCus_import"));
    // Staging rows have no customer code to repeat on printed pages before they are moved.
    setProperty("printRepeatedKeys", QStringList{ QStringLiteral("cCusName") });
}

bool FrmCus_import::runOwnCommand(const QString &command, const QString &)
{
    if (command != u"sync")
        return false;
    transferTickedRows();
    return true;
}

void FrmCus_import::showDownloadedToolbar()
{
    for (const char *key : { "SetCusClass", "Sync", "MulModify", "FieldSet" })
        TLB2->setButtonEnabled(QLatin1StringView(key), true);
    TLB2->setButtonEnabled(QStringLiteral("Download"), false);
    if (g_oPub)
        g_oPub->ReRefreshKvTlb(this);
}

void FrmCus_import::transferTickedRows()
{
    if (!g_oPub || !g_oSrv)
        return;
    const TransferXmlContext context = StagingTransfer::withDatabaseDefaults(
        *g_oSrv, { g_cUserId, g_cUserName, g_DbSrvDate, {}, {} }, GetAccId());
    StagingTransfer transfer(g_oSrv, g_oPub, context, g_cDBName);
    QString sMsg;
    if (!transfer.markSelection(tickedLastColumn(), sMsg)) {
        ShowInfoMsg(sMsg);
        return;
    }
    TransferOutcome outcome;
    {
        TransferProgressDialog progress(this);
        outcome = transfer.run(&progress);
    }
    if (outcome.failed())
        ShowInfoMsg(outcome.message);
    else
        ShowInfoMsg(g_oPub->GetResFormatString(QStringLiteral("Tarn.AA.ARCHIVE.IMPORT.syncdone"),
                                               { QString::number(outcome.transferred) }));
    // The rows show their codes, and a refused one its reason, as soon as the transfer ends.
    DataRefresh(lastCondition());
}

} // namespace customer
