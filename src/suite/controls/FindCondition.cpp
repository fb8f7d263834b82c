#include "suite/controls/FindCondition.h"

#include "suite/core/SqlQuote.h"
#include "suite/pub/ResourceTable.h"

#include <algorithm>

namespace suite {

QString keysCondition(const QString &table, const QString &keyColumn, const QStringList &keys)
{
    if (keys.isEmpty())
        return QStringLiteral("(1=2)");
    QStringList literals;
    literals.reserve(keys.size());
    for (const QString &key : keys)
        literals.append(sqlUnicode(key));
    return QStringLiteral("(%1.%2 in (%3))").arg(table, keyColumn, literals.join(u','));
}

QStringList keysInRowOrder(const QMap<QString, QString> &keysByRow)
{
    QList<std::pair<int, QString>> rows;
    for (auto it = keysByRow.cbegin(); it != keysByRow.cend(); ++it)
        rows.append({ it.key().toInt(), it.value() });
    std::sort(rows.begin(), rows.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    QStringList keys;
    for (const auto &row : rows)
        keys.append(row.second);
    return keys;
}

QString describeConditionRows(const QList<ConditionRow> &rows, const QList<FilterField> &fields,
                              const ResourceTable &texts)
{
    QString description;
    for (int i = 0; i < rows.size(); ++i) {
        const ConditionRow &row = rows.at(i);
        const FilterField *field = findFilterField(fields, row.field);
        QString line =
            (field ? field->caption : row.field) + u' ' + texts.text(operatorCaptionKey(row.op));
        if (row.op != FilterOperator::IsEmpty)
            line += u' ' + row.value;
        if (i > 0)
            description += rows.at(i - 1).orNext ? QStringLiteral(" or ") : QStringLiteral(" and ");
        description += line;
    }
    return description;
}

QList<FilterField> conditionFieldsOf(const QList<FilterField> &fields, const QString &table,
                                     const QStringList &tableColumns,
                                     const QStringList &extraColumns)
{
    const QString extraTable = table + QStringLiteral("_extradefine");
    QList<FilterField> offered;
    for (const FilterField &field : fields) {
        const QString owner =
            field.element.contains(u'.') ? field.element.section(u'.', 0, 0) : table;
        const QString column = field.element.section(u'.', -1);
        const bool ownColumn = owner.compare(table, Qt::CaseInsensitive) == 0
            && tableColumns.contains(column, Qt::CaseInsensitive);
        const bool extraColumn = owner.compare(extraTable, Qt::CaseInsensitive) == 0
            && extraColumns.contains(column, Qt::CaseInsensitive);
        if (ownColumn || extraColumn)
            offered.append(field);
    }
    return offered;
}

} // namespace suite
