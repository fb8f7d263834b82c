#pragma once

#include "suite/data/Field.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace suite {

// Where a writable record set sends the rows added to it. The fields and values are those of
// the new row that are not null, in the record set's column order.
class RowWriter
{
public:
    virtual ~RowWriter() = default;

    virtual bool insertRow(const QString &table, const QList<Field> &fields,
                           const QVariantList &values, QString &sMsg) = 0;
};

} // namespace suite
