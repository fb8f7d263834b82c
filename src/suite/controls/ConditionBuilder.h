#pragma once

#include "suite/controls/FilterFields.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace suite {

class ResourceTable;

// One line of the filter dialog. orNext joins it to the following line with "or" instead of
// "and"; the last line's join is not used.
struct ConditionRow
{
    QString field;
    FilterOperator op = FilterOperator::Equal;
    QString value;
    bool orNext = false;

    bool operator==(const ConditionRow &other) const = default;
};

// The rows as a property value of a window and back; rows that cannot be read are dropped.
QVariant conditionRowsToVariant(const QList<ConditionRow> &rows);
QList<ConditionRow> conditionRowsFromVariant(const QVariant &value);

// Turns the filter dialog's rows into a T-SQL condition over the list statement. Field names
// come only from the catalogue, values are checked against the field's type and quoted, the
// % and _ of a value the user typed match themselves, and "and" binds before "or" as in SQL;
// a condition with an "or" is put between parentheses so that it can be joined to others.
class ConditionBuilder
{
public:
    ConditionBuilder(QList<FilterField> fields, const ResourceTable &texts);

    // "1=1" for no rows. False with the reason in sMsg for a field outside the catalogue, an
    // operator the field's type does not take, or a value that does not suit the field.
    bool build(const QList<ConditionRow> &rows, QString &condition, QString &sMsg) const;

private:
    bool term(const ConditionRow &row, QString &text, QString &sMsg) const;
    bool comparison(const FilterField &field, const ConditionRow &row, QString &text,
                    QString &sMsg) const;
    bool dateComparison(const FilterField &field, const ConditionRow &row, QString &text,
                        QString &sMsg) const;
    bool literal(const FilterField &field, const QString &value, QString &text,
                 QString &sMsg) const;
    QString failure(const char *key, const QStringList &args) const;

    QList<FilterField> m_fields;
    const ResourceTable &m_texts;
};

} // namespace suite
