#include "suite/controls/FilterFields.h"

#include "suite/core/XmlDocument.h"

#include <QRegularExpression>

namespace suite {

namespace {

const QString kEnumItemSeparator = QStringLiteral("{#}");
const QString kEnumListSeparator = QStringLiteral("{##}");

struct OperatorInfo
{
    FilterOperator op;
    const char *token;
    const char *captionKey;
};

constexpr OperatorInfo kOperators[] = {
    { FilterOperator::Equal, "=", "Tarn.AA.PUB.FILTER.opequal" },
    { FilterOperator::NotEqual, "<>", "Tarn.AA.PUB.FILTER.opnotequal" },
    { FilterOperator::Greater, ">", "Tarn.AA.PUB.FILTER.opgreater" },
    { FilterOperator::GreaterEqual, ">=", "Tarn.AA.PUB.FILTER.opgreaterequal" },
    { FilterOperator::Less, "<", "Tarn.AA.PUB.FILTER.opless" },
    { FilterOperator::LessEqual, "<=", "Tarn.AA.PUB.FILTER.oplessequal" },
    { FilterOperator::Contains, "like", "Tarn.AA.PUB.FILTER.opcontains" },
    { FilterOperator::BeginsWith, "begin", "Tarn.AA.PUB.FILTER.opbegins" },
    { FilterOperator::IsEmpty, "empty", "Tarn.AA.PUB.FILTER.opempty" },
};

const OperatorInfo &infoOf(FilterOperator op)
{
    for (const OperatorInfo &info : kOperators) {
        if (info.op == op)
            return info;
    }
    return kOperators[0];
}

bool isColumnName(const QString &element)
{
    static const QRegularExpression name(
        QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*(\\.[A-Za-z_][A-Za-z0-9_]*)?$"));
    return name.match(element).hasMatch();
}

FilterFieldType typeOf(const QString &refType)
{
    const QString type = refType.trimmed().toLower();
    if (type == u"date" || type == u"datetime")
        return FilterFieldType::Date;
    if (type == u"float" || type == u"decdgt")
        return FilterFieldType::Number;
    if (type == u"int")
        return FilterFieldType::Integer;
    if (type == u"enum")
        return FilterFieldType::Enum;
    return FilterFieldType::Text;
}

void readEnumChoices(const QString &refId, FilterField &field)
{
    const QStringList lists = refId.split(kEnumListSeparator);
    field.enumValues = lists.value(0).split(kEnumItemSeparator);
    field.enumNames = lists.size() > 1 ? lists.at(1).split(kEnumItemSeparator) : field.enumValues;
    while (field.enumNames.size() < field.enumValues.size())
        field.enumNames.append(field.enumValues.at(field.enumNames.size()));
}

} // namespace

QString FilterField::column() const
{
    return element.contains(u'.') ? element : QStringLiteral("Customer.") + element;
}

QList<FilterField> filterFieldsFromColInfo(const QString &colInfoXml)
{
    XmlDocument document;
    if (!document.loadXml(colInfoXml))
        return {};
    QList<FilterField> fields;
    for (const XmlElement &element : document.documentElement().childElements()) {
        FilterField field;
        field.element = element.name();
        field.caption = element.attribute(QStringLiteral("showfldname")).trimmed();
        if (!isColumnName(field.element) || field.caption.isEmpty())
            continue;
        field.type = typeOf(element.attribute(QStringLiteral("reftype")));
        if (field.type == FilterFieldType::Enum)
            readEnumChoices(element.attribute(QStringLiteral("cRefID")), field);
        if (field.type == FilterFieldType::Enum && field.enumValues.join(QString()).isEmpty())
            field.type = FilterFieldType::Text;
        fields.append(field);
    }
    return fields;
}

const FilterField *findFilterField(const QList<FilterField> &fields, const QString &element)
{
    for (const FilterField &field : fields) {
        if (field.element.compare(element, Qt::CaseInsensitive) == 0)
            return &field;
    }
    return nullptr;
}

QList<FilterOperator> operatorsFor(FilterFieldType type)
{
    using Op = FilterOperator;
    switch (type) {
    case FilterFieldType::Text:
        return { Op::Contains,     Op::BeginsWith, Op::Equal,     Op::NotEqual, Op::Greater,
                 Op::GreaterEqual, Op::Less,       Op::LessEqual, Op::IsEmpty };
    case FilterFieldType::Enum:
        return { Op::Equal, Op::NotEqual, Op::IsEmpty };
    case FilterFieldType::Date:
    case FilterFieldType::Number:
    case FilterFieldType::Integer:
        break;
    }
    return { Op::Equal, Op::NotEqual,  Op::Greater, Op::GreaterEqual,
             Op::Less,  Op::LessEqual, Op::IsEmpty };
}

FilterOperator defaultOperatorFor(FilterFieldType type)
{
    return operatorsFor(type).first();
}

QString operatorToken(FilterOperator op)
{
    return QString::fromLatin1(infoOf(op).token);
}

bool operatorFromToken(const QString &token, FilterOperator &op)
{
    for (const OperatorInfo &info : kOperators) {
        if (token.compare(QLatin1StringView(info.token), Qt::CaseInsensitive) == 0) {
            op = info.op;
            return true;
        }
    }
    return false;
}

QString operatorCaptionKey(FilterOperator op)
{
    return QString::fromLatin1(infoOf(op).captionKey);
}

} // namespace suite
