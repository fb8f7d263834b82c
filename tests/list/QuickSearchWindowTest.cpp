#include "ListWindowFixture.h"

#include "list/FrmCus.h"
#include "suite/controls/Grid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QThread>

#include <functional>

using namespace customer;

namespace {

// The quick-search box of the list, typed into as a user types.
class QuickSearchWindowTest : public ListWindowFixture
{
protected:
    void press(QWidget *target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               const QString &text = QString())
    {
        QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(target, &up);
    }

    void type(const QString &text)
    {
        for (const QChar c : text)
            press(m_list->EdtSearch, 0, Qt::NoModifier, QString(c));
    }

    // Lets the window work until done holds, two seconds at most.
    static bool waitFor(const std::function<bool()> &done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 2000) {
            QApplication::processEvents();
            QThread::msleep(5);
        }
        return done();
    }

    // The customers the list may show whose searched fields hold word, in code order.
    QStringList matching(const QString &word) const
    {
        return m_company.column(
            DemoCompanyCopy<>::Company,
            QStringLiteral(
                "select cCusCode from Customer where coalesce(bTransFlag,0)=0 and "
                "lower(cCusCode || ' ' || cCusName || ' ' || cCusAbbName || ' ' "
                "|| coalesce(cCusMnemCode,'') || ' ' || coalesce(cCusPhone,'') || ' ' || "
                "coalesce(cCusHand,'') || ' ' || coalesce(cCusRegCode,'')) like "
                "'%' || lower('%1') || '%' order by cCusCode")
                .arg(word));
    }

    QStringList everyone() const
    {
        return m_company.column(DemoCompanyCopy<>::Company,
                                QStringLiteral("select cCusCode from Customer where "
                                               "coalesce(bTransFlag,0)=0 order by cCusCode"));
    }
};

} // namespace

TEST_F(QuickSearchWindowTest, TypingNarrowsTheListAfterAPauseAndEscapeBringsItBack)
{
    ASSERT_TRUE(openList());
    requestPage(5, 1);
    ASSERT_EQ(shownCodes(), everyone().mid(0, 5));
    EXPECT_FALSE(m_list->EdtSearch->placeholderText().isEmpty());

    press(m_list->Grid, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(m_list->EdtSearch->hasFocus()) << "Ctrl+F goes to the search box";
    const QStringList matches = matching(QStringLiteral("有限"));
    ASSERT_GT(matches.size(), 5) << "the demo company has more than a page of them";
    type(QStringLiteral("有限"));
    EXPECT_EQ(shownCodes(), everyone().mid(0, 5)) << "nothing is read while the user types on";
    ASSERT_TRUE(waitFor([&] { return shownCodes() == matches.mid(0, 5); }))
        << qPrintable(shownCodes().join(u','));
    const int pages = int((matches.size() + 4) / 5);
    EXPECT_TRUE(m_list->LblTotalPage->text().contains(QString::number(pages)))
        << qPrintable(m_list->LblTotalPage->text());

    requestPage(5, 2);
    EXPECT_EQ(shownCodes(), matches.mid(5, 5)) << "the search pages like the list";

    const QString code = matches.value(1);
    type(QStringLiteral(" ") + code);
    ASSERT_TRUE(waitFor([&] { return shownCodes() == QStringList{ code }; }))
        << qPrintable(shownCodes().join(u','));
    EXPECT_EQ(m_list->EdtiCurPage->text(), QStringLiteral("1")) << "a new search starts at 1";

    press(m_list->EdtSearch, Qt::Key_Escape);
    EXPECT_TRUE(m_list->EdtSearch->text().isEmpty());
    ASSERT_TRUE(waitFor([&] { return shownCodes() == everyone().mid(0, 5); }))
        << qPrintable(shownCodes().join(u','));
}

TEST_F(QuickSearchWindowTest, SalesSearchesOnlyTheCustomersOfTheirRights)
{
    ASSERT_TRUE(openList(QStringLiteral("sales1")));
    requestPage(100, 1);
    const QStringList mayRead = shownCodes();
    ASSERT_FALSE(mayRead.isEmpty());
    ASSERT_LT(mayRead.size(), everyone().size());

    m_list->EdtSearch->setFocus();
    type(QStringLiteral("公司"));
    QStringList expected;
    for (const QString &code : matching(QStringLiteral("公司"))) {
        if (mayRead.contains(code))
            expected.append(code);
    }
    ASSERT_TRUE(waitFor([&] { return shownCodes() == expected; }))
        << qPrintable(shownCodes().join(u',')) << " / " << qPrintable(expected.join(u','));
    EXPECT_LT(expected.size(), matching(QStringLiteral("公司")).size());
}
