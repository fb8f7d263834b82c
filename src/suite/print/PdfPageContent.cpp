#include "suite/print/PdfPageContent.h"

#include <charconv>
#include <cmath>

namespace suite {

namespace {

// Thin enough to read as a rule, thick enough to survive a printer and a screen at 100 %.
constexpr const char *kHairline = "0.3 w\n";
// The outline stroke of synthetic bold, as a share of the text size.
constexpr qreal kBoldStroke = 1.0 / 30;
constexpr char kHex[] = "0123456789ABCDEF";

} // namespace

void PdfPageContent::clear()
{
    m_ops.clear();
    m_ops += kHairline;
}

void PdfPageContent::number(qreal value)
{
    long long hundredths = std::llround(value * 100);
    if (hundredths < 0) {
        m_ops += '-';
        hundredths = -hundredths;
    }
    char digits[24];
    const auto whole = std::to_chars(digits, digits + sizeof digits, hundredths / 100);
    m_ops.append(digits, whole.ptr);
    const int fraction = int(hundredths % 100);
    if (fraction != 0) {
        m_ops += '.';
        m_ops += char('0' + fraction / 10);
        if (fraction % 10 != 0)
            m_ops += char('0' + fraction % 10);
    }
    m_ops += ' ';
}

void PdfPageContent::colour(const QColor &color)
{
    number(color.redF());
    number(color.greenF());
    number(color.blueF());
}

void PdfPageContent::beginText(qreal x, qreal y, qreal points, bool bold)
{
    if (bold) {
        m_ops += "q 2 Tr ";
        number(points * kBoldStroke);
        m_ops += "w\n";
    }
    m_ops += "BT /F1 ";
    number(points);
    m_ops += "Tf ";
    number(x);
    number(y);
    m_ops += "Td <";
}

void PdfPageContent::glyph(quint16 glyph)
{
    const char hex[4] = { kHex[glyph >> 12], kHex[(glyph >> 8) & 0xF], kHex[(glyph >> 4) & 0xF],
                          kHex[glyph & 0xF] };
    m_ops.append(hex, 4);
}

void PdfPageContent::endText(bool bold)
{
    m_ops += bold ? "> Tj ET Q\n" : "> Tj ET\n";
}

void PdfPageContent::line(qreal x1, qreal y1, qreal x2, qreal y2)
{
    number(x1);
    number(y1);
    m_ops += "m ";
    number(x2);
    number(y2);
    m_ops += "l S\n";
}

void PdfPageContent::fillRect(qreal x, qreal y, qreal width, qreal height, const QColor &color)
{
    m_ops += "q ";
    colour(color);
    m_ops += "rg ";
    number(x);
    number(y);
    number(width);
    number(height);
    m_ops += "re f Q\n";
}

} // namespace suite
