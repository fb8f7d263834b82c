#pragma once

#include "suite/data/Field.h"

#include <QByteArrayView>
#include <QVariant>

#include <libpq-fe.h>

namespace suite::postgres_columns {

// How the text libpq gives for a value of a column is read: by the family of the column's type.
using Reader = CellReader;

// The type object ids of the server's built-in types the data service reads.
namespace oid {
constexpr Oid kBool = 16;
constexpr Oid kBytea = 17;
constexpr Oid kInt8 = 20;
constexpr Oid kInt2 = 21;
constexpr Oid kInt4 = 23;
constexpr Oid kText = 25;
constexpr Oid kFloat4 = 700;
constexpr Oid kFloat8 = 701;
constexpr Oid kBpchar = 1042;
constexpr Oid kVarchar = 1043;
constexpr Oid kDate = 1082;
constexpr Oid kTimestamp = 1114;
constexpr Oid kTimestampTz = 1184;
constexpr Oid kNumeric = 1700;
constexpr Oid kUuid = 2950;
} // namespace oid

// The column of a result as ADO describes it; a varchar's typmod carries its length. Any other
// type (citext, an extension's type, among them) reads as long text.
Field fieldOf(const QString &name, Oid type, int typmod);

// Whether a cell read as a flag is set: a boolean's 't', or a bit column's 1, since a bit
// column is a smallint on the server (see ShownField).
bool isSet(QByteArrayView text);
// The value of a cell as libpq gives it in text form; null is a null QVariant.
QVariant value(QByteArrayView text, bool isNull, Reader reader);

// A value bound to a statement parameter, in the server's text form; a byte array goes in
// binary form (binary set), a null QVariant as SQL NULL (isNull set).
QByteArray parameterText(const QVariant &value, bool &isNull, bool &binary);

} // namespace suite::postgres_columns
