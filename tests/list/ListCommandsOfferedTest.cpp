#include "ListWindowFixture.h"

#include "list/FrmCus.h"
#include "list/ListCommandWindows.h"
#include "list/ListMenus.h"
#include "suite/controls/Grid.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/StatusBar.h"
#include "suite/controls/Toolbar.h"
#include "suite/data/SqlTrace.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolButton>

using namespace customer;

namespace {

// What a user can see of the list and around it. A command that changes none of it, opens no
// window, shows no message and sends nothing to the data service has done nothing.
struct Trace
{
    QStringList cells;
    bool listVisible = false;
    int toolbarStyle = 0;
    bool statusBar = false;
    bool printNo = false;
    qsizetype messages = 0;
    qsizetype portalForms = 0;
    qsizetype statements = 0;
    int topLevelWindows = 0;

    bool operator==(const Trace &other) const = default;
};

class ListCommandsOffered : public ListWindowFixture
{
protected:
    void SetUp() override
    {
        ListWindowFixture::SetUp();
        suite::SqlTrace::setFile(m_trace.filePath(QStringLiteral("sql.log")));
    }

    void TearDown() override
    {
        suite::SqlTrace::setFile(QString());
        ListWindowFixture::TearDown();
    }

    Trace trace() const
    {
        Trace now;
        for (int row = 0; row < m_list->Grid->Rows(); ++row) {
            for (int col = 0; col < m_list->Grid->Cols(); ++col)
                now.cells.append(m_list->Grid->TextMatrix(row, col));
        }
        now.listVisible = m_list->isVisible();
        now.toolbarStyle = int(m_list->TLB2->toolButtonStyle());
        now.statusBar = m_list->Stb->isVisible();
        now.printNo = m_list->property("printNo").toBool();
        now.messages = m_messages->shown().size();
        now.portalForms = m_portal.forms.size();
        QFile log(m_trace.filePath(QStringLiteral("sql.log")));
        if (log.open(QIODevice::ReadOnly))
            now.statements = log.readAll().count("\n-- ") + 1;
        for (QWidget *window : QApplication::topLevelWidgets())
            now.topLevelWindows += window->isVisible() ? 1 : 0;
        return now;
    }

    // Runs one command the way the user gives it, with one row ticked and the list shown, and
    // tells whether anything came of it. Every window it opens is recorded and closed.
    bool doesSomething(const std::function<void()> &give)
    {
        m_list->show();
        settle();
        m_list->Operating(QStringLiteral("allcancel"));
        m_list->Grid->setTextMatrix(1, 1, QStringLiteral("Y"));
        m_list->Grid->setRow(1);
        const Trace before = trace();
        int windows = 0;
        {
            suite::ScopedModalHandler handler([&windows](QWidget *window) {
                ++windows;
                if (auto *dialog = qobject_cast<QDialog *>(window))
                    dialog->reject();
                else
                    window->close();
            });
            give();
            settle();
        }
        const Trace after = trace();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window != m_list && window->isVisible())
                window->close();
        }
        // A card the command opened in the portal is closed as its user would close it.
        for (QWidget *form : m_portal.forms.mid(before.portalForms))
            form->close();
        settle();
        return windows > 0 || !(before == after);
    }

    QTemporaryDir m_trace;
};

TEST_F(ListCommandsOffered, EveryToolbarButtonAndMenuItemShownDoesSomething)
{
    ASSERT_TRUE(openList());
    requestPage(10, 1);
    QStringList idle;
    QStringList offered;
    for (const QString &key : m_list->TLB2->visibleKeys()) {
        auto *button = m_list->TLB2->findChild<QToolButton *>(key);
        ASSERT_NE(button, nullptr) << qPrintable(key);
        offered.append(key);
        if (!doesSomething([button] { button->click(); }))
            idle.append(QStringLiteral("button ") + key);
        for (QAction *item : button->menu() ? button->menu()->actions() : QList<QAction *>()) {
            if (!doesSomething([item] { item->trigger(); }))
                idle.append(QStringLiteral("button %1 > %2").arg(key, item->objectName()));
        }
    }
    for (const ListMenu &menu : customerListMenus()) {
        for (const ListMenuItem &item : menu.items) {
            QAction *action = m_list->menuAction(item.name);
            if (item.command.isEmpty() || item.command == u"-" || !action->isVisible())
                continue;
            offered.append(item.command);
            if (!doesSomething([action] { action->trigger(); }))
                idle.append(QStringLiteral("menu ") + item.name);
        }
    }
    EXPECT_TRUE(idle.isEmpty()) << qPrintable(idle.join(u'\n'));
    for (const QString &command : commandsWithoutWindow())
        EXPECT_FALSE(offered.contains(command, Qt::CaseInsensitive)) << qPrintable(command);
    EXPECT_TRUE(offered.contains(QStringLiteral("Cus_Trade")));
    EXPECT_TRUE(offered.contains(QStringLiteral("Credit")));
    EXPECT_TRUE(offered.contains(QStringLiteral("Unite")));
    EXPECT_TRUE(offered.contains(QStringLiteral("Duplicates")));
}

TEST_F(ListCommandsOffered, F8OpensTheBatchModifyWindow)
{
    ASSERT_TRUE(openList());
    ASSERT_FALSE(isCommandWithoutWindow(QStringLiteral("mulmodify")));
    m_list->activateWindow();
    QApplication::setActiveWindow(m_list);
    QStringList opened;
    suite::ScopedModalHandler handler([&opened](QWidget *window) {
        opened.append(window->objectName());
        qobject_cast<QDialog *>(window)->reject();
    });
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F8, Qt::NoModifier);
    QApplication::sendEvent(m_list->Grid, &press);
    EXPECT_EQ(opened, QStringList{ QStringLiteral("FrmZMulModify") });
}

TEST_F(ListCommandsOffered, PortalListHasNoExitButton)
{
    ASSERT_TRUE(openList());
    const QStringList shown = m_list->TLB2->visibleKeys();
    EXPECT_FALSE(shown.contains(QStringLiteral("Exit"))) << qPrintable(shown.join(u','));
    EXPECT_TRUE(shown.contains(QStringLiteral("Preview"))) << qPrintable(shown.join(u','));
    EXPECT_FALSE(m_list->MenuBar->isVisible());
}

TEST_F(ListCommandsOffered, ListOutsideThePortalHidesThePreviewButtonAndKeepsExit)
{
    QStringList shown;
    bool boxShown = true;
    bool menusShown = false;
    m_entry = customer::ClsCustomer::create();
    suite::ScopedModalHandler handler([&](QWidget *window) {
        auto *list = qobject_cast<FrmCus *>(window);
        ASSERT_NE(list, nullptr);
        list->resize(1000, 640);
        list->show();
        settle();
        shown = list->TLB2->visibleKeys();
        boxShown = list->ChkbprintNo->isVisible();
        menusShown = list->MenuBar->isVisible();
        list->close();
    });
    m_entry->ShowByCS(login());
    EXPECT_TRUE(shown.contains(QStringLiteral("Exit"))) << qPrintable(shown.join(u','));
    EXPECT_FALSE(shown.contains(QStringLiteral("Preview"))) << qPrintable(shown.join(u','));
    EXPECT_TRUE(shown.contains(QStringLiteral("Print"))) << "its drop-down still previews";
    EXPECT_FALSE(boxShown);
    EXPECT_TRUE(menusShown);
}

} // namespace
