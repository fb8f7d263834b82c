// Printing and export of the customer list through the print control.
#include "list/FrmCus.h"

#include "catalogue/SharedUtilities.h"
#include "entry/ArchiveEntry.h"
#include "entry/SessionContext.h"
#include "list/ClassTree.h"
#include "list/ListPrintRows.h"
#include "list/ListStatement.h"
#include "suite/controls/Grid.h"
#include "suite/login/ILogin.h"
#include "suite/print/PrintControl.h"
#include "suite/pub/IPub.h"

#include <QApplication>
#include <QTreeWidget>

namespace customer {

namespace {

QString res(const char *key)
{
    return g_oPub ? g_oPub->GetResString(QLatin1StringView(key)) : QString::fromLatin1(key);
}

// The hourglass while the print data is gathered; dialogs must not open under it.
class BusyPointer
{
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { release(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

    void release()
    {
        if (m_busy)
            QApplication::restoreOverrideCursor();
        m_busy = false;
    }

private:
    bool m_busy = true;
};

} // namespace

suite::PrintControl *FrmCus::printControl()
{
    if (Prn)
        return Prn;
    Prn = new suite::PrintControl(this);
    if (g_oLogin)
        Prn->setLanguage(g_oLogin->LanguageRegion());
    connect(Prn, &suite::PrintControl::styleEvent, this,
            [table = m_variant.mainTable](const QString &keyPart, const QString &layoutPart) {
                if (g_oPub)
                    g_oPub->SavePrnStyle(g_oSrv, table, keyPart + layoutPart);
            });
    return Prn;
}

void FrmCus::PrintAll(const QString &key, suite::PrintData &Con, suite::PrintControl *Prn)
{
    Prn->setVisible(false);
    if (!g_oPub || !g_oPub->GetPrintAuth(g_oSrv, g_oLogin, QStringLiteral("customer"), key))
        return;
    if (Grid->Rows() < 2) {
        ShowInfoMsg(res("Tarn.AA.ARCHIVE.COMMON.nodata"));
        return;
    }
    g_oPub->HelpHide(key, this, g_bIsWeb);
    BusyPointer busy;
    const suite::PrintStyle style = GetPrnStyle(key);
    QString sXML;
    WriteData(sXML, Con);
    if (Prn->SetDataStyleXML(Con, true, style, true, QStringLiteral("Default")) != 0)
        return;
    busy.release();
    runPrintAction(key.toLower(), Prn);
}

void FrmCus::runPrintAction(const QString &key, suite::PrintControl *Prn)
{
    if (key == u"setup") {
        if (Prn->PageSetup() != 0)
            Prn->TriggerEvent(0);
    } else if (key == u"print") {
        Prn->DoPrint();
    } else if (key == u"preview") {
        Prn->SetOwner(Prn->parentWidget() ? Prn->parentWidget()->window() : nullptr);
        Prn->PrintPreview();
    } else if (key == u"savefile") {
        const int count = Prn->ExportToFile(QString());
        if (count >= 0)
            g_oPub->PrintMsg(m_variant.mainTable, count);
        else if (!Prn->lastError().isEmpty())
            ShowInfoMsg(Prn->lastError());
    }
}

suite::PrintStyle FrmCus::GetPrnStyle(const QString &key)
{
    suite::PrintStyle style;
    g_oPub->GetPrnStyleFile(true, QString(), key, m_variant.mainTable, g_oSrv, style);
    return style;
}

void FrmCus::WriteData(QString &sXML, suite::PrintData &Con)
{
    if (g_oPub)
        g_oPub->GetPrnDataFile(true, sXML, QString(), QString(),
                               g_oPub->GetResString(m_variant.captionKey), GetAccId(), g_cUserId,
                               g_cUserName, this, g_oSrv, Con);
}

// The rows of DataRefresh's statement on the list's present class, filter and order, without
// touching the page the window shows: forward from one statement, or page by page in web mode,
// where the host serves pages only.
std::shared_ptr<suite::PrintRowSource> FrmCus::printRows(QList<suite::PrintColumn> &columns)
{
    QTreeWidgetItem *node = Trv->currentItem();
    const QString classCode = classCodeOfNodeKey(node ? classNodeKey(node) : QStringLiteral("r"));
    const ListStatement statement =
        buildListStatement(g_cListFields, classCode, m_lastCondition, m_cOrder, g_sRowAuthInv,
                           m_quickSearch, m_variant.mainTable);
    auto pageForm = std::make_shared<QWidget>();
    const std::weak_ptr<ArchiveEntry> owner =
        m_cls ? m_cls->weak_from_this() : std::weak_ptr<ArchiveEntry>();
    ListPrintRows::PageReader readPage = [statement, pageForm, owner, variant = m_variant](
                                             int page, int pageSize, suite::RecordSet &rows,
                                             int &pageCount, QString &sMsg) {
        if (g_bIsWeb) {
            bool bFlag = false;
            const std::shared_ptr<ArchiveEntry> entry = owner.lock();
            return entry
                && entry->OpenPage(statement.full, pageSize, page, pageCount, rows, sMsg, bFlag,
                                   true);
        }
        if (!g_oPub || !g_oSrv)
            return false;
        g_oPub->setIsFindCode(false);
        g_oPub->GetPageRst(pageForm.get(), g_oSrv, rows, variant.mainTable, variant.keyField,
                           statement.selectList, statement.joins, statement.wherePart,
                           statement.orderPart, page, pageSize, pageCount);
        if (!rows.IsOpen())
            sMsg = res("Tarn.AA.ARCHIVE.COMMON.conditionerror");
        return rows.IsOpen();
    };
    ListPrintRows::CursorOpener openCursor = [statement, variant = m_variant](QString &sMsg) {
        sMsg.clear();
        if (g_bIsWeb || !g_oPub || !g_oSrv)
            return std::unique_ptr<suite::SqlCursor>();
        return g_oPub->OpenRstForward(g_oSrv,
                                      { variant.mainTable, variant.keyField, statement.selectList,
                                        statement.joins, statement.wherePart, statement.orderPart },
                                      sMsg);
    };
    auto source =
        std::make_shared<ListPrintRows>(readPage, ListPrintRows::kPageSize, std::move(openCursor));
    QString sMsg;
    if (!source->start(columns, sMsg)) {
        ShowInfoMsg(sMsg);
        return nullptr;
    }
    return source;
}

} // namespace customer
