#include "import/XlsxSharedStrings.h"

#include "import/ZipArchive.h"

#include <QXmlStreamReader>

namespace customer {

namespace {

const QString kSharedStrings = QStringLiteral("xl/sharedStrings.xml");
constexpr qint64 kChunkBytes = 1 << 16;

} // namespace

bool readSharedStrings(const ZipArchive &archive, QStringList &strings, QString &sMsg)
{
    strings.clear();
    if (!archive.contains(kSharedStrings))
        return true;
    ZipArchive::Entry entry;
    if (!archive.openEntry(kSharedStrings, entry, sMsg))
        return false;
    QXmlStreamReader xml;
    QString text;
    // Phonetic runs (rPh) are readings shown above the text, not part of it.
    int phoneticDepth = 0;
    bool inText = false;
    while (true) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (xml.error() == QXmlStreamReader::PrematureEndOfDocumentError) {
            const QByteArray chunk = entry.read(kChunkBytes);
            if (chunk.isEmpty())
                break;
            xml.addData(chunk);
            continue;
        }
        if (xml.hasError() || token == QXmlStreamReader::EndDocument)
            break;
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == u"si")
                text.clear();
            else if (xml.name() == u"rPh")
                ++phoneticDepth;
            else if (xml.name() == u"t")
                inText = phoneticDepth == 0;
        } else if (token == QXmlStreamReader::Characters && inText) {
            text += xml.text();
        } else if (token == QXmlStreamReader::EndElement) {
            if (xml.name() == u"si")
                strings.append(text);
            else if (xml.name() == u"rPh")
                --phoneticDepth;
            else if (xml.name() == u"t")
                inText = false;
        }
    }
    if (!entry.error().isEmpty() || xml.hasError()) {
        sMsg = QStringLiteral("%1: %2").arg(
            kSharedStrings, entry.error().isEmpty() ? xml.errorString() : entry.error());
        return false;
    }
    return true;
}

} // namespace customer
