#include "import/TransferXml.h"

#include <gtest/gtest.h>

using customer::StagingRow;
using customer::transferXml;
using customer::TransferXmlContext;

namespace {

const TransferXmlContext kContext{ QStringLiteral("demo"), QStringLiteral("演示用户"),
                                   QStringLiteral("2026-11-20 10:00:00"), QStringLiteral("999"),
                                   QStringLiteral("人民币") };

StagingRow rowOf(std::initializer_list<std::pair<const char *, const char *>> values)
{
    StagingRow row;
    for (const auto &[name, value] : values)
        row.set(QLatin1StringView(name), QString::fromUtf8(value));
    return row;
}

} // namespace

TEST(TransferXmlTest, AddWritesTheFallBacksAndEscapesEveryValue)
{
    const StagingRow row = rowOf({ { "AutoID", "7" },
                                   { "cCusCode", "01010001" },
                                   { "cCusName", "R&D <Co> \"一\"" },
                                   { "cCCCode", "0101" },
                                   { "cCusPerson", "王'五" },
                                   { "dCusCreateDatetime", "2026-10-05T09:12:00" },
                                   { "cLocationSite", "31.2,121.4" } });
    EXPECT_EQ(transferXml(row, 1, false, kContext),
              QStringLiteral(
                  "<Customer bCreateBillNum='1' bManualChangeCode='1' cCusPersonCode='王&apos;五'>"
                  "<CCusCode>01010001</CCusCode>"
                  "<CCusName>R&amp;D &lt;Co&gt; &quot;一&quot;</CCusName>"
                  "<CCusAbbName>R&amp;D &lt;Co&gt; &quot;一&quot;</CCusAbbName>"
                  "<cCCCode>0101</cCCCode><cCusPerson>王&apos;五</cCusPerson>"
                  "<cCusMngTypeCode>999</cCusMngTypeCode>"
                  "<CCreatePerson>演示用户</CCreatePerson>"
                  "<dCusCreateDatetime>2026-11-20 10:00:00</dCusCreateDatetime>"
                  "<cModifyPerson>演示用户</cModifyPerson>"
                  "<dModifyDate>2026-11-20 10:00:00</dModifyDate>"
                  "<dCusDevDate>2026-10-05T09:12:00</dCusDevDate>"
                  "<iCostGrade>-1</iCostGrade><cUserId>demo</cUserId>"
                  "<cCusExch_name>人民币</cCusExch_name>"
                  "<cCusCreditCompany>01010001</cCusCreditCompany>"
                  "<bShop>0</bShop><cLocationSite>31.2,121.4</cLocationSite></Customer>"));
}

TEST(TransferXmlTest, ModifyKeepsTheRowsOwnValuesAndWritesNoCreation)
{
    const StagingRow row = rowOf({ { "AutoID", "3" },
                                   { "cCusCode", "0000301" },
                                   { "cCusName", "苏州华信电子有限公司" },
                                   { "cCusAbbName", "苏州华信" },
                                   { "cCusMngTypeCode", "01" },
                                   { "cCusDepart", "0201" },
                                   { "dCusDevDate", "2026-01-02T00:00:00" },
                                   { "dCusCreateDatetime", "2026-10-05T09:12:00" },
                                   { "cCusExch_name", "美元" },
                                   { "cCusCreditCompany", "0000001" },
                                   { "bCredit", "True" },
                                   { "cMemo", "</cMemo><bShop>1</bShop>" } });
    EXPECT_EQ(transferXml(row, 2, false, kContext),
              QStringLiteral("<Customer bCreateBillNum='1' bManualChangeCode='1'>"
                             "<CCusCode>0000301</CCusCode>"
                             "<CCusName>苏州华信电子有限公司</CCusName>"
                             "<CCusAbbName>苏州华信</CCusAbbName>"
                             "<cCusMngTypeCode>01</cCusMngTypeCode><cCusDepart>0201</cCusDepart>"
                             "<cModifyPerson>演示用户</cModifyPerson>"
                             "<dModifyDate>2026-11-20 10:00:00</dModifyDate>"
                             "<dCusDevDate>2026-01-02T00:00:00</dCusDevDate>"
                             "<iCostGrade>-1</iCostGrade><cUserId>demo</cUserId>"
                             "<cCusExch_name>美元</cCusExch_name><bCredit>True</bCredit>"
                             "<cCusCreditCompany>0000001</cCusCreditCompany>"
                             "<cMemo>&lt;/cMemo&gt;&lt;bShop&gt;1&lt;/bShop&gt;</cMemo>"
                             "<bShop>0</bShop></Customer>"));
}

TEST(TransferXmlTest, MarketingCodeAndMissingDefaults)
{
    const StagingRow row =
        rowOf({ { "cCusCode", "0000301" }, { "cLtcCustomerCode", "LTC-9" }, { "cCusName", "甲" } });
    const TransferXmlContext bare{
        QStringLiteral("u"), QStringLiteral("U"), QStringLiteral("2026-11-20 10:00:00"), {}, {}
    };
    EXPECT_EQ(transferXml(row, 2, true, bare),
              QStringLiteral("<Customer bCreateBillNum='1' bManualChangeCode='1' bLtcFlag='1'"
                             " bTranLtc='0'><CCusCode>LTC-9</CCusCode><CCusName>甲</CCusName>"
                             "<CCusAbbName>甲</CCusAbbName><cLtcCustomerCode>LTC-9"
                             "</cLtcCustomerCode><cModifyPerson>U</cModifyPerson>"
                             "<dModifyDate>2026-11-20 10:00:00</dModifyDate>"
                             "<iCostGrade>-1</iCostGrade><cUserId>u</cUserId>"
                             "<cCusCreditCompany>LTC-9</cCusCreditCompany><bShop>0</bShop>"
                             "</Customer>"));
}

TEST(TransferXmlTest, AnEmptyValueIsNoValue)
{
    StagingRow row;
    row.set(QStringLiteral("cCusAbbName"), QString());
    row.set(QStringLiteral("CCUSNAME"), QStringLiteral("乙"));
    EXPECT_FALSE(row.has(QStringLiteral("cCusAbbName")));
    EXPECT_EQ(row.value(QStringLiteral("ccusname")), QStringLiteral("乙"));
    EXPECT_TRUE(transferXml(row, 1, false, kContext)
                    .contains(QStringLiteral("<CCusAbbName>乙</CCusAbbName>")));
}
