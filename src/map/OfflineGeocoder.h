#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace map {

// A division of the company's division table (provinces level 0, cities 1, counties 2).
struct GeoDivision
{
    QString code;
    QString parentCode;
    QString name;
    int level = 0;
};

struct GeoPlace
{
    double longitude = 0;
    double latitude = 0;
    QString name; // the matched divisions from the province down: 江苏省苏州市吴中区
};

// Finds an address without the network: the province, city and county the address names,
// matched against the division table, give the centre of the finest of them that has one.
// Centres are known by province (short name as the boundary files write it: 江苏, 内蒙古) and
// by name within a province for its cities and, in the municipalities, its districts.
class OfflineGeocoder
{
public:
    void setDivisions(const QList<GeoDivision> &divisions);
    void addProvinceCentre(const QString &province, double longitude, double latitude);
    void addCentre(const QString &province, const QString &name, double longitude, double latitude);

    std::optional<GeoPlace> locate(const QString &address) const;

    bool hasDivisions() const { return !m_divisions.isEmpty(); }

private:
    struct Centre
    {
        double longitude = 0;
        double latitude = 0;
    };

    const GeoDivision *findNamed(const QString &address, const QString &parentCode,
                                 int level) const;
    QString provinceKey(const GeoDivision &province) const;
    std::optional<Centre> centreOf(const QString &provinceKey, const GeoDivision &division) const;

    QList<GeoDivision> m_divisions;
    QHash<QString, Centre> m_provinceCentres;
    QHash<QString, Centre> m_centres; // province key + "/" + name
};

// The short form of a division name, as addresses and boundary files often write it:
// 江苏省 → 江苏, 新疆维吾尔自治区 → 新疆, 苏州市 → 苏州. A name that would become a single
// character stays whole.
QString shortDivisionName(const QString &name);

} // namespace map
