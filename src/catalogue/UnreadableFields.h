#pragma once

#include <QString>
#include <QStringList>

namespace customer {

// The fields of column-rights level N for the session's user, in lower case. Such a field is
// never read for that user: not in the list, its export, the card, locate or a filter.
QStringList unreadableFields();

// Whether field (qualified or not; matched by its last part, case aside) may not be read.
bool isUnreadableField(const QString &field);

// The column-set XML without the columns of unreadable fields, so that the list neither shows,
// reads nor sorts by them. An XML that does not read comes back as it is, for its reader to
// report.
QString withoutUnreadableColumns(const QString &colSetXml);

// The select list of every column of table under alias: "a.*" when every field may be read,
// otherwise the columns one by one with each unreadable one as "null as <column>", so that the
// record keeps its shape and never carries the value. Empty when the table cannot be read.
QString readableColumnsOf(const QString &table, const QString &alias);

// The user-defined field list of the session ("name1,name2,") with each unreadable field as
// "null as <name>".
QString readableExtraFields(const QString &extraFields);

} // namespace customer
