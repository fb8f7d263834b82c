#include "map/OfflineGeocoder.h"

namespace map {

QString shortDivisionName(const QString &name)
{
    static const QStringList suffixes{
        QStringLiteral("维吾尔自治区"), QStringLiteral("壮族自治区"), QStringLiteral("回族自治区"),
        QStringLiteral("特别行政区"),   QStringLiteral("自治区"),     QStringLiteral("自治州"),
        QStringLiteral("省"),           QStringLiteral("市"),         QStringLiteral("地区"),
        QStringLiteral("盟"),           QStringLiteral("区"),         QStringLiteral("县"),
    };
    for (const QString &suffix : suffixes) {
        if (name.endsWith(suffix) && name.size() - suffix.size() >= 2)
            return name.left(name.size() - suffix.size());
    }
    return name;
}

void OfflineGeocoder::setDivisions(const QList<GeoDivision> &divisions)
{
    m_divisions = divisions;
}

void OfflineGeocoder::addProvinceCentre(const QString &province, double longitude, double latitude)
{
    m_provinceCentres.insert(shortDivisionName(province), { longitude, latitude });
}

void OfflineGeocoder::addCentre(const QString &province, const QString &name, double longitude,
                                double latitude)
{
    m_centres.insert(shortDivisionName(province) + u'/' + name, { longitude, latitude });
}

// The division of the level under parentCode (any parent when empty) that the address names,
// by its full name or else its short name; the longest name wins, so 吉林市 is not taken for
// 吉林省.
const GeoDivision *OfflineGeocoder::findNamed(const QString &address, const QString &parentCode,
                                              int level) const
{
    const GeoDivision *best = nullptr;
    qsizetype bestLength = 0;
    for (const GeoDivision &division : m_divisions) {
        if (division.level != level || (!parentCode.isNull() && division.parentCode != parentCode))
            continue;
        for (const QString &name : { division.name, shortDivisionName(division.name) }) {
            if (name.size() > bestLength && address.contains(name)) {
                best = &division;
                bestLength = name.size();
            }
        }
    }
    return best;
}

QString OfflineGeocoder::provinceKey(const GeoDivision &province) const
{
    return shortDivisionName(province.name);
}

std::optional<OfflineGeocoder::Centre> OfflineGeocoder::centreOf(const QString &provinceKey,
                                                                 const GeoDivision &division) const
{
    for (const QString &name : { division.name, shortDivisionName(division.name) }) {
        const auto found = m_centres.constFind(provinceKey + u'/' + name);
        if (found != m_centres.cend())
            return *found;
    }
    return std::nullopt;
}

std::optional<GeoPlace> OfflineGeocoder::locate(const QString &address) const
{
    const QString text = address.simplified();
    if (text.isEmpty())
        return std::nullopt;
    const GeoDivision *province = findNamed(text, QString(), 0);
    const GeoDivision *city = findNamed(text, province ? province->code : QString(), 1);
    if (!province && city) {
        for (const GeoDivision &division : m_divisions) {
            if (division.code == city->parentCode)
                province = &division;
        }
    }
    if (!province)
        return std::nullopt;
    const GeoDivision *county = city ? findNamed(text, city->code, 2) : nullptr;
    const QString key = provinceKey(*province);
    GeoPlace place;
    place.name = province->name;
    std::optional<Centre> centre;
    const auto provinceCentre = m_provinceCentres.constFind(key);
    if (provinceCentre != m_provinceCentres.cend())
        centre = *provinceCentre;
    for (const GeoDivision *division : { city, county }) {
        if (!division)
            continue;
        // A municipality's city repeats the province's name and is written once.
        if (division->name != province->name)
            place.name += division->name;
        if (const std::optional<Centre> finer = centreOf(key, *division))
            centre = finer;
    }
    if (!centre)
        return std::nullopt;
    place.longitude = centre->longitude;
    place.latitude = centre->latitude;
    return place;
}

} // namespace map
