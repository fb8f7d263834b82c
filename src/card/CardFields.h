#pragma once

#include <QString>
#include <QVariant>

namespace customer {

// The customer card's controls as the logic beside the window reads and writes them: by the
// control's name ("Edt" with an index for the members of the indexed group, "EdtcMemo",
// "ChkbCredit", "cmbbshop", "EdtDTPicker1" with an index, "Text1" with an index). The record
// XML, the save checks and the loading work on this, so that they are tested without widgets;
// the card window implements it over its controls.
class CardFields
{
public:
    virtual ~CardFields() = default;

    // The text an edit, reference edit, date edit or label holds, exactly as shown; empty for
    // a control the card does not have.
    virtual QString text(const QString &control, int index = -1) const = 0;
    virtual void setText(const QString &control, int index, const QString &text) = 0;
    // The code a reference edit keeps beside the text it shows (its tag).
    virtual QString tag(const QString &control, int index = -1) const = 0;
    virtual void setTag(const QString &control, int index, const QString &tag) = 0;
    // Check boxes: set or clear.
    virtual bool isChecked(const QString &control) const = 0;
    virtual void setChecked(const QString &control, bool checked) = 0;
    // Drop-down lists: the selected entry's index (-1 for none) and item data (invalid for
    // none).
    virtual int listIndex(const QString &control) const = 0;
    virtual void setListIndex(const QString &control, int index) = 0;
    virtual QVariant itemData(const QString &control) const = 0;
    // The index of the entry whose item data equals data; -1 when no entry has it.
    virtual int indexOfItemData(const QString &control, const QVariant &data) const = 0;
};

} // namespace customer
