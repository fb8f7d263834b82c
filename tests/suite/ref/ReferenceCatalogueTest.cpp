#include "ReferenceFixture.h"

#include "suite/SuiteServices.h"
#include "suite/colset/IColumnSet.h"
#include "suite/core/ObjectFactory.h"
#include "suite/pub/ResourceTable.h"
#include "suite/ref/ReferenceColumnSets.h"

using suite::findReference;
using suite::referenceDefinitions;
using suite::referenceIdOfKey;

TEST(ReferenceCatalogue, KnowsEveryReferenceTheCustomerArchiveNamesWhateverTheCaseOrUrl)
{
    for (const char *id :
         { "CustomerClass_AA",  "DistrictClass_AA", "Customer_AA",        "ForeignCurrency_AA",
           "Vendor_AA",         "CustomerRank_CS",  "TradeClass_CS",      "CusDeliverAdd_AA",
           "Department_AA",     "Person_AA",        "Contact_CS",         "SettleStyle_AA",
           "ShippingChoice_AA", "Warehouse_AA",     "Paycondition_AA",    "PayCondition_AA",
           "tc_type_AA",        "AA_Agreement_AA",  "EX_REFER_NATION_EX", "ex_port_ex",
           "hr_ct007_AA" })
        EXPECT_NE(findReference(QString::fromLatin1(id)), nullptr) << id;

    EXPECT_EQ(referenceIdOfKey(QStringLiteral("http://h/ref.aspx?refid=Customer_AA")),
              QStringLiteral("Customer_AA"));
    EXPECT_EQ(referenceIdOfKey(QStringLiteral("http://h?x=1&RefID=Person_AA&lang=en")),
              QStringLiteral("Person_AA"));
    const suite::ReferenceDefinition *customer =
        findReference(QStringLiteral("http://h?refid=customer_aa"));
    ASSERT_NE(customer, nullptr);
    EXPECT_EQ(customer->table, QStringLiteral("Customer"));
    EXPECT_EQ(customer->columnSetKey(), QStringLiteral("RefCustomer"));
    EXPECT_EQ(findReference(QStringLiteral("Nothing_AA")), nullptr);
    EXPECT_EQ(findReference(QString()), nullptr);
}

TEST(ReferenceCatalogue, EveryCaptionAndTitleHasAChineseAndAnEnglishText)
{
    const suite::ResourceTable &zh = suite::ResourceTable::builtIn(QStringLiteral("zh-cn"));
    const suite::ResourceTable &en = suite::ResourceTable::builtIn(QStringLiteral("en-us"));
    for (const suite::ReferenceDefinition &reference : referenceDefinitions()) {
        QStringList keys{ reference.titleKey };
        for (const suite::ReferenceColumn &column : reference.columns)
            keys.append(column.captionKey);
        for (const QString &key : keys) {
            EXPECT_TRUE(zh.contains(key)) << qPrintable(key);
            EXPECT_TRUE(en.contains(key)) << qPrintable(key);
        }
    }
}

// Each reference is read once with nothing to offer: its table and every column it names must
// exist in the company database, and "1=2" must leave no row.
TEST_F(ReferenceTest, EveryReferenceReadsItsTableAndColumnsInTheDemoCompany)
{
    for (const suite::ReferenceDefinition &reference : referenceDefinitions()) {
        suite::ReferenceQuery nothing(reference);
        QString sMsg;
        ASSERT_TRUE(nothing.setConditions(QString(), QStringLiteral("1=2"), sMsg));
        suite::ReferencePage page;
        ASSERT_TRUE(nothing.readPage(*m_service, page, sMsg))
            << qPrintable(reference.id) << ": " << qPrintable(sMsg);
        EXPECT_EQ(page.rows.RecordCount(), 0) << qPrintable(reference.id);

        QStringList named{ reference.codeColumn, reference.nameColumn, reference.valueColumn };
        for (const suite::ReferenceColumn &column : reference.columns)
            named.append(column.field);
        for (const QString &field : named)
            EXPECT_TRUE(page.rows.HasField(field))
                << qPrintable(reference.id) << " has no column " << qPrintable(field);
    }
}

TEST_F(ReferenceTest, TheColumnSetServiceKnowsEveryReferencesDefaultColumns)
{
    suite::registerSuiteServices();
    auto columnSets = suite::createObject<suite::IColumnSet>(suite::IColumnSet::kProgId);
    ASSERT_TRUE(columnSets);
    ASSERT_TRUE(columnSets->Init(m_company.connectionText(), QStringLiteral("demo")));
    QString sMsg;
    ASSERT_TRUE(suite::registerReferenceColumnSets(
        *columnSets, suite::ResourceTable::builtIn(QStringLiteral("en-us")), sMsg))
        << qPrintable(sMsg);

    const QString customer =
        columnSets->getColInfo(QStringLiteral("RefCustomer"), suite::IColumnSet::UserSet);
    EXPECT_EQ(columnSets->GetSqlString(customer),
              QStringLiteral("Customer.cCusCode,Customer.cCusName,Customer.cCusAbbName"));
    EXPECT_EQ(columnSets->GetOrderString(customer), QStringLiteral("Customer.cCusCode"));
    const suite::RecordSet areas =
        columnSets->getColSet(QStringLiteral("RefHR_CT007"), suite::IColumnSet::FullInfo);
    ASSERT_EQ(areas.RecordCount(), 3);
    EXPECT_EQ(areas.valueAt(1, areas.FieldIndex(QStringLiteral("cCaption"))).toString(),
              QStringLiteral("Short Name"));
}
