#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <ostream>

// Qt values as a failed expectation shows them: texts as UTF-8, lists one item after another.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '{';
    for (const QString &text : texts) {
        *out << "\n  ";
        PrintTo(text, out);
    }
    *out << " }";
}

inline void PrintTo(const QVariant &value, std::ostream *out)
{
    *out << value.typeName() << '(' << value.toString().toStdString() << ')';
}
