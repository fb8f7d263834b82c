#include "catalogue/LowerXmlTags.h"

#include <QLoggingCategory>

namespace customer {

namespace {

Q_LOGGING_CATEGORY(lcLowerXmlTags, "customer.lowerxmltags", QtWarningMsg)

inline QChar lowered(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return QChar(u >= u'A' && u <= u'Z' ? char16_t(u + 32) : u);
    return c.toLower();
}

inline bool endsLine(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Where the tag that opens at `open` closes: the first ">" after at least one character, on
// the same line; -1 when the line has none, and then the "<" is plain text. `unclosedUntil`
// remembers the end of a line found to have no ">", so that a line full of "<" is read once.
qsizetype tagEnd(const QChar *text, qsizetype open, qsizetype size, qsizetype &unclosedUntil)
{
    if (open < unclosedUntil)
        return -1;
    qsizetype i = open + 1;
    for (; i < size && !endsLine(text[i]); ++i) {
        if (text[i] == u'>' && i > open + 1)
            return i;
    }
    unclosedUntil = i;
    return -1;
}

void appendEscaped(QChar *&out, QChar c, bool escapeAmp)
{
    if (escapeAmp && c == u'&') {
        for (const QChar part : QStringView(u"&amp;"))
            *out++ = part;
        return;
    }
    *out++ = c;
}

} // namespace

void LowerXmlTags(QString &sXml, bool bEscapeAmp)
{
    qCDebug(lcLowerXmlTags) << "开始 替换特殊字符";
    const qsizetype size = sXml.size();
    const qsizetype ampersands = bEscapeAmp ? sXml.count(u'&') : 0;
    qCDebug(lcLowerXmlTags) << "完成 替换特殊字符";
    qCDebug(lcLowerXmlTags) << "开始 转换大小写";

    QString result(size + 4 * ampersands, Qt::Uninitialized);
    const QChar *in = sXml.constData();
    QChar *out = result.data();
    qsizetype i = 0;
    qsizetype unclosedUntil = 0;
    while (i < size) {
        const QChar c = in[i];
        const qsizetype close = c == u'<' ? tagEnd(in, i, size, unclosedUntil) : -1;
        if (close < 0) {
            appendEscaped(out, c, bEscapeAmp);
            ++i;
            continue;
        }
        for (; i <= close; ++i)
            appendEscaped(out, lowered(in[i]), bEscapeAmp);
    }
    sXml = std::move(result);
    qCDebug(lcLowerXmlTags) << "完成 regex.Execute(sXml)";
    qCDebug(lcLowerXmlTags) << "完成 转换大小写";
}

} // namespace customer
