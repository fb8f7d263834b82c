#pragma once

#include "suite/print/PrintData.h"

#include <QDateTime>
#include <QFont>
#include <QList>
#include <QRectF>

class QFontMetricsF;
class QPagedPaintDevice;
class QPainter;

namespace suite {

// Lays a list out on pages as a report a person reads. The title, the company and the user
// head the first page; every page repeats the header row and ends with the print time and
// "n / m". Columns are as wide as the grid shows them and their texts need; a text too long
// for its cell wraps to a second line before it is cut. Numbers stand right, flags print as
// ticks. A list too wide for the page at a readable size (7 pt at least) goes on across
// pages, each repeating the serial numbers, the code and the name; pages run across, then
// down. Rows are laid out a page at a time from the data's row source, never all at once.
class ListPrintLayout
{
public:
    // Where everything goes, decided before the first page: the same for print, preview and
    // PDF.
    struct Plan
    {
        qreal fontPoints = 9;
        QList<qreal> widths; // per column, in device units
        // The columns of each page across, repeated ones first, and the widths they take
        // there (a page across is filled).
        QList<QList<int>> columnPages;
        QList<QList<qreal>> pageWidths;
        int captionLines = 1;
        int rowLines = 1;
        qreal lineHeight = 0;
        int rowsOnFirstPage = 0;
        int rowsPerPage = 0;
        int pageCount = 1;
    };

    explicit ListPrintLayout(const PrintData &data,
                             QDateTime printedAt = QDateTime::currentDateTime());

    // Paints every page on device (a printer, a PDF writer): the pages painted; 0 with the
    // reason in sMsg when the device cannot be painted on or the rows cannot be read, -1 when
    // progress asked to stop.
    int paint(QPagedPaintDevice &device, const PrintProgress &progress, QString &sMsg) const;
    // The plan for device, measured on the first rows.
    bool plan(QPagedPaintDevice &device, Plan &plan, QString &sMsg) const;

    // A font that has the Chinese glyphs, so that they print and embed in PDF files.
    static QFont font(qreal points = 9);

private:
    struct Page;

    bool planOn(QPainter &painter, const QRectF &page, Plan &plan, QString &sMsg) const;
    QList<QStringList> sampleRows(QString &sMsg) const;
    QList<qreal> wantedWidths(const QFontMetricsF &metrics, const QFontMetricsF &bold,
                              const QList<QStringList> &sample, qreal maxWidth,
                              int captionLines) const;
    static QList<QList<int>> spreadAcross(const QList<PrintColumn> &columns,
                                          const QList<qreal> &widths, qreal pageWidth);
    int linesNeeded(const QFontMetricsF &metrics, const QList<qreal> &widths,
                    const QList<int> &columns, const QStringList &cells) const;
    void paintHead(QPainter &painter, const QRectF &page, const Plan &plan) const;
    void paintFoot(QPainter &painter, const QRectF &page, const Plan &plan, int number) const;
    qreal paintRow(QPainter &painter, const Plan &plan, const QList<qreal> &widths,
                   const QList<int> &columns, const QStringList &cells, qreal top, int lines,
                   bool caption) const;

    const PrintData &m_data;
    QDateTime m_printedAt;
};

} // namespace suite
