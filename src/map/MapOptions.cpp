#include "map/MapOptions.h"

#include "map/MapPageAddress.h"
#include "suite/data/IClsCommon.h"

namespace map {

MapOptions MapOptions::read(suite::IClsCommon *service)
{
    MapOptions options{ defaultTileUrl(), QString() };
    if (!service)
        return options;
    const suite::RecordSet rows = service->OpenX(
        QStringLiteral("select cName, cValue, cDefault from AccInformation where cSysID=N'AA' and "
                       "cName in (N'cMapTileUrl', N'cMapGeocoderUrl')"));
    for (int row = 0; rows.IsOpen() && row < rows.RecordCount(); ++row) {
        const QString name = rows.valueAt(row, 0).toString().toLower();
        QString value = rows.valueAt(row, 1).toString().trimmed();
        if (value.isEmpty())
            value = rows.valueAt(row, 2).toString().trimmed();
        if (value.isEmpty())
            continue;
        if (name == u"cmaptileurl")
            options.tileUrl = value;
        else if (name == u"cmapgeocoderurl")
            options.geocoderUrl = value;
    }
    return options;
}

MapOptions MapOptions::readWithEnvironment(suite::IClsCommon *service)
{
    MapOptions options = read(service);
    if (qEnvironmentVariableIsSet("CUSTOMER_ARCHIVE_MAP_TILES"))
        options.tileUrl = qEnvironmentVariable("CUSTOMER_ARCHIVE_MAP_TILES");
    if (qEnvironmentVariableIsSet("CUSTOMER_ARCHIVE_GEOCODER"))
        options.geocoderUrl = qEnvironmentVariable("CUSTOMER_ARCHIVE_GEOCODER");
    return options;
}

} // namespace map
