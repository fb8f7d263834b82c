#include "DemoCompanyFixture.h"

#include "demo/ReferenceCodes.h"

TEST(ReferenceCodes, AreReadFromTheSeededTables)
{
    ASSERT_TRUE(SmallDemoCompany::instance().ok());
    suite::SqliteConnection company = SmallDemoCompany::instance().open(0);
    demo::ReferenceCodes codes;
    QString sMsg;
    ASSERT_TRUE(demo::readReferenceCodes(company, codes, sMsg)) << qPrintable(sMsg);
    EXPECT_TRUE(demo::checkProfileCodes(codes, sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(codes.defaultManagementType, QStringLiteral("01"));
    EXPECT_EQ(codes.personsByDepartment.value(QStringLiteral("0201")),
              QList<QString>({ "001", "002", "003" }));
    EXPECT_EQ(codes.agreementsByKind.value(12), QList<QString>({ "JK001" }));
    EXPECT_EQ(codes.userOfPerson.value(QStringLiteral("001")), QStringLiteral("sales1"));
    EXPECT_FALSE(codes.endCustomerClasses.contains(QStringLiteral("0302")));
    EXPECT_TRUE(codes.endCustomerClasses.contains(QStringLiteral("030201")));
}

TEST(ReferenceCodes, MissingRowsAreNamed)
{
    ASSERT_TRUE(SmallDemoCompany::instance().ok());
    suite::SqliteConnection company = SmallDemoCompany::instance().open(0);
    demo::ReferenceCodes codes;
    QString sMsg;
    ASSERT_TRUE(demo::readReferenceCodes(company, codes, sMsg));
    codes.banks.clear();
    codes.endDistricts.removeAll(QStringLiteral("0102"));
    codes.tradeClassNames.remove(QStringLiteral("05"));
    EXPECT_FALSE(demo::checkProfileCodes(codes, sMsg));
    EXPECT_EQ(sMsg,
              QStringLiteral("the reference data lacks banks, district 0102, "
                             "trade class 05"));
}

TEST(ReferenceCodes, AnEmptyDatabaseIsReported)
{
    suite::SqliteConnection empty;
    QString sMsg;
    ASSERT_TRUE(empty.open(QStringLiteral(":memory:"), sMsg));
    demo::ReferenceCodes codes;
    EXPECT_FALSE(demo::readReferenceCodes(empty, codes, sMsg));
    EXPECT_TRUE(sMsg.startsWith(QStringLiteral("cannot read the reference tables: ")))
        << qPrintable(sMsg);
    EXPECT_TRUE(sMsg.contains(QStringLiteral("CustomerClass"))) << qPrintable(sMsg);
}
