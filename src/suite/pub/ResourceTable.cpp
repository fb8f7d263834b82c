#include "suite/pub/ResourceTable.h"

#include "suite/core/ErrorLog.h"

#include <QFile>

namespace suite {

namespace {

QString unescape(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' || i + 1 == text.size()) {
            result.append(c);
            continue;
        }
        const QChar next = text[++i];
        if (next == u'n')
            result.append(u'\n');
        else if (next == u't')
            result.append(u'\t');
        else if (next == u'\\')
            result.append(u'\\');
        else
            result.append(c).append(next);
    }
    return result;
}

ResourceTable loadBuiltIn(const QString &language)
{
    ResourceTable table;
    QString sMsg;
    if (!table.loadFile(QStringLiteral(":/resources/%1.tsv").arg(language), sMsg))
        ErrorLog::instance().error(QStringLiteral("ResourceTable"), sMsg);
    return table;
}

} // namespace

QString ResourceTable::tableLanguage(const QString &languageRegion)
{
    return languageRegion.trimmed().startsWith(QLatin1String("en"), Qt::CaseInsensitive)
        ? QStringLiteral("en-US")
        : QStringLiteral("zh-CN");
}

const ResourceTable &ResourceTable::builtIn(const QString &languageRegion)
{
    static const ResourceTable chinese = loadBuiltIn(QStringLiteral("zh-CN"));
    static const ResourceTable english = loadBuiltIn(QStringLiteral("en-US"));
    return tableLanguage(languageRegion) == QLatin1String("en-US") ? english : chinese;
}

bool ResourceTable::loadTsv(const QString &content, QString &sMsg)
{
    QHash<QString, QString> texts;
    QStringList keys;
    const QStringList lines = content.split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QStringView line = QStringView(lines[n]);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        if (tab <= 0) {
            sMsg = QStringLiteral("line %1: expected key<TAB>text").arg(n + 1);
            return false;
        }
        const QString key = line.left(tab).trimmed().toString();
        if (texts.contains(key.toLower())) {
            sMsg = QStringLiteral("line %1: key %2 appears twice").arg(n + 1).arg(key);
            return false;
        }
        texts.insert(key.toLower(), unescape(line.mid(tab + 1)));
        keys.append(key);
    }
    m_texts = std::move(texts);
    m_keys = std::move(keys);
    return true;
}

bool ResourceTable::loadFile(const QString &path, QString &sMsg)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        sMsg = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    if (!loadTsv(QString::fromUtf8(file.readAll()), sMsg)) {
        sMsg = path + QStringLiteral(", ") + sMsg;
        return false;
    }
    return true;
}

bool ResourceTable::contains(const QString &key) const
{
    return m_texts.contains(key.trimmed().toLower());
}

QString ResourceTable::text(const QString &key) const
{
    const auto it = m_texts.constFind(key.trimmed().toLower());
    if (it != m_texts.constEnd())
        return *it;
    ErrorLog::instance().warning(QStringLiteral("ResourceTable"),
                                 QStringLiteral("no text for resource key %1").arg(key));
    return key;
}

QString ResourceTable::format(const QString &key, const QStringList &args) const
{
    return fillPlaceholders(text(key), args);
}

QString ResourceTable::fillPlaceholders(const QString &pattern, const QStringList &args)
{
    QString result;
    result.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        qsizetype end = i + 1;
        while (pattern[i] == u'%' && end < pattern.size() && pattern[end].isDigit())
            ++end;
        const int number = end > i + 1 ? pattern.mid(i + 1, end - i - 1).toInt() : 0;
        if (number >= 1 && number <= args.size()) {
            result.append(args[number - 1]);
            i = end - 1;
        } else {
            result.append(pattern[i]);
        }
    }
    return result;
}

} // namespace suite
