#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace map {

// A point the user picked on the page: the page reports it through its title as longitude,
// latitude and address joined by "#".
struct PickedPoint
{
    QString longitude;
    QString latitude;
    QString address;
};

// The properties of the map window and the lists behind them, without any control: what a
// caller hands over, what the page is told after it loaded, and what the caller reads back.
//
// Setting longitude, latitude or address to a non-empty value also appends it to that
// property's list; an empty value empties the list. The i-th entries of the three lists belong
// to one customer. The lists are kept as lists, so an address holding the list separator "@"
// stays one entry.
class MapState
{
public:
    QString longitude() const { return m_longitude; }
    QString latitude() const { return m_latitude; }
    QString address() const { return m_address; }
    QString defaultAddress() const { return m_defaultAddress; }
    bool isMapList() const { return m_isMapList; }

    void setLongitude(const QString &value);
    void setLatitude(const QString &value);
    void setAddress(const QString &value);
    void setDefaultAddress(const QString &value) { m_defaultAddress = value; }
    void setIsMapList(bool value) { m_isMapList = value; }

    const QStringList &longitudeList() const { return m_longitudes; }
    const QStringList &latitudeList() const { return m_latitudes; }
    const QStringList &addressList() const { return m_addresses; }

    // No address to search and positions to show: the window only shows the map.
    bool isPureViewer() const;

    // What the page is told once it has loaded, after "GetBOnLine()": the known position, or
    // the address search, then in list mode one marker per customer and the clustering.
    QStringList scriptsAfterLoad() const;
    // The address search runs only for an address without positions and without "<BR>".
    bool searchesAddress() const;
    // The scripts after the load move the map to a place: a known position, an address to
    // search, or customers of the list with positions.
    bool movesToAPlace() const;

    // The picked point of a page title; nothing for a title without "#" (such as "defined").
    static std::optional<PickedPoint> parseTitle(const QString &title);

    // Cmdok: the edit texts become the properties; the lists stay as they are.
    void confirm(const PickedPoint &point);
    // Cmdcancel: a caller reading longitude afterwards finds it empty.
    void cancel();
    // Closing by any road: the lists, the search address and the list mode end; longitude,
    // latitude and address stay for the caller to read.
    void close();

private:
    QString m_longitude;
    QString m_latitude;
    QString m_address;
    QString m_defaultAddress;
    bool m_isMapList = false;
    QStringList m_longitudes;
    QStringList m_latitudes;
    QStringList m_addresses;
};

} // namespace map
