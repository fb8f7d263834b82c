#pragma once

#include <QString>

#include <ostream>

QT_BEGIN_NAMESPACE
// Failing comparisons show the texts, not their bytes.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE
