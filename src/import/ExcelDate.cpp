#include "import/ExcelDate.h"

#include <cmath>

namespace customer {

namespace {

constexpr double kLastSerial = 2958465.0; // 9999-12-31
constexpr qint64 kMsPerDay = 86400000;

// Built-in number formats of dates and times, the East Asian ones included.
bool isBuiltInDateFormat(int id)
{
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47)
        || (id >= 50 && id <= 58);
}

bool isElapsedTime(const QString &bracketed)
{
    if (bracketed.isEmpty())
        return false;
    for (const QChar c : bracketed) {
        if (!QStringLiteral("hmsHMS").contains(c))
            return false;
    }
    return true;
}

// The format's letters that are codes, not text: quoted texts, escaped characters, colours and
// conditions in brackets are left out ([h], [mm] and [ss] are elapsed times, kept).
QString formatCodes(const QString &code)
{
    QString codes;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (c == u'"') {
            const qsizetype end = code.indexOf(u'"', i + 1);
            i = end < 0 ? code.size() : end;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'[') {
            const qsizetype end = code.indexOf(u']', i + 1);
            const QString inside = code.mid(i + 1, (end < 0 ? code.size() : end) - i - 1);
            if (isElapsedTime(inside))
                codes += inside.toLower();
            i = end < 0 ? code.size() : end;
        } else {
            codes += c.toLower();
        }
    }
    return codes;
}

} // namespace

QDateTime excelSerialDateTime(double serial, bool date1904)
{
    if (!std::isfinite(serial) || serial < 0 || serial > kLastSerial)
        return {};
    QDate epoch = date1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30);
    if (!date1904 && serial < 61)
        epoch = QDate(1899, 12, 31);
    // Rounded to the second: a time of day stored as a fraction is rarely exact.
    const qint64 ms = qint64(std::llround(serial * 86400.0)) * 1000;
    const QDate day = epoch.addDays(ms / kMsPerDay);
    if (day.year() < 1900)
        return {};
    return QDateTime(day, QTime::fromMSecsSinceStartOfDay(int(ms % kMsPerDay)));
}

QString excelDateText(const QDateTime &dateTime)
{
    if (dateTime.time() == QTime(0, 0))
        return dateTime.date().toString(Qt::ISODate);
    return dateTime.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

bool isDateNumberFormat(int numFmtId, const QString &formatCode)
{
    if (isBuiltInDateFormat(numFmtId))
        return true;
    for (const QChar c : formatCodes(formatCode)) {
        if (QStringLiteral("ymdhs").contains(c))
            return true;
    }
    return false;
}

} // namespace customer
