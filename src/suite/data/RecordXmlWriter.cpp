#include "suite/data/RecordXmlWriter.h"

#include "suite/core/ErrorLog.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/AtomicWrite.h"
#include "suite/data/ColumnValue.h"

#include <optional>

namespace suite {

struct RecordXmlWriter::TableValues
{
    QString table;
    TableColumns columns;
    // Column names as the table spells them, in the order of the XML, with their values.
    QStringList names;
    QVariantList values;

    int indexOfName(const QString &name) const
    {
        for (int i = 0; i < names.size(); ++i) {
            if (names.at(i).compare(name, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }
};

struct RecordXmlWriter::Record
{
    TableValues main;
    std::optional<TableValues> companion;
};

namespace {

const QString kCompanionSuffix = QStringLiteral("_extradefine");

QString describeKey(const QStringList &names, const QVariantList &values)
{
    QStringList parts;
    for (int i = 0; i < names.size(); ++i)
        parts.append(QStringLiteral("%1 '%2'").arg(names.at(i), values.at(i).toString()));
    return parts.join(QStringLiteral(" and "));
}

} // namespace

RecordXmlWriter::RecordXmlWriter(DataBackend &backend)
    : m_backend(backend)
{ }

QString RecordXmlWriter::quoted(const QString &name) const
{
    return m_backend.dialect()->quoteIdentifier(name);
}

QString RecordXmlWriter::placeholder(int number) const
{
    return m_backend.dialect()->parameterPlaceholder(number);
}

bool RecordXmlWriter::readTable(const QString &table, TableValues &values, QString &sMsg)
{
    values.table = table;
    return m_backend.tableColumns(table, values.columns, sMsg);
}

bool RecordXmlWriter::readRecord(const QString &xml, const QString &table, const QString &member,
                                 Record &record, QString &sMsg)
{
    XmlDocument document;
    if (!document.loadXml(xml)) {
        sMsg = QStringLiteral("The record XML for %1 cannot be read: %2")
                   .arg(table, document.parseError());
        return false;
    }
    if (!readTable(table, record.main, sMsg))
        return false;
    TableValues companion;
    QString noCompanion;
    if (readTable(table + kCompanionSuffix, companion, noCompanion))
        record.companion = companion;

    const XmlElement root = document.documentElement();
    QStringList leftOut;
    for (const auto &attribute : root.attributes()) {
        // The numbering reads this one when the record is added.
        if (attribute.first.compare(QLatin1String("bCreateBillNum"), Qt::CaseInsensitive) != 0)
            leftOut.append(
                QStringLiteral("attribute %1 of <%2>").arg(attribute.first, root.name()));
    }
    for (const XmlElement &element : root.childElements()) {
        const QString name = element.name();
        for (const auto &attribute : element.attributes())
            leftOut.append(QStringLiteral("attribute %1 of <%2>").arg(attribute.first, name));
        if (!element.childElements().isEmpty()) {
            leftOut.append(QStringLiteral("<%1>, which holds a sub-record").arg(name));
            continue;
        }
        TableValues *target = nullptr;
        if (record.main.columns.indexOf(name) >= 0)
            target = &record.main;
        else if (record.companion && record.companion->columns.indexOf(name) >= 0)
            target = &*record.companion;
        if (!target) {
            leftOut.append(QStringLiteral("<%1>, which names no column of %2").arg(name, table));
            continue;
        }
        if (target->indexOfName(name) >= 0) {
            sMsg = QStringLiteral("The record XML for %1 gives <%2> twice.").arg(table, name);
            return false;
        }
        const Field &field = target->columns.fields.at(target->columns.indexOf(name));
        QString reason;
        const std::optional<QVariant> value = columnValueOfText(field, element.text(), reason);
        if (!value) {
            sMsg = QStringLiteral("<%1> of %2: %3.").arg(name, target->table, reason);
            return false;
        }
        target->names.append(field.name);
        target->values.append(*value);
    }
    if (!leftOut.isEmpty()) {
        ErrorLog::instance().warning(member,
                                     QStringLiteral("Left out of the record XML for %1: %2.")
                                         .arg(table, leftOut.join(u"; ")));
    }
    return true;
}

bool RecordXmlWriter::insertRow(const TableValues &values, QString &sMsg)
{
    if (values.names.isEmpty()) {
        sMsg = QStringLiteral("The record XML holds no column of %1.").arg(values.table);
        return false;
    }
    QStringList columns;
    QStringList placeholders;
    for (const QString &name : values.names) {
        columns.append(quoted(name));
        placeholders.append(placeholder(int(placeholders.size()) + 1));
    }
    const QString sql = QStringLiteral("insert into %1 (%2) values (%3)")
                            .arg(quoted(values.table), columns.join(QStringLiteral(", ")),
                                 placeholders.join(QStringLiteral(", ")));
    return m_backend.connection().executeStatement(sql, values.values, sMsg);
}

bool RecordXmlWriter::updateRow(const TableValues &values, const QStringList &keys, QString &sMsg)
{
    QStringList assignments;
    QStringList conditions;
    QVariantList parameters;
    QVariantList keyValues;
    for (int i = 0; i < values.names.size(); ++i) {
        if (keys.contains(values.names.at(i), Qt::CaseInsensitive))
            continue;
        parameters.append(values.values.at(i));
        assignments.append(quoted(values.names.at(i)) + QStringLiteral(" = ")
                           + placeholder(int(parameters.size())));
    }
    for (int i = 0; i < values.names.size(); ++i) {
        if (!keys.contains(values.names.at(i), Qt::CaseInsensitive))
            continue;
        keyValues.append(values.values.at(i));
        conditions.append(quoted(values.names.at(i)) + QStringLiteral(" = ")
                          + placeholder(int(parameters.size() + keyValues.size())));
    }
    const QString sql = QStringLiteral("update %1 set %2 where %3")
                            .arg(quoted(values.table), assignments.join(QStringLiteral(", ")),
                                 conditions.join(QStringLiteral(" and ")));
    return m_backend.connection().executeStatement(sql, parameters + keyValues, sMsg);
}

bool RecordXmlWriter::writeCompanion(const Record &record, QString &sMsg)
{
    if (!record.companion)
        return true;
    TableValues companion = *record.companion;
    const QString key = companion.columns.fields.front().name;
    const int keyIndex = record.main.indexOfName(key);
    if (keyIndex < 0) {
        if (companion.names.isEmpty())
            return true;
        sMsg = QStringLiteral("The record XML gives columns of %1 but no <%2>, which keys it.")
                   .arg(companion.table, key);
        return false;
    }
    companion.names.prepend(key);
    companion.values.prepend(record.main.values.at(keyIndex));
    bool rowExists = false;
    if (!dropUnchanged(companion, { key }, rowExists, sMsg))
        return false;
    if (!rowExists)
        return insertRow(companion, sMsg);
    return companion.names.size() == 1 || updateRow(companion, { key }, sMsg);
}

// Reads the row the key values name and leaves out every value it already holds. For a missing
// row only the values that are not empty remain.
bool RecordXmlWriter::dropUnchanged(TableValues &values, const QStringList &keys, bool &rowExists,
                                    QString &sMsg)
{
    QStringList conditions;
    QVariantList keyValues;
    for (const QString &key : keys) {
        const int index = values.indexOfName(key);
        conditions.append(quoted(values.names.at(index)) + QStringLiteral(" = ")
                          + placeholder(int(conditions.size()) + 1));
        keyValues.append(values.values.at(index));
    }
    const RecordSet stored = m_backend.connection().queryStatement(
        QStringLiteral("select * from %1 where %2")
            .arg(quoted(values.table), conditions.join(QStringLiteral(" and "))),
        keyValues, sMsg);
    if (!stored.IsOpen())
        return false;
    rowExists = stored.RecordCount() > 0;
    for (int i = int(values.names.size()) - 1; i >= 0; --i) {
        const QString &name = values.names.at(i);
        if (keys.contains(name, Qt::CaseInsensitive))
            continue;
        const Field &field = values.columns.fields.at(values.columns.indexOf(name));
        const QVariant before = rowExists ? stored.Value(name) : QVariant();
        if (sameColumnValue(field, before, values.values.at(i))) {
            values.names.removeAt(i);
            values.values.removeAt(i);
        }
    }
    return true;
}

bool RecordXmlWriter::add(const QString &xml, const QString &table, QString &sMsg,
                          const AlongWithInsert &alongWith)
{
    Record record;
    if (!readRecord(xml, table, QStringLiteral("Add"), record, sMsg))
        return false;
    AtomicWrite write(m_backend.connection(), table);
    return write.begin(sMsg) && insertRow(record.main, sMsg) && writeCompanion(record, sMsg)
        && (!alongWith || alongWith(sMsg)) && write.commit(sMsg);
}

bool RecordXmlWriter::modify(const QString &xml, const QString &table, QString &sMsg)
{
    Record record;
    if (!readRecord(xml, table, QStringLiteral("Modify"), record, sMsg))
        return false;
    const QStringList keys = record.main.columns.primaryKey;
    if (keys.isEmpty()) {
        sMsg = QStringLiteral("The table %1 has no primary key, so the row to modify cannot be "
                              "told.")
                   .arg(table);
        return false;
    }
    QVariantList keyValues;
    for (const QString &key : keys) {
        const int index = record.main.indexOfName(key);
        if (index < 0 || record.main.values.at(index).toString().isEmpty()) {
            sMsg = QStringLiteral("The record XML has no value for <%1>, the key of %2.")
                       .arg(key, table);
            return false;
        }
        keyValues.append(record.main.values.at(index));
    }
    AtomicWrite write(m_backend.connection(), table);
    bool rowExists = false;
    if (!write.begin(sMsg) || !dropUnchanged(record.main, keys, rowExists, sMsg))
        return false;
    if (!rowExists) {
        sMsg = QStringLiteral("No row of %1 has %2.").arg(table, describeKey(keys, keyValues));
        return false;
    }
    if (record.main.names.size() > keys.size() && !updateRow(record.main, keys, sMsg))
        return false;
    return writeCompanion(record, sMsg) && write.commit(sMsg);
}

bool RecordXmlWriter::remove(const QVariant &id, const QString &idName, const QString &table,
                             QString &sMsg)
{
    TableValues main;
    if (!readTable(table, main, sMsg))
        return false;
    const int idIndex = main.columns.indexOf(idName);
    if (idIndex < 0) {
        sMsg = QStringLiteral("The table %1 has no column %2.").arg(table, idName);
        return false;
    }
    const Field &idField = main.columns.fields.at(idIndex);
    if (id.isNull() || id.toString().isEmpty()) {
        sMsg = QStringLiteral("No value of %1 was given for the row of %2 to delete.")
                   .arg(idField.name, table);
        return false;
    }
    const QVariant idValue =
        typeFamily(idField.type) == TypeFamily::Text ? QVariant(id.toString()) : id;
    const QString idCondition = quoted(idField.name) + QStringLiteral(" = ") + placeholder(1);

    AtomicWrite write(m_backend.connection(), table);
    if (!write.begin(sMsg))
        return false;
    TableValues companion;
    QString noCompanion;
    if (readTable(table + kCompanionSuffix, companion, noCompanion)) {
        const QString key = companion.columns.fields.front().name;
        if (const int mainKey = main.columns.indexOf(key); mainKey >= 0) {
            const QString sql =
                QStringLiteral("delete from %1 where %2 in (select %3 from %4 where %5)")
                    .arg(quoted(companion.table), quoted(key),
                         quoted(main.columns.fields.at(mainKey).name), quoted(table), idCondition);
            if (!m_backend.connection().executeStatement(sql, { idValue }, sMsg))
                return false;
        }
    }
    qint64 changed = 0;
    if (!m_backend.connection().executeStatement(
            QStringLiteral("delete from %1 where %2").arg(quoted(table), idCondition), { idValue },
            sMsg, &changed)) {
        return false;
    }
    if (changed == 0) {
        sMsg = QStringLiteral("No row of %1 has %2.")
                   .arg(table, describeKey({ idField.name }, { idValue }));
        return false;
    }
    return write.commit(sMsg);
}

} // namespace suite
