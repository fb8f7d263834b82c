#include "ListWindowFixture.h"

#include "list/FrmCus.h"
#include "suite/controls/Grid.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/RefClient.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace customer;

namespace {

// The switches and states the list shows, as a user sees them and as the database keeps them.
class ListSwitches : public ListWindowFixture
{
protected:
    void clickBox()
    {
        const QPoint centre = m_list->ChkbprintNo->rect().center();
        for (const QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
            QMouseEvent event(
                type, centre, m_list->ChkbprintNo->mapToGlobal(centre), Qt::LeftButton,
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(m_list->ChkbprintNo, &event);
        }
    }

    // The first cell of the exported data line, as "SaveFile" writes it to a CSV file.
    QString firstExportedCell()
    {
        const QString path = m_files.filePath(QStringLiteral("list%1.csv").arg(++m_exports));
        suite::ScopedModalHandler handler([&path](QWidget *window) {
            auto *files = qobject_cast<QFileDialog *>(window);
            ASSERT_NE(files, nullptr);
            files->selectFile(path);
            static_cast<QDialog *>(files)->accept();
        });
        m_list->Operating(QStringLiteral("SaveFile"));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("(no file)");
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
        return lines.value(1).section(QStringLiteral("\",\""), 0, 0).mid(1);
    }

    QString stored(const QString &key) const
    {
        return m_company
            .column(DemoCompanyCopy<>::Company,
                    QStringLiteral("select cValue from AA_UserSetting where cUser_Id='demo' and "
                                   "cObject='customer' and cKey='%1'")
                        .arg(key))
            .value(0, QStringLiteral("(none)"));
    }

    void reopenList()
    {
        m_list->close();
        delete m_list;
        m_list = nullptr;
        ASSERT_TRUE(openList());
    }

    QTemporaryDir m_files;
    int m_exports = 0;
};

TEST_F(ListSwitches, PrintNumberBoxMenuAndExportFollowOneState)
{
    ASSERT_TRUE(openList());
    requestPage(10, 1);
    QAction *menu = m_list->menuAction(QStringLiteral("mPrintNo"));
    ASSERT_TRUE(m_list->ChkbprintNo->isVisible());
    EXPECT_TRUE(m_list->ChkbprintNo->isChecked());
    EXPECT_TRUE(menu->isChecked());
    EXPECT_EQ(firstExportedCell(), QStringLiteral("1")) << "serial numbers while ticked";

    clickBox();
    EXPECT_FALSE(m_list->ChkbprintNo->isChecked());
    EXPECT_FALSE(menu->isChecked());
    EXPECT_EQ(firstExportedCell(), m_list->Grid->TextMatrix(1, 2)) << "none while not ticked";

    menu->trigger();
    EXPECT_TRUE(m_list->ChkbprintNo->isChecked());
    EXPECT_TRUE(menu->isChecked());
    EXPECT_EQ(firstExportedCell(), QStringLiteral("1"));

    clickBox();
    EXPECT_EQ(stored(QStringLiteral("PrintNo")), QStringLiteral("0"));
    reopenList();
    EXPECT_FALSE(m_list->ChkbprintNo->isChecked()) << "restored when the list opens";
    EXPECT_FALSE(m_list->menuAction(QStringLiteral("mPrintNo"))->isChecked());
    EXPECT_EQ(firstExportedCell(), m_list->Grid->TextMatrix(1, 2));
}

TEST_F(ListSwitches, RefreshAndCloseStoreTheOptionsOnlyAfterTheOptionsCommand)
{
    ASSERT_TRUE(openList());
    m_list->Operating(QStringLiteral("Refresh"));
    EXPECT_EQ(stored(QStringLiteral("TreeWidth")), QStringLiteral("(none)"));

    int dialogs = 0;
    {
        suite::ScopedModalHandler handler([&dialogs](QWidget *window) {
            ++dialogs;
            qobject_cast<QDialog *>(window)->reject();
        });
        m_list->Operating(QStringLiteral("OptionSet"));
    }
    ASSERT_EQ(dialogs, 1);
    m_list->Trv->resize(260, m_list->Trv->height());
    m_list->Operating(QStringLiteral("Refresh"));
    EXPECT_EQ(stored(QStringLiteral("TreeWidth")), QStringLiteral("260"));
    EXPECT_EQ(stored(QStringLiteral("PrintNo")), QStringLiteral("1"));

    m_list->Trv->resize(300, m_list->Trv->height());
    m_list->close();
    EXPECT_EQ(stored(QStringLiteral("TreeWidth")), QStringLiteral("300")) << "stored at unload";
}

TEST_F(ListSwitches, ReferenceClientAsksTheListItOpened)
{
    ASSERT_TRUE(openList());
    ASSERT_TRUE(m_list->RefClient);
    EXPECT_TRUE(m_list->RefClient->getColInfo(QStringLiteral("customer"), 0)
                    .contains(QStringLiteral("cCusCode"), Qt::CaseInsensitive));
    ASSERT_TRUE(m_list->RefClient->refresh(QStringLiteral("Department"), 20, 0, 1, QString(),
                                           QString(), QString()));
    EXPECT_GT(m_list->RefClient->rows().RecordCount(), 0);
    EXPECT_EQ(m_list->RefClient->table(), QStringLiteral("Department"));
}

TEST_F(ListSwitches, PageLinkUnderTheMouseIsHighlightedAndTheWindowHasItsIcon)
{
    ASSERT_TRUE(openList());
    requestPage(5, 1);
    EXPECT_FALSE(m_list->windowIcon().isNull());
    QLabel *next = m_list->LblPage[2];
    ASSERT_TRUE(next->isEnabled());
    const QColor plain = next->palette().color(QPalette::WindowText);

    QEnterEvent enter(QPointF(2, 2), next->mapToGlobal(QPointF(2, 2)),
                      next->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(next, &enter);
    EXPECT_EQ(next->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_TRUE(next->font().underline());
    EXPECT_EQ(next->cursor().shape(), Qt::PointingHandCursor);

    QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), m_list->FrameWeb->mapToGlobal(QPointF(1, 1)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(m_list->FrameWeb, &move);
    EXPECT_EQ(next->palette().color(QPalette::WindowText), plain);
    EXPECT_FALSE(next->font().underline());
    EXPECT_EQ(next->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
