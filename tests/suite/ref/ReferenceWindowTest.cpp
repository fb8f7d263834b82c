#include "ReferenceFixture.h"

#include "suite/pub/ResourceTable.h"
#include "suite/ref/ReferenceWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>

namespace {

void press(QWidget *target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &event);
}

void type(QLineEdit *edit, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &event);
    }
}

} // namespace

class ReferenceWindowTest : public ReferenceTest
{
protected:
    std::unique_ptr<suite::ReferenceWindow> window(suite::ReferenceQuery query, int pageSize = 8)
    {
        return std::make_unique<suite::ReferenceWindow>(
            std::move(query), m_service, suite::ResourceTable::builtIn(QStringLiteral("en-us")),
            nullptr, pageSize);
    }
};

TEST_F(ReferenceWindowTest, TypingSearchesAndEnterChoosesTheCurrentRow)
{
    auto shown = window(query("Customer_AA"));
    EXPECT_EQ(shown->windowTitle(), QStringLiteral("Customers"));
    EXPECT_EQ(shown->rowCount(), 8);
    EXPECT_EQ(shown->pageCount(), (DemoCompanyCopy<>::kCustomers + 7) / 8);

    auto *search = shown->findChild<QLineEdit *>(QStringLiteral("search"));
    const QString wanted = m_company
                               .column(DemoCompanyCopy<>::Company,
                                       QStringLiteral("select cCusCode from Customer order by "
                                                      "cCusCode"))
                               .value(12);
    type(search, wanted);
    EXPECT_EQ(shown->rowCount(), 8) << "the search waits for a pause in typing";
    press(search, Qt::Key_Return);
    ASSERT_EQ(shown->rowCount(), 1) << "Enter searches at once";
    EXPECT_EQ(shown->result(), QDialog::Rejected);

    press(search, Qt::Key_Return);
    EXPECT_EQ(shown->result(), QDialog::Accepted);
    EXPECT_EQ(shown->chosenRow().RecordCount(), 1);
    EXPECT_EQ(shown->chosenRow().Value(QStringLiteral("cCusCode")).toString(), wanted);
    EXPECT_FALSE(shown->chosenRow().Value(QStringLiteral("cCusName")).toString().isEmpty())
        << "the chosen row carries every column of the table";
}

TEST_F(ReferenceWindowTest, PagingButtonsAndKeysTurnThePagesWithinTheirBounds)
{
    auto shown = window(query("Customer_AA"));
    auto *next = shown->findChild<QToolButton *>(QStringLiteral("next"));
    auto *last = shown->findChild<QToolButton *>(QStringLiteral("last"));
    auto *first = shown->findChild<QToolButton *>(QStringLiteral("first"));
    auto *previous = shown->findChild<QToolButton *>(QStringLiteral("previous"));
    EXPECT_FALSE(first->isEnabled());
    EXPECT_FALSE(previous->isEnabled());
    next->click();
    EXPECT_EQ(shown->page(), 2);
    last->click();
    EXPECT_EQ(shown->page(), shown->pageCount());
    EXPECT_FALSE(next->isEnabled());
    EXPECT_EQ(shown->findChild<QLabel *>(QStringLiteral("page"))->text(),
              QStringLiteral("Page %1 of %1").arg(shown->pageCount()));
    shown->showPage(shown->pageCount() + 3);
    EXPECT_EQ(shown->page(), shown->pageCount());
    first->click();
    EXPECT_EQ(shown->page(), 1);
    shown->showPage(-4);
    EXPECT_EQ(shown->page(), 1);
}

TEST_F(ReferenceWindowTest, NothingToOfferLeavesOkDisabledAndAFaultyFilterIsShown)
{
    suite::ReferenceQuery cities = query("hr_ct007_AA");
    QString sMsg;
    ASSERT_TRUE(cities.setConditions(QString(), QStringLiteral("1=2"), sMsg));
    auto empty = window(cities);
    EXPECT_EQ(empty->rowCount(), 0);
    EXPECT_EQ(empty->pageCount(), 1);
    EXPECT_TRUE(empty->message().isEmpty());
    press(empty->findChild<QLineEdit *>(QStringLiteral("search")), Qt::Key_Return);
    EXPECT_EQ(empty->result(), QDialog::Rejected) << "Enter on no rows chooses nothing";

    ASSERT_TRUE(cities.setConditions(QString(), QStringLiteral("#FN[nosuchcolumn]=1"), sMsg));
    auto faulty = window(cities);
    EXPECT_EQ(faulty->rowCount(), 0);
    EXPECT_TRUE(faulty->message().contains(QStringLiteral("nosuchcolumn"), Qt::CaseInsensitive))
        << qPrintable(faulty->message());
}
