#include "suite/print/TrueTypeSubset.h"

#include <QString>
#include <QtEndian>

#include <map>

namespace suite {

namespace {

// Where head keeps the format of loca and the sum that makes the file's checksum come out.
constexpr int kLocaFormatAt = 50;
constexpr int kChecksumAdjustmentAt = 8;
constexpr quint32 kChecksumMagic = 0xB1B0AFBA;
// Composite glyph flags: what follows each component's glyph number.
constexpr quint16 kArgsAreWords = 0x0001;
constexpr quint16 kHasScale = 0x0008;
constexpr quint16 kMoreComponents = 0x0020;
constexpr quint16 kHasXYScale = 0x0040;
constexpr quint16 kHasTwoByTwo = 0x0080;
// The tables a CIDFontType2 program needs; cmap, name and post are not read by PDF readers.
const char *const kKeptTables[] = { "cvt ", "fpgm", "head", "hhea", "maxp", "prep" };
constexpr int kMetricCountAt = 34; // in hhea

quint16 u16(const QByteArray &data, qsizetype offset)
{
    return offset + 2 <= data.size() ? qFromBigEndian<quint16>(data.constData() + offset) : 0;
}

quint32 u32(const QByteArray &data, qsizetype offset)
{
    return offset + 4 <= data.size() ? qFromBigEndian<quint32>(data.constData() + offset) : 0;
}

void appendU16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToBigEndian(value, bytes);
    out.append(bytes, 2);
}

void appendU32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void setU32(QByteArray &data, qsizetype offset, quint32 value)
{
    qToBigEndian(value, data.data() + offset);
}

quint32 checksum(const QByteArray &data)
{
    quint32 sum = 0;
    for (qsizetype offset = 0; offset < data.size(); offset += 4) {
        quint32 word = 0;
        for (int byte = 0; byte < 4; ++byte) {
            const qsizetype at = offset + byte;
            word = (word << 8) | (at < data.size() ? quint8(data.at(at)) : 0);
        }
        sum += word;
    }
    return sum;
}

// The font file around its tables: the table directory, sorted by tag, then the tables each
// padded to four bytes, and head's adjustment making the whole file sum to the magic number.
QByteArray sfnt(std::map<QByteArray, QByteArray> tables)
{
    const quint16 count = quint16(tables.size());
    quint16 power = 1;
    quint16 selector = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++selector;
    }
    QByteArray file;
    appendU32(file, 0x00010000);
    appendU16(file, count);
    appendU16(file, power * 16);
    appendU16(file, selector);
    appendU16(file, count * 16 - power * 16);
    quint32 offset = 12 + 16 * count;
    for (auto &[tag, data] : tables) {
        file.append(tag);
        appendU32(file, checksum(data));
        appendU32(file, offset);
        appendU32(file, quint32(data.size()));
        offset += (quint32(data.size()) + 3) & ~3u;
    }
    qsizetype headAt = -1;
    for (const auto &[tag, data] : tables) {
        if (tag == "head")
            headAt = file.size();
        file.append(data);
        file.append((4 - data.size() % 4) % 4, '\0');
    }
    if (headAt >= 0)
        setU32(file, headAt + kChecksumAdjustmentAt, kChecksumMagic - checksum(file));
    return file;
}

} // namespace

TrueTypeSubset::TrueTypeSubset(TableReader tables)
    : m_tables(std::move(tables))
    , m_glyf(m_tables("glyf"))
    , m_loca(m_tables("loca"))
    , m_head(m_tables("head"))
{ }

bool TrueTypeSubset::readLocations(std::vector<quint32> &locations, int glyphCount) const
{
    const bool longOffsets = u16(m_head, kLocaFormatAt) == 1;
    if (glyphCount <= 0 || m_loca.size() < (glyphCount + 1) * (longOffsets ? 4 : 2))
        return false;
    locations.resize(glyphCount + 1);
    for (int glyph = 0; glyph <= glyphCount; ++glyph) {
        locations[glyph] =
            longOffsets ? u32(m_loca, 4 * glyph) : 2 * quint32(u16(m_loca, 2 * glyph));
        if (locations[glyph] > quint32(m_glyf.size())
            || (glyph > 0 && locations[glyph] < locations[glyph - 1]))
            return false;
    }
    return true;
}

QByteArray TrueTypeSubset::glyphData(quint16 glyph, const std::vector<quint32> &locations) const
{
    return m_glyf.mid(locations[glyph], locations[glyph + 1] - locations[glyph]);
}

// A composite glyph (fewer than zero contours) is drawn from other glyphs, which are kept too,
// and so on down.
std::vector<bool> TrueTypeSubset::withComponents(const std::vector<bool> &used,
                                                 const std::vector<quint32> &locations) const
{
    const int glyphCount = int(locations.size()) - 1;
    std::vector<bool> kept(glyphCount, false);
    std::vector<quint16> pending{ 0 };
    for (int glyph = 0; glyph < glyphCount && glyph < int(used.size()); ++glyph) {
        if (used[glyph])
            pending.push_back(quint16(glyph));
    }
    while (!pending.empty()) {
        const quint16 glyph = pending.back();
        pending.pop_back();
        if (kept[glyph])
            continue;
        kept[glyph] = true;
        const QByteArray data = glyphData(glyph, locations);
        if (data.size() < 10 || qint16(u16(data, 0)) >= 0)
            continue;
        qsizetype at = 10;
        quint16 flags = kMoreComponents;
        while ((flags & kMoreComponents) && at + 4 <= data.size()) {
            flags = u16(data, at);
            const quint16 component = u16(data, at + 2);
            if (component < glyphCount && !kept[component])
                pending.push_back(component);
            at += 4 + ((flags & kArgsAreWords) ? 4 : 2);
            if (flags & kHasScale)
                at += 2;
            else if (flags & kHasXYScale)
                at += 4;
            else if (flags & kHasTwoByTwo)
                at += 8;
        }
    }
    return kept;
}

// The horizontal metrics with those of the glyphs dropped set to nothing: PDF takes the widths
// from the font dictionary, and the zeros deflate to almost nothing.
QByteArray TrueTypeSubset::metricsOf(const std::vector<bool> &kept) const
{
    QByteArray hmtx = m_tables("hmtx");
    const int metrics = u16(m_tables("hhea"), kMetricCountAt);
    for (int glyph = 0; glyph < int(kept.size()); ++glyph) {
        if (kept[glyph])
            continue;
        const qsizetype at = glyph < metrics ? 4 * glyph : 4 * metrics + 2 * (glyph - metrics);
        const qsizetype size = glyph < metrics ? 4 : 2;
        if (at + size <= hmtx.size())
            std::fill_n(hmtx.begin() + at, size, '\0');
    }
    return hmtx;
}

QByteArray TrueTypeSubset::build(const std::vector<bool> &used, QString &sMsg) const
{
    const int glyphCount = u16(m_tables("maxp"), 4);
    std::vector<quint32> locations;
    if (m_head.size() < 54 || !readLocations(locations, glyphCount)) {
        sMsg = QStringLiteral("the report font's glyph tables cannot be read.");
        return {};
    }
    const std::vector<bool> kept = withComponents(used, locations);
    QByteArray glyf;
    QByteArray loca;
    for (int glyph = 0; glyph < glyphCount; ++glyph) {
        appendU32(loca, quint32(glyf.size()));
        if (!kept[glyph])
            continue;
        glyf.append(glyphData(quint16(glyph), locations));
        glyf.append((4 - glyf.size() % 4) % 4, '\0');
    }
    appendU32(loca, quint32(glyf.size()));

    std::map<QByteArray, QByteArray> tables{ { "glyf", glyf },
                                             { "loca", loca },
                                             { "hmtx", metricsOf(kept) } };
    for (const char *tag : kKeptTables) {
        const QByteArray data = m_tables(tag);
        if (!data.isEmpty())
            tables.emplace(QByteArray(tag), data);
    }
    QByteArray &head = tables["head"];
    head[kLocaFormatAt] = 0;
    head[kLocaFormatAt + 1] = 1;
    setU32(head, kChecksumAdjustmentAt, 0);
    return sfnt(std::move(tables));
}

} // namespace suite
