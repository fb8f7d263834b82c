#pragma once

#include <QString>
#include <QUrl>

namespace map {

// The base layer's tile address when no other is set: the public OpenStreetMap tiles.
QString defaultTileUrl();

// The folder of the map page below the suite's installation folder.
QString mapPageFolder(const QString &installPath);

// The map page with its settings as query items: the tile address ("none" for the vector base
// map alone) and the address of a geocoder of the network (the address query is appended to
// it; empty for none).
QUrl mapPageUrl(const QString &installPath, const QString &tileUrl, const QString &geocoderUrl);

} // namespace map
