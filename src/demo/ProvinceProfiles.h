#pragma once

#include <QString>

#include <span>

namespace demo {

// What the demo company knows of a province: where its capital lies, its post and telephone
// codes, how many of the company's customers are there, and which class, territory,
// department, warehouse and rights class serve it.
struct ProvinceProfile
{
    const char16_t *code;
    const char16_t *shortName;
    double latitude; // of the capital
    double longitude;
    const char16_t *postPrefix;
    const char16_t *areaCode;
    int weight; // share of the customers, relative
    const char16_t *classCode;
    const char16_t *districtCode;
    const char16_t *departmentCode;
    const char16_t *warehouseCode;
    int authClassId;
    const char16_t *currency;
    const char16_t *nationCode; // export data for customers outside the mainland, else empty
    const char16_t *portCode;
};

std::span<const ProvinceProfile> provinceProfiles();
const ProvinceProfile *provinceProfile(const QString &provinceCode);

// The coordinates of the larger cities other than capitals; false for the others.
bool knownCityCoordinates(const QString &cityCode, double &latitude, double &longitude);

// The customer class of a city: the province's class, or for the provinces whose class is
// split further the sub-class the city belongs to.
QString customerClassOfCity(const ProvinceProfile &province, const QString &cityCode);

} // namespace demo
