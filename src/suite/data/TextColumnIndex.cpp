#include "suite/data/TextColumnIndex.h"

namespace suite {

void TextColumnIndex::clear()
{
    m_textColumnsByTable.clear();
    m_textColumns.clear();
    m_allColumns.clear();
}

void TextColumnIndex::addColumn(const QString &table, const QString &column, bool holdsText)
{
    const QString lowerColumn = column.toLower();
    QSet<QString> &tableColumns = m_textColumnsByTable[table.toLower()];
    m_allColumns.insert(lowerColumn);
    if (holdsText) {
        tableColumns.insert(lowerColumn);
        m_textColumns.insert(lowerColumn);
    }
}

std::optional<bool> TextColumnIndex::holdsText(QStringView qualifier, QStringView column) const
{
    const QString lowerColumn = column.toString().toLower();
    if (!m_allColumns.contains(lowerColumn))
        return std::nullopt;
    const auto table = m_textColumnsByTable.constFind(qualifier.toString().toLower());
    if (table != m_textColumnsByTable.cend())
        return table->contains(lowerColumn);
    return m_textColumns.contains(lowerColumn);
}

} // namespace suite
