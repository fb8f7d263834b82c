#include "card/CardInputLock.h"

#include "suite/controls/RefEdit.h"

#include <QAbstractButton>
#include <QComboBox>

namespace customer {

namespace {

void setReadOnly(QLineEdit *edit, bool readOnly)
{
    if (auto *reference = qobject_cast<suite::RefEdit *>(edit))
        reference->setLocked(readOnly);
    else
        edit->setReadOnly(readOnly);
}

} // namespace

void CardInputLock::lock(const QList<QWidget *> &controls)
{
    m_locked = true;
    for (QWidget *control : controls) {
        if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            if (edit->isReadOnly())
                continue;
            setReadOnly(edit, true);
            m_madeReadOnly.append(edit);
        } else if (qobject_cast<QAbstractButton *>(control) || qobject_cast<QComboBox *>(control)) {
            if (control->testAttribute(Qt::WA_ForceDisabled))
                continue;
            control->setEnabled(false);
            m_disabled.append(control);
        }
    }
}

void CardInputLock::unlock()
{
    for (const QPointer<QWidget> &control : std::as_const(m_madeReadOnly)) {
        if (auto *edit = qobject_cast<QLineEdit *>(control.data()))
            setReadOnly(edit, false);
    }
    for (const QPointer<QWidget> &control : std::as_const(m_disabled)) {
        if (control)
            control->setEnabled(true);
    }
    m_madeReadOnly.clear();
    m_disabled.clear();
    m_locked = false;
}

} // namespace customer
