#pragma once

#include "card/CardFields.h"

#include <QHash>
#include <QPair>

// The card's controls as plain maps, for the logic beside the card to run without widgets. A
// text control that was never set shows its own name ("Edt(3)", "EdtcMemo") when the fields
// echo names, so that a written record shows where each value came from.
class MapCardFields : public customer::CardFields
{
public:
    enum class Unset { Empty, EchoName };

    explicit MapCardFields(Unset unset = Unset::Empty)
        : m_unset(unset)
    { }

    QString text(const QString &control, int index = -1) const override
    {
        const auto found = m_texts.constFind(key(control, index));
        if (found != m_texts.cend())
            return found.value();
        return m_unset == Unset::EchoName ? displayName(control, index) : QString();
    }
    void setText(const QString &control, int index, const QString &text) override
    {
        m_texts.insert(key(control, index), text);
    }
    QString tag(const QString &control, int index = -1) const override
    {
        return m_tags.value(key(control, index));
    }
    void setTag(const QString &control, int index, const QString &tag) override
    {
        m_tags.insert(key(control, index), tag);
    }
    bool isChecked(const QString &control) const override { return m_checked.value(control); }
    void setChecked(const QString &control, bool checked) override
    {
        m_checked.insert(control, checked);
    }
    int listIndex(const QString &control) const override { return m_listIndex.value(control, -1); }
    void setListIndex(const QString &control, int index) override
    {
        m_listIndex.insert(control, index);
    }
    QVariant itemData(const QString &control) const override
    {
        return m_items.value(control).value(listIndex(control));
    }
    int indexOfItemData(const QString &control, const QVariant &data) const override
    {
        return m_items.value(control).indexOf(data);
    }
    // The item data of a drop-down list's entries, in list order.
    void setItems(const QString &control, const QVariantList &items) { m_items[control] = items; }

    // Shorthands for the tests.
    void set(const QString &control, const QString &text) { setText(control, -1, text); }
    void setEdt(int index, const QString &text) { setText(QStringLiteral("Edt"), index, text); }

private:
    using Key = QPair<QString, int>;
    static Key key(const QString &control, int index) { return { control, index }; }
    static QString displayName(const QString &control, int index)
    {
        return index < 0 ? control : QStringLiteral("%1(%2)").arg(control).arg(index);
    }

    Unset m_unset;
    QHash<Key, QString> m_texts;
    QHash<Key, QString> m_tags;
    QHash<QString, bool> m_checked;
    QHash<QString, int> m_listIndex;
    QHash<QString, QVariantList> m_items;
};
