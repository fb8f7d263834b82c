#pragma once

#include <QList>
#include <QPointer>

class QWidget;

namespace customer {

// Makes a card's inputs unchangeable while it shows a customer the user may only read, and
// gives back exactly what it took: text fields become read-only (their text can still be
// selected and copied), boxes, lists and buttons disabled. A field the rights made read-only,
// or a box another rule disabled, was not taken and stays as it is on unlock.
class CardInputLock
{
public:
    void lock(const QList<QWidget *> &controls);
    void unlock();
    bool isLocked() const { return m_locked; }

private:
    QList<QPointer<QWidget>> m_madeReadOnly;
    QList<QPointer<QWidget>> m_disabled;
    bool m_locked = false;
};

} // namespace customer
