#include "import/StagingRow.h"

namespace customer {

StagingRow StagingRow::fromElement(const suite::XmlElement &row)
{
    StagingRow staged;
    for (const auto &[name, value] : row.attributes())
        staged.set(name, value);
    return staged;
}

bool StagingRow::has(const QString &field) const
{
    return m_values.contains(field.toLower());
}

QString StagingRow::value(const QString &field) const
{
    return m_values.value(field.toLower());
}

void StagingRow::set(const QString &field, const QString &value)
{
    if (value.isEmpty())
        remove(field);
    else
        m_values.insert(field.toLower(), value);
}

void StagingRow::remove(const QString &field)
{
    m_values.remove(field.toLower());
}

} // namespace customer
