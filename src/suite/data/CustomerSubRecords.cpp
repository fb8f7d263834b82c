#include "suite/data/CustomerSubRecords.h"

#include "suite/core/ErrorLog.h"
#include "suite/data/ColumnValue.h"
#include "suite/data/DataBackend.h"

#include <QUuid>

namespace suite {

namespace {

bool isSet(const QString &flag)
{
    const QString lower = flag.trimmed().toLower();
    return lower == u"1" || lower == u"-1" || lower == u"true";
}

QString newGuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

QString fieldText(const SubRecordValues &row, const CustomerSubTable &table, const QString &column)
{
    for (const SubRecordField &field : row) {
        if (table.columnOfField(field.first).compare(column, Qt::CaseInsensitive) == 0)
            return field.second;
    }
    return QString();
}

} // namespace

QString CustomerSubTable::columnOfField(const QString &field) const
{
    if (shownOnly.contains(field, Qt::CaseInsensitive))
        return QString();
    for (const auto &[alias, column] : aliases) {
        if (alias.compare(field, Qt::CaseInsensitive) == 0)
            return column;
    }
    return field;
}

const QList<CustomerSubTable> &customerSubTables()
{
    static const QList<CustomerSubTable> tables = {
        { QStringLiteral("CusDeliverAdd"),
          QStringLiteral("cCusCode"),
          QStringLiteral("cCusOAddress"),
          QStringLiteral("addr"),
          { QStringLiteral("cAddCode") },
          { { QStringLiteral("GUID"), QStringLiteral("cCusAddressGUID") } },
          {},
          { { QStringLiteral("cCusOAddress"), QStringLiteral("cDeliverAdd") } } },
        { QStringLiteral("CustomerBank"),
          QStringLiteral("cCusCode"),
          QStringLiteral("cCusBank"),
          QStringLiteral("Bank"),
          { QStringLiteral("cBranch"), QStringLiteral("cAccountNum") },
          {},
          { QStringLiteral("cBankName") },
          { { QStringLiteral("cCusBank"), QStringLiteral("cBranch") },
            { QStringLiteral("cCusAccount"), QStringLiteral("cAccountNum") },
            { QStringLiteral("cCusBankCode"), QStringLiteral("cBankCode") } } },
        { QStringLiteral("CustomerInvoiceCorp"),
          QStringLiteral("cCusCode"),
          QStringLiteral("cusinvoicecorp"),
          QStringLiteral("cusinvoicecorp"),
          { QStringLiteral("cInvoiceCompany") },
          {},
          { QStringLiteral("cCusName"), QStringLiteral("cCusAbbName") },
          { { QStringLiteral("cInvoiceCompany"), QStringLiteral("cInvoiceCompany") } } },
        { QStringLiteral("CustomerPerson"),
          QStringLiteral("cCusCode"),
          QStringLiteral("cusstuff"),
          QStringLiteral("cusstuff"),
          { QStringLiteral("cPersonCode") },
          {},
          { QStringLiteral("cPersonName"), QStringLiteral("cDepName") },
          {} },
        { QStringLiteral("customer_auth"),
          QStringLiteral("Account_ID"),
          QStringLiteral("cusprivilege"),
          QStringLiteral("cusprivilege"),
          { QStringLiteral("Privilege_Type"), QStringLiteral("Privilege_ID") },
          { { QStringLiteral("iADTID"), QStringLiteral("Privilege_Type") },
            { QStringLiteral("cADCode"), QStringLiteral("Privilege_ID") } },
          { QStringLiteral("cadtname"), QStringLiteral("cadname") },
          {} },
    };
    return tables;
}

QString CustomerSubRows::defaultRowValue(const QString &column) const
{
    if (rows.isEmpty())
        return QString();
    for (const SubRecordValues &row : rows) {
        if (isSet(fieldText(row, *table, QStringLiteral("bDefault"))))
            return fieldText(row, *table, column);
    }
    return fieldText(rows.front(), *table, column);
}

CustomerSubRecordWriter::CustomerSubRecordWriter(DataBackend &backend)
    : m_backend(backend)
{ }

bool CustomerSubRecordWriter::replace(const QString &code, const CustomerSubRows &rows,
                                      QString &sMsg)
{
    const CustomerSubTable &table = *rows.table;
    TableColumns columns;
    if (!m_backend.tableColumns(table.table, columns, sMsg))
        return false;
    const QString sql = QStringLiteral("delete from %1 where %2 = ?")
                            .arg(m_backend.dialect()->quoteIdentifier(table.table),
                                 m_backend.dialect()->quoteIdentifier(table.ownerColumn));
    if (!m_backend.connection().executeStatement(sql, { code }, sMsg))
        return false;
    for (int i = 0; i < rows.rows.size(); ++i) {
        if (!insertRow(code, table, columns, rows.rows.at(i), i + 1, sMsg))
            return false;
    }
    return true;
}

bool CustomerSubRecordWriter::insertRow(const QString &code, const CustomerSubTable &table,
                                        const TableColumns &columns, const SubRecordValues &row,
                                        int number, QString &sMsg)
{
    const QString where = QStringLiteral("Row %1 of %2").arg(number).arg(table.table);
    if (columns.indexOf(table.ownerColumn) < 0) {
        sMsg = QStringLiteral("The table %1 has no column %2.").arg(table.table, table.ownerColumn);
        return false;
    }
    QStringList names{ columns.fields.at(columns.indexOf(table.ownerColumn)).name };
    QVariantList values{ code };
    QStringList leftOut;
    for (const auto &[fieldName, text] : row) {
        const QString column = table.columnOfField(fieldName);
        const int index = column.isEmpty() ? -1 : columns.indexOf(column);
        if (column.isEmpty() || column.compare(table.ownerColumn, Qt::CaseInsensitive) == 0)
            continue;
        if (index < 0 || columns.primaryKey.contains(column, Qt::CaseInsensitive)) {
            leftOut.append(fieldName);
            continue;
        }
        const Field &field = columns.fields.at(index);
        if (names.contains(field.name, Qt::CaseInsensitive)) {
            sMsg = QStringLiteral("%1 gives %2 twice.").arg(where, field.name);
            return false;
        }
        QString reason;
        const std::optional<QVariant> value = columnValueOfText(field, text, reason);
        if (!value) {
            sMsg = QStringLiteral("%1: %2.").arg(where, reason);
            return false;
        }
        names.append(field.name);
        values.append(*value);
    }
    for (const Field &field : std::as_const(columns.fields)) {
        if (field.type == adGUID && !names.contains(field.name, Qt::CaseInsensitive)) {
            names.append(field.name);
            values.append(newGuid());
        } else if (const int given = int(names.indexOf(field.name));
                   given >= 0 && field.type == adGUID && values.at(given).isNull()) {
            values[given] = newGuid();
        }
    }
    for (const QString &required : table.required) {
        const int column = columns.indexOf(required);
        const int given = column < 0 ? -1 : int(names.indexOf(columns.fields.at(column).name));
        if (given < 0 || values.at(given).toString().trimmed().isEmpty()) {
            sMsg = QStringLiteral("%1 gives no %2.").arg(where, required);
            return false;
        }
    }
    if (!leftOut.isEmpty())
        ErrorLog::instance().warning(QStringLiteral("CustomerSubRecordWriter"),
                                     QStringLiteral("%1: left out %2, which name no column.")
                                         .arg(where, leftOut.join(QStringLiteral(", "))));
    QStringList quoted;
    for (const QString &name : std::as_const(names))
        quoted.append(m_backend.dialect()->quoteIdentifier(name));
    const QString sql =
        QStringLiteral("insert into %1 (%2) values (%3)")
            .arg(m_backend.dialect()->quoteIdentifier(table.table),
                 quoted.join(QStringLiteral(", ")),
                 QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
    return m_backend.connection().executeStatement(sql, values, sMsg);
}

} // namespace suite
