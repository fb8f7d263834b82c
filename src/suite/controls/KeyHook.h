#pragma once

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QWidget;

namespace suite {

// The window-wide keyboard hook ("KvFrmKeyHook"): once installed, every key pressed in the form
// or any of its controls, present or added later, is reported once as keyDown with its platform
// key code and shift mask (see VirtualKey.h), while the form is enabled. Keys still reach the
// control that has the focus: the hook only listens.
class KeyHook : public QObject
{
    Q_OBJECT

public:
    // The hook becomes a child of form, so that it lives and dies with it.
    explicit KeyHook(QWidget *form);

    // The hook of form; null when it has none.
    static KeyHook *of(QWidget *form);

    void install();
    void uninstall();
    bool isInstalled() const { return m_installed; }

signals:
    void keyDown(int key, int shift);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QWidget *widget);
    void unwatch(QWidget *widget);
    // A key event the first receiver ignored travels on to the parents with the same event
    // object; the hook has reported it already. Every new key press is announced to its first
    // receiver by a shortcut override before it, which tells a new press that happens to reuse
    // the address of the last one from the last one travelling on.
    bool isPropagation(QWidget *receiver, const QKeyEvent *event) const;
    void report(QWidget *receiver, const QKeyEvent *event);

    QWidget *m_form;
    bool m_installed = false;
    bool m_newPress = false;
    const QKeyEvent *m_lastEvent = nullptr;
    QPointer<QWidget> m_lastReceiver;
};

} // namespace suite
