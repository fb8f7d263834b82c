#pragma once

#include "suite/data/Field.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QVariant>

namespace suite {

// How the database holds one value of a row.
enum class CellStorage { Null, Integer, Real, Text, Blob };

// The rows of one statement read forward, one row at a time, without a value object per cell:
// a reader of a whole list (an export) holds only the row it stands on, and the rows come from
// one statement, so they are one consistent state of the data however long the read takes.
// The values of a row stay valid until the next call of next().
class SqlCursor
{
public:
    virtual ~SqlCursor() = default;

    // The statement's columns as a record set of it describes them; a column of an expression,
    // which declares no type, is described as long text.
    virtual const QList<Field> &fields() const = 0;
    // Moves to the next row. False after the last one, and false with the reason in sMsg when
    // the read fails.
    virtual bool next(QString &sMsg) = 0;

    virtual CellStorage storage(int column) const = 0;
    virtual qint64 integer(int column) const = 0;
    virtual double real(int column) const = 0;
    // The value as UTF-8 text, numbers as the database writes them.
    virtual QByteArrayView utf8(int column) const = 0;
    // The value as a record set of the same statement holds it.
    virtual QVariant value(int column) const = 0;
};

} // namespace suite
