#pragma once

#include <QString>

namespace suite {

// A value's quotes doubled, for placing it between single quotes in a SQL text: whatever it
// holds, it stays one value of the statement, and a value without quotes is unchanged.
inline QString sqlQuote(const QString &value)
{
    return QString(value).replace(u'\'', QStringLiteral("''"));
}

// The value between single quotes: O'Brien -> 'O''Brien'.
inline QString sqlQuoted(const QString &value)
{
    return u'\'' + sqlQuote(value) + u'\'';
}

// The value as a Unicode literal of SQL Server: O'Brien -> N'O''Brien'.
inline QString sqlUnicode(const QString &value)
{
    return u'N' + sqlQuoted(value);
}

} // namespace suite
