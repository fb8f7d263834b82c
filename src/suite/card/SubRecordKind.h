#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace suite {

class IClsCommon;

// One column of a sub-record table as its dialog shows it.
struct SubRecordColumn
{
    enum class Type { Text, Integer };

    QString name;
    QString captionKey;
    Type type = Type::Text;
    bool required = false;
    int maxLength = 0;
    // Kept in the fragment but never shown; a new row gets a fresh GUID in it.
    bool hiddenGuid = false;
    // A shown name looked up from the row's stored values; not part of the fragment. An empty
    // answer while the stored column lookupOf holds a code means the code names nothing, which
    // makes the row invalid.
    std::function<QString(IClsCommon &, const QStringList &storedValues)> lookup;
    QString lookupOf;
};

// What tells the sub-record kinds apart: their table, the parameter XML the card hands over and
// the columns the user edits.
struct SubRecordKind
{
    QString id;
    QString titleKey;
    QString table;
    // The column holding the customer code.
    QString ownerColumn;
    // Element names of the parameter XML (they differ in case between the kinds).
    QString codeElement;
    QString rightElement;
    // The root of the returned fragment; empty keeps the parameter root.
    QString fragmentRoot;
    // Stored columns in the order of the fragment's rows; lookup columns follow them on screen.
    QList<SubRecordColumn> columns;
    // The rows must differ in these columns.
    QStringList uniqueColumns;
    // The table's flag that marks one row as the default; empty when the table has none.
    QString defaultColumn;
    // What the read selects as the flag, "{code}" standing for the quoted customer code;
    // the flag column itself when empty.
    QString defaultExpression;
    QString orderColumn = QStringLiteral("AutoID");
    // When set, the fragment ends with this element holding the hidden GUID of the default row.
    QString defaultGuidElement;

    QList<SubRecordColumn> storedColumns() const;
    QList<SubRecordColumn> shownColumns() const;
    int storedIndex(const QString &column) const;
    // Reads the customer's rows in the stored columns' order, flag last.
    QString selectSql(const QString &cCusCode) const;
};

SubRecordKind deliverAddressKind();
SubRecordKind customerBankKind();
SubRecordKind invoiceCorpKind();
SubRecordKind customerPersonKind();
SubRecordKind customerRightsKind();
SubRecordKind contactKind();

} // namespace suite
