#include "map/MapState.h"

#include "map/MapScripts.h"

#include <algorithm>

namespace map {

namespace {

void setListed(QString &property, QStringList &list, const QString &value)
{
    property = value;
    if (value.isEmpty())
        list.clear();
    else
        list.append(value);
}

} // namespace

void MapState::setLongitude(const QString &value)
{
    setListed(m_longitude, m_longitudes, value);
}

void MapState::setLatitude(const QString &value)
{
    setListed(m_latitude, m_latitudes, value);
}

void MapState::setAddress(const QString &value)
{
    setListed(m_address, m_addresses, value);
}

bool MapState::isPureViewer() const
{
    return m_defaultAddress.isEmpty() && !m_longitudes.isEmpty();
}

bool MapState::searchesAddress() const
{
    return !m_defaultAddress.isEmpty() && !m_defaultAddress.contains(QLatin1String("<BR>"))
        && m_longitude.isEmpty();
}

bool MapState::movesToAPlace() const
{
    // A blank longitude is run as a position too, but the page finds no place in it.
    if (!m_longitude.trimmed().isEmpty() || searchesAddress())
        return true;
    return m_isMapList && std::ranges::any_of(m_longitudes, [](const QString &value) {
               return !value.trimmed().isEmpty();
           });
}

QStringList MapState::scriptsAfterLoad() const
{
    QStringList scripts;
    if (!m_longitude.isEmpty()) {
        scripts.append(MapScripts::setLocationByPoint(m_longitude, m_latitude));
    } else if (searchesAddress()) {
        scripts.append(MapScripts::putSearchAddress(m_defaultAddress));
        scripts.append(MapScripts::searchSite());
    }
    if (!m_isMapList)
        return scripts;
    for (int i = 0; i < m_longitudes.size(); ++i) {
        if (m_longitudes.at(i).trimmed().isEmpty())
            continue;
        scripts.append(MapScripts::setCenterByLongLati(m_longitudes.at(i), m_latitudes.value(i), i,
                                                       m_addresses.value(i)));
    }
    scripts.append(MapScripts::markCluster());
    return scripts;
}

std::optional<PickedPoint> MapState::parseTitle(const QString &title)
{
    const qsizetype first = title.indexOf(u'#');
    if (first < 0)
        return std::nullopt;
    const qsizetype second = title.indexOf(u'#', first + 1);
    PickedPoint point;
    point.longitude = title.left(first);
    if (second < 0) {
        point.latitude = title.mid(first + 1);
        return point;
    }
    point.latitude = title.mid(first + 1, second - first - 1);
    // The address is the rest: a house number such as "3#" stays in it.
    point.address = title.mid(second + 1);
    return point;
}

void MapState::confirm(const PickedPoint &point)
{
    m_longitude = point.longitude;
    m_latitude = point.latitude;
    m_address = point.address;
}

void MapState::cancel()
{
    setLongitude(QString());
    setLatitude(QString());
    setAddress(QString());
}

void MapState::close()
{
    m_longitudes.clear();
    m_latitudes.clear();
    m_addresses.clear();
    m_defaultAddress.clear();
    m_isMapList = false;
}

} // namespace map
