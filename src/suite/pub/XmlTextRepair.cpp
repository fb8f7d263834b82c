#include "suite/pub/XmlTextRepair.h"

#include <QRegularExpression>

namespace suite {

namespace {

// Comments, CDATA sections and declarations are copied as they are up to their end.
qsizetype skipVerbatim(const QString &xml, qsizetype from, QString &out)
{
    static const QList<std::pair<QString, QString>> blocks = {
        { QStringLiteral("<!--"), QStringLiteral("-->") },
        { QStringLiteral("<![CDATA["), QStringLiteral("]]>") },
        { QStringLiteral("<?"), QStringLiteral("?>") },
        { QStringLiteral("<!"), QStringLiteral(">") },
    };
    for (const auto &[open, close] : blocks) {
        if (!QStringView(xml).mid(from).startsWith(open))
            continue;
        const qsizetype end = xml.indexOf(close, from + open.size());
        const qsizetype stop = end < 0 ? xml.size() : end + close.size();
        out.append(QStringView(xml).mid(from, stop - from));
        return stop;
    }
    return from;
}

// Outside quotes a tag holds only names, '=', '/' and blanks, so lower-casing all of it
// lower-cases exactly the names.
qsizetype lowerTag(const QString &xml, qsizetype from, QString &out)
{
    QChar quote;
    qsizetype at = from;
    for (; at < xml.size(); ++at) {
        const QChar c = xml.at(at);
        if (!quote.isNull()) {
            out.append(c);
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == u'"' || c == u'\'')
            quote = c;
        out.append(c.toLower());
        if (c == u'>')
            return at + 1;
    }
    return at;
}

bool beginsEntity(const QString &xml, qsizetype at)
{
    static const QRegularExpression entity(
        QStringLiteral("\\G&(#[0-9]+|#x[0-9a-fA-F]+|[A-Za-z_][A-Za-z0-9._-]*);"));
    return entity.match(xml, at).hasMatch();
}

// A tag starts with a name (or '/', '!', '?') and closes, outside its quoted values, before
// another '<' opens.
bool beginsMarkup(const QString &xml, qsizetype at)
{
    if (at + 1 >= xml.size())
        return false;
    const QChar next = xml.at(at + 1);
    if (!next.isLetter() && next != u'_' && next != u'/' && next != u'!' && next != u'?')
        return false;
    QChar quote;
    for (qsizetype i = at + 1; i < xml.size(); ++i) {
        const QChar c = xml.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            return true;
        } else if (c == u'<') {
            return false;
        }
    }
    return false;
}

bool isForbiddenControl(QChar c)
{
    return c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r';
}

} // namespace

QString lowerXmlNames(const QString &xml)
{
    QString out;
    out.reserve(xml.size());
    qsizetype at = 0;
    while (at < xml.size()) {
        const qsizetype next = xml.indexOf(u'<', at);
        if (next < 0) {
            out.append(QStringView(xml).mid(at));
            break;
        }
        out.append(QStringView(xml).mid(at, next - at));
        const qsizetype skipped = skipVerbatim(xml, next, out);
        at = skipped != next ? skipped : lowerTag(xml, next, out);
    }
    return out;
}

QString repairRecordXml(const QString &xml)
{
    QString out;
    out.reserve(xml.size());
    bool inTag = false;
    QChar quote;
    for (qsizetype at = 0; at < xml.size(); ++at) {
        const QChar c = xml.at(at);
        if (isForbiddenControl(c))
            continue;
        if (c == u'&' && !beginsEntity(xml, at)) {
            out.append(QStringLiteral("&amp;"));
            continue;
        }
        if (c == u'<' && (!quote.isNull() || inTag || !beginsMarkup(xml, at))) {
            out.append(QStringLiteral("&lt;"));
            continue;
        }
        out.append(c);
        if (c == u'<') {
            inTag = true;
        } else if (inTag && quote.isNull() && (c == u'"' || c == u'\'')) {
            quote = c;
        } else if (c == quote) {
            quote = QChar();
        } else if (inTag && quote.isNull() && c == u'>') {
            inTag = false;
        }
    }
    return out;
}

} // namespace suite
