#include "suite/controls/RefEdit.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

#include <gtest/gtest.h>

using suite::RefEdit;

namespace {

void type(RefEdit &edit, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&edit, &press);
    }
}

QAction *buttonOf(const RefEdit &edit)
{
    return edit.findChild<QAction *>(QStringLiteral("refButton"));
}

} // namespace

TEST(RefEdit, ButtonShowsOnlyForANamedReferenceAndReportsClicksWhenUsable)
{
    RefEdit edit;
    int clicks = 0;
    QObject::connect(&edit, &RefEdit::buttonClicked, [&] { ++clicks; });
    EXPECT_FALSE(edit.hasButton());
    EXPECT_FALSE(buttonOf(edit)->isVisible());
    edit.clickButton();
    EXPECT_EQ(clicks, 0) << "no reference, no look-up";

    edit.Init(nullptr, true, QStringLiteral("http://h?refid=Customer_AA"),
              QStringLiteral("<Ref><RefSet  cRefFilterSql=\"bDCEnd=1 \"/></Ref>"));
    EXPECT_TRUE(edit.hasButton());
    EXPECT_TRUE(edit.isWeb());
    EXPECT_EQ(edit.refKey(), QStringLiteral("http://h?refid=Customer_AA"));
    EXPECT_EQ(edit.refSetXml(),
              QStringLiteral("<Ref><RefSet  cRefFilterSql=\"bDCEnd=1 \"/></Ref>"));
    buttonOf(edit)->trigger();
    EXPECT_EQ(clicks, 1);

    edit.setLocked(true);
    EXPECT_TRUE(edit.isLocked());
    EXPECT_FALSE(buttonOf(edit)->isEnabled());
    edit.clickButton();
    edit.setLocked(false);
    edit.setEnabled(false);
    EXPECT_FALSE(buttonOf(edit)->isEnabled());
    edit.clickButton();
    EXPECT_EQ(clicks, 1) << "locked or disabled edits look nothing up";
    edit.setEnabled(true);
    EXPECT_TRUE(buttonOf(edit)->isEnabled());
}

TEST(RefEdit, TypingClearsTheChosenCodeUnlessTheEditTakesFreeText)
{
    RefEdit edit;
    edit.Init(nullptr, false, QStringLiteral("CustomerClass_AA"));
    edit.setText(QStringLiteral("0101"));
    edit.setTag(QStringLiteral("0101"));
    EXPECT_EQ(edit.tag(), QStringLiteral("0101")) << "texts set by the program keep the tag";
    type(edit, QStringLiteral("9"));
    EXPECT_EQ(edit.text(), QStringLiteral("01019"));
    EXPECT_TRUE(edit.tag().isEmpty());

    RefEdit address;
    address.setFreeText(true);
    type(address, QStringLiteral("北京"));
    EXPECT_EQ(address.tag(), QStringLiteral("北京"));
}

TEST(RefEdit, KeepsToItsLengthAndReportsLeaving)
{
    RefEdit edit;
    edit.setMaxLength(3);
    type(edit, QStringLiteral("ABCDE"));
    EXPECT_EQ(edit.text(), QStringLiteral("ABC"));
    int changes = 0;
    int leaving = 0;
    QObject::connect(&edit, &QLineEdit::textChanged, [&] { ++changes; });
    QObject::connect(&edit, &RefEdit::leaving, [&] { ++leaving; });
    edit.setText(QStringLiteral("XY"));
    EXPECT_EQ(changes, 1);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&edit, &out);
    EXPECT_EQ(leaving, 1);
}
