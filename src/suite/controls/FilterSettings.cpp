#include "suite/controls/FilterSettings.h"

#include <QHash>

namespace suite {

namespace {

const QChar kEntrySeparator = u';';
const QChar kPartSeparator = u'|';

FilterFieldSetting defaultSetting(const FilterField &field)
{
    return { field.element, true, defaultOperatorFor(field.type) };
}

} // namespace

FilterSettings::FilterSettings(const QList<FilterField> &fields)
    : m_fields(fields)
{
    for (const FilterField &field : fields)
        m_settings.append(defaultSetting(field));
}

FilterSettings::FilterSettings(const QList<FilterField> &fields, const QString &storedText)
    : FilterSettings(fields)
{
    QHash<QString, FilterFieldSetting> stored;
    for (const QString &entry : storedText.split(kEntrySeparator, Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(kPartSeparator);
        FilterFieldSetting setting{ parts.value(0), parts.value(2) != u"0" };
        if (parts.size() == 3 && operatorFromToken(parts.at(1), setting.defaultOperator))
            stored.insert(setting.element.toLower(), setting);
    }
    setSettings(stored.values());
}

void FilterSettings::setSettings(const QList<FilterFieldSetting> &settings)
{
    for (qsizetype index = 0; index < m_fields.size(); ++index) {
        const FilterField &field = m_fields.at(index);
        for (const FilterFieldSetting &setting : settings) {
            if (setting.element.compare(field.element, Qt::CaseInsensitive) != 0)
                continue;
            FilterFieldSetting &own = m_settings[index];
            own.visible = setting.visible;
            own.defaultOperator = operatorsFor(field.type).contains(setting.defaultOperator)
                ? setting.defaultOperator
                : defaultOperatorFor(field.type);
        }
    }
}

QString FilterSettings::toText() const
{
    QStringList entries;
    for (const FilterFieldSetting &setting : m_settings) {
        entries.append(setting.element + kPartSeparator + operatorToken(setting.defaultOperator)
                       + kPartSeparator + (setting.visible ? u'1' : u'0'));
    }
    return entries.join(kEntrySeparator);
}

QList<FilterField> FilterSettings::visibleFields() const
{
    QList<FilterField> visible;
    for (qsizetype index = 0; index < m_fields.size(); ++index) {
        if (m_settings.at(index).visible)
            visible.append(m_fields.at(index));
    }
    return visible;
}

FilterOperator FilterSettings::defaultOperator(const QString &element) const
{
    const FilterFieldSetting *setting = settingOf(element);
    return setting ? setting->defaultOperator : FilterOperator::Equal;
}

const FilterFieldSetting *FilterSettings::settingOf(const QString &element) const
{
    for (const FilterFieldSetting &setting : m_settings) {
        if (setting.element.compare(element, Qt::CaseInsensitive) == 0)
            return &setting;
    }
    return nullptr;
}

} // namespace suite
