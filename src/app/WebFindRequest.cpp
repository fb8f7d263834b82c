#include "app/WebFindRequest.h"

#include "suite/core/XmlDocument.h"

#include <QRegularExpression>

namespace host {

namespace {

const QString kName = QStringLiteral("[A-Za-z_][A-Za-z0-9_]*");

bool isTableName(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^%1$").arg(kName));
    return pattern.match(text).hasMatch();
}

// A column as a select list names it: bare, qualified with its table, or a table's "*".
bool isFieldName(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\*|(%1\\.)?%1|%1\\.\\*)$").arg(kName));
    return pattern.match(text).hasMatch();
}

bool isOrderItem(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(%1\\.)?%1(\\s+(asc|desc))?$").arg(kName),
        QRegularExpression::CaseInsensitiveOption);
    return pattern.match(text).hasMatch();
}

QStringList listOf(const QString &text)
{
    QStringList items = text.split(u',', Qt::SkipEmptyParts);
    for (QString &item : items)
        item = item.trimmed();
    items.removeAll(QString());
    return items;
}

bool readFields(const suite::XmlElement &root, WebFindRequest &request, QString &sMsg)
{
    request.fields = listOf(root.attribute(QStringLiteral("fields")));
    for (const QString &field : std::as_const(request.fields)) {
        if (!isFieldName(field)) {
            sMsg = QStringLiteral("'%1' is not a field name.").arg(field);
            return false;
        }
    }
    request.order = root.attribute(QStringLiteral("order")).trimmed();
    for (const QString &item : listOf(request.order)) {
        if (!isOrderItem(item)) {
            sMsg = QStringLiteral("'%1' is not a field to order by.").arg(item);
            return false;
        }
    }
    return true;
}

bool readJoins(const suite::XmlElement &root, WebFindRequest &request, QString &sMsg)
{
    for (const suite::XmlElement &element : root.childElements()) {
        if (element.name() != QLatin1String("join"))
            continue;
        const WebFindRequest::Join join{ element.attribute(QStringLiteral("table")).trimmed(),
                                         element.attribute(QStringLiteral("on")).trimmed() };
        if (!isTableName(join.table)) {
            sMsg = QStringLiteral("'%1' is not a table name.").arg(join.table);
            return false;
        }
        if (join.on.isEmpty()) {
            sMsg = QStringLiteral("The join with %1 has no condition (on).").arg(join.table);
            return false;
        }
        request.joins.append(join);
    }
    return true;
}

} // namespace

std::optional<WebFindRequest> WebFindRequest::parse(const QString &sXML, QString &sMsg)
{
    suite::XmlDocument document;
    if (!document.loadXml(sXML)) {
        sMsg = QStringLiteral("The find request is not XML: %1").arg(document.parseError());
        return std::nullopt;
    }
    const suite::XmlElement root = document.documentElement();
    WebFindRequest request;
    request.table = root.attribute(QStringLiteral("table")).trimmed();
    if (request.table.isEmpty()) {
        sMsg = QStringLiteral("The find request names no table.");
        return std::nullopt;
    }
    if (!isTableName(request.table)) {
        sMsg = QStringLiteral("'%1' is not a table name.").arg(request.table);
        return std::nullopt;
    }
    request.where = root.attribute(QStringLiteral("where")).trimmed();
    if (!readFields(root, request, sMsg) || !readJoins(root, request, sMsg))
        return std::nullopt;
    return request;
}

QStringList WebFindRequest::findTables() const
{
    return { table };
}

QStringList WebFindRequest::showTables() const
{
    QStringList tables{ table };
    for (const Join &join : joins)
        tables.append(join.table);
    return tables;
}

QString WebFindRequest::statement(const QString &rightsCondition) const
{
    QString sql = QStringLiteral("select ")
        + (fields.isEmpty() ? table + QStringLiteral(".*") : fields.join(u','))
        + QStringLiteral(" from ") + table;
    for (const Join &join : joins)
        sql += QStringLiteral(" left join %1 on %2").arg(join.table, join.on);
    sql += QStringLiteral(" where (%1) and %2")
               .arg(where.isEmpty() ? QStringLiteral("1=1") : where, rightsCondition);
    if (!order.isEmpty())
        sql += QStringLiteral(" order by ") + order;
    return sql;
}

} // namespace host
