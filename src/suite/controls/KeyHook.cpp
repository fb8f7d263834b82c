#include "suite/controls/KeyHook.h"

#include "suite/controls/VirtualKey.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QWidget>

namespace suite {

namespace {

const QString kHookName = QStringLiteral("KvFrmKeyHook");

} // namespace

KeyHook::KeyHook(QWidget *form)
    : QObject(form)
    , m_form(form)
{
    setObjectName(kHookName);
}

KeyHook *KeyHook::of(QWidget *form)
{
    return form ? form->findChild<KeyHook *>(kHookName, Qt::FindDirectChildrenOnly) : nullptr;
}

void KeyHook::install()
{
    if (m_installed)
        return;
    m_installed = true;
    watch(m_form);
}

void KeyHook::uninstall()
{
    if (!m_installed)
        return;
    m_installed = false;
    unwatch(m_form);
    m_lastEvent = nullptr;
}

void KeyHook::watch(QWidget *widget)
{
    widget->installEventFilter(this);
    for (QWidget *child : widget->findChildren<QWidget *>())
        child->installEventFilter(this);
}

void KeyHook::unwatch(QWidget *widget)
{
    widget->removeEventFilter(this);
    for (QWidget *child : widget->findChildren<QWidget *>())
        child->removeEventFilter(this);
}

bool KeyHook::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType())
            watch(static_cast<QWidget *>(child));
    } else if (event->type() == QEvent::ShortcutOverride) {
        m_newPress = true;
    } else if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        report(static_cast<QWidget *>(watched), static_cast<QKeyEvent *>(event));
    }
    return false;
}

bool KeyHook::isPropagation(QWidget *receiver, const QKeyEvent *event) const
{
    return !m_newPress && event == m_lastEvent && m_lastReceiver && receiver != m_lastReceiver
        && receiver->isAncestorOf(m_lastReceiver);
}

// A dialog the form opens is a child of the form but a window of its own: its keys are its own
// (F8 in the batch-modify window must not run the list's F8 again).
void KeyHook::report(QWidget *receiver, const QKeyEvent *event)
{
    if (isPropagation(receiver, event) || receiver->window() != m_form->window())
        return;
    m_newPress = false;
    m_lastEvent = event;
    m_lastReceiver = receiver;
    const int key = virtualKeyCode(event->key());
    if (key != 0 && m_form->isEnabled())
        emit keyDown(key, shiftMask(event->modifiers()));
}

} // namespace suite
