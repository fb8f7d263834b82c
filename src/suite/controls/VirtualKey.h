#pragma once

#include <Qt>

namespace suite {

// The platform key codes the windows compare key-down reports with: F1 112 ... F12 123,
// Enter 13, Escape 27, Page Up 33, Page Down 34, Delete 46, digits 48-57, letters 65-90 (the
// same code for either case). 0 for a key that has no such code.
int virtualKeyCode(int qtKey);

// Shift 1, Ctrl 2, Alt 4, added together.
int shiftMask(Qt::KeyboardModifiers modifiers);

} // namespace suite
