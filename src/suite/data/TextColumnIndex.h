#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringView>

#include <optional>

namespace suite {

// Which columns of a database hold text, so that the T-SQL translation can tell string
// concatenation from addition ("cCusCode + cCusName"). Names compare without regard to case.
// A qualifier that names no table is an alias; the column then counts as text when a column
// of that name holds text in any table, as the suite's names (cCusCode, iARMoney) carry
// their kind.
class TextColumnIndex
{
public:
    void clear();
    void addColumn(const QString &table, const QString &column, bool holdsText);

    // Nullopt when no table has a column of that name.
    std::optional<bool> holdsText(QStringView qualifier, QStringView column) const;

private:
    QHash<QString, QSet<QString>> m_textColumnsByTable;
    QSet<QString> m_textColumns;
    QSet<QString> m_allColumns;
};

} // namespace suite
