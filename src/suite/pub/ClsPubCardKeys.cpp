// The public service's members for the cards' keys and tabs.
#include "suite/pub/ClsPub.h"

#include <QLineEdit>
#include <QTabWidget>

namespace suite {

namespace {

enum KeyCode {
    Backspace = 8,
    Space = 32,
    Delete = 46,
    Digit0 = 48,
    LetterZ = 90,
    Keypad0 = 96,
    KeypadDivide = 111,
    FirstPunctuation = 186,
    LastPunctuation = 222,
};
constexpr int kCtrl = 2;

bool typesCharacter(int keyCode)
{
    return (keyCode >= Digit0 && keyCode <= LetterZ)
        || (keyCode >= Keypad0 && keyCode <= KeypadDivide)
        || (keyCode >= FirstPunctuation && keyCode <= LastPunctuation) || keyCode == Space;
}

} // namespace

bool ClsPub::FrmKeyDown(QWidget *form, int iKeyCode, int iShift)
{
    const auto *edit = qobject_cast<const QLineEdit *>(form ? form->focusWidget() : nullptr);
    if (!edit || edit->isReadOnly() || !edit->isEnabled())
        return false;
    if (iShift & kCtrl)
        return iKeyCode == 'V' || iKeyCode == 'X';
    return typesCharacter(iKeyCode) || iKeyCode == Backspace || iKeyCode == Delete;
}

int ClsPub::GetTabVisible(QTabWidget *tabs, int iTab)
{
    if (!tabs)
        return iTab;
    for (int tab = iTab; tab < tabs->count(); ++tab) {
        if (tabs->isTabVisible(tab))
            return tab;
    }
    for (int tab = std::min(iTab, int(tabs->count())) - 1; tab >= 0; --tab) {
        if (tabs->isTabVisible(tab))
            return tab;
    }
    return iTab;
}

} // namespace suite
