#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace suite {

// A ZIP archive whose entries are stored uncompressed, which every ZIP reader accepts and
// which needs no compression library: enough for the small packages the exports write.
class ZipStore
{
public:
    void add(const QString &name, const QByteArray &data);
    // The whole archive: local entries, central directory, end record.
    QByteArray archive() const;

    // CRC-32 as ZIP (and PNG, gzip) define it.
    static quint32 crc32(const QByteArray &data);

private:
    struct Entry
    {
        QByteArray name;
        QByteArray data;
        quint32 crc;
        quint32 offset;
    };
    QList<Entry> m_entries;
    quint32 m_size = 0;
};

} // namespace suite
