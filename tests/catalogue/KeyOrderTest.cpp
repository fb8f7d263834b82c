#include "catalogue/KeyOrder.h"

#include <gtest/gtest.h>

using customer::InKeyOrder;

namespace {

suite::RecordSet table(const std::vector<QVariant> &cells)
{
    return suite::RecordSet::fromCells(
        { suite::Field{ QStringLiteral("cItem"), suite::adVarWChar, 20 },
          suite::Field{ QStringLiteral("iId"), suite::adInteger, 4 } },
        cells);
}

QStringList rowsOf(const suite::RecordSet &rows)
{
    QStringList lines;
    for (int row = 0; row < rows.RecordCount(); ++row)
        lines.append(rows.valueAt(row, 0).toString() + u'/' + rows.valueAt(row, 1).toString());
    return lines;
}

} // namespace

TEST(KeyOrder, NumbersByValueTextsWithoutCaseNullsFirstAndEqualKeysAsRead)
{
    const suite::RecordSet rows =
        table({ QStringLiteral("b"), 10, QStringLiteral("A"), 2, QVariant(), 7, QStringLiteral("a"),
                10, QStringLiteral("项10"), QVariant(), QStringLiteral("项2"), 1 });
    EXPECT_EQ(rowsOf(InKeyOrder(rows, QStringLiteral("iId"))),
              (QStringList{ "项10/", "项2/1", "A/2", "/7", "b/10", "a/10" }));
    EXPECT_EQ(rowsOf(InKeyOrder(rows, QStringLiteral("cItem"))),
              (QStringList{ "/7", "A/2", "a/10", "b/10", "项10/", "项2/1" }))
        << "a text key in the order SQL Server's collation gives: 10 before 2";
    EXPECT_EQ(InKeyOrder(rows, QStringLiteral("iId")).Fields(), rows.Fields());
}

TEST(KeyOrder, AnUnknownKeyOrAClosedSetIsLeftAsItIs)
{
    const suite::RecordSet rows = table({ QStringLiteral("b"), 2, QStringLiteral("a"), 1 });
    EXPECT_EQ(rowsOf(InKeyOrder(rows, QStringLiteral("missing"))), (QStringList{ "b/2", "a/1" }));
    EXPECT_FALSE(InKeyOrder(suite::RecordSet(), QStringLiteral("iId")).IsOpen());
}
