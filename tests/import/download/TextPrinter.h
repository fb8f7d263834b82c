#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Failed expectations show texts as text, not as the bytes of their characters.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '{';
    for (const QString &text : texts)
        *out << "\n  \"" << text.toStdString() << '"';
    *out << " }";
}
