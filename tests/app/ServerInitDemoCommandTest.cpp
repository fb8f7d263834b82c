#include "PostgresCompany.h"
#include "ProductRun.h"

#include "demo/DemoCompany.h"
#include "demo/DemoTables.h"
#include "suite/data/DataBackend.h"
#include "suite/data/SqliteConnection.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The customers as "code|name|class|created" lines, in code order.
const QString kCustomers = QStringLiteral(
    "select cCusCode, cCusName, cCCCode, cDCCode, cCusPPerson, dCusCreateDatetime from Customer "
    "order by cCusCode");

QString rowsOf(const suite::RecordSet &rows)
{
    QStringList lines;
    for (int row = 0; row < rows.RecordCount(); ++row) {
        QStringList values;
        for (int field = 0; field < rows.FieldCount(); ++field)
            values.append(rows.valueAt(row, field).toString());
        lines.append(values.join(u'|'));
    }
    return lines.join(u'\n');
}

// The rows of every table the generator fills, as "table count" lines.
QString tableCounts(suite::SqlConnection &connection, QString &sMsg)
{
    QStringList counts;
    for (const demo::DemoTable table :
         { demo::DemoTable::Division, demo::DemoTable::Customer, demo::DemoTable::CustomerExtra,
           demo::DemoTable::DeliverAddress, demo::DemoTable::CustomerBank,
           demo::DemoTable::InvoiceCorp, demo::DemoTable::Contact, demo::DemoTable::CustomerUser,
           demo::DemoTable::Receivable, demo::DemoTable::CreditSum, demo::DemoTable::Vendor,
           demo::DemoTable::Staging }) {
        const QString name = demo::tableName(table);
        const suite::RecordSet rows = connection.queryStatement(
            QStringLiteral("select count(*) from %1").arg(name), {}, sMsg);
        counts.append(name + u' ' + rows.valueAt(0, 0).toString());
    }
    return counts.join(u'\n');
}

} // namespace

TEST(ServerInitDemoCommand, BuildsTheSameCompanyOnTheServerAndReplacesOneOnlyWhenForced)
{
    SKIP_WITHOUT_POSTGRES();
    PostgresCompany company;
    ASSERT_TRUE(company.ok()) << qPrintable(company.error());
    const QStringList arguments = { QStringLiteral("init-demo"), QStringLiteral("--db"),
                                    company.connectionText(), QStringLiteral("--customers"),
                                    QStringLiteral("400") };
    const CommandRun refused = runProduct(arguments);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("the company %1 already exists on the "
                                                    "PostgreSQL server")
                                         .arg(company.catalogue())))
        << qPrintable(refused.err);

    const CommandRun built = runProduct(arguments + QStringList{ QStringLiteral("--force") });
    ASSERT_EQ(built.exitCode, 0) << qPrintable(built.err);
    EXPECT_EQ(built.lines, QStringList{ company.catalogue() });

    QTemporaryDir dir;
    const CommandRun local =
        runProduct({ QStringLiteral("init-demo"), QStringLiteral("--dir"), dir.path(),
                     QStringLiteral("--customers"), QStringLiteral("400") });
    ASSERT_EQ(local.exitCode, 0) << qPrintable(local.err);
    suite::SqliteConnection file;
    QString sMsg;
    ASSERT_TRUE(file.open(demo::DemoCompany::paths(dir.path()).first(), sMsg));
    const QString expected = rowsOf(file.query(kCustomers, {}, sMsg));
    ASSERT_EQ(expected.count(u'\n'), 399) << qPrintable(sMsg);

    const std::optional<suite::ConnectionText> text =
        suite::ConnectionText::parse(company.connectionText(), sMsg);
    ASSERT_TRUE(text) << qPrintable(sMsg);
    const std::unique_ptr<suite::DataBackend> server = suite::openBackend(*text, sMsg);
    ASSERT_TRUE(server) << qPrintable(sMsg);
    EXPECT_EQ(rowsOf(server->connection().queryStatement(kCustomers, {}, sMsg)), expected)
        << qPrintable(sMsg);
    // The same rows in every generated table, the vendors of the seed script among them.
    const QString fileCounts = tableCounts(file, sMsg);
    EXPECT_TRUE(fileCounts.contains(QStringLiteral("Vendor ")));
    EXPECT_EQ(tableCounts(server->connection(), sMsg), fileCounts) << qPrintable(sMsg);

    // The customers lie in the order they were generated, that of their codes, and every page
    // of theirs is all-visible without a VACUUM.
    const suite::RecordSet heap = company.admin().queryStatement(
        QStringLiteral("select count(*) filter (where ccuscode < previous), min(c.relpages), "
                       "min(c.relallvisible) from (select ccuscode, lag(ccuscode) over (order by "
                       "ctid) as previous from %1.customer) codes, pg_class c where c.oid = "
                       "'%1.customer'::regclass")
            .arg(company.schema()),
        {}, sMsg);
    ASSERT_EQ(heap.RecordCount(), 1) << qPrintable(sMsg);
    EXPECT_EQ(heap.valueAt(0, 0).toInt(), 0);
    EXPECT_GT(heap.valueAt(0, 1).toInt(), 30);
    EXPECT_EQ(heap.valueAt(0, 2).toInt(), heap.valueAt(0, 1).toInt());
}

TEST(ServerInitDemoCommand, ADbTextOfAnotherProviderIsRefused)
{
    const CommandRun run = runProduct({ QStringLiteral("init-demo"), QStringLiteral("--db"),
                                        QStringLiteral("Provider=SQLite;Data Source=/tmp/x.db") });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--db: it makes a company on a PostgreSQL server "
                                                "only; use --dir for an SQLite company")))
        << qPrintable(run.err);
}
