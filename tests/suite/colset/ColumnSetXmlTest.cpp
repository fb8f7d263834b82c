#include "suite/colset/ColumnSetXml.h"
#include "suite/colset/ColumnSet.h"

#include <gtest/gtest.h>

using namespace suite;

TEST(ColumnSetXml, ReadsLowerCasedAttributesAndOrdersByIorder)
{
    ColumnSet set;
    QString sMsg;
    ASSERT_TRUE(readColumnSetXml(
        QStringLiteral(
            "<customer><b showfldname='B' iorder='2' csort='DESC'/>"
            "<a SHOWFLDNAME='A' ORGCAPTION='x' BSHOW='0' IWIDTH='7' IORDER='1'/></customer>"),
        set, sMsg))
        << qPrintable(sMsg);
    EXPECT_EQ(set.key, QStringLiteral("customer")) << "without ckey the root names the key";
    ASSERT_EQ(set.columns.size(), 2);
    const Column &a = set.columns.at(0);
    EXPECT_EQ(a.field, QStringLiteral("a"));
    EXPECT_EQ(a.caption, QStringLiteral("A"));
    EXPECT_EQ(a.originalCaption, QStringLiteral("A"));
    EXPECT_FALSE(a.visible);
    EXPECT_EQ(a.width, 7);
    ASSERT_EQ(a.details.size(), 1) << "unknown attributes are kept as the catalogue's";
    EXPECT_EQ(a.details.first().first, QStringLiteral("ORGCAPTION"));
    EXPECT_EQ(set.columns.at(1).sort, QStringLiteral("desc"));
    EXPECT_EQ(set.columns.at(1).order, 2);
}

TEST(ColumnSetXml, FailedReadLeavesTheSetUntouched)
{
    ColumnSet set{ QStringLiteral("k"), QStringLiteral("r"), { Column{ QStringLiteral("x") } } };
    QString sMsg;
    EXPECT_FALSE(readColumnSetXml(QStringLiteral("<r><x iorder='-1'/></r>"), set, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("Column x: iorder='-1' must be a number of 0 or more."));
    ASSERT_EQ(set.columns.size(), 1);
    EXPECT_EQ(set.key, QStringLiteral("k"));
}

TEST(ColumnSetXml, WrittenSetReadsBackEqual)
{
    ColumnSet set{ QStringLiteral("RefVendor"), QStringLiteral("Vendor"), {} };
    Column code{ QStringLiteral("Vendor.cVenCode"), QStringLiteral("供应商 <&> 编码"),
                 QStringLiteral("供应商编码") };
    code.sort = QStringLiteral("asc");
    code.fixed = true;
    code.details = { { QStringLiteral("reftype"), QStringLiteral("ref") } };
    set.columns = { code };
    set.renumber();
    ColumnSet read;
    QString sMsg;
    ASSERT_TRUE(readColumnSetXml(writeColumnSetXml(set), read, sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(read.key, QStringLiteral("RefVendor"));
    EXPECT_EQ(read.rootName, QStringLiteral("Vendor"));
    ASSERT_EQ(read.columns.size(), 1);
    EXPECT_EQ(read.columns.first().caption, code.caption);
    EXPECT_EQ(read.columns.first().details, code.details);
    EXPECT_TRUE(read.columns.first().fixed);
    EXPECT_EQ(orderList(read), QStringLiteral("Vendor.cVenCode"));
}

TEST(ColumnSetNames, FieldsKeysAndWithdrawnNames)
{
    EXPECT_TRUE(isFieldName(QStringLiteral("Customer_extradefine.cCDefine1")));
    EXPECT_FALSE(isFieldName(QStringLiteral("a.b.c")));
    EXPECT_FALSE(isFieldName(QStringLiteral("1abc")));
    EXPECT_FALSE(isFieldName(QString()));

    EXPECT_EQ(tableOfKey(QStringLiteral("RefCrm_Contact")), QStringLiteral("Crm_Contact"));
    EXPECT_EQ(tableOfKey(QStringLiteral("Customer_import")), QStringLiteral("Customer_import"));
    EXPECT_EQ(tableOfKey(QStringLiteral("Ref")), QStringLiteral("Ref"));

    EXPECT_TRUE(fieldMatches(QStringLiteral("Customer.cCusName"), QStringLiteral("ccusname")));
    EXPECT_TRUE(
        fieldMatches(QStringLiteral("Customer.cCusName"), QStringLiteral("customer.ccusname")));
    EXPECT_FALSE(
        fieldMatches(QStringLiteral("Customer.cCusName"), QStringLiteral("vendor.ccusname")));
    EXPECT_FALSE(fieldMatches(QStringLiteral("cCusNameEn"), QStringLiteral("ccusname")));
}
