#include "PostgresCompany.h"

#include "demo/CopyTableWriter.h"
#include "demo/PackedRows.h"
#include "suite/data/PostgresConnection.h"

#include <gtest/gtest.h>

namespace {

QString rowsOf(const suite::RecordSet &rows)
{
    QStringList lines;
    for (int row = 0; row < rows.RecordCount(); ++row) {
        QStringList values;
        for (int field = 0; field < rows.FieldCount(); ++field) {
            const QVariant value = rows.valueAt(row, field);
            values.append(value.isNull() ? QStringLiteral("<null>") : value.toString());
        }
        lines.append(values.join(u'|'));
    }
    return lines.join(u'\n');
}

} // namespace

// The demo company's tables without customers on the test server, and a connection whose
// search path names them.
class PostgresCopyWriter : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_POSTGRES();
        if (!company.ok()) {
            sMsg = company.error();
            return;
        }
        const std::optional<suite::ConnectionText> server =
            suite::ConnectionText::parse(company.connectionText(), sMsg);
        m_opened = server && company.buildEmptyCompany(sMsg)
            && connection.open(
                server->postgresConnectionString(),
                { QStringLiteral("set search_path to %1, public").arg(company.schema()) }, sMsg);
    }

    bool opened() const { return m_opened; }

    PostgresCompany company;
    suite::PostgresConnection connection;
    QString sMsg;

private:
    bool m_opened = false;
};

TEST_F(PostgresCopyWriter, TextsNumbersAndNullsComeBackAsTheyWentIn)
{
    ASSERT_TRUE(opened()) << qPrintable(sMsg);
    const int divisions =
        connection.queryStatement(QStringLiteral("select count(*) from hr_ct007"), {}, sMsg)
            .valueAt(0, 0)
            .toInt();
    ASSERT_GT(divisions, 0) << qPrintable(sMsg);

    // The divisions are there already and take the rows as they are; the credit sums are
    // empty and take them frozen.
    demo::PackedRows rows;
    rows.append(demo::DemoTable::Division,
                { QStringLiteral("X1"), QVariant(), QStringLiteral("tab\there"),
                  QStringLiteral("line\nbreak\r\\back\\N"), 3 });
    rows.append(demo::DemoTable::Division,
                { QStringLiteral("X2"), QStringLiteral("X1"), QString(""),
                  QStringLiteral("\\N 𠀋字"), 2147483647 });
    rows.append(demo::DemoTable::CreditSum,
                { QStringLiteral("C1"), 0.1, 1e-7, 12345678.9, QVariant() });
    // A row shorter than its table's columns leaves the rest null.
    rows.append(demo::DemoTable::CreditSum, { QStringLiteral("C2"), -1.5 });
    demo::CopyTableWriter writer(connection);
    ASSERT_TRUE(connection.beginTransaction(sMsg)) << qPrintable(sMsg);
    ASSERT_TRUE(writer.beginLoad(sMsg)) << qPrintable(sMsg);
    ASSERT_TRUE(writer.insertAll(*writer.encode(std::move(rows)), sMsg)) << qPrintable(sMsg);
    ASSERT_TRUE(connection.commitTransaction(sMsg)) << qPrintable(sMsg);

    EXPECT_EQ(rowsOf(connection.queryStatement(
                  QStringLiteral("select ccodeid, cpcodeid, vsimplename, vdescription, ilevels "
                                 "from hr_ct007 where ccodeid in ('X1', 'X2') order by ccodeid"),
                  {}, sMsg)),
              QStringLiteral("X1|<null>|tab\there|line\nbreak\r\\back\\N|3\n"
                             "X2|X1||\\N 𠀋字|2147483647"))
        << qPrintable(sMsg);
    EXPECT_EQ(connection.queryStatement(QStringLiteral("select count(*) from hr_ct007"), {}, sMsg)
                  .valueAt(0, 0)
                  .toInt(),
              divisions + 2);
    EXPECT_EQ(rowsOf(connection.queryStatement(
                  QStringLiteral("select ccuscode, fcreditline::text, fused::text, "
                                 "favailable::text, dupdate from sa_cuscreditsum order by 1"),
                  {}, sMsg)),
              QStringLiteral("C1|0.1000|0.0000|12345678.9000|<null>\n"
                             "C2|-1.5000|<null>|<null>|<null>"))
        << qPrintable(sMsg);
    ASSERT_TRUE(connection.execute(QStringLiteral("analyze sa_cuscreditsum, hr_ct007"), sMsg));
    EXPECT_EQ(rowsOf(connection.queryStatement(
                  QStringLiteral("select relname, relallvisible = relpages from pg_class where "
                                 "relnamespace = current_schema()::regnamespace and relname in "
                                 "('sa_cuscreditsum', 'hr_ct007') order by 1"),
                  {}, sMsg)),
              QStringLiteral("hr_ct007|false\nsa_cuscreditsum|true"))
        << qPrintable(sMsg);
}

TEST_F(PostgresCopyWriter, ARefusedRowLeavesNothingOfTheLoad)
{
    ASSERT_TRUE(opened()) << qPrintable(sMsg);

    demo::PackedRows rows;
    rows.append(demo::DemoTable::CreditSum, { QStringLiteral("C1"), 1.0 });
    // A code longer than its column's twenty characters.
    rows.append(demo::DemoTable::CreditSum, { QString(21, u'x'), 2.0 });
    demo::CopyTableWriter writer(connection);
    ASSERT_TRUE(connection.beginTransaction(sMsg)) << qPrintable(sMsg);
    ASSERT_TRUE(writer.beginLoad(sMsg)) << qPrintable(sMsg);
    EXPECT_FALSE(writer.insertAll(*writer.encode(std::move(rows)), sMsg));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("sa_cuscreditsum"), Qt::CaseInsensitive))
        << qPrintable(sMsg);
    QString ignored;
    connection.rollbackTransaction(ignored);
    EXPECT_EQ(
        connection.queryStatement(QStringLiteral("select count(*) from sa_cuscreditsum"), {}, sMsg)
            .valueAt(0, 0)
            .toInt(),
        0)
        << qPrintable(sMsg);
}
