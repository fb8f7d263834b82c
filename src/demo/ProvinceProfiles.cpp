#include "demo/ProvinceProfiles.h"

#include <QStringList>

namespace demo {

namespace {

// Capitals' coordinates are rounded to a thousandth of a degree; the weights follow the size
// of the provinces' economies.
constexpr ProvinceProfile kProfiles[] = {
    { u"11", u"北京", 39.904, 116.407, u"10", u"010", 60, u"0101", u"0301", u"0201", u"01", 1,
      u"人民币", u"", u"" },
    { u"12", u"天津", 39.084, 117.201, u"30", u"022", 20, u"0102", u"0301", u"0201", u"01", 1,
      u"人民币", u"", u"" },
    { u"13", u"河北", 38.042, 114.515, u"05", u"0311", 25, u"0103", u"0302", u"0201", u"01", 1,
      u"人民币", u"", u"" },
    { u"14", u"山西", 37.870, 112.549, u"03", u"0351", 12, u"0104", u"0302", u"0201", u"01", 1,
      u"人民币", u"", u"" },
    { u"15", u"内蒙古", 40.842, 111.749, u"01", u"0471", 10, u"0105", u"0302", u"0201", u"01", 1,
      u"人民币", u"", u"" },
    { u"21", u"辽宁", 41.806, 123.432, u"11", u"024", 20, u"0201", u"0401", u"0206", u"06", 2,
      u"人民币", u"", u"" },
    { u"22", u"吉林", 43.817, 125.324, u"13", u"0431", 10, u"0202", u"0401", u"0206", u"06", 2,
      u"人民币", u"", u"" },
    { u"23", u"黑龙江", 45.803, 126.535, u"15", u"0451", 10, u"0203", u"0401", u"0206", u"06", 2,
      u"人民币", u"", u"" },
    { u"31", u"上海", 31.230, 121.474, u"20", u"021", 60, u"0301", u"0101", u"0202", u"02", 3,
      u"人民币", u"", u"" },
    { u"32", u"江苏", 32.060, 118.797, u"21", u"025", 80, u"0302", u"0102", u"0202", u"02", 3,
      u"人民币", u"", u"" },
    { u"33", u"浙江", 30.274, 120.155, u"31", u"0571", 65, u"0303", u"0102", u"0202", u"02", 3,
      u"人民币", u"", u"" },
    { u"34", u"安徽", 31.821, 117.227, u"23", u"0551", 25, u"0304", u"0102", u"0202", u"02", 3,
      u"人民币", u"", u"" },
    { u"35", u"福建", 26.075, 119.296, u"35", u"0591", 30, u"0305", u"0103", u"0202", u"02", 3,
      u"人民币", u"", u"" },
    { u"36", u"江西", 28.682, 115.858, u"33", u"0791", 15, u"0306", u"0103", u"0202", u"02", 3,
      u"人民币", u"", u"" },
    { u"37", u"山东", 36.651, 117.120, u"25", u"0531", 55, u"0307", u"0103", u"0202", u"02", 3,
      u"人民币", u"", u"" },
    { u"41", u"河南", 34.747, 113.625, u"45", u"0371", 30, u"0401", u"0501", u"0204", u"04", 4,
      u"人民币", u"", u"" },
    { u"42", u"湖北", 30.593, 114.305, u"43", u"027", 28, u"0402", u"0501", u"0204", u"04", 4,
      u"人民币", u"", u"" },
    { u"43", u"湖南", 28.228, 112.939, u"41", u"0731", 22, u"0403", u"0501", u"0204", u"04", 4,
      u"人民币", u"", u"" },
    { u"44", u"广东", 23.129, 113.264, u"51", u"020", 90, u"0501", u"0201", u"0203", u"03", 5,
      u"人民币", u"", u"" },
    { u"45", u"广西", 22.817, 108.366, u"53", u"0771", 12, u"0502", u"0201", u"0203", u"03", 5,
      u"人民币", u"", u"" },
    { u"46", u"海南", 20.044, 110.199, u"57", u"0898", 4, u"0503", u"0201", u"0203", u"03", 5,
      u"人民币", u"", u"" },
    { u"50", u"重庆", 29.563, 106.551, u"40", u"023", 20, u"0601", u"0601", u"0205", u"05", 6,
      u"人民币", u"", u"" },
    { u"51", u"四川", 30.573, 104.066, u"61", u"028", 30, u"0602", u"0601", u"0205", u"05", 6,
      u"人民币", u"", u"" },
    { u"52", u"贵州", 26.647, 106.630, u"55", u"0851", 8, u"0603", u"0602", u"0205", u"05", 6,
      u"人民币", u"", u"" },
    { u"53", u"云南", 25.038, 102.718, u"65", u"0871", 10, u"0604", u"0602", u"0205", u"05", 6,
      u"人民币", u"", u"" },
    { u"54", u"西藏", 29.652, 91.172, u"85", u"0891", 1, u"0605", u"0602", u"0205", u"05", 6,
      u"人民币", u"", u"" },
    { u"61", u"陕西", 34.341, 108.940, u"71", u"029", 15, u"0701", u"0701", u"0205", u"07", 7,
      u"人民币", u"", u"" },
    { u"62", u"甘肃", 36.061, 103.834, u"73", u"0931", 5, u"0702", u"0701", u"0205", u"07", 7,
      u"人民币", u"", u"" },
    { u"63", u"青海", 36.617, 101.778, u"81", u"0971", 2, u"0703", u"0702", u"0205", u"07", 7,
      u"人民币", u"", u"" },
    { u"64", u"宁夏", 38.487, 106.231, u"75", u"0951", 2, u"0704", u"0701", u"0205", u"07", 7,
      u"人民币", u"", u"" },
    { u"65", u"新疆", 43.825, 87.617, u"83", u"0991", 5, u"0705", u"0702", u"0205", u"07", 7,
      u"人民币", u"", u"" },
    { u"71", u"台湾", 25.033, 121.565, u"", u"00886-2", 3, u"0803", u"0202", u"08", u"08", 8,
      u"美元", u"TWN", u"TWKHH" },
    { u"81", u"香港", 22.320, 114.170, u"", u"00852", 5, u"0801", u"0202", u"08", u"08", 8, u"港币",
      u"HKG", u"HKHKG" },
    { u"82", u"澳门", 22.199, 113.544, u"", u"00853", 1, u"0802", u"0202", u"08", u"08", 8, u"港币",
      u"MAC", u"MOMFM" },
};

// Cities of the split provinces that belong to the first sub-class (苏南, 珠三角); the others
// belong to the second.
const QStringList kSouthernJiangsu{ QStringLiteral("3201"), QStringLiteral("3202"),
                                    QStringLiteral("3204"), QStringLiteral("3205"),
                                    QStringLiteral("3211") };
const QStringList kPearlRiverDelta{ QStringLiteral("4401"), QStringLiteral("4403"),
                                    QStringLiteral("4404"), QStringLiteral("4406"),
                                    QStringLiteral("4407"), QStringLiteral("4412"),
                                    QStringLiteral("4413"), QStringLiteral("4419"),
                                    QStringLiteral("4420") };

struct CityCoordinates
{
    const char16_t *code;
    double latitude;
    double longitude;
};

// Cities where many companies are, rounded to a thousandth of a degree.
constexpr CityCoordinates kCities[] = {
    { u"1302", 39.631, 118.180 }, { u"1306", 38.874, 115.465 }, { u"1502", 40.658, 109.840 },
    { u"2102", 38.914, 121.615 }, { u"2103", 41.108, 122.995 }, { u"2202", 43.838, 126.550 },
    { u"2306", 46.589, 125.104 }, { u"3202", 31.491, 120.312 }, { u"3203", 34.205, 117.285 },
    { u"3204", 31.811, 119.974 }, { u"3205", 31.299, 120.585 }, { u"3206", 31.980, 120.894 },
    { u"3210", 32.394, 119.413 }, { u"3302", 29.868, 121.544 }, { u"3303", 27.994, 120.699 },
    { u"3304", 30.746, 120.755 }, { u"3306", 30.030, 120.580 }, { u"3307", 29.079, 119.647 },
    { u"3310", 28.656, 121.421 }, { u"3402", 31.353, 118.433 }, { u"3502", 24.480, 118.089 },
    { u"3505", 24.874, 118.676 }, { u"3702", 36.067, 120.383 }, { u"3706", 37.464, 121.448 },
    { u"3707", 36.707, 119.162 }, { u"4103", 34.620, 112.454 }, { u"4205", 30.692, 111.286 },
    { u"4206", 32.009, 112.122 }, { u"4403", 22.543, 114.058 }, { u"4404", 22.271, 113.577 },
    { u"4406", 23.022, 113.122 }, { u"4413", 23.112, 114.416 }, { u"4419", 23.021, 113.752 },
    { u"4420", 22.517, 113.393 }, { u"4502", 24.326, 109.428 }, { u"4503", 25.274, 110.290 },
    { u"4602", 18.253, 109.512 }, { u"5107", 31.468, 104.679 }, { u"5203", 27.725, 106.927 },
    { u"6103", 34.362, 107.238 }, { u"7102", 25.012, 121.465 }, { u"7103", 24.994, 121.301 },
    { u"7104", 24.148, 120.674 }, { u"7105", 22.999, 120.227 }, { u"7106", 22.627, 120.301 },
    { u"8102", 22.318, 114.179 }, { u"8103", 22.418, 114.107 }, { u"8202", 22.150, 113.560 },
};

} // namespace

bool knownCityCoordinates(const QString &cityCode, double &latitude, double &longitude)
{
    for (const CityCoordinates &city : kCities) {
        if (cityCode == QStringView(city.code)) {
            latitude = city.latitude;
            longitude = city.longitude;
            return true;
        }
    }
    return false;
}

std::span<const ProvinceProfile> provinceProfiles()
{
    return kProfiles;
}

const ProvinceProfile *provinceProfile(const QString &provinceCode)
{
    for (const ProvinceProfile &profile : kProfiles) {
        if (provinceCode == QStringView(profile.code))
            return &profile;
    }
    return nullptr;
}

QString customerClassOfCity(const ProvinceProfile &province, const QString &cityCode)
{
    const QString classCode = QString::fromUtf16(province.classCode);
    if (classCode == u"0302")
        return classCode
            + (kSouthernJiangsu.contains(cityCode) ? QStringLiteral("01") : QStringLiteral("02"));
    if (classCode == u"0501")
        return classCode
            + (kPearlRiverDelta.contains(cityCode) ? QStringLiteral("01") : QStringLiteral("02"));
    return classCode;
}

} // namespace demo
