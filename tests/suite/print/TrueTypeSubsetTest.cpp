#include "suite/print/TrueTypeSubset.h"
#include "suite/print/ReportFont.h"

#include <QMap>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace suite;

namespace {

quint32 u32(const QByteArray &data, qsizetype at)
{
    return qFromBigEndian<quint32>(data.constData() + at);
}

quint16 u16(const QByteArray &data, qsizetype at)
{
    return qFromBigEndian<quint16>(data.constData() + at);
}

// The tables of a font file by tag, read from its table directory.
QMap<QByteArray, QByteArray> tablesOf(const QByteArray &file)
{
    QMap<QByteArray, QByteArray> tables;
    for (int table = 0; table < u16(file, 4); ++table) {
        const qsizetype record = 12 + 16 * table;
        tables.insert(file.mid(record, 4), file.mid(u32(file, record + 8), u32(file, record + 12)));
    }
    return tables;
}

// Where each glyph's outline lies in glyf, as loca says: offsets in long or short form.
QList<quint32> locations(const QByteArray &loca, const QByteArray &head, int glyphs)
{
    QList<quint32> offsets;
    const bool longForm = u16(head, 50) == 1;
    for (int glyph = 0; glyph <= glyphs; ++glyph)
        offsets.append(longForm ? u32(loca, 4 * glyph) : 2u * u16(loca, 2 * glyph));
    return offsets;
}

quint32 outlineSize(const QList<quint32> &offsets, int glyph)
{
    return offsets.at(glyph + 1) - offsets.at(glyph);
}

} // namespace

TEST(TrueTypeSubset, KeepsTheOutlinesUsedAndGlyphZeroUnderTheSameNumbersInAWholeFile)
{
    const ReportFont &font = ReportFont::standard();
    ASSERT_TRUE(font.isValid());
    const auto table = [&font](const char *tag) {
        return font.table(tag);
    };
    const int glyphs = font.glyphCount();
    const QList<quint32> original = locations(font.table("loca"), font.table("head"), glyphs);
    std::vector<bool> used(glyphs, false);
    for (const char32_t c : { U'客', U'户', U'A' })
        used[font.glyph(c)] = true;

    QString sMsg;
    const QByteArray file = TrueTypeSubset(table).build(used, sMsg);
    ASSERT_FALSE(file.isEmpty()) << qPrintable(sMsg);
    quint32 sum = 0;
    for (qsizetype at = 0; at < file.size(); at += 4)
        sum += u32(file, at);
    EXPECT_EQ(sum, 0xB1B0AFBA) << "head's adjustment makes the file's checksum";

    const QMap<QByteArray, QByteArray> tables = tablesOf(file);
    for (const char *needed : { "glyf", "head", "hhea", "hmtx", "loca", "maxp" })
        EXPECT_TRUE(tables.contains(needed)) << needed;
    EXPECT_FALSE(tables.contains("cmap")) << "glyphs are named by number";
    const QList<quint32> kept = locations(tables.value("loca"), tables.value("head"), glyphs);
    const QByteArray glyf = font.table("glyf");
    int composites = 0;
    for (int glyph = 0; glyph < glyphs; ++glyph) {
        if (glyph != 0 && !used[glyph])
            continue;
        const quint32 size = outlineSize(original, glyph);
        ASSERT_EQ(outlineSize(kept, glyph), size) << glyph;
        const QByteArray outline = glyf.mid(original.at(glyph), size);
        EXPECT_EQ(tables.value("glyf").mid(kept.at(glyph), size), outline) << glyph;
        EXPECT_EQ(tables.value("hmtx").mid(4 * glyph, 4), font.table("hmtx").mid(4 * glyph, 4));
        // A composite glyph: contours below zero, then its first part's flags and number.
        if (size > 14 && qint16(u16(outline, 0)) < 0) {
            ++composites;
            EXPECT_GT(outlineSize(kept, u16(outline, 12)), 0u) << "a part of glyph " << glyph;
        }
    }
    EXPECT_GT(composites, 0) << "WenQuanYi builds many characters from parts";
    const quint16 unused = font.glyph(U'龍');
    EXPECT_GT(outlineSize(original, unused), 0u);
    EXPECT_EQ(outlineSize(kept, unused), 0u);
    EXPECT_EQ(tables.value("hmtx").mid(4 * unused, 4), QByteArray(4, '\0'));
    EXPECT_LT(qCompress(file).size(), 20000) << "what is dropped deflates to nearly nothing";
}

TEST(TrueTypeSubset, AFontWhoseGlyphTablesDoNotReadIsRefused)
{
    const ReportFont &font = ReportFont::standard();
    const auto shortLoca = [&font](const char *tag) {
        const QByteArray whole = font.table(tag);
        return qstrcmp(tag, "loca") == 0 ? whole.left(whole.size() / 2) : whole;
    };
    QString sMsg;
    EXPECT_TRUE(TrueTypeSubset(shortLoca).build({ true }, sMsg).isEmpty());
    EXPECT_EQ(sMsg, u"the report font's glyph tables cannot be read.");
}
