#include "map/MapState.h"
#include "map/MapListRows.h"
#include "map/MapScripts.h"

#include <gtest/gtest.h>

using namespace map;
using namespace Qt::StringLiterals;

namespace {

void handOver(MapState &state, const QString &longitude, const QString &latitude,
              const QString &address)
{
    state.setLongitude(longitude);
    state.setLatitude(latitude);
    state.setAddress(address);
}

TEST(MapState, NonEmptyValuesAreListedAndAnEmptyValueEmptiesTheList)
{
    MapState state;
    handOver(state, u"116.4"_s, u"39.9"_s, u"北京"_s);
    handOver(state, u"121.5"_s, u"31.2"_s, u"上海@浦东"_s);
    EXPECT_EQ(state.longitudeList(), (QStringList{ u"116.4"_s, u"121.5"_s }));
    EXPECT_EQ(state.latitudeList(), (QStringList{ u"39.9"_s, u"31.2"_s }));
    EXPECT_EQ(state.addressList(), (QStringList{ u"北京"_s, u"上海@浦东"_s }))
        << "an address holding the separator stays one entry";
    EXPECT_EQ(state.longitude(), u"121.5"_s);

    state.setLatitude(QString());
    EXPECT_TRUE(state.latitudeList().isEmpty());
    EXPECT_EQ(state.longitudeList().size(), 2) << "only the list of the emptied property";
}

TEST(MapState, SingleModeWithAStoredPositionCentresAndDoesNotSearch)
{
    MapState state;
    state.setLongitude(u"120.585316"_s);
    state.setLatitude(u"31.298886"_s);
    state.setDefaultAddress(u"江苏省苏州市姑苏区人民路1号"_s);
    state.setAddress(state.defaultAddress());
    EXPECT_FALSE(state.isPureViewer());
    EXPECT_FALSE(state.searchesAddress());
    EXPECT_EQ(state.scriptsAfterLoad(),
              QStringList{ u"setLocationByPoint(120.585316,31.298886)"_s });
}

TEST(MapState, AnAddressWithoutPositionIsSearchedUnlessItHoldsALineBreak)
{
    MapState state;
    state.setDefaultAddress(u"江苏省苏州市吴中区"_s);
    EXPECT_EQ(state.scriptsAfterLoad(),
              (QStringList{ u"document.getElementById('searchSite').value='江苏省苏州市吴中区'"_s,
                            u"SearchSite()"_s }));

    state.setDefaultAddress(u"简称:苏钢<BR>地址:苏州<BR>"_s);
    EXPECT_FALSE(state.searchesAddress());
    EXPECT_TRUE(state.scriptsAfterLoad().isEmpty());

    state.setDefaultAddress(QString());
    EXPECT_TRUE(state.scriptsAfterLoad().isEmpty()) << "nothing to show, nothing to search";
}

TEST(MapState, APositionWithoutAddressMakesAPureViewer)
{
    MapState state;
    handOver(state, u"116.4"_s, u"39.9"_s, QString());
    EXPECT_TRUE(state.isPureViewer());
    state.setDefaultAddress(u"北京市"_s);
    EXPECT_FALSE(state.isPureViewer());
}

TEST(MapState, ListModeMarksEveryCustomerWithALongitudeThenClusters)
{
    MapState state;
    state.setIsMapList(true);
    handOver(state, u"116.4"_s, u"39.9"_s, u"简称:甲<BR>"_s);
    handOver(state, u" "_s, u" "_s, u"简称:乙<BR>"_s);
    handOver(state, u"121.5"_s, u"31.2"_s, u"简称:丙<BR>"_s);
    EXPECT_EQ(state.scriptsAfterLoad(),
              (QStringList{ u"setLocationByPoint(121.5,31.2)"_s,
                            u"SetCenterByLongLati(116.4,39.9,0,'简称:甲\\x3CBR>')"_s,
                            u"SetCenterByLongLati(121.5,31.2,2,'简称:丙\\x3CBR>')"_s,
                            u"MarkCluster()"_s }));
}

TEST(MapState, TitleWithTwoSeparatorsGivesThePick)
{
    const auto point = MapState::parseTitle(u"120.1#30.2#浙江杭州市3#楼"_s);
    ASSERT_TRUE(point);
    EXPECT_EQ(point->longitude, u"120.1"_s);
    EXPECT_EQ(point->latitude, u"30.2"_s);
    EXPECT_EQ(point->address, u"浙江杭州市3#楼"_s) << "a house number with # stays in the address";

    const auto noAddress = MapState::parseTitle(u"120.1#30.2"_s);
    ASSERT_TRUE(noAddress);
    EXPECT_EQ(noAddress->latitude, u"30.2"_s);
    EXPECT_TRUE(noAddress->address.isEmpty());

    EXPECT_FALSE(MapState::parseTitle(u"defined"_s));
    EXPECT_FALSE(MapState::parseTitle(QString()));
}

TEST(MapState, ConfirmCancelAndCloseLeaveWhatTheCallerReads)
{
    MapState state;
    state.setIsMapList(true);
    state.setDefaultAddress(u"北京"_s);
    handOver(state, u"116.4"_s, u"39.9"_s, u"北京"_s);

    state.confirm({ u"117.2"_s, u"39.1"_s, u"天津"_s });
    EXPECT_EQ(state.longitude(), u"117.2"_s);
    EXPECT_EQ(state.address(), u"天津"_s);
    EXPECT_EQ(state.longitudeList(), QStringList{ u"116.4"_s }) << "confirm leaves the lists";

    state.close();
    EXPECT_TRUE(state.longitudeList().isEmpty());
    EXPECT_TRUE(state.addressList().isEmpty());
    EXPECT_TRUE(state.defaultAddress().isEmpty());
    EXPECT_FALSE(state.isMapList());
    EXPECT_EQ(state.latitude(), u"39.1"_s) << "the result outlives the closing";

    handOver(state, u"116.4"_s, u"39.9"_s, u"北京"_s);
    state.cancel();
    EXPECT_TRUE(state.longitude().isEmpty());
    EXPECT_TRUE(state.latitude().isEmpty());
    EXPECT_TRUE(state.address().isEmpty());
    EXPECT_TRUE(state.longitudeList().isEmpty());
}

TEST(MapScripts, ValuesCannotLeaveTheirLiteral)
{
    EXPECT_EQ(MapScripts::stringLiteral(u"O'Brien \"x\" \\ </script>\n"_s),
              u"'O\\'Brien \\\"x\\\" \\\\ \\x3C/script>\\n'"_s);
    EXPECT_EQ(MapScripts::stringLiteral(QString(QChar(0x2028))), u"'\\u2028'"_s);
    EXPECT_EQ(MapScripts::coordinate(u"-73.985"_s), u"-73.985"_s);
    EXPECT_EQ(MapScripts::coordinate(u"1);alert(1"_s), u"'1);alert(1'"_s);
    EXPECT_EQ(MapScripts::setLocationByPoint(u"1),x=(2"_s, u"3"_s),
              u"setLocationByPoint('1),x=(2',3)"_s);
    EXPECT_EQ(MapScripts::setCallWinForm(), u"SetBCallWinForm(1)"_s);
    EXPECT_EQ(MapScripts::clearOverlays(), u" map.clearOverlays() "_s);
}

TEST(MapListRows, TickedRowsWithBothPartsBecomeNumberedPoints)
{
    MapState state;
    handOver(state, u"1"_s, u"2"_s, u"earlier"_s);
    const QList<std::pair<QString, QString>> label{ { u"简称"_s, u"甲"_s },
                                                    { u"地址"_s, u"北京"_s } };
    handOverListRows(state,
                     { { u"39.9,116.4"_s, label },
                       { u"31.2"_s, label },
                       { u" , "_s, label },
                       { u"22.5, 114.1"_s, {} } });
    EXPECT_TRUE(state.isMapList());
    EXPECT_EQ(state.longitudeList(), (QStringList{ u"116.4"_s, u"114.1"_s }))
        << "the earlier customer is gone; a cell without longitude is left out";
    EXPECT_EQ(state.latitudeList(), (QStringList{ u"39.9"_s, u"22.5"_s }));
    EXPECT_EQ(state.addressList(), (QStringList{ u"简称:甲<BR>地址:北京<BR>"_s, u"22.5, 114.1"_s }))
        << "a row without shown label columns keeps its place with its location";
}

TEST(MapState, AShowingMovesToAPlaceOnlyWhenItHasOne)
{
    MapState position;
    handOver(position, u"116.4"_s, u"39.9"_s, QString());
    EXPECT_TRUE(position.movesToAPlace());

    MapState search;
    search.setDefaultAddress(u"江苏省苏州市"_s);
    EXPECT_TRUE(search.movesToAPlace());
    search.setDefaultAddress(u"简称:甲<BR>"_s);
    EXPECT_FALSE(search.movesToAPlace()) << "a label is never searched";

    MapState list;
    list.setIsMapList(true);
    handOver(list, u" "_s, u" "_s, u"简称:甲<BR>"_s);
    EXPECT_FALSE(list.movesToAPlace()) << "no customer of the list has a position";
    handOver(list, u"116.4"_s, u"39.9"_s, u"简称:乙<BR>"_s);
    EXPECT_TRUE(list.movesToAPlace());

    EXPECT_FALSE(MapState().movesToAPlace()) << "nothing to show: the whole country";
}

} // namespace
