#include "suite/print/PdfPageContent.h"

#include <charconv>
#include <cmath>

namespace suite {

namespace {

// Thin enough to read as a rule, thick enough to survive a printer and a screen at 100 %.
constexpr const char *kHairline = "0.3 w\n";
// The outline stroke of synthetic bold, as a share of the text size.
constexpr qreal kBoldStroke = 1.0 / 30;

} // namespace

void PdfPageContent::clear()
{
    m_paths = kHairline;
    m_text.clear();
    m_x = m_y = m_points = 0;
    m_bold = false;
}

const std::string &PdfPageContent::operators()
{
    m_page = m_paths;
    if (!m_text.empty())
        m_page += "BT\n" + m_text + "ET\n";
    return m_page;
}

void PdfPageContent::number(std::string &out, qreal value)
{
    long long hundredths = std::llround(value * 100);
    if (hundredths < 0) {
        out += '-';
        hundredths = -hundredths;
    }
    char digits[24];
    const auto whole = std::to_chars(digits, digits + sizeof digits, hundredths / 100);
    out.append(digits, whole.ptr);
    const int fraction = int(hundredths % 100);
    if (fraction != 0) {
        out += '.';
        out += char('0' + fraction / 10);
        if (fraction % 10 != 0)
            out += char('0' + fraction % 10);
    }
    out += ' ';
}

void PdfPageContent::textStyle(qreal points, bool bold)
{
    const bool resized = points != m_points;
    if (resized) {
        m_points = points;
        m_text += "/F1 ";
        number(m_text, points);
        m_text += "Tf ";
    }
    if (bold && !m_bold)
        m_text += "2 Tr ";
    else if (!bold && m_bold)
        m_text += "0 Tr ";
    // The stroke grows with the text.
    if (bold && (resized || !m_bold)) {
        number(m_text, points * kBoldStroke);
        m_text += "w ";
    }
    m_bold = bold;
}

void PdfPageContent::beginText(qreal x, qreal y, qreal points, bool bold)
{
    textStyle(points, bold);
    // Td moves from where the last text began; rounding as written keeps the sum exact.
    const qreal dx = std::round((x - m_x) * 100) / 100;
    const qreal dy = std::round((y - m_y) * 100) / 100;
    m_x += dx;
    m_y += dy;
    number(m_text, dx);
    number(m_text, dy);
    m_text += "Td (";
}

// Two bytes a glyph in a literal string; the bytes that would end or escape it, or that a
// reader would take for a line end, are escaped.
void PdfPageContent::glyph(quint16 glyph)
{
    for (const char byte : { char(glyph >> 8), char(glyph & 0xFF) }) {
        switch (byte) {
        case '(':
        case ')':
        case '\\':
            m_text += '\\';
            m_text += byte;
            break;
        case '\r':
            m_text += "\\r";
            break;
        default:
            m_text += byte;
        }
    }
}

void PdfPageContent::endText()
{
    m_text += ") Tj\n";
}

void PdfPageContent::line(qreal x1, qreal y1, qreal x2, qreal y2)
{
    number(m_paths, x1);
    number(m_paths, y1);
    m_paths += "m ";
    number(m_paths, x2);
    number(m_paths, y2);
    m_paths += "l S\n";
}

void PdfPageContent::fillRect(qreal x, qreal y, qreal width, qreal height, const QColor &color)
{
    m_paths += "q ";
    number(m_paths, color.redF());
    number(m_paths, color.greenF());
    number(m_paths, color.blueF());
    m_paths += "rg ";
    number(m_paths, x);
    number(m_paths, y);
    number(m_paths, width);
    number(m_paths, height);
    m_paths += "re f Q\n";
}

} // namespace suite
