#include "ClsPubFixture.h"

#include "suite/controls/StatusBar.h"
#include "suite/controls/Toolbar.h"
#include "suite/controls/UpDown.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

using namespace suite;

namespace {

constexpr int kLeft = 1;
constexpr int kRight = 2;

// A list window's body as the public service finds it: tree, separator and grid side by side
// on a 600 pixel wide form, with a toolbar and a status bar.
struct ListForm
{
    ListForm()
    {
        form.resize(600, 400);
        tree->setObjectName(QStringLiteral("Trv"));
        tree->setGeometry(0, 30, 150, 300);
        separator->setObjectName(QStringLiteral("PicSeparate"));
        separator->setGeometry(150, 30, 4, 300);
        grid->setObjectName(QStringLiteral("Grid"));
        grid->setGeometry(154, 30, 446, 300);
        status->setObjectName(QStringLiteral("Stb"));
        toolbar->init(
            { { QStringLiteral("Add"), QStringLiteral("Tarn.AA.ARCHIVE.TOOLBAR.add") },
              { QStringLiteral("Modify"), QStringLiteral("Tarn.AA.ARCHIVE.TOOLBAR.modify") } },
            QString(), nullptr, QStringLiteral("No_Such_Set"), QStringLiteral("AS"));
    }

    QWidget form;
    QWidget *tree = new QWidget(&form);
    QWidget *separator = new QWidget(&form);
    QWidget *grid = new QWidget(&form);
    StatusBar *status = new StatusBar(3, &form);
    Toolbar *toolbar = new Toolbar(&form);
};

} // namespace

class ClsPubWindowTest : public ClsPubTest
{
protected:
    void SetUp() override
    {
        ClsPubTest::SetUp();
        m_pub = pubFor(QStringLiteral("demo"));
    }

    QString stored(const QString &key, const QString &user = QStringLiteral("demo"))
    {
        return m_pub->GetRegEdit(QStringLiteral("customer"), key, QStringLiteral("<none>"), false,
                                 user);
    }

    void drag(ListForm &list, int from, int to)
    {
        m_pub->MouseEvent(&list.form, QStringLiteral("Customer"), list.separator, 1, kLeft, 0, from,
                          5);
        m_pub->MouseEvent(&list.form, QStringLiteral("Customer"), list.separator, 2, kLeft, 0, to,
                          5);
        m_pub->MouseEvent(&list.form, QStringLiteral("Customer"), list.separator, 3, kLeft, 0, from,
                          5);
    }

    std::shared_ptr<IPub> m_pub;
};

TEST_F(ClsPubWindowTest, LocaleAndLoadInitFollowTheLogin)
{
    EXPECT_EQ(m_pub->m_LocaleID(), QStringLiteral("zh-cn"));
    EXPECT_EQ(pubFor(QStringLiteral("demo"), QStringLiteral("en-US"))->m_LocaleID(),
              QStringLiteral("en-us"));
    auto bare = createObject<IPub>(IPub::kProgId);
    EXPECT_EQ(bare->m_LocaleID(), QStringLiteral("zh-cn"));

    QWidget form;
    LoginRecord given;
    given.cUserId = QStringLiteral("demo");
    given.AuthString = QStringLiteral("kept");
    const LoginRecord record =
        m_pub->frmLoadInit(&form, QStringLiteral("客户档案"), given, m_service);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("客户档案"));
    EXPECT_EQ(record.cUserId, QStringLiteral("demo"));
    EXPECT_EQ(record.AuthString, QStringLiteral("kept"));
    EXPECT_EQ(record.KvDbName, m_company.connectionText());
    EXPECT_EQ(record.CurDate, QStringLiteral("2026-03-15"));
    EXPECT_EQ(record.cAcc_id, QStringLiteral("001"));
    EXPECT_EQ(record.cIYear, QStringLiteral("2026"));
    EXPECT_EQ(record.LanguageRegion, QStringLiteral("zh-cn"));
    EXPECT_FALSE(record.cUserName.isEmpty());
}

TEST_F(ClsPubWindowTest, SeparatorDragResizesTreeAndGridAndKeepsTheWidth)
{
    ListForm list;
    m_pub->MouseEvent(&list.form, QStringLiteral("Customer"), list.separator, 1, kLeft, 0, 2, 5);
    m_pub->MouseEvent(&list.form, QStringLiteral("Customer"), list.separator, 2, kLeft, 0, 52, 5);
    EXPECT_EQ(list.separator->x(), 200);
    EXPECT_EQ(list.tree->width(), 150);
    EXPECT_EQ(stored(QStringLiteral("TreeWidth")), QStringLiteral("<none>"));

    m_pub->MouseEvent(&list.form, QStringLiteral("Customer"), list.separator, 3, kLeft, 0, 12, 5);
    EXPECT_EQ(list.tree->width(), 210);
    EXPECT_EQ(list.separator->x(), 210);
    EXPECT_EQ(list.grid->geometry(), QRect(214, 30, 386, 300));
    EXPECT_EQ(stored(QStringLiteral("TreeWidth")), QStringLiteral("210"));
    EXPECT_EQ(stored(QStringLiteral("TreeWidth"), QStringLiteral("sales1")),
              QStringLiteral("<none>"));
}

TEST_F(ClsPubWindowTest, DragStopsShortOfTheEdges)
{
    ListForm list;
    drag(list, 0, 1000);
    EXPECT_EQ(list.tree->width(), 600 - 4 - 80);
    EXPECT_EQ(list.grid->width(), 80);
    drag(list, 0, -1000);
    EXPECT_EQ(list.tree->width(), 40);
    EXPECT_EQ(stored(QStringLiteral("TreeWidth")), QStringLiteral("40"));
}

TEST_F(ClsPubWindowTest, MovesWithoutALeftButtonDownDoNothing)
{
    ListForm list;
    m_pub->MouseEvent(&list.form, QStringLiteral("Customer"), list.separator, 2, kLeft, 0, 50, 5);
    m_pub->MouseEvent(&list.form, QStringLiteral("Customer"), list.separator, 3, kLeft, 0, 50, 5);
    m_pub->MouseEvent(&list.form, QStringLiteral("Customer"), list.separator, 1, kRight, 0, 0, 5);
    m_pub->MouseEvent(&list.form, QStringLiteral("Customer"), list.separator, 3, kRight, 0, 50, 5);
    m_pub->MouseEvent(&list.form, QStringLiteral("Customer"), nullptr, 1, kLeft, 0, 0, 5);
    EXPECT_EQ(list.separator->x(), 150);
    EXPECT_EQ(list.tree->width(), 150);
    EXPECT_EQ(stored(QStringLiteral("TreeWidth")), QStringLiteral("<none>"));
}

TEST_F(ClsPubWindowTest, FirstResizeRestoresTheUsersTreeWidthOnce)
{
    {
        ListForm earlier;
        drag(earlier, 0, 100);
    }
    ListForm list;
    m_pub->frmResizeNew(&list.form, QStringLiteral("customer"), QStringLiteral("trv"));
    EXPECT_EQ(list.tree->width(), 250);
    EXPECT_EQ(list.grid->x(), 254);
    list.tree->resize(120, list.tree->height());
    m_pub->frmResizeNew(&list.form, QStringLiteral("customer"), QStringLiteral("trv"));
    EXPECT_EQ(list.tree->width(), 120);

    ListForm other;
    pubFor(QStringLiteral("sales1"))
        ->frmResizeNew(&other.form, QStringLiteral("customer"), QStringLiteral("trv"));
    EXPECT_EQ(other.tree->width(), 150);
}

TEST_F(ClsPubWindowTest, ArchiveOptionsRoundTripPerUser)
{
    LoginRecord login;
    login.cUserId = QStringLiteral("demo");
    {
        ListForm list;
        list.tree->resize(180, 300);
        list.status->hide();
        list.toolbar->setShowText(false);
        EXPECT_EQ(m_pub->SaveArchOptions(login, &list.form, QStringLiteral("Customer")).cUserId,
                  QStringLiteral("demo"));
    }
    ListForm mine;
    m_pub->SetArchOptions(&mine.form, QStringLiteral("Customer"), QStringLiteral("demo"));
    EXPECT_TRUE(mine.status->isHidden());
    EXPECT_FALSE(mine.toolbar->showText());
    EXPECT_EQ(mine.tree->width(), 180);
    EXPECT_EQ(mine.grid->x(), 184);

    ListForm theirs;
    m_pub->SetArchOptions(&theirs.form, QStringLiteral("Customer"), QStringLiteral("sales1"));
    EXPECT_FALSE(theirs.status->isHidden());
    EXPECT_TRUE(theirs.toolbar->showText());
    EXPECT_EQ(theirs.tree->width(), 150);
}

TEST_F(ClsPubWindowTest, ToolbarFollowsTheWindowsCommands)
{
    ListForm list;
    auto *mAdd = new QAction(&list.form);
    mAdd->setObjectName(QStringLiteral("mAdd"));
    mAdd->setEnabled(false);
    m_pub->ReRefreshKvTlb(&list.form);
    EXPECT_FALSE(list.toolbar->isButtonEnabled(QStringLiteral("Add")));
    EXPECT_TRUE(list.toolbar->isButtonEnabled(QStringLiteral("Modify")));
    mAdd->setEnabled(true);
    m_pub->ReRefreshKvTlb(&list.form);
    EXPECT_TRUE(list.toolbar->isButtonEnabled(QStringLiteral("Add")));
}

TEST_F(ClsPubWindowTest, PagingControlsAreCentredInTheStrip)
{
    QWidget form;
    auto *frame = new QWidget(&form);
    frame->setObjectName(QStringLiteral("FrameWeb"));
    auto *strip = new QHBoxLayout(frame);
    auto *pageSize = new QLineEdit(frame);
    pageSize->setObjectName(QStringLiteral("EdtPageSize"));
    auto *spinner = new UpDown(frame);
    spinner->setObjectName(QStringLiteral("UpDown1"));
    auto *request = new QPushButton(frame);
    request->setObjectName(QStringLiteral("CmdRequest"));
    for (QWidget *control : { static_cast<QWidget *>(pageSize), static_cast<QWidget *>(spinner),
                              static_cast<QWidget *>(request) })
        strip->addWidget(control);
    frame->setGeometry(0, 0, 500, 80);
    m_pub->SetFrameWeb(&form);
    for (QWidget *control : { static_cast<QWidget *>(pageSize), static_cast<QWidget *>(spinner),
                              static_cast<QWidget *>(request) }) {
        EXPECT_LT(control->height(), 60) << qPrintable(control->objectName());
        EXPECT_NEAR(control->geometry().center().y(), 40, 1) << qPrintable(control->objectName());
    }

    QWidget manual;
    auto *bareFrame = new QWidget(&manual);
    bareFrame->setObjectName(QStringLiteral("FrameWeb"));
    bareFrame->setGeometry(0, 0, 500, 50);
    auto *page = new QLineEdit(bareFrame);
    page->setObjectName(QStringLiteral("EdtiCurPage"));
    page->setGeometry(30, 0, 60, 20);
    m_pub->SetFrameWeb(&manual);
    EXPECT_EQ(page->geometry(), QRect(30, 15, 60, 20));
}

TEST_F(ClsPubWindowTest, OneFontForEveryControl)
{
    QWidget form;
    auto *bold = new QPushButton(&form);
    QFont odd(QStringLiteral("Courier"), 20);
    bold->setFont(odd);
    m_pub->FrmUniteFont(&form);
    const QString expected =
        QFontDatabase::families().contains(QStringLiteral("WenQuanYi Micro Hei"))
        ? QStringLiteral("WenQuanYi Micro Hei")
        : QApplication::font().family();
    EXPECT_EQ(form.font().family(), expected);
    EXPECT_EQ(bold->font().family(), expected);
    EXPECT_EQ(bold->font().pointSize(), QApplication::font().pointSize());
    m_pub->FrmUniteFont(nullptr);
}
