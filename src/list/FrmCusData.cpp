// The list's data: the grid header, the page read, the paging strip and the reference client.
#include "list/FrmCus.h"

#include "catalogue/RefQuery.h"
#include "catalogue/SharedUtilities.h"
#include "catalogue/UnreadableFields.h"
#include "catalogue/UserCondition.h"
#include "entry/ArchiveEntry.h"
#include "entry/GuardedProcedure.h"
#include "entry/SessionContext.h"
#include "list/ClassTree.h"
#include "list/ListPaging.h"
#include "list/ListStatement.h"
#include "suite/colset/IColumnSet.h"
#include "suite/controls/Grid.h"
#include "suite/controls/UpDown.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <limits>

namespace customer {

namespace {

QString res(const char *key)
{
    return g_oPub ? g_oPub->GetResString(QLatin1StringView(key)) : QString::fromLatin1(key);
}

} // namespace

bool FrmCus::LoadHead()
{
    if (!g_oPub || !g_oColSet || !g_oSrv)
        return false;
    Grid->setTextMatrix(0, 0, res("Tarn.AA.ARCHIVE.COMMON.serialnumber"));
    if (g_cUnSavedColSet.isEmpty())
        g_cUnSavedColSet = g_oColSet->getColInfo(m_variant.columnKey);
    int visibleColumns = 0;
    int fixedColumns = 0;
    QString text;
    // The unsaved set stays whole for the column settings; only the list leaves out what the
    // user may not read.
    if (!g_oPub->getColSet(withoutUnreadableColumns(g_cUnSavedColSet), g_cListFields,
                           visibleColumns, m_cOrder, fixedColumns, Grid, text))
        ShowInfoMsg(res("Tarn.AAARCHIVE.COMMON.initgridheaderror"));
    if (g_cListFields.isEmpty()) {
        ShowInfoMsg(res("Tarn.AA.CUSTOMER.CLSCUSTOMER.165_1"));
        return false;
    }
    if (Grid->Cols() == 1) {
        Grid->setCols(3);
        Grid->setTextMatrix(0, 1, res("Tarn.AA.ARCHIVE.FIELD.ccuscode"));
        Grid->setTextMatrix(0, 2, res("Tarn.AA.ARCHIVE.FIELD.ccusname"));
        Grid->setColKey(1, QStringLiteral("1"));
        Grid->setColKey(2, QStringLiteral("2"));
        Grid->setFixedRows(1);
        iKeyPos = 1;
        m_columnPositions[AbbName] = 2;
        return true;
    }
    const int codeIndex = codeFieldIndex(g_cListFields);
    if (codeIndex < 0) {
        g_aResArgs = QStringList{ res("Tarn.AA.ARCHIVE.FIELD.ccuscode") };
        ShowInfoMsg(g_oPub->GetResFormatString(
            QStringLiteral("Tarn.AA.ARCHIVE.COMMON.no_code_no_use"), g_aResArgs));
        return false;
    }
    iKeyPos = codeIndex + 1;
    g_oPub->FormatGrid(this, g_oSrv->OpenX(listHeaderStatement(g_cListFields, m_variant.mainTable)),
                       m_variant.mainTable);
    const char *fields[] = { "cCusAbbName", "cLocationSite", "cCusAddress", "cCusPhone",
                             "cpersonname" };
    for (int which = 0; which < int(m_columnPositions.size()); ++which) {
        int position = -1;
        g_oPub->FindFldColPos(Grid, QLatin1StringView(fields[which]), position);
        m_columnPositions[which] = position > 0 ? position + 1 : position;
    }
    m_savedColumnWidths = g_oPub->GetColWidthString(Grid);
    return true;
}

void FrmCus::DataRefresh(const QString &sCon)
{
    if (!g_oPub || !g_oSrv)
        return;
    QCoreApplication::processEvents();
    EdtPageSize->setText(g_oPub->GetVal(EdtPageSize->text(), 5, g_lMaxPageSize));
    // While the rows are counted any page may be asked for: the page read moves one beyond
    // the rows to the last page.
    const int lastPage = g_lPageCount < 0 ? std::numeric_limits<int>::max() : qMax(1, g_lPageCount);
    EdtiCurPage->setText(g_oPub->GetVal(EdtiCurPage->text(), 1, lastPage));
    m_lastCondition = sCon;

    if (!ClassCode.isEmpty() && IsFindCode)
        selectClassNode(ClassCode);
    QTreeWidgetItem *node = Trv->currentItem();
    const QString classCode = classCodeOfNodeKey(node ? classNodeKey(node) : QStringLiteral("r"));
    QString refused;
    if (!isAllowedCondition(sCon, listConditionNames(g_cListFields), refused)) {
        ShowInfoMsg(refusedConditionMessage(refused));
        return;
    }
    const ListStatement statement =
        buildListStatement(g_cListFields, classCode, sCon, m_cOrder, g_sRowAuthInv, m_quickSearch,
                           m_variant.mainTable);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    suite::RecordSet rows;
    int pageSize = EdtPageSize->text().toInt();
    int page = EdtiCurPage->text().toInt();
    const int generation = ++m_countGeneration;
    if (g_bIsWeb) {
        int pageCount = g_lPageCount;
        QString sMsg;
        bool bFlag = false;
        if (m_cls) {
            m_cls->OpenPageUncounted(statement.full, pageSize, page, pageCount, rows, sMsg, bFlag);
            m_pageFull = rows.RecordCount() >= pageSize;
            if (pageCount < 0)
                m_cls->CountPageLater(statement.full, this,
                                      [this, generation, pageSize](qint64 lRows, const QString &) {
                                          onRowsCounted(generation, lRows, pageSize);
                                      });
        }
    } else {
        g_oPub->setIsFindCode(IsFindCode);
        if (IsFindCode) {
            g_oPub->setCodeValue(CodeValue);
            g_oPub->setCodeFldName(QStringLiteral("cCusCode"));
        }
        const suite::PageRequest request{ m_variant.mainTable,  m_variant.keyField,
                                          statement.selectList, statement.joins,
                                          statement.wherePart,  statement.orderPart };
        int pageCount = g_lPageCount;
        g_oPub->GetPageRstUncounted(g_oSrv, rows, request, page, pageSize, pageCount);
        g_lPageCount = pageCount;
        m_pageFull = rows.RecordCount() >= pageSize;
        showPageNumbers(page, g_lPageCount, m_pageFull);
        if (pageCount < 0)
            g_oPub->CountPageRstLater(g_oSrv, request, this,
                                      [this, generation, pageSize](qint64 lRows, const QString &) {
                                          onRowsCounted(generation, lRows, pageSize);
                                      });
    }
    QApplication::restoreOverrideCursor();

    if (!rows.IsOpen()) {
        ShowInfoMsg(res("Tarn.AA.ARCHIVE.COMMON.conditionerror"));
    } else {
        if (!sCon.trimmed().isEmpty() && rows.RecordCount() == 0 && !bChildRenFromDelete)
            ShowInfoMsg(res("Tarn.AA.ARCHIVE.COMMON.findnothing"));
        m_refreshGuard = false;
        m_pageRecords = rows.Clone();
        const bool fitting = Grid->hasColumnsToFit();
        g_oPub->BindRstToGrid(this, m_pageRecords);
        // Widths fitted to the first page are the list's choice, not the user's: unload stores
        // only what the user changed after.
        if (fitting)
            m_savedColumnWidths = g_oPub->GetColWidthString(Grid);
        rows.Close();
        emit pageShown();
    }
    m_refreshGuard = true;
    IsFindCode = false;
}

// The count of the rows the last refresh read arrives after its page; the count of an
// earlier refresh is of no use any more.
void FrmCus::onRowsCounted(int generation, qint64 rows, int pageSize)
{
    if (generation != m_countGeneration)
        return;
    if (rows < 0) {
        LblTotalPage->setText(QStringLiteral("?"));
        return;
    }
    g_lPageCount = int(qMax<qint64>(1, (rows + pageSize - 1) / pageSize));
    showPageNumbers(EdtiCurPage->text().toInt(), g_lPageCount, m_pageFull);
    emit pagesCounted();
}

void FrmCus::selectClassNode(const QString &classCode)
{
    if (Trv->topLevelItemCount() == 0)
        return;
    QTreeWidgetItemIterator it(Trv);
    int nodes = 0;
    for (QTreeWidgetItemIterator count(Trv); *count; ++count)
        ++nodes;
    if (nodes < 2)
        return;
    for (; *it; ++it) {
        if (classCodeOfNodeKey(classNodeKey(*it)) == classCode) {
            Trv->setCurrentItem(*it);
            return;
        }
    }
}

void FrmCus::setLinksForPage()
{
    showPageNumbers(EdtiCurPage->text().toInt(), g_lPageCount, m_pageFull);
}

void FrmCus::refreshFromStrip()
{
    if (g_bIsWeb) {
        DataRefresh(m_lastCondition);
        return;
    }
    m_refreshGuard = false;
    DataRefresh(m_lastCondition);
    m_refreshGuard = true;
}

void FrmCus::onPageLink(int index)
{
    if (!m_refreshGuard)
        return;
    EdtiCurPage->setText(
        QString::number(pageAfterLink(index, EdtiCurPage->text().toInt(), g_lPageCount)));
    refreshFromStrip();
    setLinksForPage();
}

// A link under the mouse shows blue and underlined with a pointing hand, as a web link does.
void FrmCus::highlightPageLink(QLabel *link, bool on)
{
    QPalette colours = link->palette();
    colours.setColor(QPalette::WindowText,
                     on ? QColor(Qt::blue) : FrameWeb->palette().color(QPalette::WindowText));
    link->setPalette(colours);
    QFont font = link->font();
    font.setUnderline(on);
    link->setFont(font);
    if (on)
        link->setCursor(Qt::PointingHandCursor);
    else
        link->unsetCursor();
}

void FrmCus::onSpinner(suite::UpDown *spinner, QLineEdit *box, int direction)
{
    box->setText(QString::number(spinnerStep(box->text().toInt(), direction, spinner->Min(),
                                             spinner->Max(), spinner->Increment())));
}

void FrmCus::onApply()
{
    if (!m_refreshGuard || !g_oPub)
        return;
    // The size is stored before the page is read, as the read clamps it: a store after would
    // make the count the read starts stale before it comes back.
    EdtPageSize->setText(g_oPub->GetVal(EdtPageSize->text(), 5, g_lMaxPageSize));
    g_oPub->SaveRegEdit(m_variant.mainTable, QStringLiteral("PageSize"), EdtPageSize->text(),
                        g_bIsWeb, g_cUserId);
    refreshFromStrip();
}

void FrmCus::PageKey(const QString &key)
{
    const QString action = key.toLower();
    QWidget *active = focusWidget();
    suite::UpDown *spinner = active == EdtPageSize ? UpDown1
        : active == EdtiCurPage                    ? UpDown2
                                                   : nullptr;
    if (!spinner)
        return;
    auto *box = static_cast<QLineEdit *>(active);
    if (action == u"previous")
        onSpinner(spinner, box, +1);
    else if (action == u"next")
        onSpinner(spinner, box, -1);
    else if (action == u"first")
        box->setText(QString::number(spinner->Max()));
    else if (action == u"last")
        box->setText(QString::number(spinner->Min()));
    else if (action == u"enter")
        onApply();
}

void FrmCus::connectPagingStrip()
{
    for (QLabel *link : LblPage)
        link->installEventFilter(this);
    FrameWeb->setMouseTracking(true);
    FrameWeb->installEventFilter(this);
    connect(UpDown1, &suite::UpDown::upClicked, this,
            [this] { onSpinner(UpDown1, EdtPageSize, +1); });
    connect(UpDown1, &suite::UpDown::downClicked, this,
            [this] { onSpinner(UpDown1, EdtPageSize, -1); });
    connect(UpDown2, &suite::UpDown::upClicked, this,
            [this] { onSpinner(UpDown2, EdtiCurPage, +1); });
    connect(UpDown2, &suite::UpDown::downClicked, this,
            [this] { onSpinner(UpDown2, EdtiCurPage, -1); });
    connect(CmdRequest, &QPushButton::clicked, this, [this] {
        runGuarded(QStringLiteral("FrmCus.CmdRequest_Click"), [this] { onApply(); });
    });
}

void FrmCus::RefClient_EventGetColInfo(const QString &cKey, int iReturnMode, QString &sXML)
{
    if (g_oColSet)
        sXML = g_oColSet->getColInfo(cKey, iReturnMode);
}

void FrmCus::RefClient_EventSave(QString &sXML, bool &bFlag)
{
    if (g_oColSet)
        bFlag = g_oColSet->Save(sXML);
}

void FrmCus::RefClient_ReferRefresh(const QString &strTablename, int &lPageSize, int &lPageCount,
                                    int &lCurPage, const QString &strFilter,
                                    const QString &strMatch, const QString &strOrder)
{
    ArchiveEntry *entry = m_cls;
    RefreshRefData(strTablename, lPageSize, lPageCount, lCurPage, strFilter, strMatch, strOrder,
                   entry);
    m_cls = entry;
}

} // namespace customer
