#pragma once

#include <QString>

namespace suite {

// The ADO data type codes; callers compare Field::type against them as the component's code does.
enum AdoType : int {
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,
    adBoolean = 11,
    adDecimal = 14,
    adTinyInt = 16,
    adUnsignedTinyInt = 17,
    adBigInt = 20,
    adGUID = 72,
    adBinary = 128,
    adChar = 129,
    adWChar = 130,
    adNumeric = 131,
    adDBTimeStamp = 135,
    adVarChar = 200,
    adLongVarChar = 201,
    adVarWChar = 202,
    adLongVarWChar = 203,
    adVarBinary = 204,
    adLongVarBinary = 205,
};

// The defined size ADO reports for long text columns (ntext).
constexpr int kLongTextSize = 1073741823;

struct Field
{
    QString name;
    int type = adVarWChar;
    int definedSize = 0;

    bool operator==(const Field &other) const = default;
};

// How values of a type behave when they are compared, converted or written out.
enum class TypeFamily { Text, Integer, Real, Boolean, DateTime, Binary, Other };

inline TypeFamily typeFamily(int type)
{
    switch (type) {
    case adChar:
    case adWChar:
    case adVarChar:
    case adLongVarChar:
    case adVarWChar:
    case adLongVarWChar:
    case adGUID:
        return TypeFamily::Text;
    case adSmallInt:
    case adInteger:
    case adTinyInt:
    case adUnsignedTinyInt:
    case adBigInt:
        return TypeFamily::Integer;
    case adSingle:
    case adDouble:
    case adCurrency:
    case adDecimal:
    case adNumeric:
        return TypeFamily::Real;
    case adBoolean:
        return TypeFamily::Boolean;
    case adDate:
    case adDBTimeStamp:
        return TypeFamily::DateTime;
    case adBinary:
    case adVarBinary:
    case adLongVarBinary:
        return TypeFamily::Binary;
    default:
        return TypeFamily::Other;
    }
}

// How a backend turns the stored values of a column into QVariants: by the family of the
// column's type, a big integer apart so that it keeps its width. ByStorage is for a column
// that declares no type (an SQLite expression): each value is read as it is stored.
enum class CellReader { Text, Integer, BigInteger, Real, Boolean, DateTime, Binary, ByStorage };

inline CellReader cellReaderOf(int type)
{
    switch (typeFamily(type)) {
    case TypeFamily::Integer:
        return type == adBigInt ? CellReader::BigInteger : CellReader::Integer;
    case TypeFamily::Real:
        return CellReader::Real;
    case TypeFamily::Boolean:
        return CellReader::Boolean;
    case TypeFamily::DateTime:
        return CellReader::DateTime;
    case TypeFamily::Binary:
        return CellReader::Binary;
    default:
        return CellReader::Text;
    }
}

} // namespace suite
