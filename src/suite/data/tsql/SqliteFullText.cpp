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

} // namespace

QString searchIndexTable(const QString &table)
{
    if (table.compare(QStringLiteral("Customer"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("CustomerSearch");
    return QString();
}

bool sqliteContains(const QStringList &arguments, QString &out, QString &sMsg)
{
    const std::optional<QString> table = searchedTable(arguments.value(0));
    if (!table) {
        sMsg = QStringLiteral("CONTAINS searches table.*, not %1").arg(arguments.value(0));
        return false;
    }
    const QString index = searchIndexTable(*table);
    if (index.isEmpty()) {
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
    const QString rowid = arguments.value(0).trimmed().chopped(2) + QStringLiteral(".rowid");
    QStringList longPhrases;
    QStringList parts;
    for (const QString &word : *words) {
        if (characters(word) >= kTrigram)
            longPhrases.append(ftsPhrase(word));
        else
            parts.append(rowsMatching(rowid, index, shortPhraseQuery(index, word)));
    }
    if (!longPhrases.isEmpty())
        parts.prepend(rowsMatching(rowid, index, sqlQuoted(longPhrases.join(u' '))));
    out = u'(' + parts.join(QStringLiteral(" and ")) + u')';
    return true;
}

} // namespace suite::tsql
