#pragma once

#include "suite/controls/ConditionBuilder.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace suite {

class ResourceTable;

// The condition over the customers picked by their keys: "(table.keyColumn in (N'..',...))",
// each key quoted; "(1=2)" for none, so that an empty pick never means every customer.
QString keysCondition(const QString &table, const QString &keyColumn, const QStringList &keys);

// The keys in the order of their grid rows (the map's keys are row numbers as text).
QStringList keysInRowOrder(const QMap<QString, QString> &keysByRow);

// The filter lines as a person reads them ("Name contains 北京 and Region = 01"), for the
// archive log; empty for no line.
QString describeConditionRows(const QList<ConditionRow> &rows, const QList<FilterField> &fields,
                              const ResourceTable &texts);

// The filter fields a condition over table (joined with table_extradefine) may name: those of
// table's own columns and the qualified columns of its extra table.
QList<FilterField> conditionFieldsOf(const QList<FilterField> &fields, const QString &table,
                                     const QStringList &tableColumns,
                                     const QStringList &extraColumns);

} // namespace suite
