#pragma once

#include <QHash>
#include <QList>
#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace customer {

// The platform key code of a key down (see suite/controls/VirtualKey.h), with the keypad's
// digits (96 to 105) and the Shift, Ctrl, Caps Lock and Num Lock keys; a key the platform
// cannot name counts as the letter or digit it types, anything else as 0.
int keyDownCode(const QKeyEvent *event);

// The reactions of the card's fields to keys and focus, which Qt's signals do not carry: a key
// before the field handles it, the focus arriving, and the focus moving on to another control
// of the same window (the window losing the focus to another window or a pop-up is no leaving).
// A field's checks run first when it is left; one that fails keeps the focus in the field, and
// the leaving reactions wait until the field is left again.
class CardFieldEvents : public QObject
{
    Q_OBJECT

public:
    // True when the key is dealt with and must not reach the field.
    using KeyReaction = std::function<bool(QKeyEvent *event)>;
    using Reaction = std::function<void()>;
    using Check = std::function<bool()>;

    explicit CardFieldEvents(QObject *parent = nullptr);

    // Key reactions run in the order they were added, up to the first that deals with the key.
    void onKeyPress(QWidget *field, KeyReaction reaction);
    void onEntering(QWidget *field, Reaction reaction);
    void onLeaving(QWidget *field, Reaction reaction);
    void onLeavingCheck(QWidget *field, Check check);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Reactions
    {
        QList<KeyReaction> keys;
        QList<Reaction> entering;
        QList<Reaction> leaving;
        QList<Check> checks;
    };

    Reactions &reactionsOf(QWidget *field);
    bool keyPressed(const Reactions &reactions, QKeyEvent *event);
    void left(QWidget *field, const Reactions &reactions);

    QHash<QObject *, Reactions> m_reactions;
    // Set while a failed check brings the focus back, so that the field the focus had moved to
    // is not checked on its way out.
    bool m_keepingFocus = false;
};

} // namespace customer
