#pragma once

#include "demo/ChinaDivisions.h"
#include "demo/DemoRandom.h"
#include "demo/ProvinceProfiles.h"

#include <QList>
#include <QString>

namespace demo {

// Where a customer is: a county of a city of a province, with the coordinates of its city
// and the post code of its county.
struct Place
{
    const ProvinceProfile *profile = nullptr;
    const Division *province = nullptr;
    const Division *city = nullptr;
    const Division *county = nullptr;
    double latitude = 0;
    double longitude = 0;
    QString postCode;
};

// Picks customers' places: provinces by the share of customers their profile gives, the
// capital more often than other cities, counties evenly. Only cities whose name a company
// name can start with are offered (those named 市, and the districts of Hong Kong and Macao).
class Places
{
public:
    // False when a province of the profiles is missing from the divisions.
    bool build(const ChinaDivisions &divisions, QString &sMsg);

    Place pick(DemoRandom &random) const;
    // A place in another city than avoidCityCode (for a branch of a company).
    Place pickElsewhere(DemoRandom &random, const QString &avoidCityCode) const;

    // The city as the start of a company name: 苏州, 香港.
    QString namePrefix(const Place &place) const;
    // A postal address from the province down to the street and house number.
    QString address(const Place &place, const QString &street) const;
    // A fixed-line number with the province's trunk code, and a mobile number.
    static QString phone(DemoRandom &random, const Place &place);
    static QString mobile(DemoRandom &random);

private:
    struct City
    {
        const Division *division = nullptr;
        QList<const Division *> counties;
        double latitude = 0;
        double longitude = 0;
        int weight = 1;
        int ordinal = 0; // position in its province, for post codes
    };
    struct Province
    {
        const ProvinceProfile *profile = nullptr;
        const Division *division = nullptr;
        QList<City> cities;
        int cityWeightTotal = 0;
    };

    const ChinaDivisions *m_divisions = nullptr;
    QList<Province> m_provinces;
    int m_weightTotal = 0;
};

} // namespace demo
