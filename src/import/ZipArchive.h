#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

struct zip;
struct zip_file;

namespace customer {

// A ZIP archive opened read-only through libzip.
class ZipArchive
{
public:
    // One entry read in chunks, so that a large entry never has to be in memory at once.
    class Entry
    {
    public:
        // The next chunk of at most maxBytes; empty at the end or on failure (error() tells).
        QByteArray read(qint64 maxBytes);
        qint64 size() const { return m_size; }
        qint64 done() const { return m_done; }
        QString error() const { return m_error; }

    private:
        friend class ZipArchive;
        struct Close
        {
            void operator()(zip_file *file) const;
        };
        std::unique_ptr<zip_file, Close> m_file;
        qint64 m_size = 0;
        qint64 m_done = 0;
        QString m_error;
    };

    // False with the reason when the file is no ZIP archive or cannot be read.
    bool open(const QString &path, QString &sMsg);
    bool contains(const QString &name) const;
    // The entry opened for reading; false with the reason when it is missing or unreadable.
    bool openEntry(const QString &name, Entry &entry, QString &sMsg) const;
    // A whole entry that must not exceed maxBytes unpacked (the small parts of a workbook).
    bool readEntry(const QString &name, qint64 maxBytes, QByteArray &bytes, QString &sMsg) const;

private:
    struct Close
    {
        void operator()(zip *archive) const;
    };
    std::unique_ptr<zip, Close> m_archive;
};

} // namespace customer
