#include "suite/controls/ColumnSettingsModel.h"

#include "suite/colset/ColumnSetXml.h"

namespace suite {

bool ColumnSettingsModel::load(const QString &xml, QString &sMsg)
{
    ColumnSet set;
    if (!readColumnSetXml(xml, set, sMsg))
        return false;
    set.renumber();
    m_set = set;
    return true;
}

QString ColumnSettingsModel::xml() const
{
    return writeColumnSetXml(m_set);
}

bool ColumnSettingsModel::moveUp(int row)
{
    return swap(row, row - 1);
}

bool ColumnSettingsModel::moveDown(int row)
{
    return swap(row, row + 1);
}

bool ColumnSettingsModel::swap(int row, int other)
{
    if (row < 0 || other < 0 || row >= count() || other >= count())
        return false;
    m_set.columns.swapItemsAt(row, other);
    m_set.renumber();
    return true;
}

bool ColumnSettingsModel::checkRow(int row, QString &sMsg) const
{
    if (row >= 0 && row < count())
        return true;
    sMsg = QStringLiteral("There is no column %1.").arg(row + 1);
    return false;
}

bool ColumnSettingsModel::setVisible(int row, bool visible, QString &sMsg)
{
    if (!checkRow(row, sMsg))
        return false;
    m_set.columns[row].visible = visible;
    return true;
}

bool ColumnSettingsModel::setCaption(int row, const QString &caption, QString &sMsg)
{
    if (!checkRow(row, sMsg))
        return false;
    if (caption.trimmed().isEmpty()) {
        sMsg = QStringLiteral("The caption of %1 cannot be empty.").arg(column(row).field);
        return false;
    }
    m_set.columns[row].caption = caption.trimmed();
    return true;
}

bool ColumnSettingsModel::setWidth(int row, int width, QString &sMsg)
{
    if (!checkRow(row, sMsg))
        return false;
    if (width < Column::kDefaultWidth || width > kMaxWidth) {
        sMsg = QStringLiteral("The width of %1 must be between 0 (fitted) and %2.")
                   .arg(column(row).field)
                   .arg(kMaxWidth);
        return false;
    }
    m_set.columns[row].width = width;
    return true;
}

bool ColumnSettingsModel::setSort(int row, const QString &sort, QString &sMsg)
{
    if (!checkRow(row, sMsg))
        return false;
    const QString wanted = sort.trimmed().toLower();
    if (!wanted.isEmpty() && wanted != u"asc" && wanted != u"desc") {
        sMsg = QStringLiteral("The sort of %1 must be asc, desc or empty, not '%2'.")
                   .arg(column(row).field, sort);
        return false;
    }
    m_set.columns[row].sort = wanted;
    return true;
}

bool ColumnSettingsModel::setFixed(int row, bool fixed, QString &sMsg)
{
    if (!checkRow(row, sMsg))
        return false;
    m_set.columns[row].fixed = fixed;
    return true;
}

} // namespace suite
