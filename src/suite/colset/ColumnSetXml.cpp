#include "suite/colset/ColumnSetXml.h"

#include "suite/core/XmlDocument.h"

#include <QHash>

namespace suite {

namespace {

// The attributes the column set owns; every other attribute is the catalogue's.
const QStringList &setAttributes()
{
    static const QStringList names{ QStringLiteral("showfldname"), QStringLiteral("corgcaption"),
                                    QStringLiteral("bshow"),       QStringLiteral("iwidth"),
                                    QStringLiteral("iorder"),      QStringLiteral("csort"),
                                    QStringLiteral("bmustinput"),  QStringLiteral("bfixed") };
    return names;
}

bool readFlag(const QHash<QString, QString> &values, const QString &name, bool fallback, bool &flag,
              QString &sMsg, const QString &field)
{
    const QString text = values.value(name).trimmed();
    if (text.isEmpty()) {
        flag = fallback;
        return true;
    }
    if (text != QLatin1String("0") && text != QLatin1String("1")) {
        sMsg = QStringLiteral("Column %1: %2='%3' must be 0 or 1.").arg(field, name, text);
        return false;
    }
    flag = text == QLatin1String("1");
    return true;
}

bool readNumber(const QHash<QString, QString> &values, const QString &name, int fallback,
                int &number, QString &sMsg, const QString &field)
{
    const QString text = values.value(name).trimmed();
    if (text.isEmpty()) {
        number = fallback;
        return true;
    }
    bool ok = false;
    number = text.toInt(&ok);
    if (!ok || number < 0) {
        sMsg = QStringLiteral("Column %1: %2='%3' must be a number of 0 or more.")
                   .arg(field, name, text);
        return false;
    }
    return true;
}

bool readSort(const QHash<QString, QString> &values, QString &sort, QString &sMsg,
              const QString &field)
{
    sort = values.value(QStringLiteral("csort")).trimmed().toLower();
    if (sort.isEmpty() || sort == QLatin1String("asc") || sort == QLatin1String("desc"))
        return true;
    sMsg = QStringLiteral("Column %1: csort='%2' must be asc, desc or empty.").arg(field, sort);
    return false;
}

bool readColumn(const XmlElement &element, int position, Column &column, QString &sMsg)
{
    column.field = element.name();
    if (!isFieldName(column.field)) {
        sMsg =
            QStringLiteral("Column %1: '%2' is not a field name.").arg(position).arg(column.field);
        return false;
    }
    QHash<QString, QString> values;
    for (const auto &[name, value] : element.attributes()) {
        const QString lower = name.toLower();
        if (setAttributes().contains(lower))
            values.insert(lower, value);
        else
            column.details.append({ name, value });
    }
    column.caption = values.value(QStringLiteral("showfldname"));
    column.originalCaption = values.value(QStringLiteral("corgcaption"), column.caption);
    const QString &field = column.field;
    return readFlag(values, QStringLiteral("bshow"), true, column.visible, sMsg, field)
        && readNumber(values, QStringLiteral("iwidth"), Column::kDefaultWidth, column.width, sMsg,
                      field)
        && readNumber(values, QStringLiteral("iorder"), position, column.order, sMsg, field)
        && readSort(values, column.sort, sMsg, field)
        && readFlag(values, QStringLiteral("bmustinput"), false, column.mustInput, sMsg, field)
        && readFlag(values, QStringLiteral("bfixed"), false, column.fixed, sMsg, field);
}

QString attributeOf(const XmlElement &element, const QString &lowerName)
{
    for (const auto &[name, value] : element.attributes()) {
        if (name.toLower() == lowerName)
            return value;
    }
    return {};
}

QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

void writeColumn(XmlElement &root, const Column &column)
{
    XmlElement element = root.appendElement(column.field);
    element.setAttribute(QStringLiteral("showfldname"), column.caption);
    element.setAttribute(QStringLiteral("cOrgCaption"), column.originalCaption);
    element.setAttribute(QStringLiteral("bshow"), flag(column.visible));
    element.setAttribute(QStringLiteral("iwidth"), QString::number(column.width));
    element.setAttribute(QStringLiteral("iorder"), QString::number(column.order));
    element.setAttribute(QStringLiteral("csort"), column.sort);
    element.setAttribute(QStringLiteral("bmustinput"), flag(column.mustInput));
    element.setAttribute(QStringLiteral("bfixed"), flag(column.fixed));
    for (const auto &[name, value] : column.details)
        element.setAttribute(name, value);
}

} // namespace

bool readColumnSetXml(const QString &xml, ColumnSet &set, QString &sMsg)
{
    XmlDocument document;
    if (!document.loadXml(xml)) {
        sMsg = QStringLiteral("The column set is not readable XML: %1").arg(document.parseError());
        return false;
    }
    const XmlElement root = document.documentElement();
    ColumnSet read;
    read.rootName = root.name();
    read.key = attributeOf(root, QStringLiteral("ckey"));
    if (read.key.isEmpty())
        read.key = read.rootName;
    const QList<XmlElement> elements = root.childElements();
    for (int i = 0; i < elements.size(); ++i) {
        Column column;
        if (!readColumn(elements.at(i), i + 1, column, sMsg))
            return false;
        if (read.indexOf(column.field) >= 0) {
            sMsg = QStringLiteral("Column %1 appears twice.").arg(column.field);
            return false;
        }
        read.columns.append(column);
    }
    read.sortByOrder();
    set = read;
    return true;
}

QString writeColumnSetXml(const ColumnSet &set)
{
    XmlDocument document;
    XmlElement root = document.createDocumentElement(set.rootName);
    root.setAttribute(QStringLiteral("ckey"), set.key);
    root.setAttribute(QStringLiteral("icols"), QString::number(set.visibleCount()));
    root.setAttribute(QStringLiteral("ifixcols"), QString::number(set.fixedCount()));
    for (const Column &column : set.columns)
        writeColumn(root, column);
    return document.xml();
}

QString selectList(const ColumnSet &set)
{
    QStringList fields;
    for (const Column &column : set.columns) {
        if (column.visible)
            fields.append(column.field);
    }
    return fields.join(u',');
}

QString orderList(const ColumnSet &set)
{
    QStringList terms;
    for (const Column &column : set.columns) {
        if (!column.visible || column.sort.isEmpty())
            continue;
        terms.append(column.sort == QLatin1String("desc") ? column.field + QLatin1String(" desc")
                                                          : column.field);
    }
    return terms.join(u',');
}

} // namespace suite
