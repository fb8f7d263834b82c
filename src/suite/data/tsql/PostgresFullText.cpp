#include "suite/data/tsql/PostgresFullText.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/tsql/SqliteFullText.h"

#include <algorithm>

namespace suite::tsql {

QString postgresSearchText(const QString &qualifier, const QStringList &fields)
{
    const QString prefix = qualifier.isEmpty() ? QString() : qualifier + u'.';
    QStringList parts;
    for (const QString &field : fields)
        parts.append(QStringLiteral("coalesce(%1%2::text, '')").arg(prefix, field.toLower()));
    return u'(' + parts.join(QStringLiteral(" || chr(10) || ")) + u')';
}

QString postgresSearchLetters(const QString &text)
{
    return QStringLiteral("string_to_array(regexp_replace(lower(%1), '[\\x01-\\x7f]+', '', "
                          "'g'), NULL)")
        .arg(text);
}

namespace {

// The letter the letters index finds a phrase by: the first beyond ASCII of a phrase too short
// for a trigram; empty for any other phrase.
QString indexedLetter(const QString &phrase)
{
    const QList<uint> letters = phrase.toUcs4();
    if (letters.size() >= 3)
        return QString();
    const auto beyondAscii =
        std::find_if(letters.begin(), letters.end(), [](uint letter) { return letter > 0x7f; });
    if (beyondAscii == letters.end())
        return QString();
    const char32_t letter = *beyondAscii;
    return QString::fromUcs4(&letter, 1);
}

} // namespace

bool postgresContains(const QStringList &arguments, QString &out, QString &sMsg)
{
    ContainsSearch search;
    if (!readContains(arguments, search, sMsg))
        return false;
    const QString text = postgresSearchText(search.qualifier, searchedFields(search.table));
    QStringList parts;
    for (const QString &phrase : std::as_const(search.phrases)) {
        const QString like =
            text + QStringLiteral(" ilike ") + likePattern(phrase) + QStringLiteral(" escape '\\'");
        const QString letter = indexedLetter(phrase);
        // The phrase first: where the list is read in its order, it turns most rows away
        // before their letters are taken apart.
        parts.append(letter.isEmpty() ? like
                                      : like + QStringLiteral(" and ") + postgresSearchLetters(text)
                             + QStringLiteral(" @> ")
                             + postgresSearchLetters(suite::sqlQuoted(letter)));
    }
    out = u'(' + parts.join(QStringLiteral(" and ")) + u')';
    return true;
}

} // namespace suite::tsql
