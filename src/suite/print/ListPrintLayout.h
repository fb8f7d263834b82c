#pragma once

#include "suite/print/PrintData.h"

#include <QDateTime>
#include <QList>
#include <QRectF>
#include <QSizeF>

namespace suite {

class ReportFont;
class ReportSurface;

// Lays a list out on pages as a report a person reads. The title, the company and the user
// head the first page; every page repeats the header row and ends with the print time and
// "n / m". Columns are as wide as the grid shows them and their texts need; a text too long
// for its cell wraps to a second line before it is cut. Numbers stand right, flags print as
// ticks. A list too wide for the page at a readable size (7 pt at least) goes on across
// pages, each repeating the serial numbers, the code and the name; pages run across, then
// down. Rows are laid out a page at a time from the data's row source, never all at once.
// Text is measured in the report font, which every surface draws in: the printer and the PDF
// writer get the same pages.
class ListPrintLayout
{
public:
    // Where everything goes, decided before the first page: the same for print, preview and
    // PDF.
    struct Plan
    {
        qreal fontPoints = 9;
        QList<qreal> widths; // per column, in points
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

    ListPrintLayout(const PrintData &data, const ReportFont &font,
                    QDateTime printedAt = QDateTime::currentDateTime());
    explicit ListPrintLayout(const PrintData &data);

    // Paints every page on surface (a printer, a PDF file): the pages painted; 0 with the
    // reason in sMsg when the surface cannot be drawn on or the rows cannot be read, -1 when
    // progress asked to stop.
    int paint(ReportSurface &surface, const PrintProgress &progress, QString &sMsg) const;
    // The plan for pages whose printable part is page (in points), measured on the first rows.
    bool plan(const QSizeF &page, Plan &plan, QString &sMsg) const;

private:
    QList<QStringList> sampleRows(QString &sMsg) const;
    QList<qreal> wantedWidths(qreal points, const QList<QStringList> &sample, qreal maxWidth,
                              int captionLines) const;
    static QList<QList<int>> spreadAcross(const QList<PrintColumn> &columns,
                                          const QList<qreal> &widths, qreal pageWidth);
    void fitColumns(const QSizeF &page, const QList<QStringList> &sample, Plan &plan) const;
    int linesNeeded(qreal points, const QList<qreal> &widths, const QList<int> &columns,
                    const QStringList &cells) const;
    void paintHead(ReportSurface &surface, const QSizeF &page, const Plan &plan) const;
    void paintFoot(ReportSurface &surface, const QSizeF &page, const Plan &plan, int number) const;
    qreal paintRow(ReportSurface &surface, const Plan &plan, const QList<qreal> &widths,
                   const QList<int> &columns, const QStringList &cells, qreal top, int lines,
                   bool caption) const;
    void paintGrid(ReportSurface &surface, const QList<qreal> &widths, const QList<int> &columns,
                   qreal top, qreal bottom) const;

    const PrintData &m_data;
    const ReportFont &m_font;
    QDateTime m_printedAt;
};

} // namespace suite
