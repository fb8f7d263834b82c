#include "suite/controls/FindFields.h"

#include "suite/controls/FilterFields.h"
#include "suite/core/XmlDocument.h"

#include <QRegularExpression>

namespace suite {

namespace {

bool isColumnName(const QString &element)
{
    static const QRegularExpression name(
        QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*(\\.[A-Za-z_][A-Za-z0-9_]*)?$"));
    return name.match(element).hasMatch();
}

FindValueKind kindOf(const QString &refType)
{
    const QString type = refType.trimmed().toLower();
    if (type == u"ref")
        return FindValueKind::Reference;
    if (type == u"date" || type == u"datetime")
        return FindValueKind::Date;
    if (type == u"float" || type == u"decdgt")
        return FindValueKind::Decimal;
    if (type == u"int")
        return FindValueKind::Integer;
    if (type == u"enum")
        return FindValueKind::Choice;
    return FindValueKind::Text;
}

QString attributeOf(const XmlElement &element, const char *name)
{
    const QString wanted = QString::fromLatin1(name);
    for (const auto &[key, value] : element.attributes()) {
        if (key.compare(wanted, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

// A float field without its own decimals shows two.
constexpr int kDefaultDecimals = 2;

FindField fieldOf(const XmlElement &element, const QList<FilterField> &filterFields)
{
    FindField field;
    field.element = element.name();
    field.caption = attributeOf(element, "showfldname");
    field.kind = kindOf(attributeOf(element, "reftype"));
    field.refId = attributeOf(element, "cRefID");
    field.userFilterSql = attributeOf(element, "cUserFilterSql");
    bool numeric = false;
    const int decimals = attributeOf(element, "decdgt").toInt(&numeric);
    field.decimals = numeric ? decimals : kDefaultDecimals;
    // The filter dialog reads the same choice lists; an empty one leaves a text field.
    const FilterField *choices = findFilterField(filterFields, field.element);
    if (field.kind == FindValueKind::Choice && choices && choices->type == FilterFieldType::Enum) {
        field.choiceValues = choices->enumValues;
        field.choiceNames = choices->enumNames;
    } else if (field.kind == FindValueKind::Choice) {
        field.kind = FindValueKind::Text;
    }
    return field;
}

} // namespace

QList<FindField> findFieldsFromColInfo(const QString &colInfoXml)
{
    XmlDocument document;
    if (!document.loadXml(colInfoXml))
        return {};
    const QList<FilterField> filterFields = filterFieldsFromColInfo(colInfoXml);
    QList<FindField> fields;
    for (const XmlElement &element : document.documentElement().childElements()) {
        if (attributeOf(element, "bmulmodify") == u"1" && isColumnName(element.name()))
            fields.append(fieldOf(element, filterFields));
    }
    return fields;
}

const FindField *findFindField(const QList<FindField> &fields, const QString &element)
{
    for (const FindField &field : fields) {
        if (field.element.compare(element, Qt::CaseInsensitive) == 0)
            return &field;
    }
    return nullptr;
}

} // namespace suite
