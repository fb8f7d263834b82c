#pragma once

#include <QColor>
#include <QtGlobal>

#include <string>

namespace suite {

// The drawing operators of one PDF page, in PDF's own space (points, y growing up), built in a
// buffer that is reused page after page. Numbers are written with at most two decimals, which
// is a hundredth of a point: finer than any printer, and short.
class PdfPageContent
{
public:
    void clear();
    const std::string &operators() const { return m_ops; }

    // Text in the page's one font (/F1) as glyph numbers: begin, a glyph at a time, end. Bold
    // is drawn by stroking the outlines as well as filling them.
    void beginText(qreal x, qreal y, qreal points, bool bold);
    void glyph(quint16 glyph);
    void endText(bool bold);

    void line(qreal x1, qreal y1, qreal x2, qreal y2);
    void fillRect(qreal x, qreal y, qreal width, qreal height, const QColor &color);

private:
    void number(qreal value);
    void colour(const QColor &color);

    std::string m_ops;
};

} // namespace suite
