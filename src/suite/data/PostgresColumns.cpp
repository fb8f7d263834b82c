#include "suite/data/PostgresColumns.h"

#include "suite/data/RecordSet.h"

#include <QDate>
#include <QDateTime>

namespace suite::postgres_columns {

Field fieldOf(const QString &name, Oid type, int typmod)
{
    switch (type) {
    case oid::kBool:
        return { name, adBoolean, 2 };
    case oid::kInt2:
        return { name, adSmallInt, 2 };
    case oid::kInt4:
        return { name, adInteger, 4 };
    case oid::kInt8:
        return { name, adBigInt, 8 };
    case oid::kFloat4:
        return { name, adSingle, 4 };
    case oid::kFloat8:
        return { name, adDouble, 8 };
    case oid::kNumeric:
        return { name, adNumeric, 19 };
    case oid::kDate:
    case oid::kTimestamp:
    case oid::kTimestampTz:
        return { name, adDBTimeStamp, 16 };
    case oid::kBytea:
        return { name, adLongVarBinary, kLongTextSize };
    case oid::kUuid:
        return { name, adGUID, 16 };
    case oid::kVarchar:
    case oid::kBpchar:
        // typmod is the length plus the four bytes of the header; -1 when unbounded.
        if (typmod > 4)
            return { name, type == oid::kBpchar ? adWChar : adVarWChar, typmod - 4 };
        return { name, adLongVarWChar, kLongTextSize };
    default:
        return { name, adLongVarWChar, kLongTextSize };
    }
}

bool isSet(QByteArrayView text)
{
    return text == "t" || text == "1";
}

QVariant value(QByteArrayView text, bool isNull, Reader reader)
{
    if (isNull)
        return QVariant();
    switch (reader) {
    case Reader::Integer:
        return text.toInt();
    case Reader::BigInteger:
        return text.toLongLong();
    case Reader::Real:
        return text.toDouble();
    case Reader::Boolean:
        return isSet(text);
    case Reader::DateTime: {
        const QDateTime date = dateTimeFromText(QString::fromLatin1(text));
        return date.isValid() ? QVariant(date) : QVariant(QString::fromLatin1(text));
    }
    case Reader::Binary:
        // bytea's text form is \x followed by hex digits.
        return QByteArray::fromHex(text.sliced(qMin<qsizetype>(2, text.size())).toByteArray());
    case Reader::Text:
    case Reader::ByStorage:
        break;
    }
    return QString::fromUtf8(text);
}

QByteArray parameterText(const QVariant &value, bool &isNull, bool &binary)
{
    isNull = value.isNull();
    binary = false;
    if (isNull)
        return QByteArray();
    switch (value.typeId()) {
    case QMetaType::Bool:
        // A bit column of SQL Server is a smallint here; boolean reads '1' and '0' as well.
        return value.toBool() ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
    case QMetaType::Double:
    case QMetaType::Float:
        return QByteArray::number(value.toDouble(), 'g', 17);
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toLatin1();
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate).toLatin1();
    case QMetaType::QByteArray:
        binary = true;
        return value.toByteArray();
    default:
        return value.toString().toUtf8();
    }
}

} // namespace suite::postgres_columns
