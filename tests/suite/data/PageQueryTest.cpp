#include "suite/data/PageQuery.h"

#include "suite/data/tsql/SqliteDialect.h"

#include <gtest/gtest.h>

using namespace suite;

namespace {

QString countText(const QString &select)
{
    QString sMsg;
    const std::optional<QString> text = pageCountText(select, sMsg);
    EXPECT_TRUE(text.has_value()) << qPrintable(sMsg);
    return text.value_or(QString());
}

} // namespace

TEST(PageQuery, CountingDropsOnlyTheOuterOrderBy)
{
    EXPECT_EQ(countText(QStringLiteral("select * from Customer order by cCusCode desc")),
              QStringLiteral("select count(*) from (select * from Customer ) page_source"));
    EXPECT_EQ(countText(QStringLiteral("select top 15 cCusCode from Customer ORDER\n BY 1;")),
              QStringLiteral("select count(*) from (select top 15 cCusCode from Customer ) "
                             "page_source"));
    const QString inner = QStringLiteral(
        "select c.cCusCode, row_number() over (order by c.cCusName) as n from (select top 3 * "
        "from Customer order by cCusName) c where c.cMemo <> 'order by'");
    EXPECT_EQ(countText(inner), QStringLiteral("select count(*) from (%1) page_source").arg(inner));
}

TEST(PageQuery, UnreadableTextsAreReported)
{
    QString sMsg;
    EXPECT_FALSE(pageCountText(QStringLiteral("select 'open from Customer"), sMsg).has_value());
    EXPECT_FALSE(sMsg.isEmpty());
}

TEST(PageQuery, ThePageIsCutFromTheSelectAsASubQuery)
{
    const tsql::SqliteDialect dialect;
    EXPECT_EQ(pageStatement(dialect, QStringLiteral("select a from t order by a"), 100, 2300),
              QStringLiteral("select * from (select a from t order by a) page_source LIMIT 100 "
                             "offset 2300"));
    EXPECT_EQ(pageStatement(dialect, QStringLiteral("select a from t where a like '%0%1'"), 5, 10),
              QStringLiteral("select * from (select a from t where a like '%0%1') page_source "
                             "LIMIT 5 offset 10"));
}

TEST(PageQuery, PagesAreClampedIntoTheOnesThereAre)
{
    const struct
    {
        qint64 rows, size, requested, pageCount, page, firstRow;
    } cases[] = {
        { 23, 10, 1, 3, 1, 0 },
        { 23, 10, 2, 3, 2, 10 },
        { 23, 10, 3, 3, 3, 20 },
        { 23, 10, 4, 3, 3, 20 },
        { 23, 10, 0, 3, 1, 0 },
        { 23, 10, -7, 3, 1, 0 },
        { 20, 10, 2, 2, 2, 10 },
        { 20, 10, 3, 2, 2, 10 },
        { 0, 10, 1, 1, 1, 0 },
        { 0, 10, 5, 1, 1, 0 },
        { 5, 100, 2, 1, 1, 0 },
        { 1, 1, 1, 1, 1, 0 },
        { 1000000, 100, 10000, 10000, 10000, 999900 },
    };
    for (const auto &c : cases) {
        const PageSpan span = pageSpan(c.rows, c.size, c.requested);
        EXPECT_EQ(span.pageCount, c.pageCount) << c.rows << " rows of " << c.size;
        EXPECT_EQ(span.page, c.page) << c.rows << " rows, page " << c.requested;
        EXPECT_EQ(span.firstRow, c.firstRow) << c.rows << " rows, page " << c.requested;
    }
}
