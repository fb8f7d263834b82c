#include "map/OfflineGeocoder.h"
#include "map/BoundaryCentres.h"
#include "map/MapPageAddress.h"

#include <QCoreApplication>
#include <QUrlQuery>

#include <gtest/gtest.h>

using namespace map;
using namespace Qt::StringLiterals;

namespace {

QList<GeoDivision> someDivisions()
{
    return {
        { u"32"_s, {}, u"江苏省"_s, 0 },
        { u"3205"_s, u"32"_s, u"苏州市"_s, 1 },
        { u"320506"_s, u"3205"_s, u"吴中区"_s, 2 },
        { u"11"_s, {}, u"北京市"_s, 0 },
        { u"1101"_s, u"11"_s, u"北京市"_s, 1 },
        { u"110101"_s, u"1101"_s, u"东城区"_s, 2 },
        { u"22"_s, {}, u"吉林省"_s, 0 },
        { u"2202"_s, u"22"_s, u"吉林市"_s, 1 },
        { u"2201"_s, u"22"_s, u"长春市"_s, 1 },
    };
}

// The geocoder with the centres of the boundary files the map page is installed with.
class OfflineGeocoderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString sMsg;
        ASSERT_TRUE(loadBoundaryCentres(mapPageFolder(QCoreApplication::applicationDirPath()),
                                        m_geocoder, sMsg))
            << qPrintable(sMsg);
        m_geocoder.setDivisions(someDivisions());
    }

    OfflineGeocoder m_geocoder;
};

TEST_F(OfflineGeocoderTest, TheFinestNamedDivisionWithACentreWins)
{
    const auto suzhou = m_geocoder.locate(u"江苏省苏州市吴中区东山镇1号"_s);
    ASSERT_TRUE(suzhou);
    EXPECT_EQ(suzhou->name, u"江苏省苏州市吴中区"_s);
    EXPECT_NEAR(suzhou->longitude, 120.6, 0.3) << "Suzhou's centre: counties have none";
    EXPECT_NEAR(suzhou->latitude, 31.3, 0.3);

    const auto dongcheng = m_geocoder.locate(u"北京市东城区王府井大街"_s);
    ASSERT_TRUE(dongcheng);
    EXPECT_EQ(dongcheng->name, u"北京市东城区"_s) << "the municipality is written once";
    EXPECT_NEAR(dongcheng->longitude, 116.42, 0.05) << "a municipality's districts have centres";
    EXPECT_NEAR(dongcheng->latitude, 39.92, 0.05);
}

TEST_F(OfflineGeocoderTest, ShortNamesAndAddressesWithoutProvince)
{
    const auto city = m_geocoder.locate(u"苏州吴中区"_s);
    ASSERT_TRUE(city) << "the province follows from the city";
    EXPECT_EQ(city->name, u"江苏省苏州市吴中区"_s);

    const auto jilinCity = m_geocoder.locate(u"吉林省吉林市船营区"_s);
    ASSERT_TRUE(jilinCity);
    EXPECT_EQ(jilinCity->name, u"吉林省吉林市"_s);
    const auto changchun = m_geocoder.locate(u"吉林长春市"_s);
    ASSERT_TRUE(changchun);
    EXPECT_GT(qAbs(changchun->latitude - jilinCity->latitude)
                  + qAbs(changchun->longitude - jilinCity->longitude),
              0.5)
        << "two cities of one province are told apart";

    const auto province = m_geocoder.locate(u"江苏"_s);
    ASSERT_TRUE(province);
    EXPECT_NEAR(province->longitude, 119.77, 0.1) << "the province's own centre";
    EXPECT_NEAR(province->latitude, 33.01, 0.1);
}

TEST_F(OfflineGeocoderTest, AnAddressNamingNoDivisionIsNotFound)
{
    EXPECT_FALSE(m_geocoder.locate(u"Main Street 1"_s));
    EXPECT_FALSE(m_geocoder.locate(QString()));
    EXPECT_FALSE(m_geocoder.locate(u"   "_s));
}

TEST(BoundaryCentres, AMissingPageFolderSaysWhatIsMissing)
{
    OfflineGeocoder geocoder;
    QString sMsg;
    EXPECT_FALSE(loadBoundaryCentres(u"/nonexistent/page"_s, geocoder, sMsg));
    EXPECT_TRUE(sMsg.contains(u"china.js"_s)) << qPrintable(sMsg);
}

TEST(ShortDivisionName, SuffixesGoButTwoCharactersStay)
{
    EXPECT_EQ(shortDivisionName(u"新疆维吾尔自治区"_s), u"新疆"_s);
    EXPECT_EQ(shortDivisionName(u"内蒙古自治区"_s), u"内蒙古"_s);
    EXPECT_EQ(shortDivisionName(u"苏州市"_s), u"苏州"_s);
    EXPECT_EQ(shortDivisionName(u"沙市"_s), u"沙市"_s);
}

TEST(MapPageAddress, SettingsTravelAsQueryItems)
{
    const QUrl url =
        mapPageUrl(u"/opt/suite"_s, u"https://t.example/{z}/{x}/{y}.png?a=1&b=2"_s, QString());
    EXPECT_EQ(url.toLocalFile(), u"/opt/suite/TM/html/BaiduMap_Archive.htm"_s);
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue(u"tiles"_s, QUrl::FullyDecoded),
              u"https://t.example/{z}/{x}/{y}.png?a=1&b=2"_s)
        << "the tile address stays one item: " << qPrintable(url.query());
    EXPECT_TRUE(query.hasQueryItem(u"geocoder"_s));
    EXPECT_FALSE(query.hasQueryItem(u"b"_s));
}

} // namespace
