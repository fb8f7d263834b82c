#pragma once

#include <QString>

namespace suite {
class RecordSet;
}

namespace customer {

// The joins a select list of the customer list needs: one per display field it names (the
// field names are looked for without regard to case, anywhere in cFields), in a fixed order,
// and always the extended fields last. The list writes "Select " + fields + " from Customer "
// + this + its own where clause. The import list passes its staging table as cMainTable; the
// main table's qualifications in the joins then name that table.
QString BuildJoinClause(const QString &cFields,
                        const QString &cMainTable = QStringLiteral("Customer"));

// The user's column set of cKey: its XML, its select list, its order clause (see
// GetOrderClause) and its columns as a record set.
void GetColSetSql(const QString &cKey, QString &sColXml, QString &sSelect, QString &sOrder,
                  suite::RecordSet &rsColSet);

// " Order by " + the column set's sort list + " ", or empty when no column is sorted.
QString GetOrderClause(const QString &sColXml);

// sSql, trimmed, with its select list replaced by cFields: everything from the first " from"
// (any case) on is kept. A text without " from" is only trimmed.
void ReplaceSelectList(QString &sSql, const QString &cFields);

// Fills g_cExtraFields with the lower-cased extended-field columns, each followed by ",". A
// table that cannot be read leaves the list as it was.
void LoadExtraFieldNames();

} // namespace customer
