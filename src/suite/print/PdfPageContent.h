#pragma once

#include <QColor>
#include <QtGlobal>

#include <string>

namespace suite {

// The drawing operators of one PDF page, in PDF's own space (points, y growing up), built in
// buffers that are reused page after page. Rules and fills go first and all text after them in
// one text object, each piece placed relative to the one before and the font set only when its
// size changes: a report page is a few hundred short texts, and every byte saved is a byte
// less to deflate. Numbers are written with at most two decimals, a hundredth of a point,
// finer than any printer.
class PdfPageContent
{
public:
    void clear();
    // The page's operators, rules first, then the text.
    const std::string &operators();

    // Text in the page's one font (/F1) as glyph numbers: begin, a glyph at a time, end. Bold
    // is drawn by stroking the outlines as well as filling them.
    void beginText(qreal x, qreal y, qreal points, bool bold);
    void glyph(quint16 glyph);
    void endText();

    void line(qreal x1, qreal y1, qreal x2, qreal y2);
    void fillRect(qreal x, qreal y, qreal width, qreal height, const QColor &color);

private:
    static void number(std::string &out, qreal value);
    void textStyle(qreal points, bool bold);

    std::string m_paths;
    std::string m_text;
    std::string m_page;
    qreal m_x = 0; // where the last text began
    qreal m_y = 0;
    qreal m_points = 0;
    bool m_bold = false;
};

} // namespace suite
