#include "import/XlsxWorkbook.h"

#include "import/ExcelDate.h"
#include "import/ZipArchive.h"

#include <QHash>
#include <QXmlStreamReader>

namespace customer {

namespace {

// The parts read whole are small; a larger one is no workbook a spreadsheet program wrote.
constexpr qint64 kMaxPartBytes = 64 << 20;

const QString kWorkbook = QStringLiteral("xl/workbook.xml");
const QString kRelations = QStringLiteral("xl/_rels/workbook.xml.rels");
const QString kStyles = QStringLiteral("xl/styles.xml");

bool readPart(const ZipArchive &archive, const QString &name, QXmlStreamReader &xml, QString &sMsg)
{
    QByteArray bytes;
    if (!archive.readEntry(name, kMaxPartBytes, bytes, sMsg))
        return false;
    xml.clear();
    xml.addData(bytes);
    return true;
}

bool finished(const QXmlStreamReader &xml, const QString &name, QString &sMsg)
{
    if (!xml.hasError())
        return true;
    sMsg = QStringLiteral("%1: %2").arg(name, xml.errorString());
    return false;
}

bool isTrue(QStringView value)
{
    return value == u"1" || value == u"true";
}

// The relation id of the first sheet and the date system.
bool readWorkbook(const ZipArchive &archive, QString &sheetId, bool &date1904, QString &sMsg)
{
    QXmlStreamReader xml;
    if (!readPart(archive, kWorkbook, xml, sMsg))
        return false;
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"workbookPr")
            date1904 = isTrue(xml.attributes().value(QLatin1StringView("date1904")));
        if (xml.name() != u"sheet" || !sheetId.isEmpty())
            continue;
        // The relation id is the attribute r:id; its prefix may be any.
        for (const QXmlStreamAttribute &attribute : xml.attributes()) {
            if (attribute.name() == u"id")
                sheetId = attribute.value().toString();
        }
    }
    if (!finished(xml, kWorkbook, sMsg))
        return false;
    if (sheetId.isEmpty()) {
        sMsg = QStringLiteral("%1 names no sheet").arg(kWorkbook);
        return false;
    }
    return true;
}

// The part a relation of the workbook points to, as a path inside the archive.
bool readSheetPath(const ZipArchive &archive, const QString &sheetId, QString &path, QString &sMsg)
{
    QXmlStreamReader xml;
    if (!readPart(archive, kRelations, xml, sMsg))
        return false;
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Relationship"
            || xml.attributes().value(QLatin1StringView("Id")) != sheetId)
            continue;
        const QString target = xml.attributes().value(QLatin1StringView("Target")).toString();
        path = target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
    }
    if (!finished(xml, kRelations, sMsg))
        return false;
    if (path.isEmpty()) {
        sMsg = QStringLiteral("%1 has no relation %2").arg(kRelations, sheetId);
        return false;
    }
    return true;
}

// Which cell styles show dates. A workbook without styles shows none.
bool readDateStyles(const ZipArchive &archive, QList<bool> &dateStyles, QString &sMsg)
{
    if (!archive.contains(kStyles))
        return true;
    QXmlStreamReader xml;
    if (!readPart(archive, kStyles, xml, sMsg))
        return false;
    QHash<int, QString> customFormats;
    bool inCellFormats = false;
    while (!xml.atEnd() && !xml.hasError()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == u"cellXfs")
            inCellFormats = false;
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == u"numFmt")
            customFormats.insert(attributes.value(QLatin1StringView("numFmtId")).toInt(),
                                 attributes.value(QLatin1StringView("formatCode")).toString());
        else if (xml.name() == u"cellXfs")
            inCellFormats = true;
        else if (xml.name() == u"xf" && inCellFormats) {
            const int id = attributes.value(QLatin1StringView("numFmtId")).toInt();
            dateStyles.append(isDateNumberFormat(id, customFormats.value(id)));
        }
    }
    return finished(xml, kStyles, sMsg);
}

} // namespace

bool XlsxWorkbook::read(const ZipArchive &archive, QString &sMsg)
{
    QString sheetId;
    return readWorkbook(archive, sheetId, date1904, sMsg)
        && readSheetPath(archive, sheetId, sheetPath, sMsg)
        && readDateStyles(archive, dateStyles, sMsg);
}

} // namespace customer
