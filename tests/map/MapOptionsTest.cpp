// Where the map page takes its tiles and its address search from: the account's options, a
// machine's environment over them, the built-in defaults under them.
#include "map/MapOptions.h"
#include "map/MapPageAddress.h"
#include "suite/data/DataService.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace map;
using namespace Qt::StringLiterals;

namespace {

class MapOptionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qunsetenv("CUSTOMER_ARCHIVE_MAP_TILES");
        qunsetenv("CUSTOMER_ARCHIVE_GEOCODER");
        ASSERT_TRUE(m_dir.isValid());
        QFile database(m_dir.filePath(u"company.db"_s));
        ASSERT_TRUE(database.open(QIODevice::WriteOnly)) << "an empty file is a new database";
        database.close();
        m_srv.Init(database.fileName());
        ASSERT_TRUE(m_srv.ExecuteX(
            u"CREATE TABLE AccInformation (cSysID nvarchar(2) NOT NULL, cID nvarchar(10), "
            "cName nvarchar(50) NOT NULL, cCaption nvarchar(100), cType nvarchar(10), "
            "cValue nvarchar(500) NULL, cDefault nvarchar(500) NULL)"_s))
            << qPrintable(m_srv.LastError());
    }

    void TearDown() override
    {
        qunsetenv("CUSTOMER_ARCHIVE_MAP_TILES");
        qunsetenv("CUSTOMER_ARCHIVE_GEOCODER");
    }

    void setOption(const char *system, const char *name, const QString &value,
                   const QString &fallback)
    {
        ASSERT_TRUE(m_srv.ExecuteX(u"INSERT INTO AccInformation (cSysID, cName, cValue, cDefault) "
                                   "VALUES ('%1', '%2', '%3', '%4')"_s.arg(QLatin1String(system),
                                                                           QLatin1String(name),
                                                                           value, fallback)))
            << qPrintable(m_srv.LastError());
    }

    QTemporaryDir m_dir;
    suite::ClsCommon m_srv;
};

TEST_F(MapOptionsTest, WithoutOptionsTheDefaultsHold)
{
    for (suite::IClsCommon *service :
         { static_cast<suite::IClsCommon *>(nullptr), static_cast<suite::IClsCommon *>(&m_srv) }) {
        const MapOptions options = MapOptions::read(service);
        EXPECT_EQ(options.tileUrl, u"https://tile.openstreetmap.org/{z}/{x}/{y}.png"_s);
        EXPECT_TRUE(options.geocoderUrl.isEmpty()) << "the local geocoder searches";
    }
}

TEST_F(MapOptionsTest, TheAccountsOptionsSetTheAddresses)
{
    setOption("AA", "cMapTileUrl", u" http://tiles.lan/{z}/{x}/{y}.png "_s, QString());
    setOption("AA", "cMapGeocoderUrl", QString(), u"http://geo.lan/search?format=json&q="_s);
    const MapOptions options = MapOptions::read(&m_srv);
    EXPECT_EQ(options.tileUrl, u"http://tiles.lan/{z}/{x}/{y}.png"_s) << "trimmed";
    EXPECT_EQ(options.geocoderUrl, u"http://geo.lan/search?format=json&q="_s)
        << "an empty value takes the option's default";
}

TEST_F(MapOptionsTest, OptionsOfAnotherSubsystemOrEmptyOnesAreNotTaken)
{
    setOption("ST", "cMapTileUrl", u"http://stock.lan/{z}/{x}/{y}.png"_s, QString());
    setOption("AA", "cMapGeocoderUrl", u"  "_s, QString());
    const MapOptions options = MapOptions::read(&m_srv);
    EXPECT_EQ(options.tileUrl, defaultTileUrl());
    EXPECT_TRUE(options.geocoderUrl.isEmpty());
}

TEST_F(MapOptionsTest, TheEnvironmentOverridesTheAccount)
{
    setOption("AA", "cMapTileUrl", u"http://tiles.lan/{z}/{x}/{y}.png"_s, QString());
    setOption("AA", "cMapGeocoderUrl", u"http://geo.lan/?q="_s, QString());
    EXPECT_EQ(MapOptions::readWithEnvironment(&m_srv).tileUrl,
              u"http://tiles.lan/{z}/{x}/{y}.png"_s);
    qputenv("CUSTOMER_ARCHIVE_MAP_TILES", "none");
    qputenv("CUSTOMER_ARCHIVE_GEOCODER", "");
    const MapOptions options = MapOptions::readWithEnvironment(&m_srv);
    EXPECT_EQ(options.tileUrl, u"none"_s) << "the vector base map alone on this machine";
    EXPECT_TRUE(options.geocoderUrl.isEmpty()) << "set but empty: no geocoder of the network";
}

} // namespace
