#pragma once

#include <QByteArray>
#include <QString>

namespace suite {

// A picture as the card stores it: the file's bytes unchanged and its format ("png", "jpeg").
struct PictureFile
{
    QByteArray data;
    QString type;

    bool isEmpty() const { return data.isEmpty(); }

    // Reads path when it is a picture no larger than maxKilobytes. On failure problemKey names
    // the resource text for the user: too large, not a picture, or unreadable.
    static bool read(const QString &path, qint64 maxKilobytes, PictureFile &picture,
                     QString &problemKey);
    // The format of picture bytes; empty when they are no picture.
    static QString typeOf(const QByteArray &data);
};

} // namespace suite
