#include "catalogue/UserCondition.h"
#include "entry/SessionContext.h"

#include <gtest/gtest.h>

using namespace customer;

namespace {

const ConditionNames kNames{ { QStringLiteral("ccuscode"), QStringLiteral("ccusname"),
                               QStringLiteral("icuscreline"), QStringLiteral("ddate") },
                             { QStringLiteral("customer"),
                               QStringLiteral("customer_extradefine") } };

QString refusedPartOf(const QString &condition)
{
    QString refused;
    EXPECT_FALSE(isAllowedCondition(condition, kNames, refused)) << qPrintable(condition);
    return refused;
}

} // namespace

TEST(UserCondition, ColumnsLiteralsOperatorsAndPlainFunctionsPass)
{
    for (const QString &condition :
         { QString(), QStringLiteral("(cCusName like N'北京%' and iCusCreLine >= 5)"),
           QStringLiteral("Customer.cCusCode = '0001' or [cCusName] is not null"),
           QStringLiteral("isnull(cCusName, '') <> '' and left(cCusCode, 2) in ('00', '01')"),
           QStringLiteral("year(dDate) between 2020 and 2026 and not (iCusCreLine * 2 > 10)"),
           QStringLiteral("cCusName like '100!%' escape '!'"),
           QStringLiteral("case when iCusCreLine > 0 then 1 else 0 end = 1") }) {
        QString refused;
        EXPECT_TRUE(isAllowedCondition(condition, kNames, refused))
            << qPrintable(condition) << ": " << qPrintable(refused);
    }
}

TEST(UserCondition, AnythingThatReadsOutsideTheListIsRefusedByName)
{
    EXPECT_EQ(refusedPartOf(QStringLiteral("exists(select 1 from Customer)")),
              QStringLiteral("exists"));
    EXPECT_EQ(refusedPartOf(QStringLiteral("cCusCode in (select cUser_Id from t)")),
              QStringLiteral("select"));
    EXPECT_EQ(refusedPartOf(QStringLiteral("kvsystem..ua_user.cUser_Id = 'x'")),
              QStringLiteral("kvsystem.."));
    EXPECT_EQ(refusedPartOf(QStringLiteral("Vendor.cVenCode = '1'")),
              QStringLiteral("Vendor.cVenCode"));
    EXPECT_EQ(refusedPartOf(QStringLiteral("Customer.cCusCode.x = '1'")),
              QStringLiteral("Customer.cCusCode"));
    EXPECT_EQ(refusedPartOf(QStringLiteral("cSecret = 1")), QStringLiteral("cSecret"));
    EXPECT_EQ(refusedPartOf(QStringLiteral("@@version like '%'")), QStringLiteral("@@version"));
    EXPECT_EQ(refusedPartOf(QStringLiteral("db_name() = 'x'")), QStringLiteral("db_name"));
    EXPECT_EQ(refusedPartOf(QStringLiteral("1=1; delete from Customer")), QStringLiteral(";"));
    EXPECT_EQ(refusedPartOf(QStringLiteral("1=1 union select 1")), QStringLiteral("union"));
}

// Column rights of level N: a field the user may not read cannot be tested either.
TEST(UserCondition, ListNamesLeaveOutTheFieldsTheUserMayNotRead)
{
    g_cColAuthN = QStringLiteral("cCusName,iARMoney");
    g_cExtraFields = QStringLiteral("ccdefine1,");
    const ConditionNames names = listConditionNames(QStringLiteral("cCusCode,cpersonname"));
    g_cColAuthN.clear();
    g_cExtraFields.clear();
    EXPECT_TRUE(names.columns.contains(QStringLiteral("ccuscode")));
    EXPECT_TRUE(names.columns.contains(QStringLiteral("ccusabbname")));
    EXPECT_TRUE(names.columns.contains(QStringLiteral("ccdefine1")));
    EXPECT_TRUE(names.columns.contains(QStringLiteral("cpersonname")));
    EXPECT_FALSE(names.columns.contains(QStringLiteral("ccusname")));
    EXPECT_FALSE(names.columns.contains(QStringLiteral("iarmoney")));
    QString refused;
    EXPECT_FALSE(isAllowedCondition(QStringLiteral("cCusName like 'a%'"), names, refused));
}
