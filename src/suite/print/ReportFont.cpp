#include "suite/print/ReportFont.h"

#include <QFontDatabase>
#include <QtEndian>

namespace suite {

namespace {

const QStringList kChineseFamilies{ QStringLiteral("WenQuanYi Micro Hei"),
                                    QStringLiteral("Noto Sans CJK SC"),
                                    QStringLiteral("Noto Sans SC") };
// The tables a TrueType font must have for the layout to measure and the PDF writer to embed.
const char *const kNeededTables[] = { "head", "hhea", "hmtx", "maxp", "loca", "glyf" };
constexpr int kBasicPlane = 0x10000;

template<class T> T readAt(const QByteArray &table, int offset)
{
    if (offset < 0 || offset + int(sizeof(T)) > table.size())
        return T(0);
    return qFromBigEndian<T>(table.constData() + offset);
}

QFont chineseFont()
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : kChineseFamilies) {
        if (installed.contains(family))
            return QFont(family);
    }
    return QFont();
}

} // namespace

const ReportFont &ReportFont::standard()
{
    static const ReportFont font(chineseFont());
    return font;
}

ReportFont::ReportFont(const QFont &font)
    : m_font(font)
    , m_raw(QRawFont::fromFont(font))
    , m_bmpGlyphs(kBasicPlane, 0)
{
    m_valid = m_raw.isValid() && readMetrics();
    if (!m_valid)
        return;
    // Surrogates stand for nothing alone; a pair is looked up as one character.
    std::vector<QChar> characters(kBasicPlane);
    for (int unit = 0; unit < kBasicPlane; ++unit)
        characters[unit] = QChar::isSurrogate(char32_t(unit)) ? QChar() : QChar(char16_t(unit));
    std::vector<quint32> glyphs(kBasicPlane);
    int found = kBasicPlane;
    if (!m_raw.glyphIndexesForChars(characters.data(), kBasicPlane, glyphs.data(), &found)
        || found != kBasicPlane) {
        m_valid = false;
        return;
    }
    for (int unit = 0; unit < kBasicPlane; ++unit)
        m_bmpGlyphs[unit] = glyphs[unit] < m_advances.size() ? quint16(glyphs[unit]) : 0;
}

bool ReportFont::readMetrics()
{
    for (const char *tag : kNeededTables) {
        if (m_raw.fontTable(tag).isEmpty())
            return false;
    }
    const QByteArray head = m_raw.fontTable("head");
    const QByteArray hhea = m_raw.fontTable("hhea");
    const QByteArray hmtx = m_raw.fontTable("hmtx");
    m_unitsPerEm = readAt<quint16>(head, 18);
    m_box = QRect(QPoint(readAt<qint16>(head, 36), readAt<qint16>(head, 38)),
                  QPoint(readAt<qint16>(head, 40), readAt<qint16>(head, 42)));
    m_ascender = readAt<qint16>(hhea, 4);
    m_descender = readAt<qint16>(hhea, 6);
    m_lineGap = readAt<qint16>(hhea, 8);
    const int metrics = readAt<quint16>(hhea, 34);
    const int glyphs = readAt<quint16>(m_raw.fontTable("maxp"), 4);
    if (m_unitsPerEm <= 0 || metrics <= 0 || glyphs <= 0 || hmtx.size() < 4 * metrics)
        return false;
    // Glyphs after the last full metric share its advance.
    m_advances.resize(glyphs);
    for (int glyph = 0; glyph < glyphs; ++glyph)
        m_advances[glyph] = readAt<quint16>(hmtx, 4 * std::min(glyph, metrics - 1));
    return true;
}

QFont ReportFont::font(qreal points, bool bold) const
{
    QFont sized = m_font;
    sized.setPointSizeF(points);
    sized.setBold(bold);
    return sized;
}

QByteArray ReportFont::postScriptName() const
{
    QByteArray name;
    for (const QChar c : m_raw.familyName()) {
        if (c.unicode() < 0x80 && c.isLetterOrNumber())
            name += char(c.unicode());
    }
    return name.isEmpty() ? QByteArrayLiteral("ReportFont") : name;
}

QByteArray ReportFont::table(const char *tag) const
{
    return m_raw.fontTable(tag);
}

quint16 ReportFont::glyph(char32_t codePoint) const
{
    if (codePoint < char32_t(kBasicPlane))
        return m_bmpGlyphs[codePoint];
    const char16_t pair[2] = { QChar::highSurrogate(codePoint), QChar::lowSurrogate(codePoint) };
    quint32 found = 0;
    int count = 1;
    if (!m_raw.glyphIndexesForChars(reinterpret_cast<const QChar *>(pair), 2, &found, &count))
        return 0;
    return found < m_advances.size() ? quint16(found) : 0;
}

qreal ReportFont::width(QStringView text, qreal points) const
{
    int units = 0;
    forEachGlyph(text, [&](char32_t, quint16 glyph) { units += advance(glyph); });
    return scaled(units, points);
}

} // namespace suite
