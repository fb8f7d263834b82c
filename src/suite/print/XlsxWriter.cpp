#include "suite/print/XlsxWriter.h"

#include "suite/print/PrintData.h"
#include "suite/print/ZipStore.h"

#include <QStringList>

namespace suite {

namespace {

const QByteArray kXmlHead =
    QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n");

const QByteArray kContentTypes =
    kXmlHead
    + QByteArrayLiteral(
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" "
        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/xl/workbook.xml\" "
        "ContentType=\"application/"
        "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
        "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/"
        ">"
        "</Types>");

const QByteArray kPackageRels =
    kXmlHead
    + QByteArrayLiteral(
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" "
        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
        "officeDocument\" "
        "Target=\"xl/workbook.xml\"/>"
        "</Relationships>");

const QByteArray kWorkbookRels =
    kXmlHead
    + QByteArrayLiteral(
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" "
        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
        "Target=\"worksheets/sheet1.xml\"/>"
        "</Relationships>");

// Sheet names may not hold []:*?/\ and are at most 31 characters.
QString sheetName(const QString &title)
{
    QString name = title;
    for (const QChar c : QStringLiteral("[]:*?/\\"))
        name.remove(c);
    name = name.left(31).trimmed();
    return name.isEmpty() ? QStringLiteral("Sheet1") : name;
}

// Characters XML 1.0 cannot carry at all are dropped; the markup characters are escaped.
QString xmlText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'&')
            out += QStringLiteral("&amp;");
        else if (c == u'<')
            out += QStringLiteral("&lt;");
        else if (c == u'>')
            out += QStringLiteral("&gt;");
        else if (c == u'"')
            out += QStringLiteral("&quot;");
        else if (c == u'\r') // a reader turns a bare CR into LF
            out += QStringLiteral("&#13;");
        else if (c.unicode() >= 0x20 || c == u'\t' || c == u'\n')
            out += c;
    }
    return out;
}

QByteArray workbookXml(const QString &title)
{
    return kXmlHead
        + QStringLiteral(
              "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
              "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
              "<sheets><sheet name=\"%1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>")
              .arg(xmlText(sheetName(title)))
              .toUtf8();
}

QString rowXml(int rowNumber, const QStringList &cells)
{
    QString xml = QStringLiteral("<row r=\"%1\">").arg(rowNumber);
    for (int column = 0; column < cells.size(); ++column) {
        xml += QStringLiteral("<c r=\"%1%2\" t=\"inlineStr\"><is><t xml:space=\"preserve\">%3</t>"
                              "</is></c>")
                   .arg(XlsxWriter::columnName(column))
                   .arg(rowNumber)
                   .arg(xmlText(cells.at(column)));
    }
    return xml + QStringLiteral("</row>");
}

} // namespace

QString XlsxWriter::columnName(int column)
{
    QString name;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(u'A' + (n - 1) % 26));
    return name;
}

QByteArray XlsxWriter::sheetXml(const PrintData &data)
{
    QString xml = QStringLiteral(
        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<sheetData>");
    xml += rowXml(1, data.headers);
    for (int row = 0; row < data.rows.size(); ++row)
        xml += rowXml(row + 2, data.rows.at(row));
    xml += QStringLiteral("</sheetData></worksheet>");
    return kXmlHead + xml.toUtf8();
}

QByteArray XlsxWriter::workbook(const PrintData &data)
{
    ZipStore zip;
    zip.add(QStringLiteral("[Content_Types].xml"), kContentTypes);
    zip.add(QStringLiteral("_rels/.rels"), kPackageRels);
    zip.add(QStringLiteral("xl/workbook.xml"), workbookXml(data.title));
    zip.add(QStringLiteral("xl/_rels/workbook.xml.rels"), kWorkbookRels);
    zip.add(QStringLiteral("xl/worksheets/sheet1.xml"), sheetXml(data));
    return zip.archive();
}

} // namespace suite
