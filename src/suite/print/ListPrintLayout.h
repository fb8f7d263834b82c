#pragma once

#include <QFont>
#include <QList>

class QPagedPaintDevice;
class QPainter;

namespace suite {

struct PrintData;

// Lays a table out on pages: the title and who printed it on the first page, the header row
// repeated on every page, columns as wide as their texts need, shrunk together (texts cut
// with an ellipsis) when the page is narrower, and the page number at the foot.
class ListPrintLayout
{
public:
    explicit ListPrintLayout(const PrintData &data);

    // Paints every page on device (a printer, a PDF writer); the number of pages painted, 0
    // when the device cannot be painted on.
    int paint(QPagedPaintDevice &device) const;

    // A font that has the Chinese glyphs, so that they print and embed in PDF files.
    static QFont font();

private:
    QList<qreal> columnWidths(const QPainter &painter, qreal pageWidth) const;
    void paintRow(QPainter &painter, const QStringList &cells, const QList<qreal> &widths,
                  qreal top, qreal height) const;
    void paintRules(QPainter &painter, const QList<qreal> &widths, qreal top, qreal bottom) const;

    const PrintData &m_data;
};

} // namespace suite
