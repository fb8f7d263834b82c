#pragma once

#include "map/OfflineGeocoder.h"

#include <QList>

namespace suite {
class IClsCommon;
}

namespace map {

// The company's provinces, cities and counties (HR_CT007) for the local geocoder.
QList<GeoDivision> readDivisionTable(suite::IClsCommon &srv);

} // namespace map
