#pragma once

#include "suite/controls/FilterFields.h"

#include <QList>
#include <QString>

namespace suite {

// One field's place in the filter dialog: offered or not, and the operator a new line on it
// starts with.
struct FilterFieldSetting
{
    QString element;
    bool visible = true;
    FilterOperator defaultOperator = FilterOperator::Equal;

    bool operator==(const FilterFieldSetting &other) const = default;
};

// Which catalogue fields a user's filter dialog offers, as kept in the per-user settings under
// the key kSettingKey. A field the stored text does not name (one added to the catalogue
// since) is offered with its type's default operator, and a stored operator the field's type
// does not take falls back to that default, so a stale setting never hides or breaks a field.
class FilterSettings
{
public:
    static constexpr const char *kSettingKey = "FilterFields";

    // Every field offered with its type's default operator.
    explicit FilterSettings(const QList<FilterField> &fields);
    // The stored text applied to fields.
    FilterSettings(const QList<FilterField> &fields, const QString &storedText);

    const QList<FilterFieldSetting> &settings() const { return m_settings; }
    void setSettings(const QList<FilterFieldSetting> &settings);
    // "element|operator|1;..." for every field, in catalogue order.
    QString toText() const;

    QList<FilterField> visibleFields() const;
    FilterOperator defaultOperator(const QString &element) const;

private:
    const FilterFieldSetting *settingOf(const QString &element) const;

    QList<FilterField> m_fields;
    QList<FilterFieldSetting> m_settings;
};

} // namespace suite
