#include "suite/colset/ColumnSet.h"

#include <QRegularExpression>

#include <algorithm>

namespace suite {

int ColumnSet::visibleCount() const
{
    return int(std::count_if(columns.cbegin(), columns.cend(),
                             [](const Column &column) { return column.visible; }));
}

int ColumnSet::fixedCount() const
{
    return int(std::count_if(columns.cbegin(), columns.cend(),
                             [](const Column &column) { return column.visible && column.fixed; }));
}

int ColumnSet::indexOf(const QString &field) const
{
    for (int i = 0; i < columns.size(); ++i) {
        if (columns.at(i).field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void ColumnSet::renumber()
{
    for (int i = 0; i < columns.size(); ++i)
        columns[i].order = i + 1;
}

void ColumnSet::sortByOrder()
{
    std::stable_sort(columns.begin(), columns.end(),
                     [](const Column &a, const Column &b) { return a.order < b.order; });
    renumber();
}

ColumnSet ColumnSet::visibleOnly() const
{
    ColumnSet shown{ key, rootName, {} };
    for (const Column &column : columns) {
        if (column.visible)
            shown.columns.append(column);
    }
    shown.renumber();
    return shown;
}

ColumnSet ColumnSet::withoutDetails() const
{
    ColumnSet plain = *this;
    for (Column &column : plain.columns)
        column.details.clear();
    return plain;
}

ColumnSet ColumnSet::completedFrom(const ColumnSet &catalogue, bool appendMissing) const
{
    ColumnSet completed = *this;
    for (Column &column : completed.columns) {
        const int known = catalogue.indexOf(column.field);
        if (known < 0)
            continue;
        const Column &source = catalogue.columns.at(known);
        column.field = source.field;
        column.originalCaption = source.originalCaption;
        column.details = source.details;
        if (column.caption.isEmpty())
            column.caption = source.caption;
    }
    if (appendMissing) {
        for (const Column &source : catalogue.columns) {
            if (completed.indexOf(source.field) >= 0)
                continue;
            Column hidden = source;
            hidden.visible = false;
            hidden.sort.clear();
            completed.columns.append(hidden);
        }
    }
    completed.renumber();
    return completed;
}

ColumnSet ColumnSet::without(const QStringList &withdrawnFields) const
{
    ColumnSet kept{ key, rootName, {} };
    for (const Column &column : columns) {
        const bool withdrawn = std::any_of(
            withdrawnFields.cbegin(), withdrawnFields.cend(),
            [&column](const QString &name) { return fieldMatches(column.field, name); });
        if (!withdrawn)
            kept.columns.append(column);
    }
    kept.renumber();
    return kept;
}

bool fieldMatches(const QString &field, const QString &withdrawnName)
{
    const QString lower = field.toLower();
    if (lower == withdrawnName)
        return true;
    const qsizetype dot = lower.lastIndexOf(u'.');
    return dot >= 0 && !withdrawnName.contains(u'.') && lower.mid(dot + 1) == withdrawnName;
}

bool isFieldName(const QString &field)
{
    static const QRegularExpression name(
        QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*(\\.[A-Za-z_][A-Za-z0-9_]*)?$"));
    return name.match(field).hasMatch();
}

QString tableOfKey(const QString &key)
{
    if (key.startsWith(QLatin1String("Ref"), Qt::CaseInsensitive) && key.size() > 3)
        return key.mid(3);
    return key;
}

} // namespace suite
