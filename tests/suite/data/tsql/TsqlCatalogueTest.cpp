#include "suite/data/CompanyProcedures.h"
#include "suite/data/SqliteConnection.h"
#include "suite/data/tsql/BatchRunner.h"
#include "suite/data/tsql/SqliteDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"

#include "TsqlCatalogue.h"
#include "TsqlTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <gtest/gtest.h>

using namespace suite;
using namespace suite::tsql;

namespace {

QString scriptText(const QString &name)
{
    QFile file(QStringLiteral(CUSTOMER_SOURCE_DIR "/db/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The company's T-SQL scripts, run through the translator as the data service runs them.
bool runScripts(SqlConnection &connection, const QStringList &names, QString &sMsg)
{
    TsqlTranslator translator(std::make_shared<SqliteDialect>());
    BatchRunner runner(connection);
    for (const QString &name : names) {
        auto batch = translator.translate(scriptText(name), sMsg);
        if (!batch)
            return false;
        const BatchRunner::Outcome outcome = runner.run(*batch);
        if (!outcome.ok) {
            sMsg = name + QStringLiteral(": ") + outcome.message;
            return false;
        }
    }
    return true;
}

// The company database's own function for the login's language; the data service's session
// provides it in the product.
void localeId(sqlite3_context *context, int, sqlite3_value **)
{
    sqlite3_result_text(context, "zh-CN", -1, SQLITE_STATIC);
}

// The demo generator makes the customers of a real company; these few are enough for the
// texts to find rows.
const char *const kCustomers = R"(
insert into Customer (cCusCode, cCusName, cCusAbbName, cCCCode, cCusPPerson, bCredit, iCusCreLine)
    values ('C001', N'北京甲公司', N'甲', '0101', 'P01', 1, 5000)
insert into Customer (cCusCode, cCusName, cCusAbbName, cCCCode, bTransFlag)
    values ('C010', N'北京乙公司', N'乙', '0101', 1)
insert into Customer (cCusCode, cCusName, cCusAbbName, cCCCode)
    values ('C020', N'天津丙公司', N'丙', '0102')
insert into Customer (cCusCode, cCusName, cCusAbbName, cCCCode)
    values ('C100', N'沈阳丁公司', N'丁', '0201')
insert into Customer_extradefine (cCusCode) values ('C001')
insert into customer_user (Account_ID, User_ID, Is_Self) values ('C001', 'demo', 1)
)";

class TsqlCatalogueTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        directory = new QTemporaryDir;
        company = new SqliteConnection;
        QString sMsg;
        ASSERT_TRUE(prepareDatabase(QStringLiteral("kvsystem"), { "system.sql" }, sMsg))
            << qPrintable(sMsg);
        ASSERT_TRUE(prepareDatabase(QStringLiteral("KvMeta_001"), { "meta.sql" }, sMsg))
            << qPrintable(sMsg);
        ASSERT_TRUE(company->open(QStringLiteral(":memory:"), sMsg)) << qPrintable(sMsg);
        ASSERT_TRUE(runScripts(*company,
                               { "company.sql", "company_indexes.sql", "company_seed.sql" }, sMsg))
            << qPrintable(sMsg);
        ASSERT_TRUE(runText(QString::fromUtf8(kCustomers), sMsg)) << qPrintable(sMsg);
        for (const QString &schema : { QStringLiteral("kvsystem"), QStringLiteral("KvMeta_001") }) {
            ASSERT_TRUE(company->execute(QStringLiteral("attach database ? as ") + schema,
                                         { directory->filePath(schema) }, sMsg))
                << qPrintable(sMsg);
        }
        sqlite3_create_function(company->handle(), "UDF_GetLocaleID", 0, SQLITE_UTF8, nullptr,
                                localeId, nullptr, nullptr);
    }

    static void TearDownTestSuite()
    {
        delete company;
        delete directory;
    }

    static bool runText(const QString &tsql, QString &sMsg)
    {
        TsqlTranslator translator(std::make_shared<SqliteDialect>());
        auto batch = translator.translate(tsql, sMsg);
        const BatchRunner::Outcome outcome =
            batch ? BatchRunner(*company).run(*batch) : BatchRunner::Outcome();
        sMsg += outcome.message;
        return outcome.ok;
    }

    static bool prepareDatabase(const QString &name, const QStringList &scripts, QString &sMsg)
    {
        SqliteConnection database;
        return database.open(directory->filePath(name), sMsg)
            && runScripts(database, scripts, sMsg);
    }

    static QTemporaryDir *directory;
    static SqliteConnection *company;
};

QTemporaryDir *TsqlCatalogueTest::directory = nullptr;
SqliteConnection *TsqlCatalogueTest::company = nullptr;

} // namespace

// Each text runs in a transaction that is rolled back, so the texts do not depend on each
// other's changes.
TEST_F(TsqlCatalogueTest, EveryTextTheComponentSendsTranslatesAndRuns)
{
    TsqlTranslator translator(std::make_shared<SqliteDialect>());
    BatchRunner runner(*company);
    for (const NamedProcedure &procedure : companyProcedures())
        runner.registerProcedure(procedure.name, procedure.procedure);
    for (const auto &[name, text] : tsqlcatalogue::catalogue()) {
        QString sMsg;
        auto batch = translator.translate(text, sMsg);
        EXPECT_TRUE(batch) << qPrintable(name) << ": " << qPrintable(sMsg);
        if (!batch)
            continue;
        ASSERT_TRUE(company->beginTransaction(sMsg)) << qPrintable(sMsg);
        const BatchRunner::Outcome outcome = runner.run(*batch);
        EXPECT_TRUE(outcome.ok) << qPrintable(name) << ": " << qPrintable(outcome.message);
        ASSERT_TRUE(company->rollbackTransaction(sMsg)) << qPrintable(sMsg);
    }
}

TEST_F(TsqlCatalogueTest, ListPageFindsTheSeededCustomersOfAClass)
{
    TsqlTranslator translator(std::make_shared<SqliteDialect>());
    BatchRunner runner(*company);
    QString sMsg;
    auto batch = translator.translate(tsqlcatalogue::listPageStatement(), sMsg);
    ASSERT_TRUE(batch) << qPrintable(sMsg);
    BatchRunner::Outcome page = runner.run(*batch);
    ASSERT_TRUE(page.ok) << qPrintable(page.message);
    auto count = translator.translate(
        QStringLiteral(
            "select count(*) from Customer where isnull(bTransFlag,0)=0 and cCCCode like "
            "'01%' and cCusCode like '%0%' and ")
            + tsqlcatalogue::kRights,
        sMsg);
    BatchRunner::Outcome expected = runner.run(*count);
    ASSERT_TRUE(expected.ok) << qPrintable(expected.message);
    EXPECT_EQ(expected.lastResult.Value(0).toInt(), 2);
    EXPECT_EQ(page.lastResult.RecordCount(), 2);
    EXPECT_EQ(page.lastResult.FieldCount(), 30);
}

// Cut anywhere, a text either still translates or is refused with a reason; nothing breaks.
TEST(TsqlCatalogueCuts, EveryCutTextTranslatesOrIsRefused)
{
    TsqlTranslator translator(std::make_shared<SqliteDialect>(), 0);
    int refused = 0;
    for (const auto &[name, text] : tsqlcatalogue::catalogue()) {
        for (qsizetype length = 1; length < text.size(); length += 3) {
            QString sMsg;
            if (!translator.translate(text.left(length), sMsg)) {
                ++refused;
                EXPECT_FALSE(sMsg.isEmpty()) << qPrintable(name) << " cut at " << length;
            }
        }
    }
    EXPECT_GT(refused, 0);
}
