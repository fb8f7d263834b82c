#include "suite/data/SqliteColumns.h"

#include "suite/data/RecordSet.h"
#include "suite/data/SqliteConnection.h"

#include <QDateTime>

#include <sqlite3.h>

namespace suite::sqlite_columns {

namespace {

QVariant integerValue(qlonglong value, Reader reader)
{
    switch (reader) {
    case Reader::Integer:
        return value == int(value) ? QVariant(int(value)) : QVariant(value);
    case Reader::Real:
        return double(value);
    case Reader::Boolean:
        return value != 0;
    case Reader::Text:
        return QString::number(value);
    default:
        return value;
    }
}

QVariant realValue(double value, Reader reader)
{
    switch (reader) {
    case Reader::Boolean:
        return value != 0;
    case Reader::Text:
        return QString::number(value, 'g', 17);
    default:
        return value;
    }
}

QVariant textValue(QString text, Reader reader)
{
    if (reader == Reader::DateTime) {
        const QDateTime date = dateTimeFromText(text);
        if (date.isValid())
            return date;
    } else if (reader == Reader::Boolean) {
        if (text.compare(u"true", Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(u"false", Qt::CaseInsensitive) == 0)
            return false;
    }
    return text;
}

} // namespace

QVariant value(sqlite3_stmt *statement, int column, Reader reader)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return integerValue(sqlite3_column_int64(statement, column), reader);
    case SQLITE_FLOAT:
        return realValue(sqlite3_column_double(statement, column), reader);
    case SQLITE_TEXT: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
        return textValue(QString::fromUtf8(text, sqlite3_column_bytes(statement, column)), reader);
    }
    case SQLITE_BLOB: {
        const auto *data = static_cast<const char *>(sqlite3_column_blob(statement, column));
        return QByteArray(data, sqlite3_column_bytes(statement, column));
    }
    default:
        return QVariant();
    }
}

void describe(sqlite3_stmt *statement, QList<Field> &fields, std::vector<Reader> &readers)
{
    const int width = sqlite3_column_count(statement);
    fields.clear();
    readers.clear();
    for (int column = 0; column < width; ++column) {
        const QString name = QString::fromUtf8(sqlite3_column_name(statement, column));
        const char *declared = sqlite3_column_decltype(statement, column);
        fields.append(declared ? fieldOfDeclaredType(name, QString::fromUtf8(declared))
                               : Field{ name, adLongVarWChar, kLongTextSize });
        readers.push_back(declared ? cellReaderOf(fields.last().type) : Reader::ByStorage);
    }
}

} // namespace suite::sqlite_columns
