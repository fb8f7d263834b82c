#include "DemoCompanyFixture.h"

#include "demo/CompanyIndexes.h"

#include "suite/data/CoarseColumns.h"
#include "suite/data/PageQuery.h"
#include "suite/data/PageStatements.h"
#include "suite/data/tsql/SqliteDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"

#include <QFile>

namespace {

const QString kIndexes =
    QStringLiteral("select name from sqlite_master where type = 'index' and name like 'IX%' "
                   "order by name");

// A copy of the small demo company that a test may change.
class CompanyCopy : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SmallDemoCompany::instance().ok())
            << qPrintable(SmallDemoCompany::instance().error());
        const QString file = m_dir.filePath(demo::DemoCompany::companyFileName());
        ASSERT_TRUE(QFile::copy(
            demo::DemoCompany::paths(SmallDemoCompany::instance().dir()).first(), file));
        QString sMsg;
        ASSERT_TRUE(company.open(file, sMsg)) << qPrintable(sMsg);
    }

    QTemporaryDir m_dir;
    suite::SqliteConnection company;
};

QStringList planOf(suite::SqliteConnection &company, const QString &sql)
{
    QString sMsg;
    const suite::RecordSet plan =
        company.query(QStringLiteral("explain query plan ") + sql, {}, sMsg);
    QStringList details;
    for (int row = 0; row < plan.RecordCount(); ++row)
        details.append(plan.valueAt(row, plan.FieldIndex(QStringLiteral("detail"))).toString());
    return plan.IsOpen() ? details : QStringList{ sMsg };
}

// The key statement of the list and its count, translated as the data service translates them.
struct KeyStatements
{
    QString page;
    QString count;
};

KeyStatements keyStatements(suite::SqliteConnection &company, const QString &where,
                            const QString &order)
{
    const suite::PageRequest request{
        QStringLiteral("Customer"), QStringLiteral("cCusCode"), QString(), QString(), where, order
    };
    auto dialect = std::make_shared<suite::tsql::SqliteDialect>();
    suite::tsql::TsqlTranslator translator(dialect);
    translator.setCoarseColumnLookup(suite::CoarseColumns::lookupOf(company));
    QString sMsg;
    const QString keys = suite::page_statements::keysStatement(request, false);
    const auto page = translator.translate(keys, sMsg);
    const auto count = translator.translate(*suite::pageCountText(keys, sMsg), sMsg);
    if (!page || !count)
        return { sMsg, sMsg };
    return { suite::pageStatement(*dialect, page->steps.front().sql, 100, 100),
             count->steps.front().sql };
}

} // namespace

TEST(CompanyIndexes, ANewCompanyHasEveryIndexNamed)
{
    ASSERT_TRUE(SmallDemoCompany::instance().ok());
    QStringList names;
    QString sMsg;
    ASSERT_TRUE(demo::CompanyIndexes::names(names, sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(names.first(), QStringLiteral("IX_Customer_List"));
    for (const QString &retired : demo::CompanyIndexes::retired())
        EXPECT_FALSE(names.contains(retired, Qt::CaseInsensitive)) << qPrintable(retired);
    suite::SqliteConnection company = SmallDemoCompany::instance().open();
    const QStringList existing = column(company, kIndexes);
    for (const QString &name : std::as_const(names))
        EXPECT_TRUE(existing.contains(name)) << qPrintable(name);
}

TEST_F(CompanyCopy, AnOlderCompanyGetsTheMissingIndexesAndLosesTheRetiredOnes)
{
    QString sMsg;
    ASSERT_TRUE(company.execute(QStringLiteral("drop index IX_Person_cDepCode;"
                                               "drop index IX_Customer_List;"
                                               "create index IX_Customer_cCCCode on Customer "
                                               "(cCCCode);"),
                                sMsg))
        << qPrintable(sMsg);
    QStringList created;
    ASSERT_TRUE(demo::CompanyIndexes::update(company, created, sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(
        created,
        (QStringList{ QStringLiteral("IX_Customer_List"), QStringLiteral("IX_Person_cDepCode") }));
    suite::SqliteConnection newCompany = SmallDemoCompany::instance().open();
    EXPECT_EQ(column(company, kIndexes), column(newCompany, kIndexes));
    EXPECT_EQ(scalar(company,
                     QStringLiteral("select count(*) from sqlite_stat1 where idx in "
                                    "('IX_Customer_List', 'IX_Person_cDepCode')")),
              QStringLiteral("2"));

    ASSERT_TRUE(demo::CompanyIndexes::update(company, created, sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(created, QStringList());
}

TEST_F(CompanyCopy, AFailedUpdateChangesNothing)
{
    QString sMsg;
    ASSERT_TRUE(company.execute(QStringLiteral("drop index IX_Customer_List;"
                                               "create index IX_Customer_cCCCode on Customer "
                                               "(cCCCode);"
                                               "drop table Crm_Contact;"),
                                sMsg))
        << qPrintable(sMsg);
    const QStringList before = column(company, kIndexes);
    QStringList created{ QStringLiteral("stale") };
    EXPECT_FALSE(demo::CompanyIndexes::update(company, created, sMsg));
    EXPECT_TRUE(sMsg.startsWith(QStringLiteral("company_indexes.sql failed: no such table: "
                                               "main.Crm_Contact")))
        << qPrintable(sMsg);
    EXPECT_EQ(created, QStringList());
    EXPECT_EQ(column(company, kIndexes), before);
    EXPECT_FALSE(company.inTransaction());
}

// Led by the class index, SQLite would sort the whole class for every page; a class is counted
// by that index alone.
TEST(CompanyIndexes, TheListsKeyPagesWalkTheListIndexInOrderAndAClassIsCountedByItsIndex)
{
    ASSERT_TRUE(SmallDemoCompany::instance().ok());
    suite::SqliteConnection company = SmallDemoCompany::instance().open();
    const QString walk = QStringLiteral("SCAN Customer USING COVERING INDEX IX_Customer_List");
    const QString all = QStringLiteral(" where isnull(Customer.bTransFlag,0) =0 and 1=1");
    const QString byClass = QStringLiteral(
        " where isnull(Customer.bTransFlag,0) =0 and Customer.cCCCode like '01%' and 1=1");
    for (const QString &where : { all, byClass }) {
        for (const char *order :
             { " order by Customer.cCusCode", " order by Customer.cCusCode desc" }) {
            const KeyStatements statements =
                keyStatements(company, where, QString::fromLatin1(order));
            EXPECT_EQ(planOf(company, statements.page), QStringList{ walk })
                << qPrintable(where) << order;
            if (where == byClass) {
                EXPECT_EQ(planOf(company, statements.count),
                          QStringList{ "SEARCH Customer USING COVERING INDEX IX_Customer_Class "
                                       "(cCCCode>? AND cCCCode<?)" });
            }
        }
    }
}
