#include "suite/pub/GridCellText.h"

#include "suite/data/Field.h"
#include "suite/data/RecordSet.h"

#include <QDateTime>
#include <QLocale>

namespace suite {

namespace {

void putDigits(char16_t *at, int value, int count)
{
    for (int digit = count - 1; digit >= 0; --digit) {
        at[digit] = char16_t(u'0' + value % 10);
        value /= 10;
    }
}

// yyyy-MM-dd, with " HH:mm:ss" unless the time is midnight, as QDate::toString(Qt::ISODate)
// and QDateTime::toString("yyyy-MM-dd HH:mm:ss") write it for four-digit years, but without
// reading a format: an export formats millions of dates.
QString momentText(const QDate &date, const QTime &time)
{
    char16_t text[19] = { u'0', u'0', u'0', u'0', u'-', u'0', u'0', u'-', u'0', u'0',
                          u' ', u'0', u'0', u':', u'0', u'0', u':', u'0', u'0' };
    putDigits(text, date.year(), 4);
    putDigits(text + 5, date.month(), 2);
    putDigits(text + 8, date.day(), 2);
    const bool midnight = time == QTime(0, 0);
    if (!midnight) {
        putDigits(text + 11, time.hour(), 2);
        putDigits(text + 14, time.minute(), 2);
        putDigits(text + 17, time.second(), 2);
    }
    return QString(reinterpret_cast<const QChar *>(text), midnight ? 10 : 19);
}

QString dateText(const QVariant &value)
{
    QDateTime moment = value.toDateTime();
    if (!moment.isValid())
        moment = dateTimeFromText(value.toString());
    if (!moment.isValid())
        return value.toString();
    const QDate date = moment.date();
    const QTime time = moment.time();
    if (date.year() >= 1000 && date.year() <= 9999)
        return momentText(date, time);
    if (time == QTime(0, 0))
        return date.toString(Qt::ISODate);
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString numberText(double number, int adoType)
{
    const int digits = adoType == adCurrency ? 2 : QLocale::FloatingPointShortest;
    return QLocale::c().toString(number, 'f', digits);
}

QString realText(const QVariant &value, int adoType)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? numberText(number, adoType) : value.toString();
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number of count digits at text[at], or -1 when one of them is no digit.
int digitsAt(QByteArrayView text, qsizetype at, int count)
{
    int value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        if (!isDigit(text[i]))
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// A date as SQLite keeps it: "yyyy-MM-dd", with " HH:mm:ss" or "THH:mm:ss" and optionally
// ".zzz", written as momentText writes it. False for any other form (a year below 1000, other
// fractions, blanks), which the general road then reads.
bool appendStoredDate(QByteArrayView text, QByteArray &out)
{
    const qsizetype size = text.size();
    if ((size != 10 && size != 19 && size != 23) || text[4] != '-' || text[7] != '-')
        return false;
    const int year = digitsAt(text, 0, 4);
    const int month = digitsAt(text, 5, 2);
    const int day = digitsAt(text, 8, 2);
    if (year < 1000 || !QDate::isValid(year, month, day))
        return false;
    if (size == 10) {
        out += text;
        return true;
    }
    if ((text[10] != ' ' && text[10] != 'T') || text[13] != ':' || text[16] != ':'
        || (size == 23 && text[19] != '.'))
        return false;
    const int hour = digitsAt(text, 11, 2);
    const int minute = digitsAt(text, 14, 2);
    const int second = digitsAt(text, 17, 2);
    const int msec = size == 23 ? digitsAt(text, 20, 3) : 0;
    if (!QTime::isValid(hour, minute, second, msec))
        return false;
    out += text.first(10);
    if (hour != 0 || minute != 0 || second != 0 || msec != 0) {
        out += ' ';
        out += text.sliced(11, 8);
    }
    return true;
}

bool appendIntegerCell(qint64 value, TypeFamily shown, TypeFamily read, QByteArray &out)
{
    if (shown == TypeFamily::Boolean) {
        out += value != 0 ? '1' : '0';
        return true;
    }
    const bool plain = read == TypeFamily::Integer || read == TypeFamily::Text;
    if (!plain || (shown != TypeFamily::Integer && shown != TypeFamily::Text))
        return false;
    out += QByteArray::number(value);
    return true;
}

} // namespace

QString gridCellText(const QVariant &value, int adoType)
{
    if (value.isNull())
        return {};
    switch (typeFamily(adoType)) {
    case TypeFamily::DateTime:
        return dateText(value);
    case TypeFamily::Real:
        return realText(value, adoType);
    case TypeFamily::Boolean:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return value.toString();
    }
}

void appendGridCellUtf8(const SqlCursor &cursor, int column, int adoType, QByteArray &out)
{
    const CellStorage storage = cursor.storage(column);
    if (storage == CellStorage::Null)
        return;
    const TypeFamily shown = typeFamily(adoType);
    const TypeFamily read = typeFamily(cursor.fields().at(column).type);
    switch (storage) {
    case CellStorage::Text:
        if (shown == TypeFamily::Text && read == TypeFamily::Text) {
            out += cursor.utf8(column);
            return;
        }
        if (shown == TypeFamily::DateTime && read == TypeFamily::DateTime
            && appendStoredDate(cursor.utf8(column), out))
            return;
        break;
    case CellStorage::Integer:
        if (appendIntegerCell(cursor.integer(column), shown, read, out))
            return;
        if (shown == TypeFamily::Real && read != TypeFamily::Boolean
            && read != TypeFamily::DateTime) {
            out += numberText(double(cursor.integer(column)), adoType).toLatin1();
            return;
        }
        break;
    case CellStorage::Real:
        if (shown == TypeFamily::Real && read != TypeFamily::Boolean
            && read != TypeFamily::DateTime) {
            out += numberText(cursor.real(column), adoType).toLatin1();
            return;
        }
        break;
    default:
        break;
    }
    out += gridCellText(cursor.value(column), adoType).toUtf8();
}

Qt::Alignment gridCellAlignment(int adoType)
{
    switch (typeFamily(adoType)) {
    case TypeFamily::Integer:
    case TypeFamily::Real:
        return Qt::AlignRight | Qt::AlignVCenter;
    case TypeFamily::DateTime:
    case TypeFamily::Boolean:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace suite
