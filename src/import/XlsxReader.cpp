#include "import/XlsxReader.h"

#include "import/CsvReader.h"
#include "import/ExcelDate.h"
#include "import/XlsxSharedStrings.h"

namespace customer {

namespace {

constexpr qint64 kChunkBytes = 1 << 16;

// The column of a cell reference ("B12" -> 1); -1 when it names none.
int columnOf(QStringView reference)
{
    int column = 0;
    qsizetype letters = 0;
    for (const QChar c : reference) {
        const char16_t u = c.toUpper().unicode();
        if (u < u'A' || u > u'Z')
            break;
        column = column * 26 + (u - u'A' + 1);
        if (++letters > 3)
            return -1;
    }
    return letters == 0 ? -1 : column - 1;
}

} // namespace

bool XlsxReader::open(const QString &path, QString &sMsg)
{
    return m_archive.open(path, sMsg) && m_workbook.read(m_archive, sMsg)
        && readSharedStrings(m_archive, m_sharedStrings, sMsg)
        && m_archive.openEntry(m_workbook.sheetPath, m_sheet, sMsg);
}

bool XlsxReader::fail(const QString &sMsg)
{
    if (m_error.isEmpty())
        m_error = m_workbook.sheetPath + QStringLiteral(": ") + sMsg;
    return false;
}

// The next token, unpacking more of the sheet whenever the parser runs out of it.
QXmlStreamReader::TokenType XlsxReader::readNext()
{
    while (true) {
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        if (m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError)
            return token;
        const QByteArray chunk = m_sheet.read(kChunkBytes);
        if (chunk.isEmpty())
            return QXmlStreamReader::Invalid;
        m_xml.addData(chunk);
    }
}

bool XlsxReader::next(SourceRow &row)
{
    while (m_error.isEmpty()) {
        const QXmlStreamReader::TokenType token = readNext();
        if (token == QXmlStreamReader::Invalid || m_xml.hasError())
            return fail(m_sheet.error().isEmpty() ? m_xml.errorString() : m_sheet.error());
        if (token == QXmlStreamReader::EndDocument)
            return false;
        if (token == QXmlStreamReader::StartElement && m_xml.name() == u"row") {
            if (!readRow(row))
                return false;
            if (!row.cells.isEmpty())
                return true;
        }
    }
    return false;
}

bool XlsxReader::readRow(SourceRow &row)
{
    bool numbered = false;
    const qint64 number = m_xml.attributes().value(QLatin1StringView("r")).toLongLong(&numbered);
    row.number = numbered && number > m_lastRow ? number : m_lastRow + 1;
    m_lastRow = row.number;
    row.cells.clear();
    int column = -1;
    while (true) {
        const QXmlStreamReader::TokenType token = readNext();
        if (token == QXmlStreamReader::Invalid || m_xml.hasError())
            return fail(m_sheet.error().isEmpty() ? m_xml.errorString() : m_sheet.error());
        if (token == QXmlStreamReader::EndElement && m_xml.name() == u"row")
            break;
        if (token != QXmlStreamReader::StartElement || m_xml.name() != u"c")
            continue;
        Cell cell;
        const int named = columnOf(m_xml.attributes().value(QLatin1StringView("r")));
        cell.column = named > column ? named : column + 1;
        column = cell.column;
        if (!readCell(cell))
            return false;
        const QString text = cellText(cell);
        if (text.isEmpty() || cell.column >= CsvReader::kMaxCells)
            continue;
        while (row.cells.size() < cell.column)
            row.cells.append(QString());
        row.cells.append(text.left(CsvReader::kMaxFieldChars));
    }
    return true;
}

// The cell's type, style and value: the text of its v element, or the texts of its inline
// string (phonetic runs left out).
bool XlsxReader::readCell(Cell &cell)
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    cell.type = attributes.value(QLatin1StringView("t")).toString();
    bool styled = false;
    const int style = attributes.value(QLatin1StringView("s")).toInt(&styled);
    cell.style = styled ? style : -1;
    bool inValue = false;
    int phoneticDepth = 0;
    while (true) {
        const QXmlStreamReader::TokenType token = readNext();
        if (token == QXmlStreamReader::Invalid || m_xml.hasError())
            return fail(m_sheet.error().isEmpty() ? m_xml.errorString() : m_sheet.error());
        if (token == QXmlStreamReader::StartElement) {
            if (m_xml.name() == u"rPh")
                ++phoneticDepth;
            inValue = phoneticDepth == 0 && (m_xml.name() == u"v" || m_xml.name() == u"t");
        } else if (token == QXmlStreamReader::Characters && inValue) {
            if (cell.value.size() <= CsvReader::kMaxFieldChars)
                cell.value += m_xml.text();
        } else if (token == QXmlStreamReader::EndElement) {
            if (m_xml.name() == u"c")
                return true;
            if (m_xml.name() == u"rPh")
                --phoneticDepth;
            inValue = false;
        }
    }
}

QString XlsxReader::cellText(const Cell &cell) const
{
    if (cell.type == u"s") {
        bool numbered = false;
        const qsizetype index = cell.value.toLongLong(&numbered);
        return numbered && index >= 0 && index < m_sharedStrings.size() ? m_sharedStrings[index]
                                                                        : QString();
    }
    if (cell.type.isEmpty() || cell.type == u"n") {
        if (!m_workbook.isDateStyle(cell.style))
            return cell.value;
        bool numeric = false;
        const double serial = cell.value.toDouble(&numeric);
        const QDateTime date = excelSerialDateTime(serial, m_workbook.date1904);
        return numeric && date.isValid() ? excelDateText(date) : cell.value;
    }
    return cell.value;
}

} // namespace customer
