#pragma once

#include <QDate>
#include <QString>

namespace demo {

// Dates as the company database keeps them, 'YYYY-MM-DD HH:MM:SS.fff' like SQL Server's
// datetime reads back. Written by hand because a million customers carry ten million dates
// and QDate::toString with a format costs several times more.
QString sqlDateTime(const QDate &date, int secondOfDay = 0);

// Money rounded to cents, as a money column holds it.
inline double cents(double amount)
{
    return double(qRound64(amount * 100.0)) / 100.0;
}

} // namespace demo
