#include "demo/Places.h"

#include "demo/ChineseWords.h"

namespace demo {

namespace {

bool offersCompanies(const ProvinceProfile &profile, const Division &city)
{
    const QStringView province(profile.code);
    return city.name.endsWith(u'市') || province == u"81" || province == u"82";
}

// The capital and the larger cities where they are; other cities within a degree or two of
// the capital, at a spot fixed by their code so that every run puts them in the same place.
void locate(const ProvinceProfile &profile, const QString &cityCode, double &latitude,
            double &longitude)
{
    latitude = profile.latitude;
    longitude = profile.longitude;
    if (cityCode.endsWith(QStringLiteral("01"))
        || knownCityCoordinates(cityCode, latitude, longitude))
        return;
    DemoRandom spot(cityCode.toULongLong() * 2654435761ULL);
    latitude += (spot.unit() * 2 - 1) * 1.5;
    longitude += (spot.unit() * 2 - 1) * 2.0;
}

QString postCodeOf(const ProvinceProfile &profile, int cityOrdinal, int countyOrdinal)
{
    const QStringView province(profile.code);
    if (province == u"81")
        return QStringLiteral("999077");
    if (province == u"82")
        return QStringLiteral("999078");
    if (province == u"71")
        return QString::number(100 + countyOrdinal % 900);
    return QString::fromUtf16(profile.postPrefix)
        + QStringLiteral("%1%2")
              .arg(cityOrdinal % 100, 2, 10, QLatin1Char('0'))
              .arg(countyOrdinal * 3 % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

bool Places::build(const ChinaDivisions &divisions, QString &sMsg)
{
    m_divisions = &divisions;
    m_provinces.clear();
    m_weightTotal = 0;
    for (const ProvinceProfile &profile : provinceProfiles()) {
        Province province{ &profile, divisions.find(QString::fromUtf16(profile.code)), {}, 0 };
        if (!province.division) {
            sMsg = QStringLiteral("the division file has no province %1")
                       .arg(QString::fromUtf16(profile.code));
            return false;
        }
        int ordinal = 0;
        for (const Division *city : divisions.children(province.division->code)) {
            ++ordinal;
            if (!offersCompanies(profile, *city))
                continue;
            City entry{ city, divisions.children(city->code), 0, 0, 1, ordinal };
            if (entry.counties.isEmpty())
                continue;
            locate(profile, city->code, entry.latitude, entry.longitude);
            entry.weight = city->code.endsWith(QStringLiteral("01")) ? 4 : 1;
            province.cityWeightTotal += entry.weight;
            province.cities.append(entry);
        }
        if (province.cities.isEmpty()) {
            sMsg = QStringLiteral("the division file has no city with counties in %1")
                       .arg(province.division->name);
            return false;
        }
        m_weightTotal += profile.weight;
        m_provinces.append(province);
    }
    return true;
}

Place Places::pick(DemoRandom &random) const
{
    int roll = random.below(m_weightTotal);
    const Province *province = &m_provinces.first();
    for (const Province &candidate : m_provinces) {
        province = &candidate;
        roll -= candidate.profile->weight;
        if (roll < 0)
            break;
    }
    roll = random.below(province->cityWeightTotal);
    const City *city = &province->cities.first();
    for (const City &candidate : province->cities) {
        city = &candidate;
        roll -= candidate.weight;
        if (roll < 0)
            break;
    }
    const int countyIndex = random.below(int(city->counties.size()));
    return { province->profile,
             province->division,
             city->division,
             city->counties[countyIndex],
             city->latitude + (random.unit() * 2 - 1) * 0.08,
             city->longitude + (random.unit() * 2 - 1) * 0.08,
             postCodeOf(*province->profile, city->ordinal, countyIndex + 1) };
}

Place Places::pickElsewhere(DemoRandom &random, const QString &avoidCityCode) const
{
    Place place = pick(random);
    for (int attempt = 0; attempt < 16 && place.city->code == avoidCityCode; ++attempt)
        place = pick(random);
    return place;
}

QString Places::namePrefix(const Place &place) const
{
    const QStringView province(place.profile->code);
    if (province == u"81" || province == u"82")
        return QString::fromUtf16(place.profile->shortName);
    return ChineseWords::shortPlaceName(place.city->name);
}

QString Places::address(const Place &place, const QString &street) const
{
    return m_divisions->fullName(*place.county) + street;
}

QString Places::phone(DemoRandom &random, const Place &place)
{
    return QString::fromUtf16(place.profile->areaCode) + u'-'
        + QString::number(random.between(2, 8)) + random.digits(7);
}

QString Places::mobile(DemoRandom &random)
{
    static const char16_t *const prefixes[] = { u"13", u"15", u"18", u"17", u"19" };
    return QString::fromUtf16(prefixes[random.below(5)]) + random.digits(9);
}

} // namespace demo
