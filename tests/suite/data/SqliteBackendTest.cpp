#include "suite/data/SqliteBackend.h"
#include "suite/data/ConnectionText.h"

#include "CompanyFolder.h"

#include <gtest/gtest.h>

using namespace suite;

namespace {

QStringList fieldNames(const TableColumns &columns)
{
    QStringList names;
    for (const Field &field : columns.fields)
        names.append(field.name);
    return names;
}

} // namespace

TEST(SqliteBackendTest, KeptTableColumnsFollowAChangeOfTheSchemaByAnyConnection)
{
    CompanyFolder folder;
    folder.runOnCompany(QStringLiteral("create table Cus (code nvarchar(10) primary key, name "
                                       "nvarchar(20))"));
    QString sMsg;
    const std::optional<ConnectionText> connection =
        ConnectionText::parse(folder.connectionText(), sMsg);
    ASSERT_TRUE(connection) << qPrintable(sMsg);
    const std::unique_ptr<SqliteBackend> backend = SqliteBackend::open(*connection, sMsg);
    ASSERT_TRUE(backend) << qPrintable(sMsg);
    TableColumns columns;
    ASSERT_TRUE(backend->tableColumns(QStringLiteral("Cus"), columns, sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(fieldNames(columns), (QStringList{ "code", "name" }));
    EXPECT_EQ(columns.primaryKey, QStringList{ "code" });

    folder.runOnCompany(QStringLiteral("alter table Cus add column phone nvarchar(20)"));
    ASSERT_TRUE(backend->tableColumns(QStringLiteral("cus"), columns, sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(fieldNames(columns), (QStringList{ "code", "name", "phone" }))
        << "another connection added a column";

    ASSERT_TRUE(backend->connection().executeStatement(
        QStringLiteral("create temp table Cus (id integer)"), {}, sMsg))
        << qPrintable(sMsg);
    ASSERT_TRUE(backend->tableColumns(QStringLiteral("Cus"), columns, sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(fieldNames(columns), QStringList{ "id" })
        << "a temporary table of the connection hides the company's of the same name";

    EXPECT_FALSE(backend->tableColumns(QStringLiteral("Nothing"), columns, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("The company database has no table Nothing."));
}
