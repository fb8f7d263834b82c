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

QString realText(const QVariant &value, int adoType)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return value.toString();
    const int digits = adoType == adCurrency ? 2 : QLocale::FloatingPointShortest;
    return QLocale::c().toString(number, 'f', digits);
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
