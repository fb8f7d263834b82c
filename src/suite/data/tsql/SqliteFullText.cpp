#include "suite/data/tsql/SqliteFullText.h"

#include "suite/core/SqlQuote.h"

#include <optional>

namespace suite::tsql {

namespace {

// Trigrams are the smallest strings the index finds by themselves.
constexpr int kTrigram = 3;
// Above every character, so that term < prefix || char(kLastCodePoint) ends the prefix's range.
constexpr int kLastCodePoint = 0x10FFFF;

QString unbracketed(QString name)
{
    name = name.trimmed();
    if (name.size() >= 2
        && ((name.front() == u'[' && name.back() == u']')
            || (name.front() == u'"' && name.back() == u'"')
            || (name.front() == u'`' && name.back() == u'`'))) {
        name = name.mid(1, name.size() - 2);
    }
    return name;
}

// "Customer.*" -> "Customer".
std::optional<QString> searchedTable(const QString &argument)
{
    const QString text = argument.trimmed();
    if (!text.endsWith(QStringLiteral(".*")))
        return std::nullopt;
    const QString table = unbracketed(text.left(text.size() - 2));
    if (table.isEmpty() || table.contains(u'.'))
        return std::nullopt;
    return table;
}

// The value of a string literal ('...' or N'...'), its doubled quotes made single.
std::optional<QString> literalValue(const QString &argument)
{
    QString text = argument.trimmed();
    if (text.startsWith(u'N') || text.startsWith(u'n'))
        text.remove(0, 1);
    if (text.size() < 2 || text.front() != u'\'' || text.back() != u'\'')
        return std::nullopt;
    const QString inner = text.mid(1, text.size() - 2);
    QString value;
    for (qsizetype at = 0; at < inner.size(); ++at) {
        if (inner[at] == u'\'') {
            if (at + 1 >= inner.size() || inner[at + 1] != u'\'')
                return std::nullopt;
            ++at;
        }
        value += inner[at];
    }
    return value;
}

qsizetype skipSpaces(const QString &text, qsizetype at)
{
    while (at < text.size() && text[at].isSpace())
        ++at;
    return at;
}

// The phrases of '"a" AND "b"'; nullopt for anything else.
std::optional<QStringList> phrases(const QString &condition)
{
    QStringList found;
    qsizetype at = skipSpaces(condition, 0);
    while (true) {
        if (at >= condition.size() || condition[at] != u'"')
            return std::nullopt;
        QString phrase;
        for (++at;; ++at) {
            if (at >= condition.size())
                return std::nullopt;
            if (condition[at] == u'"') {
                if (at + 1 < condition.size() && condition[at + 1] == u'"') {
                    phrase += u'"';
                    ++at;
                    continue;
                }
                ++at;
                break;
            }
            phrase += condition[at];
        }
        if (phrase.trimmed().isEmpty())
            return std::nullopt;
        found.append(phrase);
        at = skipSpaces(condition, at);
        if (at >= condition.size())
            return found;
        if (condition.mid(at, 3).compare(QStringLiteral("and"), Qt::CaseInsensitive) != 0
            || at + 3 >= condition.size() || !condition[at + 3].isSpace()) {
            return std::nullopt;
        }
        at = skipSpaces(condition, at + 3);
    }
}

qsizetype characters(const QString &text)
{
    return text.toUcs4().size();
}

QString ftsPhrase(const QString &phrase)
{
    return u'"' + QString(phrase).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString rowsMatching(const QString &rowid, const QString &index, const QString &query)
{
    return QStringLiteral("%1 in (select rowid from %2 where %2 match %3)")
        .arg(rowid, index, query);
}

// The trigrams a short phrase starts, OR-ed; the phrase itself, which finds nothing, when no
// trigram starts with it.
QString shortPhraseQuery(const QString &index, const QString &phrase)
{
    const QString start = sqlQuoted(phrase.toLower());
    return QStringLiteral("(select ifnull(group_concat('\"' || replace(term, '\"', '\"\"') || "
                          "'\"', ' OR '), %1) from %2Terms where term >= %3 and term < %3 || "
                          "char(%4))")
        .arg(sqlQuoted(ftsPhrase(phrase)), index, start, QString::number(kLastCodePoint));
}

// Whether one of the searched fields of the row named by qualifier holds phrase.
QString fieldsHolding(const QString &qualifier, const QStringList &fields, const QString &phrase,
                      const QString &likeOperator = QStringLiteral("like"))
{
    const QString pattern = likePattern(phrase);
    QStringList tests;
    for (const QString &field : fields)
        tests.append(qualifier + u'.' + field + u' ' + likeOperator + u' ' + pattern
                     + QStringLiteral(" escape '\\'"));
    return u'(' + tests.join(QStringLiteral(" or ")) + u')';
}

QString ftsQuery(const QStringList &phrases)
{
    QStringList quoted;
    for (const QString &phrase : phrases)
        quoted.append(ftsPhrase(phrase));
    return quoted.join(u' ');
}

// The phrases of a search, split by whether the index finds them by themselves.
struct SearchPhrases
{
    QStringList longer;
    QStringList shorter;
};

SearchPhrases splitByLength(const QStringList &words)
{
    SearchPhrases phrases;
    for (const QString &word : words)
        (characters(word) >= kTrigram ? phrases.longer : phrases.shorter).append(word);
    return phrases;
}

// Whether so many rows match that walking the list finds a page sooner than the index.
bool walksTheList(const FullTextStatistics *statistics, const QString &table, const QString &index,
                  const SearchPhrases &phrases)
{
    if (!statistics)
        return false;
    const qint64 many = statistics->manyRows();
    if (!phrases.longer.isEmpty())
        return statistics->matchingRows(index, ftsQuery(phrases.longer), many) >= many;
    QStringList tests;
    for (const QString &phrase : phrases.shorter)
        tests.append(fieldsHolding(table, searchedFields(table), phrase));
    return statistics->estimatedRows(table, tests.join(QStringLiteral(" and "))) >= many;
}

} // namespace

QString likePattern(const QString &phrase)
{
    QString escaped = QStringLiteral("%");
    for (const QChar c : phrase) {
        if (c == u'\\' || c == u'%' || c == u'_')
            escaped += u'\\';
        escaped += c;
    }
    return sqlQuoted(escaped + u'%');
}

QString searchIndexTable(const QString &table)
{
    if (table.compare(QStringLiteral("Customer"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("CustomerSearch");
    return QString();
}

QStringList searchedFields(const QString &table)
{
    if (searchIndexTable(table).isEmpty())
        return {};
    return { QStringLiteral("cCusCode"),    QStringLiteral("cCusName"),
             QStringLiteral("cCusAbbName"), QStringLiteral("cCusMnemCode"),
             QStringLiteral("cCusPhone"),   QStringLiteral("cCusHand"),
             QStringLiteral("cCusRegCode") };
}

bool readContains(const QStringList &arguments, ContainsSearch &search, QString &sMsg)
{
    const std::optional<QString> table = searchedTable(arguments.value(0));
    if (!table) {
        sMsg = QStringLiteral("CONTAINS searches table.*, not %1").arg(arguments.value(0));
        return false;
    }
    if (searchIndexTable(*table).isEmpty()) {
        sMsg = QStringLiteral("the table %1 has no full-text index").arg(*table);
        return false;
    }
    const std::optional<QString> condition = literalValue(arguments.value(1));
    const std::optional<QStringList> words = condition ? phrases(*condition) : std::nullopt;
    if (!words) {
        sMsg = QStringLiteral("the condition of CONTAINS must be phrases in double quotes joined "
                              "by AND: %1")
                   .arg(arguments.value(1));
        return false;
    }
    search.table = *table;
    search.qualifier = arguments.value(0).trimmed().chopped(2);
    search.phrases = *words;
    return true;
}

bool sqliteContains(const QStringList &arguments, const FullTextStatistics *statistics,
                    QString &out, QString &sMsg)
{
    ContainsSearch search;
    if (!readContains(arguments, search, sMsg))
        return false;
    const QString index = searchIndexTable(search.table);
    const QString &qualifier = search.qualifier;
    const QString rowid = qualifier + QStringLiteral(".rowid");
    const QStringList fields = searchedFields(search.table);
    const SearchPhrases split = splitByLength(search.phrases);
    QStringList parts;
    if (walksTheList(statistics, search.table, index, split)) {
        for (const QString &word : search.phrases)
            parts.append(fieldsHolding(qualifier, fields, word));
    } else if (!split.longer.isEmpty()) {
        parts.append(rowsMatching(rowid, index, sqlQuoted(ftsQuery(split.longer))));
        for (const QString &word : split.shorter)
            parts.append(fieldsHolding(qualifier, fields, word));
    } else {
        for (const QString &word : split.shorter)
            parts.append(rowsMatching(rowid, index, shortPhraseQuery(index, word)));
    }
    out = u'(' + parts.join(QStringLiteral(" and ")) + u')';
    return true;
}

} // namespace suite::tsql
