#include "app/CompanyDatabase.h"

#include "demo/DemoCompany.h"
#include "suite/data/SqliteConnection.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace host;

TEST(CompanyDatabase, OpensACompanyByConnectionTextOrFileThroughTheDataService)
{
    QTemporaryDir dir;
    demo::DemoSettings settings;
    settings.customers = 30;
    QString sMsg;
    ASSERT_TRUE(demo::DemoCompany::create(dir.path(), settings, {}, sMsg)) << qPrintable(sMsg);
    const QString file = demo::DemoCompany::paths(dir.path()).first();

    for (const QString &database :
         { file,
           QStringLiteral("Provider=SQLite;Data Source=%1;Initial Catalog=KVDATA_001_2026")
               .arg(file) }) {
        // A company of an earlier version: the list's index is brought in on opening.
        suite::SqliteConnection older;
        ASSERT_TRUE(older.open(file, sMsg)) << qPrintable(sMsg);
        ASSERT_TRUE(older.execute(QStringLiteral("drop index if exists IX_Customer_List"), sMsg));
        older.close();

        OpenedCompany company;
        ASSERT_TRUE(openCompany(database, company, sMsg)) << qPrintable(sMsg);
        EXPECT_EQ(company.service
                      ->OpenX(QStringLiteral("select count(*) from sqlite_master where "
                                             "name='IX_Customer_List'"))
                      .Value(0)
                      .toInt(),
                  1);
        EXPECT_EQ(company.databaseFile, file);
        const suite::RecordSet count =
            company.service->OpenX(QStringLiteral("select count(*) from Customer"));
        EXPECT_EQ(count.Value(0).toInt(), 30);
    }
}

TEST(CompanyDatabase, AMissingFileOrABadTextIsRefusedWithTheReason)
{
    QTemporaryDir dir;
    OpenedCompany company;
    QString sMsg;
    EXPECT_FALSE(openCompany(dir.filePath(QStringLiteral("KVDATA_009_2026.db")), company, sMsg));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("KVDATA_009_2026.db"))) << qPrintable(sMsg);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("KVDATA_009_2026.db"))));

    EXPECT_FALSE(openCompany(QStringLiteral("Provider=Oracle;Data Source=x"), company, sMsg));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("Oracle"))) << qPrintable(sMsg);
}
