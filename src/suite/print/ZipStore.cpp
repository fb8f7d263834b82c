#include "suite/print/ZipStore.h"

#include <QtEndian>

#include <array>

namespace suite {

namespace {

// 1980-01-01 00:00, the earliest time a ZIP entry can carry.
constexpr quint16 kDosDate = (0 << 9) | (1 << 5) | 1;
constexpr quint16 kDosTime = 0;
// Bit 11: names are UTF-8.
constexpr quint16 kUtf8Names = 0x0800;
constexpr quint16 kVersion = 20;
constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;
// qCompress writes the size before a zlib stream: a 2-byte header, the raw deflate data ZIP
// wants, and a 4-byte Adler-32 trailer.
constexpr qsizetype kQtSizePrefix = 4;
constexpr qsizetype kZlibHeader = 2;
constexpr qsizetype kZlibTrailer = 4;

QByteArray rawDeflate(const QByteArray &data)
{
    const QByteArray zlib = qCompress(data, 6);
    const qsizetype start = kQtSizePrefix + kZlibHeader;
    return zlib.mid(start, zlib.size() - start - kZlibTrailer);
}

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

const std::array<quint32, 256> &crcTable()
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> values{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int bit = 0; bit < 8; ++bit)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            values[n] = c;
        }
        return values;
    }();
    return table;
}

} // namespace

quint32 ZipStore::crc32(const QByteArray &data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data)
        crc = crcTable()[(crc ^ quint8(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void ZipStore::add(const QString &name, const QByteArray &data)
{
    const QByteArray deflated = rawDeflate(data);
    const bool deflate = !data.isEmpty() && deflated.size() < data.size();
    Entry entry{ name.toUtf8(),
                 deflate ? deflated : data,
                 deflate ? kDeflated : kStored,
                 quint32(data.size()),
                 crc32(data),
                 m_size };
    m_size += 30 + entry.name.size() + entry.data.size();
    m_entries.append(std::move(entry));
}

// The fields the local header and the central directory share, from the flags to the name's
// length.
void ZipStore::putEntryFields(QByteArray &out, const Entry &entry)
{
    put16(out, kUtf8Names);
    put16(out, entry.method);
    put16(out, kDosTime);
    put16(out, kDosDate);
    put32(out, entry.crc);
    put32(out, entry.data.size());
    put32(out, entry.size);
    put16(out, entry.name.size());
}

QByteArray ZipStore::archive() const
{
    QByteArray out;
    for (const Entry &entry : m_entries) {
        put32(out, 0x04034b50);
        put16(out, kVersion);
        putEntryFields(out, entry);
        put16(out, 0); // extra
        out += entry.name;
        out += entry.data;
    }
    const quint32 directoryOffset = out.size();
    for (const Entry &entry : m_entries) {
        put32(out, 0x02014b50);
        put16(out, kVersion);
        put16(out, kVersion);
        putEntryFields(out, entry);
        put16(out, 0); // extra
        put16(out, 0); // comment
        put16(out, 0); // disk
        put16(out, 0); // internal attributes
        put32(out, 0); // external attributes
        put32(out, entry.offset);
        out += entry.name;
    }
    const quint32 directorySize = out.size() - directoryOffset;
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, m_entries.size());
    put16(out, m_entries.size());
    put32(out, directorySize);
    put32(out, directoryOffset);
    put16(out, 0);
    return out;
}

} // namespace suite
