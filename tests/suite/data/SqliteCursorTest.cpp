#include "suite/data/SqliteConnection.h"
#include "suite/pub/GridCellText.h"

#include <gtest/gtest.h>

#include <memory>

using namespace suite;

namespace {

// A table whose columns hold every kind of value the way SQLite may store it: typed, NULL, and
// values of another storage class than the column declares (SQLite keeps what it is given).
class SqliteCursorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString sMsg;
        ASSERT_TRUE(db.open(QStringLiteral(":memory:"), sMsg)) << qPrintable(sMsg);
        ASSERT_TRUE(db.execute(
            QStringLiteral(
                "create table T (id int primary key, name nvarchar(20), memo ntext, n int,"
                " big bigint, amount money, rate float, flag bit, day datetime, bytes image);"
                "insert into T values"
                " (1, '北京远东', '第一行\n\"第二行\"', 5000, 4294967296, 1234.5, 0.25, 1,"
                "  '2026-12-06 10:30:00', x'00ff'),"
                " (2, null, '', -7, -9007199254740993, 0.125, 1e21, 0, '2026-12-06', null),"
                " (3, 'x', null, '12', 7, '99.999', 'abc', 'true', '2026-12-06 00:00:00.000',"
                "  'text'),"
                " (4, 42, 3.5, 2.5, 1.0, 100, 3, 2, '2026-02-30 10:00:00', 5),"
                " (5, '=cmd', 'z', null, null, -0.005, -2.5, 'false', '0999-01-01', null),"
                " (6, 'y', 'w', 0, 0, 12, 0, null, '2026-12-06T08:05:09.250', null),"
                " (7, 'v', 'u', 1, 1, -3, 7, -1, '2026-12-06 00:00:00.500', null),"
                " (8, 't', 's', 2, 2, 1e300, 1, 0.0, ' 2026-12-06', null),"
                " (9, 'r', 'q', 3, 3, 5, 2, 1, '2026-12-06 24:00:00', null),"
                " (10, 'p', 'o', 4, 4, 6, 3, 1, 20261206, null)"),
            sMsg))
            << qPrintable(sMsg);
    }

    std::unique_ptr<SqlCursor> open(const QString &sql)
    {
        QString sMsg;
        std::unique_ptr<SqlCursor> cursor = db.openCursor(sql, {}, sMsg);
        EXPECT_TRUE(cursor) << qPrintable(sMsg);
        return cursor;
    }

    SqliteConnection db;
};

const QString kEveryKind =
    QStringLiteral("select id, name, memo, n, big, amount, rate, flag, day, bytes, n * 2 as twice,"
                   " name || '!' as shout, null as empty, rate / 4 as quarter from T order by id");

} // namespace

TEST_F(SqliteCursorTest, GivesTheFieldsAndValuesOfARecordSetOfTheSameStatement)
{
    QString sMsg;
    const RecordSet rows = db.query(kEveryKind, {}, sMsg);
    ASSERT_TRUE(rows.IsOpen()) << qPrintable(sMsg);
    const std::unique_ptr<SqlCursor> cursor = open(kEveryKind);
    ASSERT_TRUE(cursor);
    const QList<Field> fields = cursor->fields();
    ASSERT_EQ(fields.size(), rows.FieldCount());
    for (int column = 0; column < 10; ++column)
        EXPECT_EQ(fields.at(column), rows.Fields().at(column)) << column;
    EXPECT_EQ(fields.at(10).type, adLongVarWChar) << "an expression declares no type";

    int row = 0;
    for (; cursor->next(sMsg); ++row) {
        ASSERT_LT(row, rows.RecordCount());
        for (int column = 0; column < rows.FieldCount(); ++column) {
            const QVariant expected = rows.valueAt(row, column);
            const QVariant read = cursor->value(column);
            EXPECT_EQ(read.isNull(), expected.isNull()) << row << ' ' << column;
            EXPECT_EQ(read.toString(), expected.toString()) << row << ' ' << column;
        }
    }
    EXPECT_TRUE(sMsg.isEmpty()) << qPrintable(sMsg);
    EXPECT_EQ(row, rows.RecordCount());
    EXPECT_FALSE(cursor->next(sMsg)) << "the end stays the end";
}

TEST_F(SqliteCursorTest, GridTextsFromTheCursorAreTheGridTextsOfTheRecordSet)
{
    const QList<int> shownAs = { adVarWChar, adInteger, adBigInt,      adCurrency,
                                 adDouble,   adBoolean, adDBTimeStamp, adLongVarBinary };
    QString sMsg;
    const RecordSet rows = db.query(kEveryKind, {}, sMsg);
    const std::unique_ptr<SqlCursor> cursor = open(kEveryKind);
    ASSERT_TRUE(cursor && rows.IsOpen()) << qPrintable(sMsg);
    int compared = 0;
    for (int row = 0; cursor->next(sMsg); ++row) {
        for (int column = 0; column < rows.FieldCount(); ++column) {
            QList<int> types = shownAs;
            types.prepend(rows.Fields().at(column).type);
            for (const int type : std::as_const(types)) {
                QByteArray text("before|");
                appendGridCellUtf8(*cursor, column, type, text);
                EXPECT_EQ(QString::fromUtf8(text),
                          QStringLiteral("before|") + gridCellText(rows.valueAt(row, column), type))
                    << "row " << row << ", column " << column << ", shown as type " << type;
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 10 * 14 * 9);
}

TEST_F(SqliteCursorTest, AFailedReadSaysWhyAndABadStatementOpensNothing)
{
    QString sMsg;
    EXPECT_FALSE(db.openCursor(QStringLiteral("select 1; select 2"), {}, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("Only one statement can be run here, in: select 1; select 2"));
    EXPECT_FALSE(db.openCursor(QStringLiteral("select nope from T"), {}, sMsg));
    EXPECT_TRUE(sMsg.startsWith(QStringLiteral("no such column: nope"))) << qPrintable(sMsg);
    EXPECT_FALSE(db.openCursor(QStringLiteral("select id from T where id > ?"), {}, sMsg));

    // The third row overflows: the first two are read, then the reason comes.
    const std::unique_ptr<SqlCursor> cursor = db.openCursor(
        QStringLiteral("select abs(case when id = 3 then -9223372036854775807 - 1 else id end)"
                       " from T order by id"),
        {}, sMsg);
    ASSERT_TRUE(cursor) << qPrintable(sMsg);
    EXPECT_TRUE(cursor->next(sMsg));
    EXPECT_TRUE(cursor->next(sMsg));
    EXPECT_FALSE(cursor->next(sMsg));
    EXPECT_TRUE(sMsg.startsWith(QStringLiteral("integer overflow"))) << qPrintable(sMsg);
}

TEST_F(SqliteCursorTest, ACursorReadsItsOwnStatementWhileTheConnectionRunsOthers)
{
    QString sMsg;
    const std::unique_ptr<SqlCursor> cursor =
        db.openCursor(QStringLiteral("select id from T where id < ? order by id"), { 4 }, sMsg);
    ASSERT_TRUE(cursor) << qPrintable(sMsg);
    QList<qint64> ids;
    while (cursor->next(sMsg)) {
        ids.append(cursor->integer(0));
        // The same text through the connection's kept statements does not disturb the cursor.
        EXPECT_EQ(db.query(QStringLiteral("select id from T where id < ? order by id"), { 4 }, sMsg)
                      .RecordCount(),
                  3);
        ASSERT_TRUE(db.execute(QStringLiteral("update T set memo = 'seen' where id = ?"),
                               { ids.last() }, sMsg))
            << qPrintable(sMsg);
    }
    EXPECT_EQ(ids, (QList<qint64>{ 1, 2, 3 }));
    EXPECT_EQ(db.query(QStringLiteral("select count(*) from T where memo = 'seen'"), {}, sMsg)
                  .valueAt(0, 0),
              QVariant(3));
}
