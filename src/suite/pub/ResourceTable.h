#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace suite {

// The table from resource key to user-visible text for one language. Keys compare without
// regard to case. The built-in tables are compiled from resources/<language>.tsv.
class ResourceTable
{
public:
    // The built-in table of a language region ("zh-cn", "en-US", ...); unknown regions get
    // the Chinese table, the suite's own language.
    static const ResourceTable &builtIn(const QString &languageRegion);
    // "zh-CN" or "en-US": the built-in table a language region selects.
    static QString tableLanguage(const QString &languageRegion);

    // Reads "key<TAB>text" lines; '#' starts a comment line; \n, \t and \\ in a text are
    // escapes. A line without a tab is an error reported in sMsg with its line number.
    bool loadTsv(const QString &content, QString &sMsg);
    bool loadFile(const QString &path, QString &sMsg);

    bool contains(const QString &key) const;
    // The text of a key; a missing key gives the key itself, so the user still sees which
    // message was meant, and a warning goes to the error log.
    QString text(const QString &key) const;
    // The text with %1, %2, ... replaced by the arguments in order. Placeholders without an
    // argument stay as they are; percent signs inside the arguments are not re-read.
    QString format(const QString &key, const QStringList &args) const;
    // Keys as written in the table, in file order.
    QStringList keys() const { return m_keys; }

    static QString fillPlaceholders(const QString &pattern, const QStringList &args);

private:
    QHash<QString, QString> m_texts;
    QStringList m_keys;
};

} // namespace suite
