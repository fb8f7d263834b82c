#pragma once

#include "entry/ArchiveListWindow.h"
#include "list/ListVariant.h"
#include "suite/controls/RefClient.h"
#include "suite/data/RecordSet.h"
#include "suite/print/PrintData.h"
#include "suite/print/PrintRowsProvider.h"

#include <QHash>

#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMenuBar;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

class QLineEdit;

namespace suite {
class Grid;
struct LoginRecord;
class PrintControl;
struct PrintStyle;
class UpDown;
class PlugInCollection;
class Toolbar;
} // namespace suite

namespace customer {

class FrmCusAM;

// The customer list window: the class tree, the paged grid of the customers the user may see,
// the toolbar and menus whose commands all end in Operating, and the paging strip.
class FrmCus : public ArchiveListWindow,
               public suite::RefClientEvents,
               public suite::PrintRowsProvider
{
    Q_OBJECT

public:
    explicit FrmCus(QWidget *parent = nullptr, const ListVariant &variant = customerListVariant());
    ~FrmCus() override;

    // The host's way to close the window: unloads it and gives the list's task back.
    void ExitForm(int &Cancel, int UnloadMode);

    // The grid header from the user's column set; false when the list cannot be shown (no
    // columns, or no code column).
    bool LoadHead();
    // Reads and shows the current page for the selected class, narrowed by sCon.
    void DataRefresh(const QString &sCon = QString());
    // Keyboard paging: "First", "Previous", "Next", "Last", "Enter" (any case).
    void PageKey(const QString &key);
    // Runs one command of the list (any case); MenuID is the drop-down item clicked.
    void Operating(const QString &key, const QString &MenuID = QString());

    // Deletes the customer whose IDName is id and adds the outcome to RstErrMsg.
    void Delete(QString &sMsg, const QString &id, const QString &IDName,
                suite::RecordSet &RstErrMsg);
    // Prints, previews, sets the page up for or exports the grid through the print control
    // (key "Print", "Preview", "SetUp", "SaveFile", any case); another key ("Prn") only hands
    // the control the style and data.
    void PrintAll(const QString &key, suite::PrintData &Con, suite::PrintControl *Prn);
    // Con becomes the print data of the grid as shown.
    void WriteData(QString &sXML, suite::PrintData &Con);
    // Every customer of the list under its class, filter and rights, for print and export.
    std::shared_ptr<suite::PrintRowSource> printRows(QList<suite::PrintColumn> &columns) override;

    // The window's own table of ticked customer codes for the trade query.
    QString CodeListTableName() const;
    void FillCodeTable(const QString &codes);
    // Drops the code table; the company database keeps none after the window.
    void DropCodeTable();

    // Public members other windows set and read.
    QString m_cOrder;
    int iKeyPos = 0;
    QString m_CodeVal;
    bool bDelSuccess = false;
    bool bChildRenFromDelete = false;
    QString strChildRenFromDeleteCode;
    QString strChildRenFromDeleteName;

    // Controls.
    suite::Grid *Grid = nullptr;
    QTreeWidget *Trv = nullptr;
    QWidget *PicSeparate = nullptr;
    suite::Toolbar *TLB2 = nullptr;
    QWidget *Pic = nullptr;
    QLabel *LblCaption = nullptr;
    QCheckBox *ChkbprintNo = nullptr;
    QMenuBar *MenuBar = nullptr;
    // Made on the first print command.
    suite::PrintControl *Prn = nullptr;

    // The quick search on the toolbar: the customers whose code, name, abbreviation, mnemonic
    // code, phones or tax number hold every word typed.
    QLineEdit *EdtSearch = nullptr;
    // The search the list shows, as the last refresh read it.
    QString quickSearch() const { return m_quickSearch; }
    // The merge with its lock steps, the window filled with the two codes when given.
    void uniteCustomers(const QString &code1 = QString(), const QString &code2 = QString());

    // The condition of the last refresh, reused by paging.
    QString lastCondition() const { return m_lastCondition; }
    // The menu item of a name ("mAdd", "mPrintNo", ...), null for none.
    QAction *menuAction(const QString &name) const { return m_actions.value(name); }
    // The grid column of cCusAbbName, cLocationSite, cCusAddress, cCusPhone, cpersonname.
    int columnPosition(int which) const { return m_columnPositions.at(which); }
    enum ColumnPosition { AbbName, LocationSite, Address, Phone, PersonName };

    const ListVariant &variant() const { return m_variant; }

    // Reference-client events.
    void RefClient_EventGetColInfo(const QString &cKey, int iReturnMode, QString &sXML) override;
    void RefClient_EventSave(QString &sXML, bool &bFlag) override;
    void RefClient_ReferRefresh(const QString &strTablename, int &lPageSize, int &lPageCount,
                                int &lCurPage, const QString &strFilter, const QString &strMatch,
                                const QString &strOrder) override;

protected:
    // The commands a derived list adds to the dispatcher; true when the command was its own.
    virtual bool runOwnCommand(const QString &command, const QString &MenuID);
    // The ticked rows' cells in the list's last column, top to bottom.
    QStringList tickedLastColumn() const;

    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    // The toolbar with the quick-search box at its end.
    QWidget *buildToolbarRow();
    void captionQuickSearch();
    void applyQuickSearch();
    void focusQuickSearch();
    void buildMenus();
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void Form_Unload();
    void InitToolbar();
    void InitCaption();
    void hideCommandsWithoutWindow();
    // Whether printing and export number the rows; the box and the menu item show it.
    bool printNumbers() const;
    void showPrintNumbers(bool on);
    void InitPageBar();
    void SetAddModifyRights();
    void LoadClassTree();
    void layoutWorkArea();
    void dragSeparator(QEvent *event);
    void onTreeClick(QTreeWidgetItem *item);
    void onKeyDown(int keyCode, int shift);
    void captionMenus();
    void installKeyHook();
    void connectGridEvents();
    void connectPagingStrip();
    void sortShownRows(int order);
    void onPageLink(int index);
    void highlightPageLink(QLabel *link, bool on);
    void onSpinner(suite::UpDown *spinner, QLineEdit *box, int direction);
    void onApply();
    void refreshFromStrip();
    void onRowsCounted(int generation, qint64 rows, int pageSize);
    void selectClassNode(const QString &classCode);
    void setLinksForPage();
    void runCommand(const QString &command, const QString &MenuID);
    suite::LoginRecord currentLogin() const;
    void filterRows();
    void switchOption(const QString &command);
    bool hasTickedRow() const;
    void deleteRows();
    // The column-settings dialog; on confirm it rebuilds this list.
    void setColumns();
    // The batch-modify window, when no other session runs a batch.
    void batchModify();
    void findDuplicates();
    // The import staging list, modal, on the session of a new import entry; this list's own
    // rights and columns come back when it closes.
    void openImportList();
    void calculateCredit();
    void showOptions();
    void queryTrades();
    void showMap();
    void selectAllRows(bool select);
    suite::PrintControl *printControl();
    suite::PrintStyle GetPrnStyle(const QString &key);
    void runPrintAction(const QString &key, suite::PrintControl *Prn);
    // The customer card on the current row: status 1 adds, 2 modifies.
    void openCard(int status);
    bool mayOpenCard(int status);
    void showCardInPortal(int status);
    void prepareCard(FrmCusAM *card, int status);

    const ListVariant &m_variant;
    bool m_loaded = false;
    bool m_loadQueued = false;
    bool m_unloaded = false;
    bool m_firstActivation = false;
    bool m_refreshGuard = true;
    // Each refresh counts its rows after its page is shown; a count of an earlier one is
    // dropped.
    int m_countGeneration = 0;
    // Whether the page shown is full: while the rows are counted, "next" is offered then.
    bool m_pageFull = false;
    bool m_optionsChanged = false;
    bool m_codeTableMade = false;
    QString m_tempTableName;
    QString m_savedColumnWidths;
    QString m_lastCondition;
    QString m_quickSearch;
    QTimer *m_searchPause = nullptr;
    std::array<int, 5> m_columnPositions{ -1, -1, -1, -1, -1 };
    suite::RecordSet m_pageRecords;
    suite::PrintData m_printData;
    std::shared_ptr<suite::PlugInCollection> m_plugIns;
    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    QWidget *m_workArea = nullptr;
    int m_wantedTreeWidth = 0;
    int m_shownTreeWidth = 0;
};

} // namespace customer
