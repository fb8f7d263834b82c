#pragma once

#include "suite/core/XmlDocument.h"

#include <QHash>
#include <QString>

namespace customer {

// One staging row as the transfer reads it from the record-set XML of the selection: the
// values by field name in any case. A field the row has no value for (null, or empty text) is
// absent, so that a modify leaves the archive's value alone and the fall-backs apply.
class StagingRow
{
public:
    StagingRow() = default;
    // The attributes of a "z:row" element.
    static StagingRow fromElement(const suite::XmlElement &row);

    bool has(const QString &field) const;
    QString value(const QString &field) const;
    void set(const QString &field, const QString &value);
    void remove(const QString &field);

private:
    QHash<QString, QString> m_values; // by lower-case name
};

} // namespace customer
