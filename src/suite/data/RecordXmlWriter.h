#pragma once

#include "suite/data/DataBackend.h"

#include <QString>
#include <QVariant>

#include <functional>

namespace suite {

// Writes the element-per-field record XML of the archives into their tables:
//
//     <Customer bCreateBillNum='0'><cCusCode>C001</cCusCode><cCusName>...</cCusName>
//         <cCDefine1>...</cCDefine1></Customer>
//
// Each child element of the root names a column of the table, without regard to case; one
// that names no column of the table but one of its companion table <table>_extradefine goes
// there, into the row keyed by the companion's first column. Values are bound, never put into
// the statement; an empty element is NULL for a column that does not hold text. Elements that
// name no column, elements holding further elements and all attributes are left out and noted
// in the error log. Each write is one transaction: on failure nothing has changed.
class RecordXmlWriter
{
public:
    explicit RecordXmlWriter(DataBackend &backend);

    // Work that stands or falls with a new row, run in the insert's transaction.
    using AlongWithInsert = std::function<bool(QString &sMsg)>;

    // A new row, and its companion row when the table has a companion; alongWith, when given,
    // runs after them in the same transaction.
    bool add(const QString &xml, const QString &table, QString &sMsg,
             const AlongWithInsert &alongWith = {});
    // The row the primary-key elements name gets the other elements' values; its companion
    // row is written, or added when it is missing. Only values that
    // differ from what the row holds are written (see sameColumnValue), so that saving a record
    // unchanged leaves every column as it was.
    bool modify(const QString &xml, const QString &table, QString &sMsg);
    // The rows whose column idName holds id, with their companion rows.
    bool remove(const QVariant &id, const QString &idName, const QString &table, QString &sMsg);

private:
    struct TableValues;
    struct Record;

    bool readRecord(const QString &xml, const QString &table, const QString &member, Record &record,
                    QString &sMsg);
    bool readTable(const QString &table, TableValues &values, QString &sMsg);
    bool insertRow(const TableValues &values, QString &sMsg);
    bool updateRow(const TableValues &values, const QStringList &keys, QString &sMsg);
    bool writeCompanion(const Record &record, QString &sMsg);
    bool dropUnchanged(TableValues &values, const QStringList &keys, bool &rowExists,
                       QString &sMsg);
    QString quoted(const QString &name) const;
    QString placeholder(int number) const;

    DataBackend &m_backend;
};

} // namespace suite
