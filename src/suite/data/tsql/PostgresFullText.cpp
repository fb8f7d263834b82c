#include "suite/data/tsql/PostgresFullText.h"

#include "suite/data/tsql/SqliteFullText.h"

namespace suite::tsql {

QString postgresSearchText(const QString &qualifier, const QStringList &fields)
{
    const QString prefix = qualifier.isEmpty() ? QString() : qualifier + u'.';
    QStringList parts;
    for (const QString &field : fields)
        parts.append(QStringLiteral("coalesce(%1%2::text, '')").arg(prefix, field.toLower()));
    return u'(' + parts.join(QStringLiteral(" || chr(10) || ")) + u')';
}

bool postgresContains(const QStringList &arguments, QString &out, QString &sMsg)
{
    ContainsSearch search;
    if (!readContains(arguments, search, sMsg))
        return false;
    const QString text = postgresSearchText(search.qualifier, searchedFields(search.table));
    QStringList parts;
    for (const QString &phrase : std::as_const(search.phrases))
        parts.append(text + QStringLiteral(" ilike ") + likePattern(phrase)
                     + QStringLiteral(" escape '\\'"));
    out = u'(' + parts.join(QStringLiteral(" and ")) + u')';
    return true;
}

} // namespace suite::tsql
