#include "suite/data/ConnectionText.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace suite;

namespace {

ConnectionText parsed(const QString &text)
{
    QString sMsg;
    const std::optional<ConnectionText> connection = ConnectionText::parse(text, sMsg);
    EXPECT_TRUE(connection.has_value()) << qPrintable(sMsg);
    return connection.value_or(ConnectionText());
}

QString failureOf(const QString &text)
{
    QString sMsg;
    EXPECT_FALSE(ConnectionText::parse(text, sMsg).has_value()) << qPrintable(text);
    return sMsg;
}

} // namespace

TEST(ConnectionText, ReadsTheSuiteForm)
{
    const ConnectionText connection = parsed(QStringLiteral(
        "Provider=SQLite;Data Source=/data/co/KVDATA_001_2026.db;Initial Catalog=KVDATA_001_2026"));
    EXPECT_EQ(connection.provider, ConnectionText::Provider::Sqlite);
    EXPECT_EQ(connection.databaseFile, QStringLiteral("/data/co/KVDATA_001_2026.db"));
    EXPECT_EQ(connection.catalogue, QStringLiteral("KVDATA_001_2026"));
    EXPECT_EQ(connection.accountId, QStringLiteral("001"));
    EXPECT_EQ(connection.year, QStringLiteral("2026"));
    EXPECT_EQ(connection.directory(), QStringLiteral("/data/co"));
}

TEST(ConnectionText, KeysIgnoreCaseAndValuesAreTrimmedOrQuoted)
{
    const ConnectionText connection =
        parsed(QStringLiteral("  provider = sqlite ; DATA   SOURCE= \"/my data/a;b.db\" ;"
                              " initial catalog='KVDATA_''7''_2025' ; User ID = sa;"));
    EXPECT_EQ(connection.databaseFile, QStringLiteral("/my data/a;b.db"));
    EXPECT_EQ(connection.catalogue, QStringLiteral("KVDATA_'7'_2025"));
    EXPECT_EQ(connection.properties.value(QStringLiteral("user id")), QStringLiteral("sa"));
    EXPECT_TRUE(connection.accountId.isEmpty()) << "a quote is no part of an account id";
}

TEST(ConnectionText, AccountAndYearComeFromTheFileWhenTheCatalogueHasNoneOrIsMissing)
{
    const ConnectionText bare = parsed(QStringLiteral(" /srv/kvdata_015_2024.db "));
    EXPECT_EQ(bare.databaseFile, QStringLiteral("/srv/kvdata_015_2024.db"));
    EXPECT_EQ(bare.catalogue, QStringLiteral("kvdata_015_2024"));
    EXPECT_EQ(bare.accountId, QStringLiteral("015"));
    EXPECT_EQ(bare.year, QStringLiteral("2024"));

    const ConnectionText other =
        parsed(QStringLiteral("Data Source=/srv/KVDATA_002_2023.db;Initial Catalog=Sales"));
    EXPECT_EQ(other.accountId, QStringLiteral("002"));
    EXPECT_EQ(other.year, QStringLiteral("2023"));

    const ConnectionText plain = parsed(QStringLiteral("/srv/company.db"));
    EXPECT_TRUE(plain.accountId.isEmpty());
    EXPECT_TRUE(plain.year.isEmpty());
}

TEST(ConnectionText, APathWithAnEqualsSignIsStillAPath)
{
    const ConnectionText connection = parsed(QStringLiteral("/data/a=b/KVDATA_001_2026.db"));
    EXPECT_EQ(connection.databaseFile, QStringLiteral("/data/a=b/KVDATA_001_2026.db"));
    EXPECT_EQ(connection.accountId, QStringLiteral("001"));
}

TEST(ConnectionText, AFolderAsDataSourceHoldsTheCatalogueFile)
{
    QTemporaryDir dir;
    const ConnectionText connection =
        parsed(QStringLiteral("Provider=SQLite;Data Source=%1;Initial Catalog=KVDATA_003_2026")
                   .arg(dir.path()));
    EXPECT_EQ(connection.databaseFile, dir.filePath(QStringLiteral("KVDATA_003_2026.db")));
    EXPECT_EQ(QDir(connection.directory()), QDir(dir.path()));
    EXPECT_EQ(connection.accountId, QStringLiteral("003"));

    EXPECT_EQ(failureOf(QStringLiteral("Data Source=%1").arg(dir.path())),
              QStringLiteral("The Data Source '%1' is a folder, and no Initial Catalog names the "
                             "company database in it.")
                  .arg(dir.path()));
}

TEST(ConnectionText, BadTextsAreRefusedWithTheReason)
{
    EXPECT_EQ(failureOf(QStringLiteral("   ")), QStringLiteral("The connection text is empty."));
    EXPECT_EQ(failureOf(QStringLiteral("Provider=SQLOLEDB;Data Source=srv;Initial Catalog=x")),
              QStringLiteral("The provider 'SQLOLEDB' is not supported; the data service opens "
                             "Provider=SQLite and Provider=PostgreSQL databases."));
    EXPECT_EQ(failureOf(QStringLiteral("Provider=SQLite;Initial Catalog=KVDATA_001_2026")),
              QStringLiteral("The connection text names no Data Source (the company database "
                             "file)."));
    EXPECT_EQ(failureOf(QStringLiteral("Provider=SQLite;Data Source=\"/a/b.db")),
              QStringLiteral("The value of 'data source' in the connection text has no closing "
                             "\"."));
    EXPECT_EQ(failureOf(QStringLiteral("Data Source='/a/b.db' x;Provider=SQLite")),
              QStringLiteral("Unexpected text after the quoted value of 'data source' in the "
                             "connection text: x;Provider=SQLite"));
    EXPECT_EQ(failureOf(QStringLiteral("Provider=SQLite;Persist;Data Source=/a.db")),
              QStringLiteral("The part 'Persist' of the connection text is not key=value."));
    EXPECT_EQ(failureOf(QStringLiteral("Provider=SQLite; =x;Data Source=/a.db")),
              QStringLiteral("The connection text has a value without a key at '=x;Data "
                             "Source=/a.db'."));
}

TEST(ConnectionText, OnlyTheSqliteAndPostgresProvidersAreKnown)
{
    EXPECT_EQ(providerByName(QStringLiteral("sqlite")), ConnectionText::Provider::Sqlite);
    EXPECT_EQ(providerByName(QStringLiteral("postgresql")), ConnectionText::Provider::Postgres);
    EXPECT_FALSE(providerByName(QStringLiteral("Postgres")).has_value());
    EXPECT_FALSE(providerByName(QStringLiteral("SQLite3")).has_value());
    EXPECT_FALSE(providerByName(QString()).has_value());
}

TEST(ConnectionText, AServerTextNamesItsDatabaseAndCompanyAndGivesLibpqItsValuesQuoted)
{
    const ConnectionText connection = parsed(
        QStringLiteral("Provider=PostgreSQL;Host=db.example;Port=5433;Database=suite;User ID=clerk;"
                       "Password='it''s \\ secret';Initial Catalog=KVDATA_002_2025"));
    EXPECT_EQ(connection.provider, ConnectionText::Provider::Postgres);
    EXPECT_TRUE(connection.databaseFile.isEmpty());
    EXPECT_EQ(connection.accountId, QStringLiteral("002"));
    EXPECT_EQ(connection.year, QStringLiteral("2025"));
    EXPECT_EQ(connection.postgresConnectionString(),
              QStringLiteral("host='db.example' port='5433' dbname='suite' user='clerk' "
                             "password='it\\'s \\\\ secret' connect_timeout=10 "
                             "keepalives_idle=30 application_name='customer-archive'"));
    EXPECT_EQ(failureOf(QStringLiteral("Provider=PostgreSQL;Host=h;Initial Catalog=KVDATA_1_2026")),
              QStringLiteral("The connection text names no Database on the PostgreSQL server."));
    EXPECT_EQ(failureOf(QStringLiteral("Provider=PostgreSQL;Host=h;Database=d")),
              QStringLiteral("The connection text names no Initial Catalog (the company) on the "
                             "PostgreSQL server."));
}
