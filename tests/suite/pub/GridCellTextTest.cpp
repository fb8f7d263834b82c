#include "suite/pub/GridCellText.h"
#include "suite/data/Field.h"

#include <QDateTime>

#include <gtest/gtest.h>

using namespace suite;

TEST(GridCellText, DatesReadAsTheGridShowsThem)
{
    const QDate date(2026, 3, 1);
    EXPECT_EQ(gridCellText(QDateTime(date, QTime(0, 0)), adDBTimeStamp), u"2026-03-01");
    EXPECT_EQ(gridCellText(QDateTime(date, QTime(8, 5, 9, 250)), adDBTimeStamp),
              u"2026-03-01 08:05:09");
    EXPECT_EQ(gridCellText(QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59)), adDBTimeStamp),
              u"1999-12-31 23:59:59");
    EXPECT_EQ(gridCellText(QStringLiteral("2026-03-01 00:00:00.000"), adDBTimeStamp),
              u"2026-03-01");
    EXPECT_EQ(gridCellText(QStringLiteral("2026-02-30"), adDBTimeStamp), u"2026-02-30")
        << "text that is no date stays as it is";
    EXPECT_EQ(gridCellText(QDateTime(QDate(812, 7, 4), QTime(0, 0)), adDBTimeStamp),
              QDate(812, 7, 4).toString(Qt::ISODate))
        << "a year of fewer than four digits as Qt writes it";
    EXPECT_EQ(gridCellText(QVariant(), adDBTimeStamp), QString());
}
