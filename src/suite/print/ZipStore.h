#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace suite {

// A ZIP archive written in memory. Entries are deflated through Qt's own zlib (a sheet of
// repeated markup shrinks many times), or stored as they are when deflating does not pay.
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
        QByteArray data; // as written: deflated or stored
        quint16 method;
        quint32 size; // before deflating
        quint32 crc;
        quint32 offset;
    };
    static void putEntryFields(QByteArray &out, const Entry &entry);

    QList<Entry> m_entries;
    quint32 m_size = 0;
};

} // namespace suite
