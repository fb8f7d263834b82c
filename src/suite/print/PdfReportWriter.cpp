#include "suite/print/PdfReportWriter.h"

#include "suite/print/ReportFont.h"
#include "suite/print/TrueTypeSubset.h"

#include <QFileDevice>
#include <QHash>
#include <QIODevice>

namespace suite {

namespace {

// Measured on the demo company's 3,344 pages (31 MB of operators): level 1 deflates them to
// 8.0 MB, level 6 to 7.0 MB in 1.7 times as long.
constexpr int kDeflateLevel = 1;
// The objects written once per file; pages follow, each its content stream, then its page.
enum Object : int {
    kCatalog = 1,
    kPageTree,
    kInfo,
    kType0Font,
    kCidFont,
    kDescriptor,
    kFontFile,
    kToUnicode,
    kFirstPage
};
// The CMap lists at most this many characters in one block.
constexpr int kCharactersPerBlock = 100;
constexpr int kGlyphSpace = 1000; // PDF's glyph units per em

int contentObject(int page)
{
    return kFirstPage + 2 * page;
}

int pageObject(int page)
{
    return kFirstPage + 2 * page + 1;
}

QByteArray hex4(unsigned value)
{
    return QByteArray::number(value, 16).toUpper().rightJustified(4, '0');
}

// A PDF text string in UTF-16 with its byte-order mark, written in hexadecimal.
QByteArray textString(const QString &text)
{
    QByteArray out = "<FEFF";
    for (const QChar c : text)
        out += hex4(c.unicode());
    return out + '>';
}

QByteArray number(qreal value)
{
    return QByteArray::number(value, 'f', 2);
}

} // namespace

PdfReportWriter::PdfReportWriter(QIODevice &out, const ReportFont &font, const QPageLayout &layout,
                                 const QString &title)
    : m_out(out)
    , m_font(font)
    , m_paper(layout.fullRect(QPageLayout::Point))
    , m_printable(layout.paintRect(QPageLayout::Point))
    , m_title(title)
    , m_deflater(kDeflateLevel)
    , m_offsets(kFirstPage, 0)
    , m_characters(font.glyphCount(), 0)
{
    // The binary comment tells transfer programs that the file is not text.
    write(QByteArrayLiteral("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"));
}

QPointF PdfReportWriter::onPaper(const QPointF &point) const
{
    return QPointF(m_printable.left() + point.x(),
                   m_paper.height() - m_printable.top() - point.y());
}

bool PdfReportWriter::failed(QString &sMsg) const
{
    if (m_error.isEmpty())
        return false;
    sMsg = m_error;
    return true;
}

void PdfReportWriter::write(const char *data, qsizetype size)
{
    if (!m_error.isEmpty())
        return;
    if (m_out.write(data, size) != size) {
        const QString reason = m_out.errorString();
        m_error = QStringLiteral("the PDF file cannot be written: %1")
                      .arg(reason.isEmpty() ? QStringLiteral("the device took no more") : reason);
        return;
    }
    m_written += size;
}

void PdfReportWriter::beginObject(int id)
{
    if (id >= int(m_offsets.size()))
        m_offsets.resize(id + 1, 0);
    m_offsets[id] = m_written;
    write(QByteArray::number(id) + " 0 obj\n");
}

void PdfReportWriter::writeStream(int id, const QByteArray &dictionary, const QByteArray &data)
{
    if (!m_deflater.deflate(data.constData(), data.size(), m_deflated)) {
        m_error = QStringLiteral("the PDF file cannot be written: compression failed.");
        return;
    }
    beginObject(id);
    write("<< /Filter /FlateDecode /Length " + QByteArray::number(m_deflated.size()) + ' '
          + dictionary + " >>\nstream\n");
    write(m_deflated);
    write("\nendstream\nendobj\n");
}

bool PdfReportWriter::beginPage(QString &sMsg)
{
    if (m_pageOpen)
        endPage();
    m_content.clear();
    m_pageOpen = true;
    return !failed(sMsg);
}

void PdfReportWriter::endPage()
{
    const std::string &ops = m_content.operators();
    writeStream(contentObject(m_pages), QByteArray(),
                QByteArray::fromRawData(ops.data(), qsizetype(ops.size())));
    beginObject(pageObject(m_pages));
    write("<< /Type /Page /Parent " + QByteArray::number(kPageTree) + " 0 R /MediaBox [0 0 "
          + number(m_paper.width()) + ' ' + number(m_paper.height())
          + "] /Resources << /Font << /F1 " + QByteArray::number(kType0Font)
          + " 0 R >> >> /Contents " + QByteArray::number(contentObject(m_pages))
          + " 0 R >>\nendobj\n");
    ++m_pages;
    m_pageOpen = false;
}

void PdfReportWriter::text(const QPointF &baseline, QStringView text, qreal points, bool bold)
{
    const QPointF at = onPaper(baseline);
    m_content.beginText(at.x(), at.y(), points, bold);
    m_font.forEachGlyph(text, [this](char32_t codePoint, quint16 glyph) {
        if (glyph != 0 && m_characters[glyph] == 0)
            m_characters[glyph] = codePoint;
        m_content.glyph(glyph);
    });
    m_content.endText();
}

void PdfReportWriter::line(const QPointF &from, const QPointF &to)
{
    const QPointF start = onPaper(from);
    const QPointF end = onPaper(to);
    m_content.line(start.x(), start.y(), end.x(), end.y());
}

void PdfReportWriter::fillRect(const QRectF &rect, const QColor &color)
{
    const QPointF bottomLeft = onPaper(rect.bottomLeft());
    m_content.fillRect(bottomLeft.x(), bottomLeft.y(), rect.width(), rect.height(), color);
}

// Six capital letters naming this subset of the font, as PDF asks of a subset.
QByteArray PdfReportWriter::subsetName() const
{
    size_t seed = 0;
    for (size_t glyph = 0; glyph < m_characters.size(); ++glyph) {
        if (m_characters[glyph] != 0)
            seed = qHashMulti(seed, glyph);
    }
    QByteArray tag;
    for (int letter = 0; letter < 6; ++letter, seed /= 26)
        tag += char('A' + seed % 26);
    return tag + '+' + m_font.postScriptName();
}

// The advance of each glyph used, in runs of neighbouring glyph numbers.
QByteArray PdfReportWriter::widths() const
{
    QByteArray out = "[";
    for (size_t glyph = 1; glyph < m_characters.size(); ++glyph) {
        if (m_characters[glyph] == 0)
            continue;
        out += ' ' + QByteArray::number(qulonglong(glyph)) + " [";
        for (; glyph < m_characters.size() && m_characters[glyph] != 0; ++glyph)
            out += QByteArray::number(m_font.advance(quint16(glyph)) * kGlyphSpace
                                      / m_font.unitsPerEm())
                + ' ';
        out += ']';
    }
    return out + " ]";
}

// The character behind each glyph used, for readers that extract or search the text.
QByteArray PdfReportWriter::toUnicode() const
{
    QByteArray blocks;
    QByteArray block;
    int inBlock = 0;
    const auto flush = [&] {
        if (inBlock > 0)
            blocks += QByteArray::number(inBlock) + " beginbfchar\n" + block + "endbfchar\n";
        block.clear();
        inBlock = 0;
    };
    for (size_t glyph = 1; glyph < m_characters.size(); ++glyph) {
        const char32_t codePoint = m_characters[glyph];
        if (codePoint == 0)
            continue;
        QByteArray utf16;
        for (const QChar unit : QString::fromUcs4(&codePoint, 1))
            utf16 += hex4(unit.unicode());
        block += '<' + hex4(unsigned(glyph)) + "> <" + utf16 + ">\n";
        if (++inBlock == kCharactersPerBlock)
            flush();
    }
    flush();
    return "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
           "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
           "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
           "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n"
        + blocks + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

bool PdfReportWriter::writeFont(QString &sMsg)
{
    std::vector<bool> used(m_characters.size());
    for (size_t glyph = 0; glyph < m_characters.size(); ++glyph)
        used[glyph] = m_characters[glyph] != 0;
    const QByteArray program =
        TrueTypeSubset([this](const char *tag) { return m_font.table(tag); }).build(used, sMsg);
    if (program.isEmpty())
        return false;
    const QByteArray name = subsetName();
    const auto glyphUnits = [this](int units) {
        return QByteArray::number(units * kGlyphSpace / m_font.unitsPerEm());
    };
    const auto ref = [](int id) {
        return QByteArray::number(id) + " 0 R";
    };
    const QRect box = m_font.boundingBox();

    beginObject(kType0Font);
    write("<< /Type /Font /Subtype /Type0 /BaseFont /" + name
          + " /Encoding /Identity-H /DescendantFonts [" + ref(kCidFont) + "] /ToUnicode "
          + ref(kToUnicode) + " >>\nendobj\n");
    beginObject(kCidFont);
    write("<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + name
          + " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
            " /FontDescriptor "
          + ref(kDescriptor) + " /CIDToGIDMap /Identity /DW " + glyphUnits(m_font.advance(0))
          + " /W " + widths() + " >>\nendobj\n");
    beginObject(kDescriptor);
    write("<< /Type /FontDescriptor /FontName /" + name + " /Flags 4 /FontBBox ["
          + glyphUnits(box.left()) + ' ' + glyphUnits(box.top()) + ' ' + glyphUnits(box.right())
          + ' ' + glyphUnits(box.bottom()) + "] /ItalicAngle 0 /Ascent "
          + glyphUnits(m_font.ascender()) + " /Descent " + glyphUnits(m_font.descender())
          + " /CapHeight " + glyphUnits(m_font.ascender()) + " /StemV 80 /FontFile2 "
          + ref(kFontFile) + " >>\nendobj\n");
    writeStream(kFontFile, "/Length1 " + QByteArray::number(program.size()), program);
    writeStream(kToUnicode, QByteArray(), toUnicode());
    return true;
}

void PdfReportWriter::writeTrailer()
{
    beginObject(kInfo);
    write("<< /Title " + textString(m_title) + " /Creator "
          + textString(QStringLiteral("customer-archive")) + " >>\nendobj\n");
    beginObject(kCatalog);
    write("<< /Type /Catalog /Pages " + QByteArray::number(kPageTree) + " 0 R >>\nendobj\n");
    beginObject(kPageTree);
    write("<< /Type /Pages /Count " + QByteArray::number(m_pages) + " /Kids [");
    for (int page = 0; page < m_pages; ++page)
        write(QByteArray::number(pageObject(page)) + " 0 R ");
    write("] >>\nendobj\n");

    const qint64 table = m_written;
    write("xref\n0 " + QByteArray::number(qulonglong(m_offsets.size()))
          + "\n0000000000 65535 f \n");
    for (size_t id = 1; id < m_offsets.size(); ++id)
        write(QByteArray::number(m_offsets[id]).rightJustified(10, '0') + " 00000 n \n");
    write("trailer\n<< /Size " + QByteArray::number(qulonglong(m_offsets.size())) + " /Root "
          + QByteArray::number(kCatalog) + " 0 R /Info " + QByteArray::number(kInfo)
          + " 0 R >>\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n");
}

bool PdfReportWriter::finish(QString &sMsg)
{
    // A file needs a page, even an empty one.
    if (m_pages == 0 && !m_pageOpen)
        beginPage(sMsg);
    if (m_pageOpen)
        endPage();
    if (failed(sMsg) || !writeFont(sMsg))
        return false;
    writeTrailer();
    if (auto *file = qobject_cast<QFileDevice *>(&m_out); file && !file->flush())
        m_error = QStringLiteral("the PDF file cannot be written: %1").arg(file->errorString());
    return !failed(sMsg);
}

} // namespace suite
