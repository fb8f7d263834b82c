#include "suite/pub/GridCellText.h"

#include "suite/data/Field.h"
#include "suite/data/RecordSet.h"

#include <QDateTime>
#include <QLocale>

namespace suite {

namespace {

QString dateText(const QVariant &value)
{
    QDateTime moment = value.toDateTime();
    if (!moment.isValid())
        moment = dateTimeFromText(value.toString());
    if (!moment.isValid())
        return value.toString();
    if (moment.time() == QTime(0, 0))
        return moment.date().toString(Qt::ISODate);
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
