#include "import/ZipArchive.h"

#include <QFile>

#include <zip.h>

namespace customer {

void ZipArchive::Close::operator()(zip *archive) const
{
    zip_discard(archive);
}

void ZipArchive::Entry::Close::operator()(zip_file *file) const
{
    zip_fclose(file);
}

bool ZipArchive::open(const QString &path, QString &sMsg)
{
    int code = 0;
    zip *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        sMsg = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        return false;
    }
    m_archive.reset(archive);
    return true;
}

bool ZipArchive::contains(const QString &name) const
{
    return m_archive && zip_name_locate(m_archive.get(), name.toUtf8().constData(), 0) >= 0;
}

bool ZipArchive::openEntry(const QString &name, Entry &entry, QString &sMsg) const
{
    const QByteArray utf8 = name.toUtf8();
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (!m_archive || zip_stat(m_archive.get(), utf8.constData(), 0, &stat) != 0
        || !(stat.valid & ZIP_STAT_SIZE)) {
        sMsg = QStringLiteral("%1 is missing").arg(name);
        return false;
    }
    zip_file *file = zip_fopen(m_archive.get(), utf8.constData(), 0);
    if (!file) {
        sMsg = QStringLiteral("%1: %2").arg(name, QString::fromUtf8(zip_strerror(m_archive.get())));
        return false;
    }
    entry.m_file.reset(file);
    entry.m_size = qint64(stat.size);
    entry.m_done = 0;
    entry.m_error.clear();
    return true;
}

QByteArray ZipArchive::Entry::read(qint64 maxBytes)
{
    if (!m_file)
        return {};
    QByteArray chunk(maxBytes, Qt::Uninitialized);
    const zip_int64_t got = zip_fread(m_file.get(), chunk.data(), zip_uint64_t(maxBytes));
    if (got < 0) {
        m_error = QString::fromUtf8(zip_file_strerror(m_file.get()));
        return {};
    }
    chunk.truncate(qsizetype(got));
    m_done += got;
    return chunk;
}

bool ZipArchive::readEntry(const QString &name, qint64 maxBytes, QByteArray &bytes,
                           QString &sMsg) const
{
    Entry entry;
    if (!openEntry(name, entry, sMsg))
        return false;
    if (entry.size() > maxBytes) {
        sMsg = QStringLiteral("%1 is larger than %2 bytes").arg(name).arg(maxBytes);
        return false;
    }
    bytes.clear();
    // The size the archive declares is checked again as the bytes come: a crafted entry may
    // unpack to more than it says.
    for (QByteArray chunk = entry.read(1 << 16); !chunk.isEmpty(); chunk = entry.read(1 << 16)) {
        bytes += chunk;
        if (bytes.size() > maxBytes) {
            sMsg = QStringLiteral("%1 is larger than %2 bytes").arg(name).arg(maxBytes);
            return false;
        }
    }
    if (!entry.error().isEmpty()) {
        sMsg = QStringLiteral("%1: %2").arg(name, entry.error());
        return false;
    }
    return true;
}

} // namespace customer
