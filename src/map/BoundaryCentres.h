#pragma once

#include "map/OfflineGeocoder.h"

#include <QString>

namespace map {

// The boundary scripts of the map page (installed with it from npm) register one map each:
// China with its provinces, and every province with its cities (the municipalities with their
// districts). Each area carries its centre; these become the local geocoder's centres.
//
// pageFolder is the folder of the map page; false, with sMsg, when the China map cannot be
// read there. A province file that cannot be read only leaves its cities without centres.
bool loadBoundaryCentres(const QString &pageFolder, OfflineGeocoder &geocoder, QString &sMsg);

// The folder of the boundary scripts below the page folder.
QString boundaryScriptFolder(const QString &pageFolder);

} // namespace map
