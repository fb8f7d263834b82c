#include "card/CardFieldEvents.h"

#include "suite/controls/VirtualKey.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

namespace customer {

namespace {

constexpr int kKeypadZero = 96;

int modifierKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_NumLock:
        return 144;
    default:
        return 0;
    }
}

int typedCharacterCode(const QString &text)
{
    if (text.size() != 1 || text.front().unicode() >= 0x80 || !text.front().isLetterOrNumber())
        return 0;
    return text.front().toUpper().unicode();
}

bool movesWithinWindow(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason
        && event->reason() != Qt::PopupFocusReason;
}

} // namespace

int keyDownCode(const QKeyEvent *event)
{
    const int key = event->key();
    if (event->modifiers().testFlag(Qt::KeypadModifier) && key >= Qt::Key_0 && key <= Qt::Key_9)
        return kKeypadZero + (key - Qt::Key_0);
    if (const int code = suite::virtualKeyCode(key))
        return code;
    if (const int code = modifierKeyCode(key))
        return code;
    return key == Qt::Key_unknown ? typedCharacterCode(event->text()) : 0;
}

CardFieldEvents::CardFieldEvents(QObject *parent)
    : QObject(parent)
{ }

CardFieldEvents::Reactions &CardFieldEvents::reactionsOf(QWidget *field)
{
    if (!m_reactions.contains(field)) {
        field->installEventFilter(this);
        connect(field, &QObject::destroyed, this,
                [this](QObject *gone) { m_reactions.remove(gone); });
    }
    return m_reactions[field];
}

void CardFieldEvents::onKeyPress(QWidget *field, KeyReaction reaction)
{
    reactionsOf(field).keys.append(std::move(reaction));
}

void CardFieldEvents::onEntering(QWidget *field, Reaction reaction)
{
    reactionsOf(field).entering.append(std::move(reaction));
}

void CardFieldEvents::onLeaving(QWidget *field, Reaction reaction)
{
    reactionsOf(field).leaving.append(std::move(reaction));
}

void CardFieldEvents::onLeavingCheck(QWidget *field, Check check)
{
    reactionsOf(field).checks.append(std::move(check));
}

bool CardFieldEvents::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::FocusIn && type != QEvent::FocusOut)
        return false;
    const auto found = m_reactions.constFind(watched);
    if (found == m_reactions.cend())
        return false;
    // The reactions may add reactions of their own; they run on a copy.
    const Reactions reactions = found.value();
    auto *field = static_cast<QWidget *>(watched);
    switch (type) {
    case QEvent::KeyPress:
        return keyPressed(reactions, static_cast<QKeyEvent *>(event));
    case QEvent::FocusIn:
        if (movesWithinWindow(static_cast<QFocusEvent *>(event)) && !m_keepingFocus) {
            for (const Reaction &reaction : reactions.entering)
                reaction();
        }
        return false;
    case QEvent::FocusOut:
        if (movesWithinWindow(static_cast<QFocusEvent *>(event)) && !m_keepingFocus)
            left(field, reactions);
        return false;
    default:
        return false;
    }
}

bool CardFieldEvents::keyPressed(const Reactions &reactions, QKeyEvent *event)
{
    for (const KeyReaction &reaction : reactions.keys) {
        if (reaction(event))
            return true;
    }
    return false;
}

void CardFieldEvents::left(QWidget *field, const Reactions &reactions)
{
    for (const Check &check : reactions.checks) {
        if (!check()) {
            m_keepingFocus = true;
            field->setFocus(Qt::OtherFocusReason);
            m_keepingFocus = false;
            return;
        }
    }
    for (const Reaction &reaction : reactions.leaving)
        reaction();
}

} // namespace customer
