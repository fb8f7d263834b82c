#include "PostgresCompany.h"
#include "ProductRun.h"

#include "demo/DemoCompany.h"
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

} // namespace

TEST(ServerInitDemoCommand, BuildsTheSameCompanyOnTheServerAndReplacesOneOnlyWhenForced)
{
    SKIP_WITHOUT_POSTGRES();
    PostgresCompany company;
    ASSERT_TRUE(company.ok()) << qPrintable(company.error());
    const QStringList arguments = { QStringLiteral("init-demo"), QStringLiteral("--db"),
                                    company.connectionText(), QStringLiteral("--customers"),
                                    QStringLiteral("40") };
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
                     QStringLiteral("--customers"), QStringLiteral("40") });
    ASSERT_EQ(local.exitCode, 0) << qPrintable(local.err);
    suite::SqliteConnection file;
    QString sMsg;
    ASSERT_TRUE(file.open(demo::DemoCompany::paths(dir.path()).first(), sMsg));
    const QString expected = rowsOf(file.query(kCustomers, {}, sMsg));
    ASSERT_EQ(expected.count(u'\n'), 39) << qPrintable(sMsg);

    const std::optional<suite::ConnectionText> text =
        suite::ConnectionText::parse(company.connectionText(), sMsg);
    ASSERT_TRUE(text) << qPrintable(sMsg);
    const std::unique_ptr<suite::DataBackend> server = suite::openBackend(*text, sMsg);
    ASSERT_TRUE(server) << qPrintable(sMsg);
    EXPECT_EQ(rowsOf(server->connection().queryStatement(kCustomers, {}, sMsg)), expected)
        << qPrintable(sMsg);
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
