#include "map/MapPageAddress.h"

#include <QDir>

namespace map {

QString defaultTileUrl()
{
    return QStringLiteral("https://tile.openstreetmap.org/{z}/{x}/{y}.png");
}

QString mapPageFolder(const QString &installPath)
{
    return QDir(installPath).filePath(QStringLiteral("TM/html"));
}

QUrl mapPageUrl(const QString &installPath, const QString &tileUrl, const QString &geocoderUrl)
{
    QUrl url = QUrl::fromLocalFile(
        QDir(mapPageFolder(installPath)).filePath(QStringLiteral("BaiduMap_Archive.htm")));
    // Each address is encoded whole, so its own "&" and "=" stay inside its item.
    url.setQuery(QStringLiteral("tiles=%1&geocoder=%2")
                     .arg(QString::fromLatin1(QUrl::toPercentEncoding(tileUrl)),
                          QString::fromLatin1(QUrl::toPercentEncoding(geocoderUrl))));
    return url;
}

} // namespace map
