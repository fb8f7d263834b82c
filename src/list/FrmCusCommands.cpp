// The command dispatcher of the customer list and the commands it runs itself.
#include "list/FrmCus.h"

#include "batch/FrmZMulModify.h"
#include "catalogue/FieldCatalogue.h"
#include "catalogue/SharedUtilities.h"
#include "entry/ArchiveEntry.h"
#include "entry/GuardedProcedure.h"
#include "entry/PlugInCommon.h"
#include "entry/SessionContext.h"
#include "list/ClassTree.h"
#include "list/FrmSet.h"
#include "list/TradeQueryConditions.h"
#include "merge/FrmDuplicates.h"
#include "merge/FrmUnite.h"
#include "suite/controls/Grid.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"
#include "suite/plugin/IArchivePlugIn.h"
#include "suite/plugin/PlugInCollection.h"
#include "suite/pub/IOptionSet.h"
#include "suite/pub/IPub.h"

#include <QAction>
#include <QTreeWidget>

namespace customer {

namespace {

const QString kTradeQueryObject = QStringLiteral("E92B30FF-3236-4FC6-AB7D-D4E5FB6B64FE");
const QString kTradeReport = QStringLiteral("41e45703-c28b-46cb-9755-5e3665271abf");
// Lock task codes of the customer function.
constexpr int kDeleteTask = 8;
constexpr int kBatchModifyTask = 7;
constexpr int kListTask = 1;
constexpr int kMergeTask = 3;
// The plug-in state of a record the list has run a delete on.
constexpr qint16 kDeletedState = 6;

QString res(const char *key)
{
    return g_oPub ? g_oPub->GetResString(QLatin1StringView(key)) : QString::fromLatin1(key);
}

} // namespace

void FrmCus::Operating(const QString &key, const QString &MenuID)
{
    runGuarded(QStringLiteral("FrmCus.Operating ") + key,
               [&] { runCommand(key.toLower(), MenuID); });
}

bool FrmCus::runOwnCommand(const QString &, const QString &)
{
    return false;
}

void FrmCus::runCommand(const QString &command, const QString &MenuID)
{
    if (g_oPub)
        g_oPub->HelpShow(MenuID, this, g_bIsWeb);
    if (!m_variant.offers(command) || runOwnCommand(command, MenuID))
        return;
    if (command == u"add") {
        openCard(1);
    } else if (command == u"modify") {
        openCard(2);
    } else if (command == u"delete") {
        deleteRows();
    } else if (command == u"findset") {
        if (g_oPub)
            g_oPub->FindSet(currentLogin(), g_cRefUrl + QStringLiteral("客户档案"), this);
    } else if (command == u"filter" || command == u"find") {
        filterRows();
    } else if (command == u"pos") {
        if (MenuID.isEmpty() || MenuID.toLower() == u"posgrid")
            g_oPub->FindPos(this, Grid);
        else
            g_oPub->FindPos2(this, Trv);
    } else if (command == u"refresh") {
        if (m_optionsChanged && g_oPub)
            g_clsLogin = g_oPub->SaveArchOptions(g_clsLogin, this, m_variant.mainTable);
        Trv->clear();
        LoadClassTree();
        DataRefresh(QString());
    } else if (command == u"fieldset") {
        setColumns();
    } else if (command == u"unite") {
        if (MenuID.compare(QLatin1String("Duplicates"), Qt::CaseInsensitive) == 0)
            findDuplicates();
        else
            uniteCustomers();
    } else if (command == u"duplicates") {
        findDuplicates();
    } else if (command == u"mulmodify") {
        batchModify();
    } else if (command == u"credit") {
        calculateCredit();
    } else if (command == u"allsel" || command == u"allcancel") {
        selectAllRows(command == u"allsel");
    } else if (command == u"help") {
        if (!g_bIsWeb && g_oPub)
            g_oPub->ShowHelp(this, g_bIsWeb);
    } else if (command == u"optionset") {
        showOptions();
    } else if (command == u"mstb" || command == u"mtext" || command == u"mprintno") {
        switchOption(command);
    } else if (command == u"exit") {
        hide();
    } else if (command == u"import") {
        openImportList();
    } else if (command == u"cus_trade") {
        queryTrades();
    } else if (command == u"cus_district") {
        showMap();
    } else if (command == u"print") {
        PrintAll(MenuID.isEmpty() ? command : MenuID, m_printData, printControl());
    } else if (command == u"prn" || command == u"savefile" || command == u"preview"
               || command == u"setup") {
        PrintAll(command, m_printData, printControl());
    }
}

suite::LoginRecord FrmCus::currentLogin() const
{
    return g_clsLogin;
}

void FrmCus::filterRows()
{
    if (!g_oPub)
        return;
    QString condition = m_lastCondition;
    g_oPub->Find(currentLogin(), g_cRefUrl + QStringLiteral("客户档案"), this, condition);
    if (!condition.isEmpty())
        DataRefresh(condition);
}

void FrmCus::switchOption(const QString &command)
{
    static const QHash<QString, QString> keys{ { QStringLiteral("mstb"), QStringLiteral("mStb") },
                                               { QStringLiteral("mtext"), QStringLiteral("mText") },
                                               { QStringLiteral("mprintno"),
                                                 QStringLiteral("mPrintNo") } };
    if (!g_oPub)
        return;
    g_oPub->FrmOpt(this, m_variant.columnKey, currentLogin(), keys.value(command));
    if (command == u"mtext")
        Form_Resize();
    if (command == u"mprintno")
        showPrintNumbers(printNumbers());
}

void FrmCus::selectAllRows(bool select)
{
    for (int row = 1; row < Grid->Rows(); ++row)
        Grid->setTextMatrix(row, 1, select ? QStringLiteral("Y") : QString());
    if (select)
        Grid->update();
}

QStringList FrmCus::tickedLastColumn() const
{
    QStringList cells;
    const int last = Grid->Cols() - 1;
    for (int row = 1; row < Grid->Rows(); ++row) {
        if (Grid->TextMatrix(row, 1) == u"Y")
            cells.append(Grid->TextMatrix(row, last));
    }
    return cells;
}

bool FrmCus::hasTickedRow() const
{
    for (int row = 1; row < Grid->Rows(); ++row) {
        if (Grid->TextMatrix(row, 1) == u"Y")
            return true;
    }
    return false;
}

void FrmCus::deleteRows()
{
    bDelSuccess = false;
    if (!g_oPub)
        return;
    if (!bChildRenFromDelete) {
        if (Grid->Rows() < 2)
            return;
        if (!hasTickedRow()) {
            g_oPub->IsLockFun(g_oSrv, g_oLogin, m_variant.mainTable, -kDeleteTask);
            ShowInfoMsg(res("Tarn.AA.ARCHIVE.COMMON.sel_del_rst"));
            return;
        }
    }
    const int answer = bChildRenFromDelete
        ? g_oPub->ShowTipMsgEx(g_oSrv, g_oLogin, nullptr, strChildRenFromDeleteName,
                               strChildRenFromDeleteCode)
        : g_oPub->ShowTipMsg(g_oSrv, g_oLogin, Grid, iKeyPos, m_columnPositions[AbbName]);
    if (answer != 1)
        return;
    if (g_oPub->IsLockFun(g_oSrv, g_oLogin, m_variant.mainTable, kDeleteTask))
        return;

    g_oPub->DeleteStart();
    suite::RecordSet results;
    g_oPub->ModifyInitMsg(
        results, res("Tarn.AA.ARCHIVE.FIELD.ccuscode") + res("Tarn.AA.ARCHIVE.COMMON.description"),
        QStringLiteral("cCusCode,cErrMsg"));
    QString sMsg;
    if (bChildRenFromDelete) {
        Delete(sMsg, strChildRenFromDeleteCode, QStringLiteral("CCusCode"), results);
    } else {
        for (int row = 1; row < Grid->Rows(); ++row) {
            if (Grid->TextMatrix(row, 1) == u"Y")
                Delete(sMsg, Grid->TextMatrix(row, iKeyPos), QStringLiteral("CCusCode"), results);
        }
    }
    g_oPub->IsLockFun(g_oSrv, g_oLogin, m_variant.mainTable, -kDeleteTask);
    g_oPub->DeleteEnded();
    g_oPub->ModifyShowMsg(results, res("Tarn.AA.ARCHIVE.COMMON.information"));

    if (bDelSuccess) {
        const int row = Grid->Row();
        const int topRow = Grid->TopRow();
        DataRefresh(m_lastCondition);
        g_oPub->SetGridRow(Grid, row, topRow);
    }
}

void FrmCus::Delete(QString &sMsg, const QString &id, const QString &IDName,
                    suite::RecordSet &RstErrMsg)
{
    const bool plugIns = !g_bIsWeb && LoadArchivePlugIns(g_oLogin, g_oSrv, m_plugIns);
    if (plugIns) {
        for (const auto &plugIn : m_plugIns->Items()) {
            QString code = id;
            suite::RecordSet none;
            plugIn->Init(code, none, g_oLogin);
        }
    }
    QString outcome;
    if (!g_oPub->CheckAuthByCode(g_oSrv, g_oRowAuth, QStringLiteral("customer"), id, std::nullopt,
                                 QStringLiteral("D"))) {
        outcome = res("Tarn.AA.ARCHIVE.COMMON.readonly_not_del");
    } else if (sMsg.clear(); g_oSrv->Delete(id, IDName, m_variant.mainTable, sMsg, g_cUserId)) {
        outcome = res("Tarn.AA.ARCHIVE.COMMON.del_success");
        bDelSuccess = true;
    } else {
        outcome = sMsg;
    }
    g_oPub->ModifyAddMsg(RstErrMsg, { id, outcome });
    if (plugIns) {
        for (const auto &plugIn : m_plugIns->Items())
            plugIn->setCurrentState(kDeletedState);
    }
}

void FrmCus::setColumns()
{
    FrmSet dialog(m_cls, this);
    suite::showModal(&dialog);
}

// The batch works on the field catalogue as it stands now: rebuilt before the window opens.
void FrmCus::batchModify()
{
    if (!g_oPub || g_oPub->IsLockFun(g_oSrv, g_oLogin, m_variant.mainTable, kBatchModifyTask))
        return;
    g_oPub->IsLockFun(g_oSrv, g_oLogin, m_variant.mainTable, -kBatchModifyTask);
    BuildColInfo();
    setProperty("colInfoXml", g_cFieldCatalogXml);
    FrmZMulModify window(m_cls, this);
    suite::showModal(&window);
}

// The merge takes its own lock in place of the list's, and gives the list's back whatever
// the merge window did.
void FrmCus::uniteCustomers(const QString &code1, const QString &code2)
{
    if (!g_oPub)
        return;
    g_oPub->IsLockFun(g_oSrv, g_oLogin, m_variant.mainTable, -kListTask);
    if (g_oPub->IsLockFun(g_oSrv, g_oLogin, m_variant.mainTable, kMergeTask)) {
        g_oPub->IsLockFun(g_oSrv, g_oLogin, m_variant.mainTable, kListTask);
        return;
    }
    FrmUnite window(m_cls, this);
    if (!code1.isEmpty())
        window.setCodes(code1, code2);
    suite::showModal(&window);
    g_oPub->IsLockFun(g_oSrv, g_oLogin, m_variant.mainTable, -kMergeTask);
    g_oPub->IsLockFun(g_oSrv, g_oLogin, m_variant.mainTable, kListTask);
}

void FrmCus::findDuplicates()
{
    FrmDuplicates window(m_cls, this);
    suite::showModal(&window);
}

void FrmCus::calculateCredit()
{
    QString sMsg;
    if (g_oSrv
        && g_oSrv->Modify(QStringLiteral("<Customer Operating='Credit' />"), m_variant.mainTable,
                          sMsg)) {
        ShowInfoMsg(res("Tarn.AA.ARCHIVE.COMMON.creditover"));
        ShowInfoMsg(sMsg);
    }
}

void FrmCus::showOptions()
{
    auto options =
        suite::createObject<suite::IOptionSet>(QString::fromLatin1(suite::IOptionSet::kProgId));
    if (options)
        options->Show(currentLogin(), g_oPub, g_oSrv, m_variant.mainTable, g_bIsWeb);
    m_optionsChanged = true;
    if (g_oPub)
        g_oPub->InitArchEditParam(g_oSrv, m_variant.mainTable, g_bCanAddArch, g_bCanModifyArch);
    SetAddModifyRights();
}

QString FrmCus::CodeListTableName() const
{
    return m_tempTableName + QStringLiteral("CusCodeList");
}

void FrmCus::FillCodeTable(const QString &codes)
{
    if (!g_oSrv)
        return;
    const QString table = CodeListTableName();
    DropCodeTable();
    m_codeTableMade =
        g_oSrv->ExecuteX(QStringLiteral(" CREATE TABLE %1( cCusCode nvarchar(40))").arg(table));
    suite::RecordSet rows = g_oSrv->OpenX(QStringLiteral("select top 0  * from ") + table);
    if (!rows.IsOpen())
        return;
    for (const QString &code : codes.split(u',')) {
        QString sMsg;
        rows.AddNew();
        rows.SetValue(QStringLiteral("cCusCode"), code);
        rows.Update(sMsg);
    }
    rows.Close();
}

void FrmCus::DropCodeTable()
{
    if (g_oSrv)
        g_oSrv->ExecuteX(QStringLiteral("IF OBJECT_ID('%1') IS NOT NULL DROP TABLE  %1")
                             .arg(CodeListTableName()));
    m_codeTableMade = false;
}

void FrmCus::queryTrades()
{
    if (!m_pageRecords.IsOpen() || !g_oPub)
        return;
    int selectColumn = -1;
    int codeColumn = -1;
    selectColumn = Grid->ColIndex(QStringLiteral("SelCol"));
    if (g_oPub->FindFldColPos(Grid, QStringLiteral("cCusCode"), codeColumn))
        codeColumn += 1;
    QStringList codes;
    for (int row = 1; row < Grid->Rows() && selectColumn >= 0 && codeColumn >= 0; ++row) {
        if (Grid->TextMatrix(row, selectColumn) == u"Y")
            codes.append(Grid->TextMatrix(row, codeColumn));
    }
    if (codes.isEmpty()) {
        ShowInfoMsg(res("Tarn.AA.ARCHIVE.COMMON.Cus_Trade_NoSelect"));
        return;
    }
    FillCodeTable(codes.join(u','));
    QMap<QString, QString> conditions;
    if (!g_oPub->OpenQuery(currentLogin(), g_oSrv, kTradeQueryObject, QStringLiteral("AS"),
                           conditions))
        return;
    narrowTradeQuery(conditions, CodeListTableName());
    g_oPub->ShowQueryReport(currentLogin(), g_oSrv, kTradeQueryObject, kTradeReport,
                            QStringLiteral("AS"), conditions);
}

} // namespace customer
