#include "suite/card/PictureFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace suite {

bool PictureFile::read(const QString &path, qint64 maxKilobytes, PictureFile &picture,
                       QString &problemKey)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        problemKey = QStringLiteral("Tarn.AA.SUBREC.PICTURE.unreadable");
        return false;
    }
    // The size is checked before reading, so a huge file is refused without loading it.
    if (maxKilobytes > 0 && info.size() > maxKilobytes * 1024) {
        problemKey = QStringLiteral("Tarn.AA.SUBREC.PICTURE.toolarge");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problemKey = QStringLiteral("Tarn.AA.SUBREC.PICTURE.unreadable");
        return false;
    }
    const QByteArray data = file.readAll();
    const QString type = typeOf(data);
    if (type.isEmpty()) {
        problemKey = QStringLiteral("Tarn.AA.SUBREC.PICTURE.notpicture");
        return false;
    }
    picture = { data, type };
    return true;
}

QString PictureFile::typeOf(const QByteArray &data)
{
    QByteArray copy = data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead())
        return {};
    return QString::fromLatin1(reader.format());
}

} // namespace suite
