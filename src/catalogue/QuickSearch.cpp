#include "catalogue/QuickSearch.h"

#include "suite/core/SqlQuote.h"

namespace customer {

QStringList quickSearchWords(const QString &text)
{
    QString spaced = text;
    for (QChar &c : spaced) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    return spaced.simplified().split(u' ', Qt::SkipEmptyParts).mid(0, kMaxQuickSearchWords);
}

QString quickSearchCondition(const QString &text)
{
    QStringList phrases;
    for (const QString &word : quickSearchWords(text))
        phrases.append(u'"' + QString(word).replace(u'"', QStringLiteral("\"\"")) + u'"');
    if (phrases.isEmpty())
        return QString();
    return QStringLiteral("CONTAINS(Customer.*, %1)")
        .arg(suite::sqlUnicode(phrases.join(QStringLiteral(" AND "))));
}

} // namespace customer
