#pragma once

#include <QList>
#include <QString>

namespace suite {

// A column a reference window shows, with the resource key of its caption.
struct ReferenceColumn
{
    QString field;
    QString captionKey;
};

// One reference of the suite ("Customer_AA", "hr_ct007_AA", ...): the table its rows come
// from, the column that identifies a row (the code), the one that names it, the column whose
// value a reference edit keeps unless its reference set says otherwise, and what its window
// shows in which order.
struct ReferenceDefinition
{
    QString id;
    QString table;
    QString codeColumn;
    QString nameColumn;
    QString valueColumn;
    QList<ReferenceColumn> columns;
    QString titleKey;

    // The column set the list windows keep for this reference's rows.
    QString columnSetKey() const { return QStringLiteral("Ref") + table; }
    QString qualified(const QString &column) const { return table + u'.' + column; }
    QString orderBy() const { return qualified(codeColumn); }
};

// Every reference the customer archive names.
const QList<ReferenceDefinition> &referenceDefinitions();

// The reference id of a key as the edits receive it: in web mode the key is a URL whose
// "refid=" parameter names the reference ("http://host/ref?refid=Customer_AA").
QString referenceIdOfKey(const QString &refKey);

// The definition a key names, ids compared without regard to case; null for an unknown id.
const ReferenceDefinition *findReference(const QString &refKey);

} // namespace suite
