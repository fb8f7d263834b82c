#include "suite/pub/FieldAuthLevel.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextEdit>
#include <QVariant>
#include <QWidget>

namespace suite {

namespace {

bool listNames(const QString &list, const QString &field)
{
    const QStringList names = list.split(u',', Qt::SkipEmptyParts);
    for (const QString &name : names) {
        const QString bare = name.trimmed().section(u'.', -1);
        if (bare.compare(field, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Editors that can show their text without letting it change.
bool makeReadOnly(QWidget *control)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->setReadOnly(true);
    else if (auto *text = qobject_cast<QTextEdit *>(control))
        text->setReadOnly(true);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
        plain->setReadOnly(true);
    else if (auto *spin = qobject_cast<QAbstractSpinBox *>(control))
        spin->setReadOnly(true);
    else
        return false;
    return true;
}

void clearContent(QWidget *control)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->clear();
    else if (auto *text = qobject_cast<QTextEdit *>(control))
        text->clear();
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
        plain->clear();
    else if (auto *combo = qobject_cast<QComboBox *>(control))
        combo->setCurrentIndex(-1);
}

} // namespace

FieldAuthLevel fieldAuthLevel(const QString &cField, const QString &cColAuthR,
                              const QString &cColAuthN)
{
    const QString field = cField.trimmed().section(u'.', -1);
    if (listNames(cColAuthN, field))
        return kFieldAuthNone;
    if (cColAuthR.trimmed() != u"*" && listNames(cColAuthR, field))
        return kFieldAuthRead;
    return kFieldAuthWrite;
}

void applyFieldAuthLevel(QWidget *control, FieldAuthLevel level)
{
    if (!control)
        return;
    control->setProperty("fieldAuthLevel", int(level));
    if (level == kFieldAuthNone) {
        clearContent(control);
        control->setEnabled(false);
    } else if (level == kFieldAuthRead && !makeReadOnly(control)) {
        control->setEnabled(false);
    }
}

} // namespace suite
