#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace suite {

class DataBackend;
struct TableColumns;

// A table of rows that belong to one customer and that one dialog of the customer card edits as
// a whole (delivery addresses, banks, invoice units, persons, data rights). The dialog gives back
// the parameter XML the card handed over with the rows added, and the card puts that fragment
// into the record XML, in a column element or on its own:
//
//     <cCusOAddress><Addr><ccuscode>C001</ccuscode><rw>2</rw><url></url>
//         <Rows><Row><cAddCode>01</cAddCode><cDeliverAdd>..</cDeliverAdd>
//         <cCusAddressGUID>..</cCusAddressGUID><bDefault>1</bDefault></Row></Rows>
//         <GUID>..</GUID></Addr></cCusOAddress>
//     <cusprivilege> <ccuscode>C001</ccuscode><row> <privilege_type>1</privilege_type>
//         <privilege_id>01</privilege_id> <cadname>..</cadname></row><btextdata>1</btextdata>
//     </cusprivilege>
//
// The rows are the children of Rows, or else the children of the root that hold fields (as
// attributes or child elements); a row's fields name the table's columns. A fragment with rows
// is the complete list of the customer's rows of its table.
struct CustomerSubTable
{
    QString table;
    // The column holding the customer's code.
    QString ownerColumn;
    // The element of the record XML that carries the fragment: a column element whose content
    // is the fragment, or the fragment's root itself.
    QString carrier;
    QString fragmentRoot;
    // Columns every row must give.
    QStringList required;
    // Field names of the dialog that differ from the column they fill.
    QList<std::pair<QString, QString>> aliases;
    // Fields the dialog shows beside codes; nothing stores them.
    QStringList shownOnly;
    // Customer columns that repeat a column of the customer's default row (the first row
    // flagged bDefault, else the first row).
    QList<std::pair<QString, QString>> summary;

    // The column a field fills; empty for a field that is only shown.
    QString columnOfField(const QString &field) const;
};

const QList<CustomerSubTable> &customerSubTables();

// One field of a row, as the dialog named it, with its text.
using SubRecordField = std::pair<QString, QString>;
using SubRecordValues = QList<SubRecordField>;

struct CustomerSubRows
{
    const CustomerSubTable *table = nullptr;
    QList<SubRecordValues> rows;

    // The text of a column in the default row; empty without rows.
    QString defaultRowValue(const QString &column) const;
};

// Replaces a customer's rows of a sub-record table by the rows of a fragment. Values are bound;
// a GUID column a row leaves empty gets a new GUID.
class CustomerSubRecordWriter
{
public:
    explicit CustomerSubRecordWriter(DataBackend &backend);

    bool replace(const QString &code, const CustomerSubRows &rows, QString &sMsg);

private:
    bool insertRow(const QString &code, const CustomerSubTable &table, const TableColumns &columns,
                   const SubRecordValues &row, int number, QString &sMsg);

    DataBackend &m_backend;
};

} // namespace suite
