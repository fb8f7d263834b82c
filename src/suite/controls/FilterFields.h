#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace suite {

enum class FilterFieldType { Text, Date, Number, Integer, Enum };

// A field the filter dialog may offer, read from a list's column-information XML.
struct FilterField
{
    QString element;
    QString caption;
    FilterFieldType type = FilterFieldType::Text;
    QStringList enumValues;
    QStringList enumNames;

    // The field as the list statement names it: a name without a table belongs to Customer.
    QString column() const;
};

// The fields of the column-information XML in document order. An element whose name is no
// plain [table.]column name is left out, so that nothing but a column can reach a statement.
QList<FilterField> filterFieldsFromColInfo(const QString &colInfoXml);

// The field named element (case-insensitive), or null.
const FilterField *findFilterField(const QList<FilterField> &fields, const QString &element);

enum class FilterOperator {
    Equal,
    NotEqual,
    Greater,
    GreaterEqual,
    Less,
    LessEqual,
    Contains,
    BeginsWith,
    IsEmpty
};

// The operators that make sense for a type, in the order the dialogs offer them.
QList<FilterOperator> operatorsFor(FilterFieldType type);
FilterOperator defaultOperatorFor(FilterFieldType type);
// A stable token for storing an operator ("=", "like", ...); fromToken answers false for an
// unknown token.
QString operatorToken(FilterOperator op);
bool operatorFromToken(const QString &token, FilterOperator &op);
// The resource key of the operator's caption.
QString operatorCaptionKey(FilterOperator op);

} // namespace suite
