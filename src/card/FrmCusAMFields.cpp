// The customer card's controls reached by name: CardFields, GetControlByName and the element
// readers of the preset and rights XML.
#include "card/FrmCusAM.h"

#include "card/CardFieldTable.h"
#include "suite/controls/RefEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace customer {

namespace {

const char *const kTagProperty = "tag";

} // namespace

QWidget *FrmCusAM::GetControlByName(const QString &cName, int iIndex) const
{
    if (QWidget *control = m_controls.value(controlKey(cName, iIndex)))
        return control;
    const QString column = cName.mid(cName.lastIndexOf(u'.') + 1);
    const CardControl *field = cardControlOfColumn(column);
    if (!field || iIndex >= 0)
        return nullptr;
    return m_controls.value(controlKey(field->name.toString(), field->index));
}

QString FrmCusAM::text(const QString &control, int index) const
{
    QWidget *widget = m_controls.value(controlKey(control, index));
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *list = qobject_cast<QComboBox *>(widget))
        return list->currentText();
    return {};
}

void FrmCusAM::setText(const QString &control, int index, const QString &text)
{
    QWidget *widget = m_controls.value(controlKey(control, index));
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(text);
    else if (auto *list = qobject_cast<QComboBox *>(widget))
        list->setCurrentIndex(list->findText(text));
}

QString FrmCusAM::tag(const QString &control, int index) const
{
    QWidget *widget = m_controls.value(controlKey(control, index));
    if (auto *edit = qobject_cast<suite::RefEdit *>(widget))
        return edit->tag();
    return widget ? widget->property(kTagProperty).toString() : QString();
}

void FrmCusAM::setTag(const QString &control, int index, const QString &tag)
{
    QWidget *widget = m_controls.value(controlKey(control, index));
    if (auto *edit = qobject_cast<suite::RefEdit *>(widget))
        edit->setTag(tag);
    else if (widget)
        widget->setProperty(kTagProperty, tag);
}

bool FrmCusAM::isChecked(const QString &control) const
{
    const QCheckBox *box = checkBox(control);
    return box && box->isChecked();
}

void FrmCusAM::setChecked(const QString &control, bool checked)
{
    if (QCheckBox *box = checkBox(control))
        box->setChecked(checked);
}

int FrmCusAM::listIndex(const QString &control) const
{
    const QComboBox *list = comboBox(control);
    return list ? list->currentIndex() : -1;
}

void FrmCusAM::setListIndex(const QString &control, int index)
{
    if (QComboBox *list = comboBox(control))
        list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

QVariant FrmCusAM::itemData(const QString &control) const
{
    const QComboBox *list = comboBox(control);
    return list && list->currentIndex() >= 0 ? list->currentData() : QVariant();
}

int FrmCusAM::indexOfItemData(const QString &control, const QVariant &data) const
{
    const QComboBox *list = comboBox(control);
    return list ? list->findData(data) : -1;
}

QString FrmCusAM::GetAttr(const suite::XmlElement &Ele, const QString &sAttr,
                          const QString &vDefault, bool &bExistNode, bool bCase) const
{
    if (Ele.isNull() || sAttr.isEmpty())
        return vDefault;
    const suite::XmlElement node = Ele.selectSingleNode(bCase ? sAttr : sAttr.toLower());
    bExistNode = !node.isNull();
    return bExistNode ? node.text() : vDefault;
}

} // namespace customer
