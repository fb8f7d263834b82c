#include "catalogue/UnreadableFields.h"

#include "entry/SessionContext.h"
#include "suite/colset/ColumnSetXml.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/RecordSet.h"

namespace customer {

namespace {

QString bareName(const QString &field)
{
    return field.trimmed().section(u'.', -1).toLower();
}

// A column as the record statement selects it: its value, or null when it may not be read.
QString selectedColumn(const QString &alias, const QString &column)
{
    if (isUnreadableField(column))
        return QStringLiteral("null as ") + column.section(u'.', -1);
    return alias.isEmpty() ? column : alias + u'.' + column;
}

} // namespace

QStringList unreadableFields()
{
    QStringList names;
    for (const QString &item : g_cColAuthN.split(u',', Qt::SkipEmptyParts)) {
        const QString name = bareName(item);
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    return names;
}

bool isUnreadableField(const QString &field)
{
    return unreadableFields().contains(bareName(field));
}

QString withoutUnreadableColumns(const QString &colSetXml)
{
    const QStringList unreadable = unreadableFields();
    suite::ColumnSet set;
    QString sMsg;
    if (unreadable.isEmpty() || !suite::readColumnSetXml(colSetXml, set, sMsg))
        return colSetXml;
    return suite::writeColumnSetXml(set.without(unreadable));
}

QString readableColumnsOf(const QString &table, const QString &alias)
{
    if (unreadableFields().isEmpty())
        return alias + QStringLiteral(".*");
    if (!g_oSrv)
        return {};
    const suite::RecordSet shape = g_oSrv->OpenX(QStringLiteral("select top 0 * from ") + table);
    if (!shape.IsOpen())
        return {};
    QStringList columns;
    for (const suite::Field &field : shape.Fields())
        columns.append(selectedColumn(alias, field.name));
    return columns.join(u',');
}

QString readableExtraFields(const QString &extraFields)
{
    if (unreadableFields().isEmpty())
        return extraFields;
    QString fields;
    for (const QString &name : extraFields.split(u',', Qt::SkipEmptyParts))
        fields += selectedColumn(QString(), name.trimmed()) + u',';
    return fields;
}

} // namespace customer
