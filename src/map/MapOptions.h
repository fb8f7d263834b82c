#pragma once

#include <QString>

namespace suite {
class IClsCommon;
}

namespace map {

// Where the map page takes its base layer's tiles and its address search from. The account
// options cMapTileUrl and cMapGeocoderUrl (AccInformation, subsystem AA) set them for the
// company; the environment variables CUSTOMER_ARCHIVE_MAP_TILES and CUSTOMER_ARCHIVE_GEOCODER,
// when set, override them for one machine. A tile address "none" lays no tiles (the vector base
// map alone); an empty geocoder address leaves the search to the local geocoder.
struct MapOptions
{
    QString tileUrl;
    QString geocoderUrl;

    // The account's options; a missing or empty option takes its default (the public
    // OpenStreetMap tiles, no geocoder of the network). Without a data service: the defaults.
    static MapOptions read(suite::IClsCommon *service);
    // The options as they stand after the environment's overrides.
    static MapOptions readWithEnvironment(suite::IClsCommon *service);
};

} // namespace map
