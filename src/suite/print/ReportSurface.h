#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringView>

namespace suite {

// What a printed report is drawn on: a printer or preview through QPainter, or a PDF file
// written directly. Coordinates are points (1/72 inch) from the top left corner of the
// printable part of the page, y growing down; text goes in the report font
// (ReportFont::standard()), so that what the layout measured is what is drawn.
class ReportSurface
{
public:
    virtual ~ReportSurface() = default;

    // The printable part of a page.
    virtual QSizeF pageSize() const = 0;
    // Starts the next page, the first one on the first call; false with the reason when the
    // output cannot take it (the printer failed, the disk is full).
    virtual bool beginPage(QString &sMsg) = 0;
    // One line of text from the left end of its baseline.
    virtual void text(const QPointF &baseline, QStringView text, qreal points, bool bold) = 0;
    // A hairline.
    virtual void line(const QPointF &from, const QPointF &to) = 0;
    virtual void fillRect(const QRectF &rect, const QColor &color) = 0;
};

} // namespace suite
