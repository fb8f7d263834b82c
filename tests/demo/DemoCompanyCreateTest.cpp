#include "DemoCompanyFixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

demo::DemoSettings settingsFor(int customers, std::uint64_t seed = demo::DemoSettings::kDefaultSeed)
{
    demo::DemoSettings settings;
    settings.customers = customers;
    settings.seed = seed;
    return settings;
}

// Every row of every table and view, in a stable order, as one digest.
QByteArray contentDigest(const QString &path)
{
    suite::SqliteConnection connection;
    QString sMsg;
    if (!connection.open(path, sMsg, suite::SqliteConnection::OpenMode::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString &table :
         column(connection,
                "select name from sqlite_master where type in ('table', 'view') "
                "and name not like 'sqlite%' order by name")) {
        hash.addData(table.toUtf8());
        suite::RecordSet rs = connection.query(
            QStringLiteral("select * from \"%1\" order by 1, 2, 3").arg(table), {}, sMsg);
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            for (int field = 0; field < rs.FieldCount(); ++field)
                hash.addData(rs.Value(field).toString().toUtf8().append('\x1f'));
        }
    }
    return hash.result();
}

QByteArray fileDigest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

TEST(DemoCompanyCreate, MakesTheThreeDatabasesUnderTheirNames)
{
    QTemporaryDir dir;
    QString sMsg;
    QStringList steps;
    ASSERT_TRUE(demo::DemoCompany::create(
        dir.path() + QStringLiteral("/nested/demo"), settingsFor(10),
        [&](const QString &step, qint64, qint64) {
            if (steps.isEmpty() || steps.last() != step)
                steps.append(step);
        },
        sMsg))
        << qPrintable(sMsg);
    const QStringList paths = demo::DemoCompany::paths(dir.path() + QStringLiteral("/nested/demo"));
    ASSERT_EQ(paths.size(), 3);
    EXPECT_TRUE(paths[0].endsWith(QStringLiteral("/KVDATA_001_2026.db")));
    EXPECT_TRUE(paths[1].endsWith(QStringLiteral("/kvsystem.db")));
    EXPECT_TRUE(paths[2].endsWith(QStringLiteral("/KvMeta_001.db")));
    for (const QString &path : paths)
        EXPECT_TRUE(QFileInfo::exists(path)) << qPrintable(path);
    EXPECT_EQ(QDir(dir.path() + QStringLiteral("/nested/demo")).entryList(QDir::Files).size(), 3);
    EXPECT_EQ(steps,
              QStringList({ "system database", "metadata database", "company schema", "customers",
                            "indexes", "search index" }));
}

TEST(DemoCompanyCreate, TheSameSeedGivesTheSameCompany)
{
    QTemporaryDir first;
    QTemporaryDir second;
    QTemporaryDir other;
    QString sMsg;
    ASSERT_TRUE(demo::DemoCompany::create(first.path(), settingsFor(120), {}, sMsg));
    ASSERT_TRUE(demo::DemoCompany::create(second.path(), settingsFor(120), {}, sMsg));
    ASSERT_TRUE(demo::DemoCompany::create(other.path(), settingsFor(120, 7), {}, sMsg));
    const QByteArray digest = contentDigest(demo::DemoCompany::paths(first.path()).first());
    ASSERT_FALSE(digest.isEmpty());
    EXPECT_EQ(contentDigest(demo::DemoCompany::paths(second.path()).first()), digest);
    EXPECT_NE(contentDigest(demo::DemoCompany::paths(other.path()).first()), digest);
    for (int which = 1; which < 3; ++which)
        EXPECT_EQ(contentDigest(demo::DemoCompany::paths(first.path())[which]),
                  contentDigest(demo::DemoCompany::paths(second.path())[which]));
}

TEST(DemoCompanyCreate, StatisticsCountEveryRowSoTheListIsCountedOverItsIndex)
{
    QTemporaryDir dir;
    QString sMsg;
    constexpr int kCustomers = 2500;
    ASSERT_TRUE(demo::DemoCompany::create(dir.path(), settingsFor(kCustomers), {}, sMsg))
        << qPrintable(sMsg);
    suite::SqliteConnection company;
    ASSERT_TRUE(company.open(demo::DemoCompany::paths(dir.path()).first(), sMsg));
    const suite::RecordSet stats = company.query(
        QStringLiteral("select idx, stat from sqlite_stat1 where tbl = 'Customer'"), {}, sMsg);
    ASSERT_GT(stats.RecordCount(), 3) << qPrintable(sMsg);
    for (int row = 0; row < stats.RecordCount(); ++row) {
        EXPECT_EQ(stats.valueAt(row, 1).toString().section(u' ', 0, 0).toInt(), kCustomers)
            << qPrintable(stats.valueAt(row, 0).toString()) << ": a sample's guess, not a count";
    }
    const suite::RecordSet plan =
        company.query(QStringLiteral("explain query plan select count(*) from Customer where "
                                     "coalesce(bTransFlag, 0) = 0"),
                      {}, sMsg);
    QStringList steps;
    for (int row = 0; row < plan.RecordCount(); ++row)
        steps.append(plan.valueAt(row, 3).toString());
    EXPECT_TRUE(steps.join(u'|').contains(QStringLiteral("USING COVERING INDEX")))
        << qPrintable(steps.join(u'|'));
}

TEST(DemoCompanyCreate, RefusesToOverwriteUnlessAsked)
{
    QTemporaryDir dir;
    QString sMsg;
    ASSERT_TRUE(demo::DemoCompany::create(dir.path(), settingsFor(5), {}, sMsg));
    const QString company = demo::DemoCompany::paths(dir.path()).first();
    const QByteArray before = fileDigest(company);

    EXPECT_FALSE(demo::DemoCompany::create(dir.path(), settingsFor(8), {}, sMsg));
    EXPECT_EQ(sMsg,
              QStringLiteral("the company database %1 already exists")
                  .arg(QDir::toNativeSeparators(company)));
    EXPECT_EQ(fileDigest(company), before);

    demo::DemoSettings overwrite = settingsFor(8);
    overwrite.overwrite = true;
    ASSERT_TRUE(demo::DemoCompany::create(dir.path(), overwrite, {}, sMsg)) << qPrintable(sMsg);
    suite::SqliteConnection connection;
    ASSERT_TRUE(connection.open(company, sMsg));
    EXPECT_EQ(scalar(connection, "select count(*) from Customer"), "8");
}

TEST(DemoCompanyCreate, BadSettingsChangeNothing)
{
    QTemporaryDir dir;
    QString sMsg;
    EXPECT_FALSE(demo::DemoCompany::create(dir.path(), settingsFor(-1), {}, sMsg));
    EXPECT_EQ(sMsg,
              QStringLiteral("the number of customers must be between 0 and 5000000, not -1"));
    EXPECT_FALSE(demo::DemoCompany::create(
        dir.path(), settingsFor(demo::DemoSettings::kMaxCustomers + 1), {}, sMsg));
    EXPECT_FALSE(demo::DemoCompany::create(QStringLiteral("  "), settingsFor(1), {}, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("no folder was given for the demo company"));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    // A folder that cannot be made: its parent is a file.
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(demo::DemoCompany::create(dir.filePath(QStringLiteral("file/demo")),
                                           settingsFor(1), {}, sMsg));
    EXPECT_TRUE(sMsg.startsWith(QStringLiteral("cannot create the folder "))) << qPrintable(sMsg);
}

TEST(DemoCompanyCreate, NoCustomersStillGivesAWorkingCompany)
{
    QTemporaryDir dir;
    QString sMsg;
    ASSERT_TRUE(demo::DemoCompany::create(dir.path(), settingsFor(0), {}, sMsg))
        << qPrintable(sMsg);
    suite::SqliteConnection connection;
    ASSERT_TRUE(connection.open(demo::DemoCompany::paths(dir.path()).first(), sMsg));
    EXPECT_EQ(scalar(connection, "select count(*) from Customer"), "0");
    EXPECT_EQ(scalar(connection, "select count(*) from Vendor where cRelCustomer is not null"),
              "0");
    EXPECT_EQ(scalar(connection, "select count(*) from customer_import"), "20");
    EXPECT_EQ(scalar(connection, "select count(*) from HR_CT007"), "3762");
}
