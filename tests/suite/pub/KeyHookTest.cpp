#include "ClsPubFixture.h"

#include "suite/controls/KeyHook.h"
#include "suite/controls/VirtualKey.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

using namespace suite;

namespace {

void press(QWidget *receiver, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(receiver, &event);
}

QVariantList report(int key, int shift)
{
    return { key, shift };
}

// The key-downs a hook reported, each as {key, shift}.
struct Keys : QList<QVariantList>
{
    explicit Keys(KeyHook *hook)
    {
        QObject::connect(hook, &KeyHook::keyDown, [this](int key, int shift) {
            append({ key, shift });
        });
    }
};

} // namespace

class KeyHookTest : public ClsPubTest
{
protected:
    void SetUp() override
    {
        ClsPubTest::SetUp();
        m_pub = pubFor(QStringLiteral("demo"));
        m_edit = new QLineEdit(&m_form);
        m_label = new QLabel(&m_form);
    }

    std::shared_ptr<IPub> m_pub;
    QWidget m_form;
    QLineEdit *m_edit = nullptr;
    QLabel *m_label = nullptr;
};

TEST_F(KeyHookTest, ReportsTheWindowsKeyCodesAndShiftMasks)
{
    KeyHook *hook = m_pub->hook(&m_form);
    ASSERT_TRUE(hook);
    Keys keys(hook);
    press(m_edit, Qt::Key_F3, Qt::ControlModifier);
    press(m_edit, Qt::Key_F3);
    press(m_edit, Qt::Key_PageUp, Qt::AltModifier);
    press(m_edit, Qt::Key_PageDown, Qt::ShiftModifier);
    press(m_edit, Qt::Key_Return);
    press(m_edit, Qt::Key_Enter);
    press(m_edit, Qt::Key_Delete);
    press(m_edit, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    press(m_edit, Qt::Key_F4, Qt::AltModifier);
    press(&m_form, Qt::Key_F1);
    press(&m_form, Qt::Key_F9);
    press(&m_form, Qt::Key_F5, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    const QList<QVariantList> expected{ report(114, 2), report(114, 0), report(33, 4),
                                        report(34, 1),  report(13, 0),  report(13, 0),
                                        report(46, 0),  report(80, 3),  report(115, 4),
                                        report(112, 0), report(120, 0), report(116, 7) };
    ASSERT_EQ(keys.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(keys.at(i), expected.at(i)) << i;
}

TEST_F(KeyHookTest, AKeyIgnoredByItsControlIsReportedOnce)
{
    Keys keys(m_pub->hook(&m_form));
    press(m_label, Qt::Key_F7);
    press(m_label, Qt::Key_F7);
    press(m_edit, Qt::Key_F8);
    ASSERT_EQ(keys.size(), 3);
    EXPECT_EQ(keys.at(2), report(119, 0));
}

TEST_F(KeyHookTest, ControlsAddedAfterHookingAreHeard)
{
    Keys keys(m_pub->hook(&m_form));
    auto *panel = new QWidget(&m_form);
    auto *late = new QLineEdit(panel);
    press(late, Qt::Key_F5);
    ASSERT_EQ(keys.size(), 1);
    EXPECT_EQ(keys.first(), report(116, 0));
}

TEST_F(KeyHookTest, UnhookedOrDisabledFormsAndUnknownKeysAreSilent)
{
    KeyHook *hook = m_pub->hook(&m_form);
    EXPECT_EQ(m_pub->hook(&m_form), hook);
    EXPECT_EQ(KeyHook::of(&m_form), hook);
    Keys keys(hook);
    press(m_edit, Qt::Key_Shift, Qt::ShiftModifier);
    m_form.setEnabled(false);
    press(&m_form, Qt::Key_F5);
    m_form.setEnabled(true);
    m_pub->unhook(&m_form);
    EXPECT_FALSE(hook->isInstalled());
    press(m_edit, Qt::Key_F5);
    EXPECT_EQ(keys.size(), 0);

    m_pub->hook(&m_form);
    press(m_edit, Qt::Key_F5);
    EXPECT_EQ(keys.size(), 1);
    EXPECT_EQ(m_pub->hook(nullptr), nullptr);
    QWidget bare;
    m_pub->unhook(&bare);
    EXPECT_EQ(KeyHook::of(&bare), nullptr);
}

TEST(VirtualKey, CodesOfTheWindowsKeyboard)
{
    EXPECT_EQ(virtualKeyCode(Qt::Key_F1), 112);
    EXPECT_EQ(virtualKeyCode(Qt::Key_F12), 123);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Escape), 27);
    EXPECT_EQ(virtualKeyCode(Qt::Key_0), 48);
    EXPECT_EQ(virtualKeyCode(Qt::Key_A), 65);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Z), 90);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Insert), 45);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Control), 0);
    EXPECT_EQ(shiftMask(Qt::NoModifier), 0);
    EXPECT_EQ(shiftMask(Qt::ControlModifier | Qt::KeypadModifier), 2);
}
