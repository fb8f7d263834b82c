#include "suite/controls/ConditionBuilder.h"

#include "suite/core/SqlQuote.h"
#include "suite/pub/ResourceTable.h"

#include <QDate>
#include <QVariantMap>

namespace suite {

namespace {

const QString kField = QStringLiteral("field");
const QString kOperator = QStringLiteral("op");
const QString kValue = QStringLiteral("value");
const QString kOrNext = QStringLiteral("or");

QDate parseDate(const QString &text)
{
    static const QStringList formats = { QStringLiteral("yyyy-M-d"), QStringLiteral("yyyy/M/d"),
                                         QStringLiteral("yyyy.M.d"), QStringLiteral("yyyyMMdd") };
    for (const QString &format : formats) {
        const QDate date = QDate::fromString(text, format);
        if (date.isValid())
            return date;
    }
    return {};
}

QString dateLiteral(const QDate &date)
{
    return sqlQuoted(date.toString(Qt::ISODate));
}

QString relation(FilterOperator op)
{
    return operatorToken(op);
}

} // namespace

QVariant conditionRowsToVariant(const QList<ConditionRow> &rows)
{
    QVariantList list;
    for (const ConditionRow &row : rows) {
        list.append(QVariantMap{ { kField, row.field },
                                 { kOperator, operatorToken(row.op) },
                                 { kValue, row.value },
                                 { kOrNext, row.orNext } });
    }
    return list;
}

QList<ConditionRow> conditionRowsFromVariant(const QVariant &value)
{
    QList<ConditionRow> rows;
    for (const QVariant &item : value.toList()) {
        const QVariantMap map = item.toMap();
        ConditionRow row;
        row.field = map.value(kField).toString();
        row.value = map.value(kValue).toString();
        row.orNext = map.value(kOrNext).toBool();
        if (!row.field.isEmpty() && operatorFromToken(map.value(kOperator).toString(), row.op))
            rows.append(row);
    }
    return rows;
}

ConditionBuilder::ConditionBuilder(QList<FilterField> fields, const ResourceTable &texts)
    : m_fields(std::move(fields))
    , m_texts(texts)
{ }

QString ConditionBuilder::failure(const char *key, const QStringList &args) const
{
    return m_texts.format(QString::fromLatin1(key), args);
}

bool ConditionBuilder::build(const QList<ConditionRow> &rows, QString &condition,
                             QString &sMsg) const
{
    if (rows.isEmpty()) {
        condition = QStringLiteral("1=1");
        return true;
    }
    QString text;
    bool hasOr = false;
    for (qsizetype index = 0; index < rows.size(); ++index) {
        QString termText;
        if (!term(rows.at(index), termText, sMsg))
            return false;
        text += termText;
        if (index + 1 < rows.size()) {
            hasOr = hasOr || rows.at(index).orNext;
            text += rows.at(index).orNext ? QStringLiteral(" or ") : QStringLiteral(" and ");
        }
    }
    condition = hasOr ? u'(' + text + u')' : text;
    return true;
}

bool ConditionBuilder::term(const ConditionRow &row, QString &text, QString &sMsg) const
{
    const FilterField *field = findFilterField(m_fields, row.field);
    if (!field) {
        sMsg = failure("Tarn.AA.PUB.FILTER.unknownfield", { row.field });
        return false;
    }
    if (!operatorsFor(field->type).contains(row.op)) {
        sMsg = failure("Tarn.AA.PUB.FILTER.badoperator",
                       { field->caption, m_texts.text(operatorCaptionKey(row.op)) });
        return false;
    }
    const QString column = field->column();
    if (row.op == FilterOperator::IsEmpty) {
        text = field->type == FilterFieldType::Text
            ? QStringLiteral("(%1 is null or %1 = N'')").arg(column)
            : column + QStringLiteral(" is null");
        return true;
    }
    if (row.value.trimmed().isEmpty()) {
        sMsg = failure("Tarn.AA.PUB.FILTER.novalue", { field->caption });
        return false;
    }
    // A position test instead of like: the value's % and _ match themselves on every backend,
    // and upper() on both sides compares without regard to case as SQL Server does.
    if (row.op == FilterOperator::Contains || row.op == FilterOperator::BeginsWith) {
        text = QStringLiteral("charindex(upper(%1), upper(%2)) %3")
                   .arg(sqlUnicode(row.value), column,
                        row.op == FilterOperator::Contains ? QStringLiteral("> 0")
                                                           : QStringLiteral("= 1"));
        return true;
    }
    if (field->type == FilterFieldType::Date)
        return dateComparison(*field, row, text, sMsg);
    return comparison(*field, row, text, sMsg);
}

bool ConditionBuilder::comparison(const FilterField &field, const ConditionRow &row, QString &text,
                                  QString &sMsg) const
{
    QString value;
    if (!literal(field, row.value, value, sMsg))
        return false;
    text = field.column() + u' ' + relation(row.op) + u' ' + value;
    return true;
}

// A date compares by day whatever time the column holds: "= d" is the half-open day [d, d+1).
bool ConditionBuilder::dateComparison(const FilterField &field, const ConditionRow &row,
                                      QString &text, QString &sMsg) const
{
    const QDate day = parseDate(row.value.trimmed());
    if (!day.isValid()) {
        sMsg = failure("Tarn.AA.PUB.FILTER.notdate", { field.caption, row.value });
        return false;
    }
    const QString column = field.column();
    const QString from = dateLiteral(day);
    const QString to = dateLiteral(day.addDays(1));
    switch (row.op) {
    case FilterOperator::Equal:
        text = QStringLiteral("(%1 >= %2 and %1 < %3)").arg(column, from, to);
        break;
    case FilterOperator::NotEqual:
        text = QStringLiteral("(%1 < %2 or %1 >= %3)").arg(column, from, to);
        break;
    case FilterOperator::Greater:
        text = QStringLiteral("%1 >= %2").arg(column, to);
        break;
    case FilterOperator::GreaterEqual:
        text = QStringLiteral("%1 >= %2").arg(column, from);
        break;
    case FilterOperator::Less:
        text = QStringLiteral("%1 < %2").arg(column, from);
        break;
    default:
        text = QStringLiteral("%1 < %2").arg(column, to);
        break;
    }
    return true;
}

bool ConditionBuilder::literal(const FilterField &field, const QString &value, QString &text,
                               QString &sMsg) const
{
    const QString trimmed = value.trimmed();
    bool ok = true;
    switch (field.type) {
    case FilterFieldType::Integer:
        text = QString::number(trimmed.toLongLong(&ok));
        if (!ok)
            sMsg = failure("Tarn.AA.PUB.FILTER.notint", { field.caption, value });
        return ok;
    case FilterFieldType::Number:
        text = QString::number(trimmed.toDouble(&ok), 'g', 15);
        if (!ok)
            sMsg = failure("Tarn.AA.PUB.FILTER.notnumber", { field.caption, value });
        return ok;
    case FilterFieldType::Enum:
        if (!field.enumValues.contains(trimmed)) {
            sMsg = failure("Tarn.AA.PUB.FILTER.notchoice", { field.caption, value });
            return false;
        }
        trimmed.toLongLong(&ok);
        text = ok ? trimmed : sqlUnicode(trimmed);
        return true;
    case FilterFieldType::Text:
    case FilterFieldType::Date:
        break;
    }
    text = sqlUnicode(value);
    return true;
}

} // namespace suite
