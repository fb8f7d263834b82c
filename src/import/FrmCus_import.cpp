#include "import/FrmCus_import.h"

#include "batch/FrmZMulModify.h"
#include "catalogue/FieldCatalogue.h"
#include "catalogue/SharedUtilities.h"
#include "entry/SessionContext.h"
#include "import/ClassSettingCatalogue.h"
#include "import/DownloadProgressDialog.h"
#include "import/ImportFileDialog.h"
#include "import/MarketingDownload.h"
#include "import/StagingTransfer.h"
#include "import/TransferProgressDialog.h"
#include "suite/controls/ModalDisplay.h"
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
    if (command == u"sync")
        transferTickedRows();
    else if (command == u"importfile")
        importFile();
    else if (command == u"download")
        downloadCustomers();
    else if (command == u"mulmodify" || command == u"setcusclass")
        modifyStagedRows(command == u"setcusclass");
    else
        return false;
    return true;
}

void FrmCus_import::modifyStagedRows(bool classSetting)
{
    constexpr int kBatchModifyTask = 7;
    const QString &table = variant().mainTable;
    if (!g_oPub || g_oPub->IsLockFun(g_oSrv, g_oLogin, table, kBatchModifyTask))
        return;
    g_oPub->IsLockFun(g_oSrv, g_oLogin, table, -kBatchModifyTask);
    BuildColInfo(table, variant().columnKey);
    if (classSetting)
        g_cFieldCatalogXml = classSettingCatalogue(g_cFieldCatalogXml);
    setProperty("colInfoXml", g_cFieldCatalogXml);
    FrmZMulModify window(m_cls, this, classSetting);
    suite::showModal(&window);
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

void FrmCus_import::downloadCustomers()
{
    if (!g_oPub || !g_oSrv || !g_oLogin)
        return;
    MarketingDownload download(*g_oSrv, *g_oPub, MarketingOptions::read(*g_oSrv));
    DownloadOutcome outcome;
    {
        DownloadProgressDialog progress(this);
        download.setProgress(&progress);
        outcome = download.run(*g_oLogin);
    }
    for (const QString &message : outcome.messages)
        ShowInfoMsg(message);
    if (outcome.refreshList) {
        DataRefresh(lastCondition());
        showDownloadedToolbar();
    }
}

void FrmCus_import::importFile()
{
    if (!g_oPub || !g_oSrv)
        return;
    const std::optional<StagingImportReport> report = showImportFileDialog(this, *g_oSrv, *g_oPub);
    if (report)
        DataRefresh(lastCondition());
}

} // namespace customer
