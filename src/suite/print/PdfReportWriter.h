#pragma once

#include "suite/print/Deflater.h"
#include "suite/print/PdfPageContent.h"
#include "suite/print/ReportSurface.h"

#include <QPageLayout>

#include <vector>

class QIODevice;

namespace suite {

class ReportFont;

// Writes a report as a PDF file of its own making, page by page as the layout finishes them:
// what it holds is the place of each object written and the glyphs used so far, never the
// pages. The text is in one font, embedded at the end with only the glyphs used (Identity-H
// encoding, so a glyph's number is its code), with the widths the layout measured and a map
// back to the characters, so that readers find and copy the text, Chinese included. Page
// contents are deflated.
class PdfReportWriter : public ReportSurface
{
public:
    PdfReportWriter(QIODevice &out, const ReportFont &font, const QPageLayout &layout,
                    const QString &title);

    QSizeF pageSize() const override { return m_printable.size(); }
    bool beginPage(QString &sMsg) override;
    void text(const QPointF &baseline, QStringView text, qreal points, bool bold) override;
    void line(const QPointF &from, const QPointF &to) override;
    void fillRect(const QRectF &rect, const QColor &color) override;

    // Ends the last page and writes the font, the page tree and the table of objects; false
    // with the reason when the file cannot take them.
    bool finish(QString &sMsg);
    int pageCount() const { return m_pages; }

private:
    QPointF onPaper(const QPointF &point) const;
    void endPage();
    void beginObject(int id);
    void writeStream(int id, const QByteArray &dictionary, const QByteArray &data);
    void write(const char *data, qsizetype size);
    void write(const QByteArray &data) { write(data.constData(), data.size()); }
    bool failed(QString &sMsg) const;
    QByteArray subsetName() const;
    bool writeFont(QString &sMsg);
    QByteArray widths() const;
    QByteArray toUnicode() const;
    void writeTrailer();

    QIODevice &m_out;
    const ReportFont &m_font;
    QRectF m_paper;
    QRectF m_printable;
    QString m_title;
    PdfPageContent m_content;
    Deflater m_deflater;
    QByteArray m_deflated;
    std::vector<qint64> m_offsets; // by object number
    std::vector<char32_t> m_characters; // by glyph: the character it shows, 0 while unused
    qint64 m_written = 0;
    int m_pages = 0;
    bool m_pageOpen = false;
    QString m_error;
};

} // namespace suite
