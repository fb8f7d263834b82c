// The customer list window: controls, menus, load, activation, layout and unload.
#include "list/FrmCus.h"

#include "catalogue/FieldCatalogue.h"
#include "catalogue/SharedUtilities.h"
#include "entry/ArchiveEntry.h"
#include "entry/GuardedProcedure.h"
#include "entry/SessionContext.h"
#include "list/ClassTree.h"
#include "list/ListCommandWindows.h"
#include "list/ListMenus.h"
#include "suite/colset/IColumnSet.h"
#include "suite/controls/CustomerListButtons.h"
#include "suite/controls/Grid.h"
#include "suite/controls/KeyHook.h"
#include "suite/controls/StatusBar.h"
#include "suite/controls/Toolbar.h"
#include "suite/controls/UpDown.h"
#include "suite/controls/VirtualKey.h"
#include "suite/core/ErrorLog.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ILogin.h"
#include "suite/pub/IPub.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QUuid>
#include <QVBoxLayout>

namespace customer {

namespace {

// The window's print-number switch as the print data reads it.
constexpr const char *kPrintNoProperty = "printNo";
// Sizes the layout keeps in twips, as the window's settings are written.
constexpr int kTwipsPerPixel = 15;
constexpr int kSeparatorTwips = 45;
constexpr int kFrameWebTwips = 500;
constexpr int kInitialTreePixels = 220;
// The page size of a user who has not chosen one.
constexpr int kDefaultPageSize = 100;

QString res(const QString &key)
{
    return g_oPub ? g_oPub->GetResString(key) : key;
}

QString res(const char *key)
{
    return res(QLatin1StringView(key));
}

// A GUID in its braced text form without the characters of remove and without "-", "{", "}":
// 32 hexadecimal digits for an empty remove.
QString NewTempTableName(const QString &remove)
{
    QString name = QUuid::createUuid().toString(QUuid::WithBraces).left(40);
    for (const QChar c : remove)
        name.remove(c);
    name.remove(u'-').remove(u'{').remove(u'}');
    return name;
}

} // namespace

FrmCus::FrmCus(QWidget *parent, const ListVariant &variant)
    : ArchiveListWindow(parent)
    , m_variant(variant)
{
    setObjectName(QStringLiteral("FrmCus"));
    // A list printed across pages names the customer on each of them.
    setProperty("printRepeatedKeys",
                QStringList{ QStringLiteral("cCusCode"), QStringLiteral("cCusName") });
    buildControls();
    buildMenus();
}

FrmCus::~FrmCus()
{
    if (m_loaded && !m_unloaded)
        Form_Unload();
}

void FrmCus::buildControls()
{
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    MenuBar = new QMenuBar(this);
    MenuBar->setObjectName(QStringLiteral("MenuBar"));
    layout->setMenuBar(MenuBar);

    layout->addWidget(buildToolbarRow());

    Pic = new QWidget(body());
    Pic->setObjectName(QStringLiteral("Pic"));
    auto *title = new QHBoxLayout(Pic);
    title->setContentsMargins(4, 2, 4, 2);
    ChkbprintNo = new QCheckBox(Pic);
    ChkbprintNo->setObjectName(QStringLiteral("ChkbprintNo"));
    LblCaption = new QLabel(Pic);
    LblCaption->setObjectName(QStringLiteral("LblCaption"));
    title->addWidget(ChkbprintNo);
    title->addWidget(LblCaption, 1);
    layout->addWidget(Pic);

    m_workArea = new QWidget(body());
    m_workArea->installEventFilter(this);
    Trv = new QTreeWidget(m_workArea);
    Trv->setObjectName(QStringLiteral("Trv"));
    Trv->setHeaderHidden(true);
    Trv->resize(kInitialTreePixels, Trv->height());
    m_wantedTreeWidth = m_shownTreeWidth = kInitialTreePixels;
    PicSeparate = new QWidget(m_workArea);
    PicSeparate->setObjectName(QStringLiteral("PicSeparate"));
    PicSeparate->setCursor(Qt::SplitHCursor);
    PicSeparate->installEventFilter(this);
    Grid = new suite::Grid(m_workArea);
    Grid->setObjectName(QStringLiteral("Grid"));
    layout->addWidget(m_workArea, 1);

    connect(Trv, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        runGuarded(QStringLiteral("FrmCus.Trv_NodeClick"), [&] { onTreeClick(item); });
    });
    connect(TLB2, &suite::Toolbar::buttonClicked, this,
            [this](const QString &key, const QString &menuId) { Operating(key, menuId); });
    // The box, the menu item and the print data share the window's print-number state: a click
    // switches it only when the box now says otherwise.
    connect(ChkbprintNo, &QCheckBox::clicked, this, [this] {
        m_actions.value(QStringLiteral("mPrintNo"))->setChecked(ChkbprintNo->isChecked());
        if (ChkbprintNo->isChecked() != printNumbers())
            Operating(QStringLiteral("mPrintNo"));
        else
            showPrintNumbers(printNumbers());
    });
    connectGridEvents();
    connectPagingStrip();
}

void FrmCus::buildMenus()
{
    for (const ListMenu &menu : customerListMenus()) {
        QMenu *bar = MenuBar->addMenu(QString());
        bar->setObjectName(menu.name);
        m_menus.insert(menu.name, bar);
        for (const ListMenuItem &item : menu.items) {
            QAction *action =
                item.command == u"-" ? bar->addSeparator() : bar->addAction(QString());
            action->setObjectName(item.name);
            m_actions.insert(item.name, action);
            if (item.command.isEmpty() || item.command == u"-")
                continue;
            const QString command = item.command;
            connect(action, &QAction::triggered, this, [this, command] { Operating(command); });
        }
    }
    m_actions.value(QStringLiteral("mPrintNo"))->setCheckable(true);
    for (const char *order : { "mAsc", "mDesc" })
        m_actions.value(QLatin1StringView(order))->setCheckable(true);
    connect(m_actions.value(QStringLiteral("mAsc")), &QAction::triggered, this,
            [this] { sortShownRows(1); });
    connect(m_actions.value(QStringLiteral("mDesc")), &QAction::triggered, this,
            [this] { sortShownRows(2); });
}

void FrmCus::connectGridEvents()
{
    connect(Grid, &suite::Grid::DblClick, this, [this](int row) {
        if (row >= 1 && row == Grid->Row())
            Operating(QStringLiteral("Modify"));
    });
    connect(Grid, &suite::Grid::MouseUp, this, [this](int button, int shift, int x, int y) {
        if (!g_oPub)
            return;
        g_oPub->ShowPopupMenu(this, Grid, button, shift, x, y);
        g_oPub->SetGridSelect(Grid, 0, button, shift, x, y);
    });
    connect(Grid, &suite::Grid::KeyDown, this, [this](int keyCode, int shift) {
        if (g_oPub)
            g_oPub->SetGridSelect(Grid, 1, keyCode, shift, 0, 0);
    });
}

void FrmCus::sortShownRows(int order)
{
    if (g_oPub)
        g_oPub->GridSort(this, Grid, order);
}

void FrmCus::captionMenus()
{
    for (const ListMenu &menu : customerListMenus()) {
        m_menus.value(menu.name)->setTitle(res(menu.captionKey));
        for (const ListMenuItem &item : menu.items) {
            if (!item.captionKey.isEmpty())
                m_actions.value(item.name)->setText(res(item.captionKey));
        }
    }
}

void FrmCus::showEvent(QShowEvent *event)
{
    ArchiveListWindow::showEvent(event);
    if (m_loaded || m_loadQueued)
        return;
    // Loading adds and removes controls, which Qt does not allow while it is showing them: the
    // load runs as soon as the showing is over. The first showing counts as the first
    // activation, as a window inside the portal or on an offscreen screen is never activated by
    // the window system.
    m_loadQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            runGuarded(QStringLiteral("FrmCus.Form_Load"), [this] { Form_Load(); });
            runGuarded(QStringLiteral("FrmCus.Form_Activate"), [this] { Form_Activate(); });
        },
        Qt::QueuedConnection);
}

void FrmCus::changeEvent(QEvent *event)
{
    ArchiveListWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_loaded)
        runGuarded(QStringLiteral("FrmCus.Form_Activate"), [this] { Form_Activate(); });
}

void FrmCus::resizeEvent(QResizeEvent *event)
{
    ArchiveListWindow::resizeEvent(event);
    runGuarded(QStringLiteral("FrmCus.Form_Resize"), [this] { Form_Resize(); });
}

void FrmCus::closeEvent(QCloseEvent *event)
{
    ArchiveListWindow::closeEvent(event);
    if (event->isAccepted() && m_loaded && !m_unloaded)
        runGuarded(QStringLiteral("FrmCus.Form_Unload"), [this] { Form_Unload(); });
}

void FrmCus::Form_Load()
{
    m_loaded = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (g_oPub)
        g_oPub->FrmUniteFont(this);
    captionMenus();
    InitToolbar();
    hideCommandsWithoutWindow();
    if (g_oPub) {
        g_bGspStarted = g_oPub->GetSysStart(QStringLiteral("gs"), g_cDBName, g_oSrv);
        g_bExStarted = g_oPub->GetSysStart(QStringLiteral("ex"), g_cDBName, g_oSrv);
        g_bCsStarted = g_oPub->GetSysStart(QStringLiteral("cs"), g_cDBName, g_oSrv);
    }
    BuildColInfo(m_variant.mainTable, m_variant.columnKey);
    // The column-set service takes the default set of the list from this catalogue.
    QString sMsg;
    if (g_oColSet && !g_bIsWeb)
        g_oColSet->setCatalogue(m_variant.mainTable, g_cFieldCatalogXml, sMsg);
    setProperty("colInfoXml", g_cFieldCatalogXml);
    InitPageBar();
    InitCaption();
    captionQuickSearch();
    FrameWeb->setVisible(g_bShowFrameWeb);
    FrameWeb->setFixedHeight(g_bShowFrameWeb ? kFrameWebTwips / kTwipsPerPixel : 0);

    g_clsLogin.cUserId = g_cUserId;
    g_clsLogin.cUserName = g_cUserName;
    g_clsLogin.KvDbName = g_cDBName;
    g_clsLogin.CurDate = g_CurDate;
    g_clsLogin.cAcc_id = GetAccId();
    g_clsLogin.LanguageRegion = g_oPub ? g_oPub->m_LocaleID() : QString();
    g_clsLogin.cIYear = g_oLogin ? g_oLogin->cIYear() : QString();

    if (g_iRunMode != 0) {
        m_actions.value(QStringLiteral("m23"))->setVisible(false);
        m_actions.value(QStringLiteral("mFindSet"))->setVisible(false);
    } else if (g_oPub) {
        installKeyHook();
    }
    if (g_bIsWeb) {
        m_menus.value(QStringLiteral("mH"))->menuAction()->setVisible(false);
        TLB2->setButtonVisible(QStringLiteral("Help"), false);
    }
    if (g_oPub) {
        g_clsLogin = g_oPub->frmLoadInit(this, res(m_variant.captionKey), g_clsLogin, g_oSrv);
        g_oPub->HelpX(this, g_bIsWeb, m_variant.mainTable);
    }
    // Serial numbers are printed until the user's stored options, restored with the class
    // tree, say otherwise.
    showPrintNumbers(true);
    LoadClassTree();
    m_firstActivation = true;
    QApplication::restoreOverrideCursor();

    if (!m_InPotal) {
        ChkbprintNo->setVisible(false);
        TLB2->setButtonVisible(m_variant.buttons.at(1).key, false);
    } else {
        ChkbprintNo->setText(res("Tarn.AA.Archive.Common.PrintNo"));
    }
    showPrintNumbers(printNumbers());
    if (g_oPub)
        g_oPub->IsLockFun(g_oSrv, g_oLogin, m_variant.mainTable, 1);
    m_tempTableName = NewTempTableName(QString());
}

void FrmCus::InitToolbar()
{
    if (g_oLogin) {
        TLB2->setBusinessKey(m_variant.mainTable);
        TLB2->setLogin(g_oLogin);
    }
    // The import list keeps an arrangement of its own: the customer list's does not name the
    // staging commands and would hide them.
    const QString set = m_variant.isCustomerList()
        ? QStringLiteral("Archives_Customer_List")
        : QStringLiteral("Archives_Customer_Import_List");
    TLB2->init(m_variant.buttons, g_oLogin ? g_oLogin->KvDbName() : g_cDBName, g_oLogin, set,
               QStringLiteral("AS"));
    if (m_InPotal) {
        // The portal closes its own tabs: the window's exit would leave an empty one.
        TLB2->setButtonVisible(m_variant.buttons.last().key, false);
        if (g_oBusiness)
            TLB2->attachToBusiness(g_oBusiness);
    }
    TLB2->setButtonVisible(QStringLiteral("Help"), false);
}

void FrmCus::hideCommandsWithoutWindow()
{
    for (const QString &command : commandsWithoutWindow() + m_variant.absentCommands) {
        TLB2->setButtonVisible(command, false);
        for (const ListMenu &menu : customerListMenus()) {
            for (const ListMenuItem &item : menu.items) {
                if (item.command.compare(command, Qt::CaseInsensitive) == 0)
                    m_actions.value(item.name)->setVisible(false);
            }
        }
    }
}

bool FrmCus::printNumbers() const
{
    return property(kPrintNoProperty).toBool();
}

void FrmCus::showPrintNumbers(bool on)
{
    setProperty(kPrintNoProperty, on);
    m_actions.value(QStringLiteral("mPrintNo"))->setChecked(on);
    ChkbprintNo->setChecked(on);
}

void FrmCus::InitCaption()
{
    setWindowIcon(style()->standardIcon(QStyle::SP_DirIcon));
    setWindowTitle(res(m_variant.captionKey));
    LblCaption->setText(windowTitle());
    if (g_bIsWeb) {
        // The import list reads the company database itself, which a web session cannot.
        TLB2->setButtonVisible(QStringLiteral("Import"), false);
        TLB2->setButtonVisible(QStringLiteral("Unite"), false);
        m_actions.value(QStringLiteral("mUnite"))->setVisible(false);
        m_actions.value(QStringLiteral("mDuplicates"))->setVisible(false);
    }
}

void FrmCus::InitPageBar()
{
    UpDown1->setMax(g_lMaxPageSize);
    UpDown1->setMin(5);
    UpDown1->setIncrement(5);
    UpDown2->setMin(1);
    UpDown2->setIncrement(1);
    EdtPageSize->setMaxLength(QString::number(g_lMaxPageSize).size());
    if (g_oPub) {
        EdtPageSize->setText(g_oPub->GetRegEdit(m_variant.mainTable, QStringLiteral("PageSize"),
                                                QString::number(kDefaultPageSize), g_bIsWeb,
                                                g_cUserId));
    }
    Lblpagesize->setText(res("Tarn.AA.ARCHIVE.BUTTON.pagesize"));
    Llbcurpage->setText(res("Tarn.AA.ARCHIVE.BUTTON.curpage"));
    CmdRequest->setText(res("Tarn.AA.ARCHIVE.BUTTON.request"));
    const char *links[] = { "Tarn.AA.ARCHIVE.BUTTON.firstpage",
                            "Tarn.AA.ARCHIVE.BUTTON.previouspage",
                            "Tarn.AA.ARCHIVE.BUTTON.nextpage", "Tarn.AA.ARCHIVE.BUTTON.lastpage" };
    for (int link = 0; link < int(LblPage.size()); ++link)
        LblPage[link]->setText(res(links[link]));
    EdtiCurPage->setText(QString::number(UpDown2->Min()));
    TLB2->setSubItems(
        QStringLiteral("Pos"),
        { { QStringLiteral("PosTree"), QStringLiteral("Tarn.AA.ARCHIVE.customerclass") },
          { QStringLiteral("PosGrid"), m_variant.captionKey } });
}

void FrmCus::SetAddModifyRights()
{
    TLB2->setButtonEnabled(QStringLiteral("Add"), g_bCanAddArch);
    TLB2->setButtonEnabled(QStringLiteral("Modify"), g_bCanModifyArch);
    m_actions.value(QStringLiteral("mAdd"))->setEnabled(g_bCanAddArch);
    m_actions.value(QStringLiteral("mModify"))->setEnabled(g_bCanModifyArch);
    if (g_oPub)
        g_oPub->ReRefreshKvTlb(this);
    TLB2->setVisible(false);
    TLB2->setVisible(true);
}

void FrmCus::LoadClassTree()
{
    if (!g_oSrv)
        return;
    suite::RecordSet grade =
        g_oSrv->OpenX(QStringLiteral("select * from GradeDef where KeyWord='CustomerClass'"));
    if (!grade.IsOpen() || grade.RecordCount() == 0)
        ShowInfoMsg(res("Tarn.AA.CUSTOMER.FRMCUS.140_1"));
    suite::RecordSet classes =
        g_oSrv->OpenX(QStringLiteral("select * from CustomerClass order by ccccode asc"));
    m_actions.value(QStringLiteral("mAsc"))->setChecked(false);
    m_actions.value(QStringLiteral("mDesc"))->setChecked(false);
    QList<ClassNode> nodes;
    for (int row = 0; row < classes.RecordCount(); ++row) {
        nodes.append(
            { classes.valueAt(row, classes.FieldIndex(QStringLiteral("cCCCode"))).toString(),
              classes.valueAt(row, classes.FieldIndex(QStringLiteral("cCCName"))).toString() });
    }
    const QString rule = grade.RecordCount() > 0
        ? grade.valueAt(0, grade.FieldIndex(QStringLiteral("CODINGRULE"))).toString().trimmed()
        : QString();
    fillClassTree(*Trv, res("Tarn.AA.ARCHIVE.customerclass"), rule, nodes);
    if (!nodes.isEmpty() && g_oPub)
        g_oPub->SetArchOptions(this, m_variant.mainTable, g_cUserId);
}

void FrmCus::Form_Activate()
{
    if (m_firstActivation) {
        SetAddModifyRights();
        Grid->setFixedCols(0);
        Grid->setRows(1);
        if (!LoadHead())
            return;
        LblTotalPage->clear();
        DataRefresh(QString());
        if (g_oPub) {
            g_oPub->SetFrameWeb(this);
            g_oPub->FrmPreCompile(g_oSrv);
        }
        m_firstActivation = false;
    }
    if (m_InPotal)
        MenuBar->setVisible(false);
}

void FrmCus::Form_Resize()
{
    if (isMinimized())
        return;
    if (g_oPub && m_loaded)
        g_oPub->frmResizeNew(this, QStringLiteral("customer"), QStringLiteral("trv"));
    if (m_InPotal)
        MenuBar->setVisible(false);
    layoutWorkArea();
}

// The tree keeps its width; the separator follows it and the grid takes the rest. A width given
// to the tree from outside (the separator dragged, the stored width restored) becomes the one
// it keeps, also through moments the window is too narrow to show it.
void FrmCus::layoutWorkArea()
{
    if (Trv->width() != m_shownTreeWidth)
        m_wantedTreeWidth = Trv->width();
    const QRect area = m_workArea->rect();
    const int separator = qMax(1, kSeparatorTwips / kTwipsPerPixel);
    const int treeWidth = qBound(0, m_wantedTreeWidth, qMax(0, area.width() - separator));
    m_shownTreeWidth = treeWidth;
    Trv->setGeometry(0, 0, treeWidth, area.height());
    PicSeparate->setGeometry(treeWidth, 0, separator, area.height());
    Grid->setGeometry(treeWidth + separator, 0, qMax(0, area.width() - treeWidth - separator),
                      area.height());
}

void FrmCus::installKeyHook()
{
    if (suite::KeyHook *hook = g_oPub->hook(this)) {
        connect(hook, &suite::KeyHook::keyDown, this, [this](int key, int shift) {
            runGuarded(QStringLiteral("FrmCus.KvFrmKeyHook_KeyDown"),
                       [&] { onKeyDown(key, shift); });
        });
    }
}

bool FrmCus::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_workArea && event->type() == QEvent::Resize) {
        layoutWorkArea();
    } else if (watched == PicSeparate) {
        dragSeparator(event);
    } else if (watched == FrameWeb && event->type() == QEvent::MouseMove) {
        for (QLabel *link : LblPage)
            highlightPageLink(link, false);
    } else {
        for (int link = 0; link < int(LblPage.size()); ++link) {
            if (watched != LblPage[link] || !LblPage[link]->isEnabled())
                continue;
            if (event->type() == QEvent::MouseButtonRelease)
                runGuarded(QStringLiteral("FrmCus.LblPage_Click"), [&] { onPageLink(link); });
            else if (event->type() == QEvent::Enter || event->type() == QEvent::Leave)
                highlightPageLink(LblPage[link], event->type() == QEvent::Enter);
        }
    }
    return ArchiveListWindow::eventFilter(watched, event);
}

// The public service moves the separator; the tree's new width lays the work area out again.
void FrmCus::dragSeparator(QEvent *event)
{
    static const QHash<int, int> actions{ { QEvent::MouseButtonPress, 1 },
                                          { QEvent::MouseMove, 2 },
                                          { QEvent::MouseButtonRelease, 3 } };
    if (!actions.contains(event->type()) || !g_oPub)
        return;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const int button =
        mouse->buttons() & Qt::LeftButton || mouse->button() == Qt::LeftButton ? 1 : 0;
    const QPoint at = mouse->position().toPoint();
    g_oPub->MouseEvent(this, m_variant.mainTable, PicSeparate, actions.value(event->type()), button,
                       suite::shiftMask(mouse->modifiers()), at.x(), at.y());
    layoutWorkArea();
}

void FrmCus::onTreeClick(QTreeWidgetItem *item)
{
    if (!m_refreshGuard || !item)
        return;
    setWindowTitle(res(m_variant.captionKey) + u'-' + item->text(0));
    DataRefresh(QString());
}

void FrmCus::onKeyDown(int keyCode, int shift)
{
    if (!isEnabled())
        return;
    constexpr int ctrl = 2;
    constexpr int alt = 4;
    switch (keyCode) {
    case 114: // F3
        Operating(shift & ctrl ? QStringLiteral("Pos") : QStringLiteral("Find"));
        break;
    case 33: // Page Up
        PageKey(shift & alt ? QStringLiteral("First") : QStringLiteral("Previous"));
        break;
    case 34: // Page Down
        PageKey(shift & alt ? QStringLiteral("Last") : QStringLiteral("Next"));
        break;
    case 13:
        PageKey(QStringLiteral("Enter"));
        break;
    case 116: // F5
        Operating(QStringLiteral("Add"));
        break;
    case 46: // Delete
        if (focusWidget() && (focusWidget() == Grid || Grid->isAncestorOf(focusWidget())))
            Operating(QStringLiteral("Delete"));
        break;
    case 118: // F7
        Operating(QStringLiteral("Modify"));
        break;
    case 119: // F8
        Operating(QStringLiteral("MulModify"));
        break;
    case 80: // P
        if (shift & ctrl)
            Operating(QStringLiteral("Print"));
        break;
    case 115: // F4
        if ((shift & alt) && !m_InPotal)
            Operating(QStringLiteral("Exit"));
        break;
    case 112: // F1
        Operating(QStringLiteral("Help"));
        break;
    case 120: // F9
        Operating(QStringLiteral("Refresh"));
        break;
    default:
        break;
    }
}

void FrmCus::Form_Unload()
{
    m_unloaded = true;
    if (g_oPub) {
        if (g_iRunMode == 0)
            g_oPub->unhook(this);
        if (g_oColSet && g_oPub->GetColWidthString(Grid) != m_savedColumnWidths)
            g_oPub->SaveColSet(g_oColSet, Grid, m_variant.mainTable, g_cUserId);
        if (m_optionsChanged)
            g_clsLogin = g_oPub->SaveArchOptions(g_clsLogin, this, m_variant.mainTable);
    }
    if (m_codeTableMade)
        DropCodeTable();
    m_pageRecords.Close();
    m_plugIns.reset();
    if (g_oPub) {
        g_oPub->FrmUnLoad();
        g_oPub->IsLockFun(g_oSrv, g_oLogin, m_variant.mainTable, -1);
    }
    g_cUnSavedColSet.clear();
    g_cColInfoXml.clear();
}

void FrmCus::ExitForm(int &Cancel, int)
{
    Cancel = 0;
    close();
    if (g_oPub)
        g_oPub->IsLockFun(g_oSrv, g_oLogin, m_variant.mainTable, -1);
}

} // namespace customer
