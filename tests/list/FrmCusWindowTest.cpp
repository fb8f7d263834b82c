#include "ListWindowFixture.h"

#include "list/ClassTree.h"
#include "list/FrmCus.h"
#include "list/ListStatement.h"
#include "suite/controls/Grid.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/ResultListDialog.h"
#include "suite/controls/UpDown.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace customer;

namespace {

// The customer list as the portal shows it, driven offscreen the way a user drives it.
class ListWindowTest : public ListWindowFixture
{
protected:
    QStringList customersWhere(const QString &condition) const
    {
        return m_company.column(
            DemoCompanyCopy<>::Company,
            QStringLiteral("select cCusCode from Customer where coalesce(bTransFlag,0)=0 and %1 "
                           "order by cCusCode")
                .arg(condition));
    }

    void pressKey(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QApplication::sendEvent(target, &release);
    }

    QTreeWidgetItem *classNode(const QString &classCode) const
    {
        for (QTreeWidgetItemIterator it(m_list->Trv); *it; ++it) {
            if (classCodeOfNodeKey(classNodeKey(*it)) == classCode)
                return *it;
        }
        return nullptr;
    }

    // A left click in the middle of the node, as the mouse makes it.
    void clickNode(QTreeWidgetItem *node)
    {
        m_list->Trv->scrollToItem(node);
        const QPointF at = m_list->Trv->visualItemRect(node).center();
        QWidget *viewport = m_list->Trv->viewport();
        for (const QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
            QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(viewport, &event);
        }
    }

    std::array<bool, 4> linksEnabled() const
    {
        return { m_list->LblPage[0]->isEnabled(), m_list->LblPage[1]->isEnabled(),
                 m_list->LblPage[2]->isEnabled(), m_list->LblPage[3]->isEnabled() };
    }
};

TEST_F(ListWindowTest, OpensOnTheFirstPageOfTheVisibleCustomers)
{
    ASSERT_TRUE(openList());
    EXPECT_FALSE(m_list->EdtPageSize->text().isEmpty());
    EXPECT_EQ(shownCodes(),
              customersWhere(QStringLiteral("1=1")).mid(0, m_list->EdtPageSize->text().toInt()));
    requestPage(100, 1);
    EXPECT_EQ(shownCodes(), customersWhere(QStringLiteral("1=1")));
    EXPECT_EQ(m_list->Grid->TextMatrix(0, 0), text("Tarn.AA.ARCHIVE.COMMON.serialnumber"));
    EXPECT_EQ(m_list->Grid->TextMatrix(1, 0), QStringLiteral("1"));
    EXPECT_TRUE(shownTexts().isEmpty()) << qPrintable(shownTexts().join(u'\n'));
}

TEST_F(ListWindowTest, TreeClickShowsTheClassAndItsSubClasses)
{
    ASSERT_TRUE(openList());
    requestPage(100, 1);
    QTreeWidgetItem *north = classNode(QStringLiteral("01"));
    ASSERT_NE(north, nullptr);
    clickNode(north);

    const QStringList expected = customersWhere(QStringLiteral("cCCCode like '01%'"));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(shownCodes(), expected);
    EXPECT_TRUE(m_list->windowTitle().endsWith(north->text(0)));

    QTreeWidgetItem *root = m_list->Trv->topLevelItem(0);
    clickNode(root);
    EXPECT_EQ(shownCodes(), customersWhere(QStringLiteral("1=1")));
}

TEST_F(ListWindowTest, PagingClampsAndEnablesTheLinksOfThePage)
{
    ASSERT_TRUE(openList());
    const QStringList all = customersWhere(QStringLiteral("1=1"));
    const int pages = int((all.size() + 4) / 5);
    ASSERT_GE(pages, 3);

    requestPage(5, 1);
    EXPECT_EQ(shownCodes(), all.mid(0, 5));
    EXPECT_EQ(linksEnabled(), (std::array{ false, false, true, true }));

    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(m_list->LblPage[2], &click);
    // The count may be made again for the next page: the server makes it whenever anything
    // on it changed meanwhile.
    waitForPageCount();
    EXPECT_EQ(m_list->EdtiCurPage->text(), QStringLiteral("2"));
    EXPECT_EQ(shownCodes(), all.mid(5, 5));
    EXPECT_EQ(linksEnabled(), (std::array{ true, true, true, true }));

    requestPage(5, 999);
    EXPECT_EQ(m_list->EdtiCurPage->text(), QString::number(pages));
    EXPECT_EQ(shownCodes(), all.mid((pages - 1) * 5));
    EXPECT_EQ(linksEnabled(), (std::array{ true, true, false, false }));

    // A page size under the smallest step counts as the smallest step.
    requestPage(2, 1);
    EXPECT_EQ(m_list->EdtPageSize->text(), QStringLiteral("5"));
    EXPECT_EQ(shownCodes().size(), 5);
}

// The page is shown as soon as its rows are read; the number of pages follows when the count,
// made off the window's thread, comes back. Until then "last" waits and "next" is offered
// from a full page.
TEST_F(ListWindowTest, ThePageComesFirstAndItsCountAfter)
{
    ASSERT_TRUE(openList());
    const QStringList all = customersWhere(QStringLiteral("1=1"));
    const int pages = int((all.size() + 4) / 5);
    requestPage(5, 2);
    ASSERT_EQ(m_list->LblTotalPage->text(), text("Tarn.AA.ARCHIVE.BUTTON.sumpages").arg(pages));

    // A change makes the kept count stale: the next read shows its page before counting.
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("update Customer set cCusPhone = '1' where cCusCode = '%1'")
                      .arg(all.last()));
    int counted = 0;
    QObject::connect(m_list, &customer::FrmCus::pagesCounted, m_list, [&counted] { ++counted; });
    m_list->EdtiCurPage->setText(QStringLiteral("2"));
    m_list->CmdRequest->click();
    EXPECT_EQ(shownCodes(), all.mid(5, 5)) << "the page is there before the count";
    EXPECT_EQ(m_list->LblTotalPage->text(), text("Tarn.AA.ARCHIVE.COMMON.countingpages"));
    EXPECT_EQ(linksEnabled(), (std::array{ true, true, true, false }));
    EXPECT_EQ(counted, 0);

    waitForPageCount();
    EXPECT_EQ(counted, 1);
    EXPECT_EQ(m_list->LblTotalPage->text(), text("Tarn.AA.ARCHIVE.BUTTON.sumpages").arg(pages));
    EXPECT_EQ(m_list->UpDown2->Max(), pages);
    EXPECT_EQ(linksEnabled(), (std::array{ true, true, true, true }));
    EXPECT_EQ(shownCodes(), all.mid(5, 5)) << "the count does not read the page again";

    // A count that comes back after the list moved on to another read is dropped.
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("update Customer set cCusPhone = '2' where cCusCode = '%1'")
                      .arg(all.last()));
    m_list->EdtiCurPage->setText(QStringLiteral("1"));
    m_list->CmdRequest->click();
    clickNode(classNode(QStringLiteral("01")));
    const QStringList north = customersWhere(QStringLiteral("cCCCode like '01%'"));
    waitForPageCount();
    EXPECT_EQ(m_list->LblTotalPage->text(),
              text("Tarn.AA.ARCHIVE.BUTTON.sumpages").arg((north.size() + 4) / 5));
}

TEST_F(ListWindowTest, KeysReachThePagingStripAndTheCommands)
{
    ASSERT_TRUE(openList());
    requestPage(5, 1);
    m_list->EdtiCurPage->setFocus();
    m_list->activateWindow();
    QApplication::setActiveWindow(m_list);

    // Page Up on the page box raises its number by one step; Enter applies it.
    pressKey(m_list->EdtiCurPage, Qt::Key_PageUp);
    EXPECT_EQ(m_list->EdtiCurPage->text(), QStringLiteral("2"));
    pressKey(m_list->EdtiCurPage, Qt::Key_Return);
    EXPECT_EQ(shownCodes(), customersWhere(QStringLiteral("1=1")).mid(5, 5));

    // Delete in the grid with nothing ticked asks the user to tick rows first.
    m_list->Grid->setFocus();
    pressKey(m_list->Grid, Qt::Key_Delete);
    EXPECT_TRUE(shownTexts().contains(text("Tarn.AA.ARCHIVE.COMMON.sel_del_rst")))
        << qPrintable(shownTexts().join(u'\n'));
}

TEST_F(ListWindowTest, DeleteOfTickedRowsRefreshesToTheSameRow)
{
    ASSERT_TRUE(openList());
    requestPage(10, 1);
    const QStringList before = shownCodes();
    ASSERT_GE(before.size(), 5);
    // The data service keeps a customer that receivables still name.
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("delete from Ar_Detail where cDwCode = '%1'").arg(before.at(2)));
    m_list->Grid->setTextMatrix(3, 1, QStringLiteral("Y"));
    m_list->Grid->setRow(3);

    *m_messages = suite::MessageScript({ suite::MessageStyle::kYes });
    QList<QStringList> resultLines;
    suite::ScopedModalHandler results([&resultLines](QWidget *window) {
        auto *list = qobject_cast<suite::ResultListDialog *>(window);
        ASSERT_NE(list, nullptr);
        for (int line = 0; line < list->lineCount(); ++line)
            resultLines.append({ list->cellText(line, 0), list->cellText(line, 1) });
    });
    m_list->Operating(QStringLiteral("Delete"));

    EXPECT_TRUE(m_list->bDelSuccess);
    EXPECT_FALSE(customersWhere(QStringLiteral("1=1")).contains(before.at(2)));
    EXPECT_FALSE(shownCodes().contains(before.at(2)));
    EXPECT_EQ(shownCodes().first(), before.first());
    EXPECT_EQ(m_list->Grid->Row(), 3);
    EXPECT_EQ(resultLines,
              (QList<QStringList>{ { before.at(2), text("Tarn.AA.ARCHIVE.COMMON.del_success") } }));
}

TEST_F(ListWindowTest, DeleteAnsweredNoKeepsEveryCustomer)
{
    ASSERT_TRUE(openList());
    requestPage(10, 1);
    const QStringList before = customersWhere(QStringLiteral("1=1"));
    m_list->Grid->setTextMatrix(1, 1, QStringLiteral("Y"));
    *m_messages = suite::MessageScript({ suite::MessageStyle::kNo });
    m_list->Operating(QStringLiteral("Delete"));
    EXPECT_FALSE(m_list->bDelSuccess);
    EXPECT_EQ(customersWhere(QStringLiteral("1=1")), before);
}

TEST_F(ListWindowTest, RestrictedUserSeesOnlyThePermittedCustomers)
{
    ASSERT_TRUE(openList(QStringLiteral("sales1")));
    requestPage(100, 1);
    const QStringList permitted =
        customersWhere(QStringLiteral("cCCCode like '01%' and cCusDepart in ('0201')"));
    ASSERT_FALSE(permitted.isEmpty());
    ASSERT_LT(permitted.size(), customersWhere(QStringLiteral("1=1")).size());
    EXPECT_EQ(shownCodes(), permitted);
}

TEST_F(ListWindowTest, HiddenCodeColumnMakesTheListRefuseToLoad)
{
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("insert into AA_ColumnSet (cUser_Id,cKey,cFieldName,cCaption,"
                                 "bShow,iWidth,iOrder) values "
                                 "('demo','customer','ccuscode','code',0,80,1),"
                                 "('demo','customer','ccusname','name',1,160,2)"));
    ASSERT_TRUE(openList());
    EXPECT_EQ(m_list->Grid->Rows(), 1) << "no row is read";
    const QString refusal = suite::ResourceTable::builtIn(QStringLiteral("en-us"))
                                .format(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.no_code_no_use"),
                                        { text("Tarn.AA.ARCHIVE.FIELD.ccuscode") });
    // The activation stops there and tries again on the next one: the refusal is all it shows.
    ASSERT_FALSE(shownTexts().isEmpty());
    EXPECT_EQ(shownTexts().count(refusal), shownTexts().size())
        << qPrintable(shownTexts().join(u'\n'));
}

} // namespace
