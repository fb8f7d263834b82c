#pragma once

#include <QByteArray>

#include <functional>
#include <vector>

namespace suite {

// A TrueType font cut down to the glyphs a document uses, for embedding: the outlines of the
// other glyphs are dropped, their numbers stay, so that text can go on naming glyphs by their
// numbers in the whole font (Identity encoding). The glyphs a used composite glyph is made of
// are kept with it, and so is glyph 0, the one shown for a missing character.
class TrueTypeSubset
{
public:
    // A table of the whole font by its tag ("glyf"); empty when the font has none.
    using TableReader = std::function<QByteArray(const char *tag)>;

    explicit TrueTypeSubset(TableReader tables);

    // The font file keeping the outlines of the glyphs marked in used (by glyph number); empty,
    // with the reason in sMsg, when the font's tables do not read.
    QByteArray build(const std::vector<bool> &used, QString &sMsg) const;

private:
    bool readLocations(std::vector<quint32> &locations, int glyphCount) const;
    std::vector<bool> withComponents(const std::vector<bool> &used,
                                     const std::vector<quint32> &locations) const;
    QByteArray glyphData(quint16 glyph, const std::vector<quint32> &locations) const;
    QByteArray metricsOf(const std::vector<bool> &kept) const;

    TableReader m_tables;
    QByteArray m_glyf;
    QByteArray m_loca;
    QByteArray m_head;
};

} // namespace suite
