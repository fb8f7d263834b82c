#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace suite {

// How the condition control edits the value of a field, after the field's reftype and the
// type of its column.
enum class FindValueKind { Text, Reference, Date, Decimal, Integer, Choice, Boolean };

// A field the condition control offers for batch modification: an element of the
// column-information XML that carries bmulmodify='1'.
struct FindField
{
    QString element;
    QString caption;
    FindValueKind kind = FindValueKind::Text;
    QString refId;
    QString userFilterSql;
    int decimals = 0;
    // The choice list of an "enum" field: the values stored and the names shown.
    QStringList choiceValues;
    QStringList choiceNames;
    // The longest text the column holds; 0 when it has no limit.
    int maxLength = 0;
};

// The fields of the column-information XML that carry bmulmodify='1', in document order. An
// element whose name is no plain [table.]column name is left out, so that nothing but a column
// can reach a statement.
QList<FindField> findFieldsFromColInfo(const QString &colInfoXml);

// The field named element (case-insensitive), or null.
const FindField *findFindField(const QList<FindField> &fields, const QString &element);

} // namespace suite
