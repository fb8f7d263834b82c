// The map window on its real page, offscreen: every wait is bounded and ends as soon as the
// page has answered.
#include "map/frmmap.h"
#include "suite/data/DataService.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace map;
using namespace Qt::StringLiterals;

namespace {

constexpr int kLongestWaitMs = 60000;

bool waitUntil(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < kLongestWaitMs)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

class MapWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The vector base map alone: no test reaches for tiles on the network.
        qputenv("CUSTOMER_ARCHIVE_MAP_TILES", "none");
        qunsetenv("CUSTOMER_ARCHIVE_GEOCODER");
        ASSERT_TRUE(m_dir.isValid());
        QFile database(m_dir.filePath(u"company.db"_s));
        ASSERT_TRUE(database.open(QIODevice::WriteOnly)) << "an empty file is a new database";
        database.close();
        m_srv->Init(database.fileName());
        ASSERT_TRUE(m_srv->ExecuteX(
            u"CREATE TABLE HR_CT007 (ccodeID nvarchar(20) NOT NULL PRIMARY KEY, cpCodeID "
            "nvarchar(20) NULL, vsimpleName nvarchar(60) NOT NULL, vdescription nvarchar(200) "
            "NOT NULL, ilevels int NOT NULL)"_s))
            << qPrintable(m_srv->LastError());
        ASSERT_TRUE(m_srv->ExecuteX(
            u"INSERT INTO HR_CT007 VALUES ('32',NULL,'江苏省','江苏省',0),"
            "('3205','32','苏州市','苏州市',1),('320506','3205','吴中区','吴中区',2)"_s));
        m_window = std::make_unique<frmmap>(nullptr, nullptr, m_srv);
        m_window->resize(800, 600);
    }

    void TearDown() override { m_window.reset(); }

    void showAndSettle()
    {
        m_window->show();
        ASSERT_TRUE(waitUntil([&] { return m_window->pageSettled(); })) << "the page loads";
    }

    QVariant evaluate(const QString &script)
    {
        QVariant result;
        bool answered = false;
        m_window->WebBrowser1->page()->runJavaScript(script, [&](const QVariant &value) {
            result = value;
            answered = true;
        });
        EXPECT_TRUE(waitUntil([&] { return answered; })) << qPrintable(script);
        return result;
    }

    QJsonObject pageState()
    {
        return QJsonDocument::fromJson(
                   evaluate(u"JSON.stringify(mapPageState(true))"_s).toString().toUtf8())
            .object();
    }

    QList<int> customerIndexes(const QJsonObject &state)
    {
        QList<int> indexes;
        for (const QJsonValue &customer : state.value(u"customers"_s).toArray())
            indexes.append(customer.toObject().value(u"index"_s).toInt());
        return indexes;
    }

    void handOver(const QString &longitude, const QString &latitude, const QString &address)
    {
        m_window->setLongitude(longitude);
        m_window->setLatitude(latitude);
        m_window->setAddress(address);
    }

    QTemporaryDir m_dir;
    std::shared_ptr<suite::ClsCommon> m_srv = std::make_shared<suite::ClsCommon>();
    std::unique_ptr<frmmap> m_window;
};

TEST_F(MapWindow, AStoredPositionIsCentredWithoutSearch)
{
    handOver(u"120.585316"_s, u"31.298886"_s, u"江苏省苏州市吴中区"_s);
    m_window->setDefaultaddress(u"江苏省苏州市吴中区"_s);
    showAndSettle();
    const QJsonObject state = pageState();
    EXPECT_TRUE(state.value(u"search"_s).isNull()) << "no address search";
    EXPECT_EQ(state.value(u"points"_s).toInt(), 1);
    EXPECT_NEAR(state.value(u"lng"_s).toDouble(), 120.585316, 1e-4);
    EXPECT_NEAR(state.value(u"lat"_s).toDouble(), 31.298886, 1e-4);
    EXPECT_GT(state.value(u"baseAreas"_s).toInt(), 30) << "the provinces of the base map";
    EXPECT_TRUE(waitUntil([&] { return m_window->cmdLocal->isEnabled(); }))
        << "the page reports itself defined without the network";
    EXPECT_TRUE(m_window->edtlongitude->isVisibleTo(m_window.get()));
}

TEST_F(MapWindow, AnAddressWithoutPositionIsFoundByTheLocalGeocoder)
{
    handOver(QString(), QString(), u"江苏省苏州市吴中区东山镇1号"_s);
    m_window->setDefaultaddress(u"江苏省苏州市吴中区东山镇1号"_s);
    showAndSettle();
    const QJsonObject search = pageState().value(u"search"_s).toObject();
    EXPECT_EQ(search.value(u"source"_s).toString(), u"local"_s);
    EXPECT_EQ(search.value(u"name"_s).toString(), u"江苏省苏州市吴中区"_s);
    EXPECT_NEAR(search.value(u"lng"_s).toDouble(), 120.6, 0.3);
    EXPECT_EQ(pageState().value(u"pointLabel"_s).toString(), u"江苏省苏州市吴中区东山镇1号"_s);
}

TEST_F(MapWindow, APositionWithAnEmptyAddressOpensAPureViewer)
{
    handOver(u"116.4"_s, u"39.9"_s, QString());
    showAndSettle();
    for (QWidget *hidden : std::initializer_list<QWidget *>{
             m_window->edtlongitude, m_window->edtlatitude, m_window->edtaddress,
             m_window->lbllongitude, m_window->lbllatitude, m_window->lbladdress, m_window->Cmdok,
             m_window->cmdLocal })
        EXPECT_FALSE(hidden->isVisibleTo(m_window.get())) << qPrintable(hidden->objectName());
    EXPECT_TRUE(m_window->Cmdcancel->isVisibleTo(m_window.get()));
    EXPECT_NEAR(pageState().value(u"lat"_s).toDouble(), 39.9, 1e-4);
}

TEST_F(MapWindow, AnAddressHoldingALineBreakIsNeverSearched)
{
    handOver(QString(), QString(), u"简称:苏钢<BR>地址:江苏省苏州市<BR>"_s);
    m_window->setDefaultaddress(u"简称:苏钢<BR>地址:江苏省苏州市<BR>"_s);
    showAndSettle();
    const QJsonObject state = pageState();
    EXPECT_TRUE(state.value(u"search"_s).isNull());
    EXPECT_EQ(state.value(u"points"_s).toInt(), 0);
}

TEST_F(MapWindow, ListModeMarksTheCustomersWithPositionsAndClustersThem)
{
    m_window->setIsmaplist(true);
    handOver(u"120.5853"_s, u"31.2988"_s, u"简称:甲<BR>"_s);
    handOver(u" "_s, u" "_s, u"简称:乙<BR>"_s);
    handOver(u"120.5862"_s, u"31.2991"_s, u"简称:丙<BR>"_s);
    showAndSettle();
    const QJsonObject state = pageState();
    EXPECT_EQ(customerIndexes(state), (QList<int>{ 0, 2 }));
    EXPECT_TRUE(state.value(u"clustered"_s).toBool());
    EXPECT_TRUE(waitUntil([&] { return pageState().value(u"clusterIcons"_s).toInt() == 1; }))
        << "two close customers, one cluster, once the map has zoomed to them";
    const QJsonObject first = state.value(u"customers"_s).toArray().at(0).toObject();
    EXPECT_EQ(first.value(u"text"_s).toString(), u"简称:甲"_s);
    EXPECT_EQ(first.value(u"lines"_s).toInt(), 2) << "<BR> is a line break";
}

TEST_F(MapWindow, QuotesAndMarkupInAnAddressAreShownAsText)
{
    const QString hostile = u"O'Brien \"A&B\" <b>bold</b></script><script>document.title="
                            "'1#2#hacked'</script>\\"_s;
    m_window->setIsmaplist(true);
    handOver(u"116.4"_s, u"39.9"_s, hostile);
    showAndSettle();
    const QJsonObject customer = pageState().value(u"customers"_s).toArray().at(0).toObject();
    EXPECT_EQ(customer.value(u"text"_s).toString(), hostile);
    EXPECT_EQ(customer.value(u"elements"_s).toInt(), 0) << "no element made of the markup";
    EXPECT_TRUE(m_window->edtlongitude->text().isEmpty()) << "the title was not touched";
}

TEST_F(MapWindow, APickThroughTheTitleFillsTheFieldsAndConfirmReturnsThem)
{
    handOver(u"120.585316"_s, u"31.298886"_s, u"江苏省苏州市"_s);
    m_window->setDefaultaddress(u"江苏省苏州市"_s);
    showAndSettle();
    ASSERT_TRUE(waitUntil([&] { return m_window->cmdLocal->isEnabled(); }));
    m_window->cmdLocal->click();
    ASSERT_TRUE(waitUntil([&] { return pageState().value(u"picking"_s).toBool(); }));
    // A click on the map at the given point, as Leaflet reports it.
    evaluate(u"map.fire('click', {latlng: L.latLng(31.3, 120.6)}); true"_s);
    ASSERT_TRUE(waitUntil([&] { return !m_window->edtlongitude->text().isEmpty(); }));
    EXPECT_EQ(m_window->edtlongitude->text(), u"120.600000"_s);
    EXPECT_EQ(m_window->edtlatitude->text(), u"31.300000"_s);
    EXPECT_EQ(m_window->edtaddress->text(), u"江苏苏州市"_s);

    m_window->Cmdok->click();
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(m_window->longitude(), u"120.600000"_s);
    EXPECT_EQ(m_window->latitude(), u"31.300000"_s);
    EXPECT_EQ(m_window->address(), u"江苏苏州市"_s);
    EXPECT_TRUE(m_window->defaultaddress().isEmpty()) << "closing ends the search address";
}

TEST_F(MapWindow, ATitleWithoutSeparatorChangesNothing)
{
    handOver(u"120.585316"_s, u"31.298886"_s, u"江苏省苏州市"_s);
    m_window->setDefaultaddress(u"江苏省苏州市"_s);
    showAndSettle();
    m_window->edtlongitude->setText(u"1"_s);
    evaluate(u"document.title='no separator'; true"_s);
    ASSERT_TRUE(waitUntil([&] { return m_window->WebBrowser1->title() == u"no separator"; }));
    QApplication::processEvents();
    EXPECT_EQ(m_window->edtlongitude->text(), u"1"_s);
    EXPECT_TRUE(m_window->edtlatitude->text().isEmpty());
}

TEST_F(MapWindow, CancelLeavesLongitudeEmpty)
{
    handOver(u"120.585316"_s, u"31.298886"_s, u"江苏省苏州市"_s);
    m_window->setDefaultaddress(u"江苏省苏州市"_s);
    showAndSettle();
    m_window->Cmdcancel->click();
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_TRUE(m_window->longitude().isEmpty());
    EXPECT_TRUE(m_window->state().longitudeList().isEmpty());
}

TEST_F(MapWindow, ClearRemovesTheMarkersAndTheWindowOpensAgain)
{
    m_window->setIsmaplist(true);
    handOver(u"116.4"_s, u"39.9"_s, u"简称:甲<BR>"_s);
    showAndSettle();
    m_window->Command2->click();
    ASSERT_TRUE(waitUntil([&] { return pageState().value(u"customers"_s).toArray().isEmpty(); }));
    m_window->close();
    EXPECT_FALSE(m_window->ismaplist());

    handOver(u"121.47"_s, u"31.23"_s, u"上海"_s);
    m_window->setDefaultaddress(u"上海"_s);
    showAndSettle();
    EXPECT_NEAR(pageState().value(u"lng"_s).toDouble(), 121.47, 1e-4);
    EXPECT_TRUE(m_window->edtlongitude->isVisibleTo(m_window.get()));
}

TEST_F(MapWindow, ASecondShowingKeepsThePageAndStartsFromALoadedPageState)
{
    handOver(u"120.585316"_s, u"31.298886"_s, u"江苏省苏州市"_s);
    m_window->setDefaultaddress(u"江苏省苏州市"_s);
    showAndSettle();
    ASSERT_TRUE(waitUntil([&] { return m_window->cmdLocal->isEnabled(); }));
    m_window->cmdLocal->click();
    evaluate(u"map.fire('click', {latlng: L.latLng(31.3, 120.6)}); window.keptPage = 7; true"_s);
    ASSERT_TRUE(waitUntil([&] { return !m_window->edtlongitude->text().isEmpty(); }));
    m_window->Cmdok->click();

    m_window->setIsmaplist(true);
    handOver(QString(), QString(), QString());
    handOver(u"116.4"_s, u"39.9"_s, u"简称:甲<BR>"_s);
    showAndSettle();
    EXPECT_EQ(evaluate(u"window.keptPage"_s).toInt(), 7) << "the page was not loaded again";
    const QJsonObject state = pageState();
    EXPECT_FALSE(state.value(u"picking"_s).toBool()) << "picking ends with the showing";
    EXPECT_TRUE(state.value(u"search"_s).isNull());
    EXPECT_EQ(state.value(u"points"_s).toInt(), 0) << "the earlier pick is gone";
    EXPECT_EQ(customerIndexes(state), QList<int>{ 0 });
    EXPECT_TRUE(m_window->edtlongitude->text().isEmpty());
    EXPECT_FALSE(m_window->WebBrowser1->title().contains(u'#')) << "the earlier pick's title";

    // The same point picked again is reported again.
    m_window->close();
    handOver(QString(), QString(), QString());
    handOver(u"120.585316"_s, u"31.298886"_s, u"江苏省苏州市"_s);
    m_window->setDefaultaddress(u"江苏省苏州市"_s);
    showAndSettle();
    ASSERT_TRUE(waitUntil([&] { return m_window->cmdLocal->isEnabled(); }));
    m_window->cmdLocal->click();
    evaluate(u"map.fire('click', {latlng: L.latLng(31.3, 120.6)}); true"_s);
    EXPECT_TRUE(waitUntil([&] { return m_window->edtlongitude->text() == u"120.600000"; }));
}

} // namespace
