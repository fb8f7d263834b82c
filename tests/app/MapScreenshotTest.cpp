#include "DemoCompanyCopy.h"
#include "ProductRun.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The map in list mode rendered by the product: the first customers of the list ticked and
// shown over the vector base map, without a user and without the network.
class MapScreenshotTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        ASSERT_TRUE(m_dir.isValid());
    }

    CommandRun shoot(const QString &ticked, const QString &file,
                     const QString &program = QStringLiteral(CUSTOMER_ARCHIVE_PATH)) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CUSTOMER_ARCHIVE_MAP_TILES"), QStringLiteral("none"));
        return runProduct({ QStringLiteral("--db"), m_company.database(), QStringLiteral("--lang"),
                            QStringLiteral("en-US"), QStringLiteral("--map-ticked"), ticked,
                            QStringLiteral("--screenshot"), file },
                          program, environment);
    }

    DemoCompanyCopy<> m_company;
    QTemporaryDir m_dir;
};

TEST_F(MapScreenshotTest, TheTickedCustomersAreRenderedOnTheMap)
{
    const QString shot = m_dir.filePath(QStringLiteral("map.png"));
    const CommandRun run = shoot(QStringLiteral("10"), shot);
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_FALSE(run.err.contains(QStringLiteral("Longitude and Latitude")))
        << "the list shows the location column: " << qPrintable(run.err);
    const QImage image(shot);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(1024, 700)) << "the map window, not the list";
}

TEST_F(MapScreenshotTest, ANumberOfCustomersBelowOneIsRefused)
{
    const QString shot = m_dir.filePath(QStringLiteral("none.png"));
    for (const QString &ticked : { QStringLiteral("0"), QStringLiteral("some") }) {
        const CommandRun run = shoot(ticked, shot);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(ticked);
        EXPECT_TRUE(run.err.contains(
            QStringLiteral("--map-ticked takes a number of customers from 1, not %1").arg(ticked)))
            << qPrintable(run.err);
    }
    EXPECT_FALSE(QFileInfo::exists(shot));
}

// A program installed without its map module still opens; the map command says why no map opens.
TEST_F(MapScreenshotTest, WithoutItsModuleTheMapCannotBeOpened)
{
    const QString program = m_dir.filePath(QStringLiteral("customer-archive"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(CUSTOMER_ARCHIVE_PATH), program));
    ASSERT_TRUE(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    const QString shot = m_dir.filePath(QStringLiteral("map.png"));
    const CommandRun run = shoot(QStringLiteral("3"), shot, program);
    EXPECT_EQ(run.exitCode, 1) << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains(QStringLiteral("The map cannot be opened: ")))
        << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains(m_dir.filePath(QStringLiteral("customer-archive-map.so"))))
        << "the message names the missing module: " << qPrintable(run.err);
    EXPECT_FALSE(QFileInfo::exists(shot));
}

} // namespace
