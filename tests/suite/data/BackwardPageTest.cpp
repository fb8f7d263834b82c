#include "suite/data/BackwardPage.h"

#include <gtest/gtest.h>

using namespace suite;

TEST(BackwardPage, EveryOrderItemIsTurnedRoundInTheText)
{
    const std::optional<ReversibleSelect> keys = reversibleSelect(
        QStringLiteral("select Customer.cCusCode from Customer where isnull(Customer.bTransFlag,0) "
                       "=0 and cCCCode like '01%' and cCusCode not in (select a, b from t order "
                       "by a) order by cCusName DESC, Customer.cCusCode;"));
    ASSERT_TRUE(keys.has_value());
    EXPECT_EQ(keys->table, QStringLiteral("Customer"));
    EXPECT_EQ(keys->orderColumns,
              (QStringList{ QStringLiteral("cCusName"), QStringLiteral("cCusCode") }));
    EXPECT_EQ(keys->reversed,
              QStringLiteral("select Customer.cCusCode from Customer where "
                             "isnull(Customer.bTransFlag,0) =0 and cCCCode like '01%' and "
                             "cCusCode not in (select a, b from t order by a) order by cCusName "
                             "asc, Customer.cCusCode desc;"));

    const std::optional<ReversibleSelect> aliased = reversibleSelect(
        QStringLiteral("select c.*, [cCusName] from [Customer] as c order by [c].[cCusCode] asc"));
    ASSERT_TRUE(aliased.has_value());
    EXPECT_EQ(aliased->table, QStringLiteral("Customer"));
    EXPECT_EQ(aliased->orderColumns, QStringList{ QStringLiteral("cCusCode") });
    EXPECT_EQ(aliased->reversed,
              QStringLiteral("select c.*, [cCusName] from [Customer] as c "
                             "order by [c].[cCusCode] desc"));
}

// Each of these may give rows that tie in the order or that the order does not place, so
// reading it backward could change a page.
TEST(BackwardPage, SelectsWhoseOrderTheTextCannotVouchForAreRefused)
{
    const char *texts[] = {
        "select * from Customer",
        "select top 10 * from Customer order by cCusCode",
        "select distinct cCusCode from Customer order by cCusCode",
        "select * from Customer c left join Person p on 1 = 1 order by c.cCusCode",
        "select * from Customer, Person order by cCusCode",
        "select * from dbo.Customer order by cCusCode",
        "select * from (select * from Customer) c order by cCusCode",
        "select * from Customer with (nolock) order by cCusCode",
        "select cCCCode from Customer group by cCCCode order by cCCCode",
        "select cCusCode from Customer where 1=1 union select cVenCode from Vendor order by 1",
        "select cCusName as cCusCode from Customer order by cCusCode",
        "select cCusCode = cCusName from Customer order by cCusCode",
        "select upper(cCusCode) from Customer order by cCusCode",
        "select cCusCode from Customer order by 1",
        "select cCusCode from Customer order by upper(cCusCode)",
        "select cCusCode from Customer order by cCusCode collate Chinese_PRC_CS_AS",
        "select c.cCusCode from Customer c order by Customer.cCusCode",
        "select cCusCode from Customer order by cCusCode,",
        "with c as (select * from Customer) select * from c order by cCusCode",
        "select cCusCode from Customer order by cCusCode for xml path",
        "select 'open from Customer order by cCusCode",
    };
    for (const char *text : texts)
        EXPECT_FALSE(reversibleSelect(QString::fromUtf8(text)).has_value()) << text;
}

TEST(BackwardPage, OnlyPagesInTheSecondHalfAreReadBackward)
{
    const struct
    {
        qint64 rows, size, firstRow;
        std::optional<qint64> after;
    } cases[] = {
        { 23, 10, 0, std::nullopt },  { 23, 10, 10, 3 },          { 23, 10, 20, 0 },
        { 30, 10, 10, std::nullopt }, { 0, 10, 0, std::nullopt }, { 1, 10, 0, std::nullopt },
    };
    for (const auto &c : cases) {
        const PageSpan span{ 0, 0, c.firstRow };
        EXPECT_EQ(rowsAfterPage(span, c.rows, c.size), c.after) << c.rows << ' ' << c.firstRow;
    }
}

TEST(BackwardPage, ReversedRowsKeepTheFields)
{
    const QList<Field> fields{ { QStringLiteral("a"), adInteger, 4 },
                               { QStringLiteral("b"), adVarWChar, 10 } };
    const RecordSet rows(fields, { { 1, QStringLiteral("x") }, { 2, QVariant() } });
    const RecordSet reversed = reversedRows(rows);
    EXPECT_EQ(reversed.Fields(), fields);
    ASSERT_EQ(reversed.RecordCount(), 2);
    EXPECT_EQ(reversed.valueAt(0, 0), QVariant(2));
    EXPECT_TRUE(reversed.valueAt(0, 1).isNull());
    EXPECT_EQ(reversed.valueAt(1, 1), QVariant(QStringLiteral("x")));
    EXPECT_FALSE(reversedRows(RecordSet()).IsOpen());
}
