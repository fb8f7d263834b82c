#pragma once

#include <QByteArray>
#include <QFont>
#include <QRawFont>
#include <QRect>
#include <QStringView>

#include <vector>

namespace suite {

// The one font of a printed report, measured from the tables of its font file: the widths the
// layout plans with are the very advances the PDF writer declares for the glyphs it embeds, so
// a column is as wide in a file as on paper. Every character of the basic plane is looked up
// once when the font loads; measuring is then a sum of table entries, far quicker than
// QFontMetricsF for each of the many thousand cells of a report.
class ReportFont
{
public:
    // The report font of this process, loaded on first use: WenQuanYi Micro Hei, or the first
    // Chinese family installed, so that Chinese prints and embeds in PDF files.
    static const ReportFont &standard();

    explicit ReportFont(const QFont &font);

    // False when the font has no TrueType outlines to embed.
    bool isValid() const { return m_valid; }
    // The font for QPainter at a size.
    QFont font(qreal points, bool bold = false) const;
    // The family without blanks, as PDF names a font.
    QByteArray postScriptName() const;
    QByteArray table(const char *tag) const;

    // Design units, as the font's tables hold them.
    int unitsPerEm() const { return m_unitsPerEm; }
    int glyphCount() const { return int(m_advances.size()); }
    int advance(quint16 glyph) const { return glyph < m_advances.size() ? m_advances[glyph] : 0; }
    int ascender() const { return m_ascender; }
    int descender() const { return m_descender; } // below the baseline: negative
    QRect boundingBox() const { return m_box; }
    // 0 (the missing glyph) for a character the font lacks.
    quint16 glyph(char32_t codePoint) const;

    // Calls visit(codePoint, glyph) for each character of text, a surrogate pair as one.
    template<class Visit> void forEachGlyph(QStringView text, Visit &&visit) const;

    // Points at a size of `points`.
    qreal width(QStringView text, qreal points) const;
    qreal width(QChar c, qreal points) const
    {
        return scaled(advance(m_bmpGlyphs[c.unicode()]), points);
    }
    qreal ascent(qreal points) const { return scaled(m_ascender, points); }
    qreal height(qreal points) const { return scaled(m_ascender - m_descender, points); }
    qreal lineSpacing(qreal points) const
    {
        return scaled(m_ascender - m_descender + m_lineGap, points);
    }

private:
    qreal scaled(int units, qreal points) const { return units * points / m_unitsPerEm; }
    bool readMetrics();

    QFont m_font;
    QRawFont m_raw;
    bool m_valid = false;
    std::vector<quint16> m_bmpGlyphs; // by UTF-16 code unit
    std::vector<quint16> m_advances; // by glyph
    int m_unitsPerEm = 1000;
    int m_ascender = 800;
    int m_descender = -200;
    int m_lineGap = 0;
    QRect m_box;
};

template<class Visit> void ReportFont::forEachGlyph(QStringView text, Visit &&visit) const
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate()) {
            const char32_t codePoint = QChar::surrogateToUcs4(c, text[i + 1]);
            ++i;
            visit(codePoint, glyph(codePoint));
        } else {
            visit(char32_t(c.unicode()), m_bmpGlyphs[c.unicode()]);
        }
    }
}

} // namespace suite
