#pragma once

#include "suite/card/SubRecordKind.h"
#include "suite/core/XmlDocument.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

namespace suite {

class IClsCommon;
class ResourceTable;

struct SubRecordRow
{
    // In the order of the kind's stored columns.
    QStringList values;
    bool isDefault = false;

    bool operator==(const SubRecordRow &other) const = default;
};

// The rows of one customer's sub-record table while a dialog edits them, with the parameter XML
// the card handed over. The fragment given back keeps the parameter elements and adds the rows:
//
//     <cusstuff><ccuscode>C001</ccuscode><RW>2</RW><url></url>
//         <Rows><Row><cPersonCode>P01</cPersonCode><bDefault>1</bDefault></Row></Rows></cusstuff>
//
// A kept fragment with Rows is taken as it is the next time; without Rows the customer's rows
// are read from the table.
class SubRecordList
{
public:
    explicit SubRecordList(SubRecordKind kind);

    const SubRecordKind &kind() const { return m_kind; }

    bool loadParameters(const QString &xml, QString &sMsg);
    void setCustomerCode(const QString &code) { m_customerCode = code; }
    QString customerCode() const { return m_customerCode; }
    // 0 none, 1 read, 2 write; a missing right element is full right.
    int rightLevel() const { return m_rightLevel; }
    bool isReadOnly() const { return m_rightLevel < 2; }
    bool hasKeptRows() const { return m_hasKeptRows; }

    bool readRows(IClsCommon &srv, QString &sMsg);

    int rowCount() const { return int(m_rows.size()); }
    const SubRecordRow &row(int index) const { return m_rows.at(index); }
    // Appends an empty row (with a fresh GUID where the kind keeps one); the first row of an
    // empty list becomes the default. Returns its index.
    int addRow();
    // Fills the values of each added row further, such as a generated code; addedBefore counts
    // the rows added earlier.
    using RowInitializer = std::function<void(SubRecordRow &row, int addedBefore)>;
    void setRowInitializer(RowInitializer initializer) { m_initializer = std::move(initializer); }
    // Removing the default row makes the first remaining row the default.
    void removeRow(int index);
    void setValue(int rowIndex, int storedColumn, const QString &value);
    void setDefault(int rowIndex);

    // The text of a shown column for a row, looked up where the column is a name.
    QString shownText(IClsCommon &srv, int rowIndex, const SubRecordColumn &column) const;

    // The first problem found, as a message for the user; true when there is none.
    bool validate(IClsCommon &srv, const ResourceTable &texts, QString &sMsg) const;

    QString fragment() const;
    // Whether the rows differ from those read or handed over: adding a row and removing it
    // again changes nothing.
    bool isChanged() const { return m_rows != m_rowsAsGiven; }

private:
    bool validateRow(IClsCommon &srv, const ResourceTable &texts, int rowIndex,
                     QString &sMsg) const;
    bool validateUnique(const ResourceTable &texts, QString &sMsg) const;
    void readKeptRows(const QList<XmlElement> &rows);

    SubRecordKind m_kind;
    QString m_root;
    QList<std::pair<QString, QString>> m_parameters;
    QString m_customerCode;
    int m_rightLevel = 2;
    bool m_hasKeptRows = false;
    QList<SubRecordRow> m_rows;
    QList<SubRecordRow> m_rowsAsGiven;
    RowInitializer m_initializer;
    int m_added = 0;
};

} // namespace suite
