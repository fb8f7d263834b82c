#include "suite/controls/VirtualKey.h"

#include <QHash>

namespace suite {

namespace {

const QHash<int, int> &namedKeys()
{
    static const QHash<int, int> keys{
        { Qt::Key_Backspace, 8 }, { Qt::Key_Tab, 9 },       { Qt::Key_Return, 13 },
        { Qt::Key_Enter, 13 },    { Qt::Key_Escape, 27 },   { Qt::Key_Space, 32 },
        { Qt::Key_PageUp, 33 },   { Qt::Key_PageDown, 34 }, { Qt::Key_End, 35 },
        { Qt::Key_Home, 36 },     { Qt::Key_Left, 37 },     { Qt::Key_Up, 38 },
        { Qt::Key_Right, 39 },    { Qt::Key_Down, 40 },     { Qt::Key_Insert, 45 },
        { Qt::Key_Delete, 46 },
    };
    return keys;
}

constexpr int kF1 = 112;

} // namespace

int virtualKeyCode(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return kF1 + (qtKey - Qt::Key_F1);
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey;
    return namedKeys().value(qtKey, 0);
}

int shiftMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0)
        | (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0)
        | (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

} // namespace suite
