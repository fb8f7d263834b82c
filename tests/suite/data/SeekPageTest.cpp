#include "suite/data/SeekPage.h"

#include <QDateTime>

#include <gtest/gtest.h>

using namespace suite;
namespace ss = suite::seek_statements;

namespace {

std::optional<TableColumns> customerColumns(const QString &table)
{
    if (table.compare(QStringLiteral("Customer"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    TableColumns columns;
    columns.fields = { { QStringLiteral("cCusCode"), adVarWChar, 20 },
                       { QStringLiteral("cCusAbbName"), adVarWChar, 60 },
                       { QStringLiteral("bTransFlag"), adBoolean, 0 },
                       { QStringLiteral("dCusCreateDatetime"), adDBTimeStamp, 0 },
                       { QStringLiteral("iCusCreLine"), adDecimal, 0 } };
    columns.primaryKey = { QStringLiteral("cCusCode") };
    columns.primaryKeyOrdersRows = true;
    return columns;
}

std::optional<SeekableSelect> seekable(const char *text)
{
    return seekableSelect(QString::fromUtf8(text), customerColumns);
}

const char *const kListKeys =
    "select c.cCusCode from Customer c left join Class k on k.cCCCode = c.cCCCode "
    "where isnull(c.bTransFlag,0) =0 and 1=1 order by c.cCusAbbName desc, c.cCusCode";

} // namespace

TEST(SeekableSelect, ReadsTheListAndItsOrderColumnsWithTheKeyNeverNull)
{
    const std::optional<SeekableSelect> select = seekable(kListKeys);
    ASSERT_TRUE(select);
    EXPECT_EQ(select->selectList, QStringLiteral("select c.cCusCode"));
    EXPECT_EQ(select->from,
              QStringLiteral(" from Customer c left join Class k on k.cCCCode = c.cCCCode"));
    EXPECT_EQ(select->condition, QStringLiteral("isnull(c.bTransFlag,0) =0 and 1=1"));
    ASSERT_EQ(select->order.size(), 2);
    EXPECT_EQ(select->order[0].column, QStringLiteral("c.cCusAbbName"));
    EXPECT_TRUE(select->order[0].descending);
    EXPECT_FALSE(select->order[0].notNull);
    EXPECT_EQ(select->order[1].column, QStringLiteral("c.cCusCode"));
    EXPECT_FALSE(select->order[1].descending);
    EXPECT_TRUE(select->order[1].notNull);

    const std::optional<SeekableSelect> bare =
        seekable("select * from Customer order by [cCusCode] desc");
    ASSERT_TRUE(bare);
    EXPECT_TRUE(bare->condition.isEmpty());
    EXPECT_EQ(bare->from, QStringLiteral(" from Customer"));
    EXPECT_TRUE(bare->order[0].notNull && bare->order[0].descending);
}

TEST(SeekableSelect, OrdersThatAreNotTotalOrNotReadBackExactlyAreNotSought)
{
    const char *const refused[] = {
        "select cCusCode from Customer order by cCusAbbName",
        "select cCusCode from Customer",
        "select cCusCode from Customer order by iCusCreLine, cCusCode",
        "select cCusCode from Customer order by upper(cCusAbbName), cCusCode",
        "select cCusCode from Customer c left join Class k on k.cCCCode = c.cCCCode "
        "order by k.cCCName, c.cCusCode",
        "select cCusCode from Customer order by cNoSuchColumn, cCusCode",
        "select top 10 cCusCode from Customer order by cCusCode",
        "select distinct cCusCode from Customer order by cCusCode",
        "select cCusAbbName from Customer group by cCusAbbName order by cCusCode",
        "select cCusCode from Customer union select cCusCode from Customer order by cCusCode",
        "select cCusCode from Vendor order by cCusCode",
        "select cCusCode from Customer order by cCusCode; delete from Customer",
        "select cCusCode from Customer order by 'unfinished",
    };
    for (const char *text : refused)
        EXPECT_FALSE(seekable(text)) << text;
}

TEST(SeekStatements, TheMarkedSelectAddsTheOrderValuesAfterItsOwnColumns)
{
    const SeekableSelect select = *seekable(kListKeys);
    EXPECT_EQ(ss::marked(select),
              QStringLiteral(
                  "select c.cCusCode, c.cCusAbbName as page_mark_1, c.cCusCode as "
                  "page_mark_2 from Customer c left join Class k on k.cCCCode = c.cCCCode where "
                  "(isnull(c.bTransFlag,0) =0 and 1=1) order by c.cCusAbbName desc, c.cCusCode"));
    EXPECT_EQ(ss::reversed(select).section(QStringLiteral(" order by "), 1),
              QStringLiteral("c.cCusAbbName, c.cCusCode desc"));
}

// Descending with NULL sorted last in ascending order: NULL comes first, then the names from
// the highest; the key breaks ties ascending.
TEST(SeekStatements, FromAMarkTheRowsAtOrAfterItInTheOrderAreBoundByTheFirstColumn)
{
    const SeekableSelect select = *seekable(kListKeys);
    const ss::Mark named{ QStringLiteral("O'Neil"), QStringLiteral("C01") };
    EXPECT_EQ(ss::fromMark(select, named, true).section(QStringLiteral(" where "), 1),
              QStringLiteral("(isnull(c.bTransFlag,0) =0 and 1=1) and c.cCusAbbName <= 'O''Neil' "
                             "and (c.cCusAbbName < 'O''Neil' or (c.cCusAbbName = 'O''Neil' and "
                             "(c.cCusCode > 'C01' or (c.cCusCode = 'C01' and 1=1)))) order by "
                             "c.cCusAbbName desc, c.cCusCode"));
    const ss::Mark unnamed{ QVariant(), QStringLiteral("C01") };
    EXPECT_EQ(ss::fromMark(select, unnamed, true).section(QStringLiteral(" where "), 1),
              QStringLiteral("(isnull(c.bTransFlag,0) =0 and 1=1) and (c.cCusAbbName is not null "
                             "or (c.cCusAbbName is null and (c.cCusCode > 'C01' or (c.cCusCode = "
                             "'C01' and 1=1)))) order by c.cCusAbbName desc, c.cCusCode"));
    // Where NULL sorts first in ascending order, it is last in this descending one.
    EXPECT_EQ(ss::fromMark(select, named, false).section(QStringLiteral(" where "), 1),
              QStringLiteral("(isnull(c.bTransFlag,0) =0 and 1=1) and (c.cCusAbbName <= 'O''Neil' "
                             "or c.cCusAbbName is null) and ((c.cCusAbbName < 'O''Neil' or "
                             "c.cCusAbbName is null) or (c.cCusAbbName = 'O''Neil' and "
                             "(c.cCusCode > 'C01' or (c.cCusCode = 'C01' and 1=1)))) order by "
                             "c.cCusAbbName desc, c.cCusCode"));
}

TEST(SeekStatements, BeforeAMarkTheRowsComeInTheOppositeOrderWithoutTheMarkedRow)
{
    const SeekableSelect select = *seekable("select * from Customer order by cCusCode");
    EXPECT_EQ(ss::beforeMark(select, { QStringLiteral("C500") }, true),
              QStringLiteral("select *, cCusCode as page_mark_1 from Customer where cCusCode <= "
                             "'C500' and cCusCode < 'C500' order by cCusCode desc"));
    const SeekableSelect dated =
        *seekable("select * from Customer order by dCusCreateDatetime, cCusCode");
    const ss::Mark mark{ QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 6)), QStringLiteral("C9") };
    EXPECT_EQ(ss::beforeMark(dated, mark, true).section(QStringLiteral(" where "), 1),
              QStringLiteral("dCusCreateDatetime <= '2026-01-02 03:04:05.006' and "
                             "(dCusCreateDatetime < '2026-01-02 03:04:05.006' or "
                             "(dCusCreateDatetime = '2026-01-02 03:04:05.006' and cCusCode < "
                             "'C9')) order by dCusCreateDatetime desc, cCusCode desc"));
    const ss::Mark undated{ QVariant(), QStringLiteral("C9") };
    EXPECT_EQ(ss::beforeMark(dated, undated, true).section(QStringLiteral(" where "), 1),
              QStringLiteral("(dCusCreateDatetime is not null or (dCusCreateDatetime is null and "
                             "cCusCode < 'C9')) order by dCusCreateDatetime desc, cCusCode desc"));
    EXPECT_EQ(ss::beforeMark(dated, undated, false).section(QStringLiteral(" where "), 1),
              QStringLiteral("dCusCreateDatetime is null and (dCusCreateDatetime is null and "
                             "cCusCode < 'C9') order by dCusCreateDatetime desc, cCusCode desc"));
}

TEST(SeekStatements, EveryNthRowIsNumberedInTheOrder)
{
    const SeekableSelect select = *seekable(kListKeys);
    EXPECT_EQ(ss::everyNth(select, 1000),
              QStringLiteral(
                  "select page_row, page_mark_1, page_mark_2 from (select row_number() over "
                  "(order by c.cCusAbbName desc, c.cCusCode) as page_row, c.cCusAbbName as "
                  "page_mark_1, c.cCusCode as page_mark_2 from Customer c left join Class k on "
                  "k.cCCCode = c.cCCCode where (isnull(c.bTransFlag,0) =0 and 1=1)) page_marks "
                  "where page_row % 1000 = 1 order by page_row"));
}

TEST(SeekStatements, MarksAreTheLastColumnsOfAMarkedRowAndLeaveTheRowsWithoutThem)
{
    const RecordSet rows =
        RecordSet::fromCells({ { QStringLiteral("cCusCode"), adVarWChar, 20 },
                               { QStringLiteral("page_mark_1"), adVarWChar, 60 },
                               { QStringLiteral("page_mark_2"), adVarWChar, 20 } },
                             { QStringLiteral("C1"), QVariant(), QStringLiteral("C1"),
                               QStringLiteral("C2"), QStringLiteral("b"), QStringLiteral("C2") });
    EXPECT_EQ(ss::markOf(rows, 1, 2), (ss::Mark{ QStringLiteral("b"), QStringLiteral("C2") }));
    const RecordSet bare = ss::withoutMarks(rows, 2);
    ASSERT_EQ(bare.FieldCount(), 1);
    EXPECT_EQ(bare.Fields().first().name, QStringLiteral("cCusCode"));
    ASSERT_EQ(bare.RecordCount(), 2);
    EXPECT_EQ(bare.valueAt(1, 0).toString(), QStringLiteral("C2"));

    EXPECT_TRUE(ss::writable({ QVariant(), QStringLiteral("x"), 3, qint64(4), true }));
    EXPECT_FALSE(ss::writable({ QStringLiteral("x"), 0.1 }));
}
