#include "suite/data/SqliteConnection.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <gtest/gtest.h>

using namespace suite;

namespace {

class SqliteConnectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString sMsg;
        ASSERT_TRUE(db.open(QStringLiteral(":memory:"), sMsg)) << qPrintable(sMsg);
        ASSERT_TRUE(db.execute(QStringLiteral("create table Customer ("
                                              " cCusCode nvarchar(20) not null primary key,"
                                              " cCusName nvarchar(98) not null,"
                                              " cCusAbbName nvarchar(60),"
                                              " iCusCreLine int default 0,"
                                              " bCusState bit,"
                                              " dCusDevDate datetime,"
                                              " fCusDisRate float,"
                                              " cMemo ntext,"
                                              " pic image)"),
                               sMsg))
            << qPrintable(sMsg);
    }

    RecordSet query(const QString &sql, const QVariantList &params = {})
    {
        QString sMsg;
        RecordSet rs = db.query(sql, params, sMsg);
        EXPECT_TRUE(rs.IsOpen()) << qPrintable(sMsg);
        return rs;
    }

    QString failureOf(const QString &sql, const QVariantList &params = {})
    {
        QString sMsg;
        EXPECT_FALSE(db.query(sql, params, sMsg).IsOpen()) << qPrintable(sql);
        return sMsg;
    }

    SqliteConnection db;
};

} // namespace

TEST(SqliteDeclaredTypes, MapToAdoTypesAndSizes)
{
    const struct
    {
        const char *declared;
        int type;
        int size;
    } cases[] = { { "nvarchar(20)", adVarWChar, 20 },
                  { "NVARCHAR (98)", adVarWChar, 98 },
                  { "varchar(8)", adVarChar, 8 },
                  { "nchar(2)", adWChar, 2 },
                  { "char(3)", adChar, 3 },
                  { "nvarchar(max)", adLongVarWChar, kLongTextSize },
                  { "nvarchar", adLongVarWChar, kLongTextSize },
                  { "ntext", adLongVarWChar, kLongTextSize },
                  { "text", adLongVarWChar, kLongTextSize },
                  { "int", adInteger, 4 },
                  { "integer", adInteger, 4 },
                  { "smallint", adSmallInt, 2 },
                  { "tinyint", adUnsignedTinyInt, 1 },
                  { "bigint", adBigInt, 8 },
                  { "bit", adBoolean, 2 },
                  { "float", adDouble, 8 },
                  { "real", adDouble, 8 },
                  { "money", adCurrency, 8 },
                  { "decimal(18, 4)", adNumeric, 19 },
                  { "numeric(10,2)", adNumeric, 19 },
                  { "datetime", adDBTimeStamp, 16 },
                  { "smalldatetime", adDBTimeStamp, 16 },
                  { "date", adDBTimeStamp, 16 },
                  { "binary(8)", adBinary, 8 },
                  { "varbinary(16)", adVarBinary, 16 },
                  { "varbinary(max)", adLongVarBinary, 2147483647 },
                  { "image", adLongVarBinary, 2147483647 },
                  { "blob", adLongVarBinary, 2147483647 },
                  { "uniqueidentifier", adGUID, 16 },
                  { "unsigned big int", adBigInt, 8 },
                  { "character varying(5)", adLongVarWChar, kLongTextSize },
                  { "double precision", adDouble, 8 },
                  { "boolean", adNumeric, 19 } };
    for (const auto &c : cases) {
        const Field field = fieldOfDeclaredType(QStringLiteral("f"), QLatin1String(c.declared));
        EXPECT_EQ(field.type, c.type) << c.declared;
        EXPECT_EQ(field.definedSize, c.size) << c.declared;
        EXPECT_EQ(field.name, QStringLiteral("f"));
    }
}

TEST(SqliteNames, AreQuotedWhateverTheyHold)
{
    EXPECT_EQ(quoteSqliteName(QStringLiteral(" Customer ")), QStringLiteral("\"Customer\""));
    EXPECT_EQ(quoteSqliteName(QStringLiteral("[main].[Customer Data]")),
              QStringLiteral("\"main\".\"Customer Data\""));
    EXPECT_EQ(quoteSqliteName(QStringLiteral("\"a\"\"b\"")), QStringLiteral("\"a\"\"b\""));
    EXPECT_EQ(quoteSqliteName(QStringLiteral("x\"; drop table t; --")),
              QStringLiteral("\"x\"\"; drop table t; --\""));
    EXPECT_EQ(quoteSqliteIdentifier(QStringLiteral("a.b")), QStringLiteral("\"a.b\""));
}

TEST(SqliteOpen, ReportsWhyADatabaseCannotBeOpened)
{
    QTemporaryDir dir;
    SqliteConnection db;
    QString sMsg;
    const QString missing = dir.filePath(QStringLiteral("missing.db"));
    EXPECT_FALSE(db.open(missing, sMsg, SqliteConnection::OpenMode::ReadWrite));
    EXPECT_EQ(sMsg,
              QStringLiteral("Cannot open the database '%1': unable to open database file "
                             "(the file does not exist)")
                  .arg(missing));
    EXPECT_FALSE(db.isOpen());
    EXPECT_FALSE(QFile::exists(missing)) << "no file is created without the create mode";

    const QString notADatabase = dir.filePath(QStringLiteral("notes.txt"));
    QFile notes(notADatabase);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write(QByteArray(4096, 'x'));
    notes.close();
    EXPECT_FALSE(db.open(notADatabase, sMsg));
    EXPECT_EQ(
        sMsg,
        QStringLiteral("Cannot open the database '%1': file is not a database").arg(notADatabase));

    sMsg.clear();
    EXPECT_FALSE(db.execute(QStringLiteral("select 1"), sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("The database is not open."));

    const QString created = dir.filePath(QStringLiteral("公司.db"));
    ASSERT_TRUE(db.open(created, sMsg)) << qPrintable(sMsg);
    EXPECT_TRUE(QFile::exists(created)) << "a Chinese path survives";
    EXPECT_EQ(db.path(), created);
}

TEST(SqliteOpen, ReadOnlyDatabaseRefusesWrites)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ro.db"));
    QString sMsg;
    {
        SqliteConnection writer;
        ASSERT_TRUE(writer.open(path, sMsg));
        ASSERT_TRUE(writer.execute(QStringLiteral("create table t (a int)"), sMsg));
    }
    SqliteConnection reader;
    ASSERT_TRUE(reader.open(path, sMsg, SqliteConnection::OpenMode::ReadOnly));
    EXPECT_FALSE(reader.execute(QStringLiteral("insert into t values (1)"), sMsg));
    EXPECT_TRUE(
        sMsg.startsWith(QStringLiteral("the database is read-only: changes are not possible")))
        << qPrintable(sMsg);
}

TEST(SqliteOpen, LockedDatabaseFailsAfterTheBusyTimeout)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("locked.db"));
    SqliteConnection holder;
    SqliteConnection waiter;
    QString sMsg;
    ASSERT_TRUE(holder.open(path, sMsg));
    ASSERT_TRUE(holder.execute(QStringLiteral("create table t (a int); begin exclusive;"), sMsg));
    ASSERT_TRUE(waiter.open(path, sMsg)) << qPrintable(sMsg);
    waiter.setBusyTimeout(150);

    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(waiter.execute(QStringLiteral("insert into t values (1)"), sMsg));
    EXPECT_GE(timer.elapsed(), 100) << "the waiter waited before giving up";
    EXPECT_EQ(sMsg,
              QStringLiteral("database is locked (another connection held it for more than "
                             "150 ms) [SQLite error 5] in: insert into t values (1)"));

    ASSERT_TRUE(holder.execute(QStringLiteral("commit"), sMsg));
    EXPECT_TRUE(waiter.execute(QStringLiteral("insert into t values (1)"), sMsg))
        << qPrintable(sMsg);
}

// Two connections on one company file, as two users' processes would hold it.
class SqliteWritersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString sMsg;
        ASSERT_TRUE(writer.open(path, sMsg)) << qPrintable(sMsg);
        ASSERT_TRUE(writer.execute(
            QStringLiteral("create table Customer (cCusCode nvarchar(20) primary key, "
                           "cMemo ntext); insert into Customer values ('C001', 'first')"),
            sMsg));
        ASSERT_TRUE(other.open(path, sMsg)) << qPrintable(sMsg);
        other.setBusyTimeout(150);
    }

    QString memo(SqliteConnection &connection)
    {
        QString sMsg;
        const RecordSet rows = connection.query(
            QStringLiteral("select cMemo from Customer where cCusCode = 'C001'"), {}, sMsg);
        EXPECT_TRUE(rows.IsOpen()) << qPrintable(sMsg);
        return rows.IsOpen() ? rows.Value(0).toString() : sMsg;
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("company.db"));
    SqliteConnection writer;
    SqliteConnection other;
};

TEST_F(SqliteWritersTest, ReadersGoOnWhileAWriteIsUnderWayAndSeeItOnceCommitted)
{
    QString sMsg;
    EXPECT_EQ(writer.query(QStringLiteral("pragma journal_mode"), {}, sMsg).Value(0).toString(),
              QStringLiteral("wal"));
    ASSERT_TRUE(writer.beginTransaction(sMsg));
    ASSERT_TRUE(writer.execute(QStringLiteral("update Customer set cMemo = 'changed'; "
                                              "create table Filler (x); "
                                              "insert into Filler select randomblob(4000) from "
                                              "(with recursive n(i) as (select 1 union all "
                                              "select i + 1 from n where i < 2000) select i "
                                              "from n)"),
                               sMsg))
        << qPrintable(sMsg);
    EXPECT_EQ(memo(other), QStringLiteral("first"))
        << "a reader is not held up by 8 MB written but not yet committed";
    ASSERT_TRUE(writer.commitTransaction(sMsg));
    EXPECT_EQ(memo(other), QStringLiteral("changed"));
}

TEST_F(SqliteWritersTest, AWriteReservesItsTableBeforeItReadsSoNoOtherWriterOvertakesIt)
{
    QString sMsg;
    ASSERT_TRUE(writer.beginWriting(QStringLiteral("Customer"), sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(memo(writer), QStringLiteral("first"));
    EXPECT_FALSE(other.execute(QStringLiteral("update Customer set cMemo = 'other'"), sMsg))
        << "the other writer waits for the reservation";
    EXPECT_TRUE(
        writer.execute(QStringLiteral("update Customer set cMemo = cMemo || ' kept'"), sMsg))
        << qPrintable(sMsg);
    ASSERT_TRUE(writer.commitTransaction(sMsg));
    EXPECT_EQ(memo(other), QStringLiteral("first kept"));

    EXPECT_FALSE(writer.beginWriting(QStringLiteral("Missing"), sMsg));
    EXPECT_TRUE(sMsg.startsWith(QStringLiteral("no such table: Missing"))) << qPrintable(sMsg);
    EXPECT_FALSE(writer.inTransaction()) << "a refused reservation leaves no transaction open";
}

TEST_F(SqliteWritersTest, AReadThenWriteTransactionWithoutReservationIsOvertaken)
{
    QString sMsg;
    ASSERT_TRUE(writer.beginTransaction(sMsg));
    EXPECT_EQ(memo(writer), QStringLiteral("first"));
    ASSERT_TRUE(other.execute(QStringLiteral("update Customer set cMemo = 'other'"), sMsg));
    EXPECT_FALSE(writer.execute(QStringLiteral("update Customer set cMemo = 'stale'"), sMsg))
        << "the reason beginWriting exists";
    EXPECT_TRUE(sMsg.contains(QStringLiteral("[SQLite error 517]"))) << qPrintable(sMsg);
}

TEST_F(SqliteConnectionTest, ExecuteRunsStatementsInOrderAndStopsAtTheFirstFailure)
{
    QString sMsg;
    EXPECT_TRUE(
        db.execute(QStringLiteral("insert into Customer (cCusCode, cCusName) values ('1', 'a');"
                                  "  insert into Customer (cCusCode, cCusName) values ('2', 'b');"
                                  " -- done\n"),
                   sMsg))
        << qPrintable(sMsg);
    EXPECT_FALSE(
        db.execute(QStringLiteral("insert into Customer (cCusCode, cCusName) values ('3', 'c');"
                                  "insert into Nowhere values (1);"
                                  "insert into Customer (cCusCode, cCusName) values ('4', 'd')"),
                   sMsg));
    EXPECT_EQ(sMsg,
              QStringLiteral("no such table: Nowhere [SQLite error 1] in: insert into Nowhere "
                             "values (1);"));
    EXPECT_EQ(query(QStringLiteral("select cCusCode from Customer order by 1")).RecordCount(), 3)
        << "the statement before the failure ran, the one after did not";
}

TEST_F(SqliteConnectionTest, QueryGivesTypedFieldsAndValues)
{
    QString sMsg;
    const QDateTime developed(QDate(2026, 12, 6), QTime(10, 30, 0));
    ASSERT_TRUE(db.execute(QStringLiteral("insert into Customer values (?,?,?,?,?,?,?,?,?)"),
                           { QStringLiteral("001"), QStringLiteral("北京远东贸易有限公司"),
                             QVariant(), 5000, true, developed, 0.25,
                             QStringLiteral("第一行\n第二行"), QByteArray("\x00\xff", 2) },
                           sMsg))
        << qPrintable(sMsg);

    RecordSet rs = query(QStringLiteral("select * from Customer"));
    const QList<Field> expected = { { QStringLiteral("cCusCode"), adVarWChar, 20 },
                                    { QStringLiteral("cCusName"), adVarWChar, 98 },
                                    { QStringLiteral("cCusAbbName"), adVarWChar, 60 },
                                    { QStringLiteral("iCusCreLine"), adInteger, 4 },
                                    { QStringLiteral("bCusState"), adBoolean, 2 },
                                    { QStringLiteral("dCusDevDate"), adDBTimeStamp, 16 },
                                    { QStringLiteral("fCusDisRate"), adDouble, 8 },
                                    { QStringLiteral("cMemo"), adLongVarWChar, kLongTextSize },
                                    { QStringLiteral("pic"), adLongVarBinary, 2147483647 } };
    EXPECT_EQ(rs.Fields(), expected);
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Value(QStringLiteral("cCusName")),
              QVariant(QStringLiteral("北京远东贸易有限公司")));
    EXPECT_TRUE(rs.Value(QStringLiteral("cCusAbbName")).isNull());
    EXPECT_EQ(rs.Value(QStringLiteral("iCusCreLine")), QVariant(5000));
    EXPECT_EQ(rs.Value(QStringLiteral("bCusState")), QVariant(true));
    EXPECT_EQ(rs.Value(QStringLiteral("dCusDevDate")), QVariant(developed));
    EXPECT_EQ(rs.Value(QStringLiteral("fCusDisRate")), QVariant(0.25));
    EXPECT_EQ(rs.Value(QStringLiteral("cMemo")), QVariant(QStringLiteral("第一行\n第二行")));
    EXPECT_EQ(rs.Value(QStringLiteral("pic")), QVariant(QByteArray("\x00\xff", 2)));

    EXPECT_EQ(query(QStringLiteral("select dCusDevDate from Customer where dCusDevDate = "
                                   "'2026-12-06 10:30:00'"))
                  .RecordCount(),
              1)
        << "dates are stored in the text form SQL comparisons expect";
}

TEST_F(SqliteConnectionTest, ParametersAreBoundNeverSpliced)
{
    const QString hostile = QStringLiteral("x'); delete from Customer; --");
    QString sMsg;
    ASSERT_TRUE(
        db.execute(QStringLiteral("insert into Customer (cCusCode, cCusName) values (?, ?)"),
                   { QStringLiteral("001"), hostile }, sMsg))
        << qPrintable(sMsg);
    RecordSet rs = query(QStringLiteral("select cCusName from Customer where cCusCode = ?"),
                         { QStringLiteral("001") });
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Value(0).toString(), hostile);

    EXPECT_EQ(failureOf(QStringLiteral("select * from Customer where cCusCode = ?"), {}),
              QStringLiteral("The statement takes 1 parameters but 0 were given, in: select * from "
                             "Customer where cCusCode = ?"));
}

TEST_F(SqliteConnectionTest, QueryRefusesBadOrSeveralStatements)
{
    EXPECT_TRUE(failureOf(QStringLiteral("selec * from Customer"))
                    .startsWith(QStringLiteral("near \"selec\": syntax error [SQLite error 1]")));
    EXPECT_EQ(failureOf(QStringLiteral("select 1; select 2")),
              QStringLiteral("Only one statement can be run here, in: select 1; select 2"));
    EXPECT_EQ(failureOf(QStringLiteral("  ")), QStringLiteral("The statement is empty."));
    EXPECT_TRUE(query(QStringLiteral("select 1 ; ")).IsOpen()) << "a closing semicolon is fine";

    RecordSet noColumns = query(QStringLiteral("delete from Customer"));
    EXPECT_TRUE(noColumns.IsOpen());
    EXPECT_EQ(noColumns.FieldCount(), 0);
}

TEST_F(SqliteConnectionTest, ExpressionColumnsTakeTheTypeOfTheirValues)
{
    QString sMsg;
    ASSERT_TRUE(db.execute(QStringLiteral("insert into Customer (cCusCode, cCusName) values "
                                          "('1','a'),('2','b')"),
                           sMsg));
    RecordSet rs = query(QStringLiteral("select count(*) as n, max(cCusCode) || '-x' as code, "
                                        "null as empty, 1.5 as r, 4294967296 as big, "
                                        "x'0102' as bytes from Customer"));
    ASSERT_EQ(rs.FieldCount(), 6);
    EXPECT_EQ(rs.Fields().at(0), (Field{ QStringLiteral("n"), adInteger, 4 }));
    EXPECT_EQ(rs.Value(0), QVariant(2));
    EXPECT_EQ(rs.Fields().at(1).type, adLongVarWChar);
    EXPECT_EQ(rs.Value(1).toString(), QStringLiteral("2-x"));
    EXPECT_EQ(rs.Fields().at(2).type, adLongVarWChar);
    EXPECT_TRUE(rs.Value(2).isNull());
    EXPECT_EQ(rs.Fields().at(3).type, adDouble);
    EXPECT_EQ(rs.Fields().at(4).type, adBigInt);
    EXPECT_EQ(rs.Value(4), QVariant(qlonglong(4294967296)));
    EXPECT_EQ(rs.Fields().at(5).type, adLongVarBinary);
    EXPECT_EQ(rs.Value(5), QVariant(QByteArray("\x01\x02", 2)));
}

TEST_F(SqliteConnectionTest, AddedRowsAreInsertedIntoTheTable)
{
    QString sMsg;
    RecordSet rs = db.openForInsert(QStringLiteral("Customer"), sMsg);
    ASSERT_TRUE(rs.IsOpen()) << qPrintable(sMsg);
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_EQ(rs.Fields().at(1), (Field{ QStringLiteral("cCusName"), adVarWChar, 98 }));

    for (const QString &code : { QStringLiteral("001"), QStringLiteral("002") }) {
        ASSERT_TRUE(rs.AddNew(sMsg)) << qPrintable(sMsg);
        ASSERT_TRUE(rs.SetValue(QStringLiteral("cCusCode"), code));
        ASSERT_TRUE(rs.SetValue(QStringLiteral("cCusName"), QStringLiteral("上海客户") + code));
        ASSERT_TRUE(rs.SetValue(QStringLiteral("bCusState"), QStringLiteral("True")));
        ASSERT_TRUE(rs.SetValue(QStringLiteral("dCusDevDate"), QDate(2026, 12, 6)));
        ASSERT_TRUE(rs.Update(sMsg)) << qPrintable(sMsg);
    }
    EXPECT_EQ(rs.RecordCount(), 2);

    RecordSet stored = query(QStringLiteral("select * from Customer order by cCusCode"));
    ASSERT_EQ(stored.RecordCount(), 2);
    stored.MoveLast();
    EXPECT_EQ(stored.Value(QStringLiteral("cCusName")).toString(), QStringLiteral("上海客户002"));
    EXPECT_EQ(stored.Value(QStringLiteral("bCusState")), QVariant(true));
    EXPECT_EQ(stored.Value(QStringLiteral("dCusDevDate")),
              QVariant(QDateTime(QDate(2026, 12, 6), QTime(0, 0))));
    EXPECT_EQ(stored.Value(QStringLiteral("iCusCreLine")), QVariant(0))
        << "a value left null is not sent, so the column default applies";
}

TEST_F(SqliteConnectionTest, RefusedInsertKeepsTheRowAndSaysWhy)
{
    QString sMsg;
    RecordSet rs = db.openForInsert(QStringLiteral("Customer"), sMsg);
    ASSERT_TRUE(rs.AddNew(sMsg));
    rs.SetValue(QStringLiteral("cCusCode"), QStringLiteral("001"));
    EXPECT_FALSE(rs.Update(sMsg));
    EXPECT_EQ(sMsg,
              QStringLiteral("NOT NULL constraint failed: Customer.cCusName [SQLite error "
                             "1299] in: insert into \"Customer\" (\"cCusCode\") values (?)"));
    EXPECT_EQ(rs.EditMode(), adEditAdd);
    EXPECT_EQ(rs.Value(QStringLiteral("cCusCode")).toString(), QStringLiteral("001"));

    rs.SetValue(QStringLiteral("cCusName"), QStringLiteral("甲"));
    ASSERT_TRUE(rs.Update(sMsg)) << qPrintable(sMsg);

    ASSERT_TRUE(rs.AddNew(sMsg));
    rs.SetValue(QStringLiteral("cCusCode"), QStringLiteral("001"));
    rs.SetValue(QStringLiteral("cCusName"), QStringLiteral("乙"));
    EXPECT_FALSE(rs.Update(sMsg));
    EXPECT_TRUE(sMsg.startsWith(QStringLiteral("UNIQUE constraint failed: Customer.cCusCode")))
        << qPrintable(sMsg);
    rs.SetValue(QStringLiteral("cCusCode"), QStringLiteral("002"));
    ASSERT_TRUE(rs.Update(sMsg)) << "the statement is usable again after a failure";

    EXPECT_EQ(query(QStringLiteral("select * from Customer")).RecordCount(), 2);
}

TEST_F(SqliteConnectionTest, WriterOutlivesTheConnectionObjectButNotClose)
{
    QString sMsg;
    RecordSet rs;
    {
        SqliteConnection copy = db;
        rs = copy.openForInsert(QStringLiteral("[Customer]"), sMsg);
    }
    rs.AddNew(sMsg);
    rs.SetValue(QStringLiteral("cCusCode"), QStringLiteral("001"));
    rs.SetValue(QStringLiteral("cCusName"), QStringLiteral("a"));
    ASSERT_TRUE(rs.Update(sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(query(QStringLiteral("select * from Customer")).RecordCount(), 1);

    db.close();
    EXPECT_FALSE(db.isOpen());
    rs.AddNew(sMsg);
    rs.SetValue(QStringLiteral("cCusCode"), QStringLiteral("002"));
    EXPECT_FALSE(rs.Update(sMsg));
    EXPECT_EQ(sMsg,
              QStringLiteral("The database is closed; the row for [Customer] was not stored."));
    EXPECT_EQ(rs.EditMode(), adEditAdd);
}

TEST_F(SqliteConnectionTest, OpenForInsertOfAMissingTableFails)
{
    QString sMsg;
    EXPECT_FALSE(db.openForInsert(QStringLiteral("Nowhere"), sMsg).IsOpen());
    EXPECT_TRUE(sMsg.startsWith(QStringLiteral("no such table: Nowhere"))) << qPrintable(sMsg);
}

TEST_F(SqliteConnectionTest, HandleLetsCallersAddSqlFunctions)
{
    const auto answer = [](sqlite3_context *context, int, sqlite3_value **) {
        sqlite3_result_text(context, "2026-12-06 10:30:00", -1, SQLITE_STATIC);
    };
    ASSERT_EQ(sqlite3_create_function(db.handle(), "getdate", 0, SQLITE_UTF8, nullptr, answer,
                                      nullptr, nullptr),
              SQLITE_OK);
    EXPECT_EQ(query(QStringLiteral("select getdate() as d")).Value(0).toString(),
              QStringLiteral("2026-12-06 10:30:00"));
    EXPECT_EQ(SqliteConnection().handle(), nullptr);
}

TEST(SqliteConnectionBackend, CountsOnlyTheRowsOfEachStatementAndKeepsTransactions)
{
    suite::SqliteConnection connection;
    QString sMsg;
    ASSERT_TRUE(connection.open(QStringLiteral(":memory:"), sMsg)) << sMsg.toStdString();
    suite::SqlConnection &backend = connection;
    qint64 changed = -1;
    ASSERT_TRUE(backend.executeStatement(QStringLiteral("create table T (c nvarchar(20))"), {},
                                         sMsg, &changed));
    EXPECT_EQ(changed, 0);
    ASSERT_TRUE(backend.executeStatement(QStringLiteral("insert into T values (?), (?)"),
                                         { QStringLiteral("C001"), QStringLiteral("C002") }, sMsg,
                                         &changed));
    EXPECT_EQ(changed, 2);
    ASSERT_TRUE(
        backend.executeStatement(QStringLiteral("create index iT on T (c)"), {}, sMsg, &changed));
    EXPECT_EQ(changed, 0) << "a statement that changes no rows counts none";

    EXPECT_FALSE(backend.commitTransaction(sMsg));
    ASSERT_TRUE(backend.beginTransaction(sMsg));
    EXPECT_TRUE(backend.inTransaction());
    EXPECT_FALSE(backend.beginTransaction(sMsg)) << "no nested transactions";
    ASSERT_TRUE(backend.executeStatement(QStringLiteral("delete from T"), {}, sMsg, &changed));
    EXPECT_EQ(changed, 2);
    ASSERT_TRUE(backend.rollbackTransaction(sMsg));
    EXPECT_FALSE(backend.inTransaction());
    EXPECT_EQ(backend.queryStatement(QStringLiteral("select * from T"), {}, sMsg).RecordCount(), 2);
}

// The statements a connection keeps, by their texts, and how many of them are running.
QStringList keptStatements(sqlite3 *db, int *running)
{
    QStringList texts;
    *running = 0;
    for (sqlite3_stmt *statement = sqlite3_next_stmt(db, nullptr); statement;
         statement = sqlite3_next_stmt(db, statement)) {
        texts.append(QString::fromUtf8(sqlite3_sql(statement)));
        *running += sqlite3_stmt_busy(statement);
    }
    texts.sort();
    return texts;
}

TEST_F(SqliteConnectionTest, AStatementRunAgainIsPreparedOnceAndHoldsNothingBetweenRuns)
{
    QString sMsg;
    const QString insert =
        QStringLiteral("insert into Customer (cCusCode, cCusName) values (?, ?)");
    const QString read = QStringLiteral("select cCusName from Customer where cCusCode = ?");
    for (int i = 0; i < 3; ++i) {
        const QString code = QStringLiteral("C%1").arg(i);
        ASSERT_TRUE(db.execute(insert, { code, QStringLiteral("客户") + code }, sMsg))
            << qPrintable(sMsg);
        EXPECT_EQ(query(read, { code }).Value(0).toString(), QStringLiteral("客户") + code);
    }
    EXPECT_FALSE(db.execute(insert, { QStringLiteral("C0"), QStringLiteral("again") }, sMsg))
        << "a refused run leaves the statement ready for the next";
    ASSERT_TRUE(db.execute(insert, { QStringLiteral("C9"), QStringLiteral("next") }, sMsg))
        << qPrintable(sMsg);
    int running = -1;
    EXPECT_EQ(keptStatements(db.handle(), &running), (QStringList{ insert, read }));
    EXPECT_EQ(running, 0) << "a kept statement is reset after each use, so it holds no snapshot";
}

TEST(SqliteConnectionDates, DateColumnsCompareAsPointsInTimeWhateverLengthTheTextHas)
{
    suite::SqliteConnection connection;
    QString sMsg;
    ASSERT_TRUE(connection.open(QStringLiteral(":memory:"), sMsg)) << qPrintable(sMsg);
    ASSERT_TRUE(connection.execute(
        QStringLiteral("create table T (n int, d datetime collate TSQLDATE);"
                       "insert into T values (1, '2009-06-20 00:00:00.000'), (2, '2009-06-20'),"
                       " (3, '2009-06-20T00:00:00'), (4, '2009-06-20 10:30:00'),"
                       " (5, '2009-06-19 23:59:59.999'), (6, null), (7, 'not a date')"),
        sMsg))
        << qPrintable(sMsg);
    const auto numbers = [&](const QString &where) {
        const suite::RecordSet rows = connection.query(QStringLiteral("select n from T where ")
                                                           + where + QStringLiteral(" order by n"),
                                                       {}, sMsg);
        QStringList found;
        for (int row = 0; row < rows.RecordCount(); ++row)
            found.append(rows.valueAt(row, 0).toString());
        return found.join(u',');
    };
    EXPECT_EQ(numbers(QStringLiteral("d = '2009-06-20'")), QStringLiteral("1,2,3"));
    EXPECT_EQ(numbers(QStringLiteral("d <= '2009-06-20'")), QStringLiteral("1,2,3,5"));
    EXPECT_EQ(numbers(QStringLiteral("d > '2009-06-20 00:00:00'")), QStringLiteral("4,7"));
    const suite::RecordSet ordered = connection.query(
        QStringLiteral("select n from T where n in (4, 5, 2) order by d"), {}, sMsg);
    EXPECT_EQ(ordered.valueAt(0, 0).toInt(), 5);
    EXPECT_EQ(ordered.valueAt(2, 0).toInt(), 4);
}
