#pragma once

#include <QDateTime>
#include <QString>

namespace customer {

// A serial date of a workbook (days since its epoch, the time of day as the fraction) as a
// date and time; invalid for a serial outside the years 1900 to 9999. The 1900 system counts
// the 29 February 1900 that never was, so serials before 61 are one day off there.
QDateTime excelSerialDateTime(double serial, bool date1904 = false);

// The date as a cell text: "2026-12-07", or "2026-12-07 08:30:00" when it has a time of day.
QString excelDateText(const QDateTime &dateTime);

// True when a number format shows a date or time: the built-in date formats and every custom
// format with a year, month, day, hour or second outside its quoted and bracketed texts.
bool isDateNumberFormat(int numFmtId, const QString &formatCode);

} // namespace customer
