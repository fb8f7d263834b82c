#include "batch/FrmZMulModify.h"
#include "ListWindowFixture.h"
#include "suite/controls/FindControl.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

void press(QWidget *widget, int key, const QString &text = QString())
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &up);
}

void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        press(widget, c.unicode(), QString(c));
}

} // namespace

class FrmZMulModifyTest : public ListWindowFixture
{
protected:
    QStringList tickRows(const QList<int> &rows)
    {
        QStringList codes;
        for (int row : rows) {
            m_list->Grid->setTextMatrix(row, 1, QStringLiteral("Y"));
            codes.append(m_list->Grid->TextMatrix(row, m_list->iKeyPos));
        }
        return codes;
    }

    QStringList tickedRows() const
    {
        QStringList ticked;
        for (int row = 1; row < m_list->Grid->Rows(); ++row) {
            if (m_list->Grid->TextMatrix(row, 1) == u"Y")
                ticked.append(QString::number(row));
        }
        return ticked;
    }
};

TEST_F(FrmZMulModifyTest, TickedRowsGetTheValueAndTheListIsRefreshed)
{
    ASSERT_TRUE(openList());
    const QStringList codes = tickRows({ 2, 3, 5 });
    const QStringList others = m_company.column(
        DemoCompanyCopy<20>::Company,
        "select cCusCode || ':' || coalesce(cCusPhone,'') from Customer where cCusCode not in ('"
            + codes.join("','") + "') order by cCusCode");
    QStringList opened;
    QString screenshot;
    suite::ScopedModalHandler handler([&](QWidget *window) {
        opened.append(window->objectName());
        window->show();
        settle();
        auto *find = window->findChild<suite::FindControl *>(QStringLiteral("Find"));
        ASSERT_NE(find, nullptr);
        EXPECT_TRUE(find->selectedRowsChoice()->isChecked());
        EXPECT_EQ(find->selectedRowsChoice()->text(), "Ticked rows (3)");
        auto *fields = find->findChild<QComboBox *>(QStringLiteral("cboField"));
        fields->setCurrentIndex(fields->findData(QStringLiteral("cCusPhone")));
        auto *edit = qobject_cast<QLineEdit *>(find->valueEditor());
        ASSERT_NE(edit, nullptr);
        type(edit, QStringLiteral("010-8888"));
        screenshot = QDir::temp().filePath(QStringLiteral("FrmZMulModify-en.png"));
        EXPECT_TRUE(window->grab().save(screenshot));
        press(edit, Qt::Key_F8);
        EXPECT_TRUE(window->isVisible()) << "the window stays open for a further request";
        find->cancelButton()->click();
    });
    m_list->Operating(QStringLiteral("MulModify"));

    EXPECT_EQ(opened, QStringList{ "FrmZMulModify" });
    EXPECT_EQ(shownTexts(),
              (QStringList{ text("Tarn.AA.CUSTOMER.FRMMULMODIFY.410_1").arg(3),
                            text("Tarn.AA.ARCHIVE.COMMON.modifysuccess") }));
    EXPECT_EQ(m_company.column(DemoCompanyCopy<20>::Company,
                               "select cCusPhone from Customer where cCusCode in ('"
                                   + codes.join("','") + "')"),
              QStringList(3, "010-8888"));
    EXPECT_EQ(m_company.column(DemoCompanyCopy<20>::Company,
                               "select cCusCode || ':' || coalesce(cCusPhone,'') from Customer "
                               "where cCusCode not in ('"
                                   + codes.join("','") + "') order by cCusCode"),
              others);
    EXPECT_TRUE(tickedRows().isEmpty()) << "the list was read again";
    EXPECT_FALSE(customer::g_bCardSaved);
}

TEST_F(FrmZMulModifyTest, EscapeClosesWithoutChangesAndWithoutRefresh)
{
    ASSERT_TRUE(openList());
    tickRows({ 1 });
    const QStringList before = m_company.column(DemoCompanyCopy<20>::Company,
                                                "select cCusPhone from Customer order by cCusCode");
    bool closed = false;
    suite::ScopedModalHandler handler([&](QWidget *window) {
        window->show();
        settle();
        auto *find = window->findChild<suite::FindControl *>(QStringLiteral("Find"));
        press(find->valueEditor(), Qt::Key_Escape);
        closed = !window->isVisible();
    });
    m_list->Operating(QStringLiteral("MulModify"));
    EXPECT_TRUE(closed);
    EXPECT_EQ(tickedRows(), QStringList{ "1" }) << "nothing saved, nothing refreshed";
    EXPECT_EQ(m_company.column(DemoCompanyCopy<20>::Company,
                               "select cCusPhone from Customer order by cCusCode"),
              before);
}
