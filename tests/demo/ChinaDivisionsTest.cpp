#include "demo/ChinaDivisions.h"

#include <gtest/gtest.h>

using demo::ChinaDivisions;

namespace {

const QString kSample = QStringLiteral("# comment\n"
                                       "11\t北京市\t\t1\n"
                                       "1101\t北京市\t11\t2\n"
                                       "110105\t朝阳区\t1101\t3\n"
                                       "32\t江苏省\t\t1\r\n"
                                       "3205\t苏州市\t32\t2\n"
                                       "320506\t吴中区\t3205\t3\n");

} // namespace

TEST(ChinaDivisions, ParsesTheLevelsAndTheirParents)
{
    ChinaDivisions divisions;
    QString sMsg;
    ASSERT_TRUE(divisions.parse(kSample, sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(divisions.all().size(), 6);
    ASSERT_EQ(divisions.provinces().size(), 2);
    EXPECT_EQ(divisions.provinces()[1]->name, QStringLiteral("江苏省"));
    ASSERT_EQ(divisions.children(QStringLiteral("3205")).size(), 1);
    EXPECT_EQ(divisions.children(QStringLiteral("3205"))[0]->level, 3);
    EXPECT_EQ(divisions.find(QStringLiteral("320506"))->parentCode, QStringLiteral("3205"));
    EXPECT_EQ(divisions.find(QStringLiteral("99")), nullptr);
}

TEST(ChinaDivisions, FullNamesWriteAMunicipalityOnce)
{
    ChinaDivisions divisions;
    QString sMsg;
    ASSERT_TRUE(divisions.parse(kSample, sMsg));
    EXPECT_EQ(divisions.fullName(*divisions.find(QStringLiteral("320506"))),
              QStringLiteral("江苏省苏州市吴中区"));
    EXPECT_EQ(divisions.fullName(*divisions.find(QStringLiteral("110105"))),
              QStringLiteral("北京市朝阳区"));
    EXPECT_EQ(divisions.fullName(*divisions.find(QStringLiteral("1101"))),
              QStringLiteral("北京市"));
}

TEST(ChinaDivisions, RejectsMalformedLinesAndKeepsWhatItHad)
{
    ChinaDivisions divisions;
    QString sMsg;
    ASSERT_TRUE(divisions.parse(kSample, sMsg));
    const struct
    {
        const char *text;
        const char *message;
    } cases[] = {
        { "11\t北京市\t1\n",
          "division file, line 1: expected 4 fields separated by tabs, found 3" },
        { "11\t北京市\t\t4\n", "division file, line 1: level must be 1, 2 or 3, not \"4\"" },
        { "11\t北京市\t\tx\n", "division file, line 1: level must be 1, 2 or 3, not \"x\"" },
        { "11\t北京市\t10\t1\n",
          "division file, line 1: a province has no parent, a city or county has one" },
        { "\t北京市\t\t1\n", "division file, line 1: code and name must not be empty" },
        { "11\t北京市\t\t1\n11\t天津市\t\t1\n", "division file, line 2: code 11 appears twice" },
        { "11\t北京市\t\t1\n110105\t朝阳区\t11\t3\n",
          "division file, line 2: parent 11 is not a division of the level above" },
        { "1101\t北京市\t11\t2\n",
          "division file, line 1: parent 11 is not a division of the "
          "level above" },
    };
    for (const auto &c : cases) {
        EXPECT_FALSE(divisions.parse(QString::fromUtf8(c.text), sMsg)) << c.text;
        EXPECT_EQ(sMsg, QString::fromUtf8(c.message));
    }
    EXPECT_EQ(divisions.all().size(), 6);
}

TEST(ChinaDivisions, TheBuiltInFileCoversChina)
{
    ChinaDivisions divisions;
    QString sMsg;
    ASSERT_TRUE(divisions.loadBuiltIn(sMsg)) << qPrintable(sMsg);
    const QList<const demo::Division *> provinces = divisions.provinces();
    ASSERT_EQ(provinces.size(), 34);
    int cities = 0;
    int counties = 0;
    for (const demo::Division *province : provinces) {
        const QList<const demo::Division *> ofProvince = divisions.children(province->code);
        EXPECT_FALSE(ofProvince.isEmpty()) << qPrintable(province->name);
        for (const demo::Division *city : ofProvince) {
            EXPECT_FALSE(divisions.children(city->code).isEmpty()) << qPrintable(city->name);
            counties += int(divisions.children(city->code).size());
        }
        cities += int(ofProvince.size());
    }
    EXPECT_EQ(cities, 367);
    EXPECT_EQ(counties, 3361);
    EXPECT_EQ(divisions.find(QStringLiteral("81"))->name, QStringLiteral("香港特别行政区"));
    EXPECT_EQ(divisions.find(QStringLiteral("4403"))->name, QStringLiteral("深圳市"));
}
