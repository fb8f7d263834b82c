#include "DemoCompanyFixture.h"

#include "demo/SchemaScript.h"

#include "suite/data/Field.h"

#include <QSet>

namespace {

class DemoSchema : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SmallDemoCompany::instance().ok())
            << qPrintable(SmallDemoCompany::instance().error());
        company = SmallDemoCompany::instance().open(0);
    }

    QSet<QString> columnsOf(const QString &table)
    {
        const QStringList names = column(
            company, QStringLiteral("select lower(name) from pragma_table_info('%1')").arg(table));
        return QSet<QString>(names.begin(), names.end());
    }

    suite::SqliteConnection company;
};

// The columns the card loads and saves, the catalogue describes and batch modification sets.
const char *const kCustomerColumns[] = {
    "cCusCode",
    "cCusName",
    "cCusAbbName",
    "cCusMnemCode",
    "cCCCode",
    "cDCCode",
    "cCusHeadCode",
    "cCusTradeCCode",
    "cTrade",
    "cCusRegCode",
    "cCusLPerson",
    "cCusBank",
    "cCusAccount",
    "cCusAddress",
    "cCusAddressGUID",
    "cCusOAddress",
    "cCusPostCode",
    "cCusPerson",
    "cCusEmail",
    "cCusPhone",
    "cCusFax",
    "cCusBP",
    "cCusHand",
    "cLocationSite",
    "cCusSSCode",
    "cCusOType",
    "cCusWhCode",
    "iARMoney",
    "iCusDisRate",
    "cCusCreGrade",
    "iCusCreLine",
    "iCusCreDate",
    "cCusPayCond",
    "cCusMngTypeCode",
    "iLastMoney",
    "iLRMoney",
    "cCusDepart",
    "cCusPPerson",
    "iFrequency",
    "cCreatePerson",
    "dCusCreateDatetime",
    "cModifyPerson",
    "dModifyDate",
    "dDepBeginDate",
    "cRelVendor",
    "cPriceGroup",
    "cOfferGrade",
    "iOfferRate",
    "dRecentlyContractTime",
    "dTouchedTime",
    "dLastDate",
    "dLRDate",
    "dCusDevDate",
    "dEndDate",
    "iCostGrade",
    "cInvoiceCompany",
    "CustomerKCode",
    "cCusExch_name",
    "cProvince",
    "cCity",
    "cCounty",
    "cCreditAddCode",
    "cRegCash",
    "iEmployeeNum",
    "cURL",
    "bCusDomestic",
    "bCusOverseas",
    "bServiceAttribute",
    "bCredit",
    "bCreditDate",
    "bCreditByHead",
    "bLimitSale",
    "cCusCreditCompany",
    "cCusSAProtocol",
    "cCusExProtocol",
    "cCusCMProtocol",
    "cCusOtherProtocol",
    "cCusImAgentProtocol",
    "cMemo",
    "cCusAppDocNo",
    "bShop",
    "bOnGPinStore",
    "bCusState",
    "cCusBankCode",
    "fCusDiscountRate",
    "iCusTaxRate",
    "fAdvancePaymentRatio",
    "bLicenceDate",
    "iLicenceADays",
    "dLicenceSDate",
    "dLicenceEDate",
    "bBusinessDate",
    "iBusinessADays",
    "dBusinessSDate",
    "dBusinessEDate",
    "bProxy",
    "iProxyADays",
    "dProxySDate",
    "dProxyEDate",
    "iCusGSPADays",
    "dCusGSPSDate",
    "dCusGSPEDate",
    "iCusGSPType",
    "cLicenceNo",
    "cLicenceRange",
    "cCusBusinessNo",
    "cCusBusinessRange",
    "cCusGSPAuthNo",
    "cCusGSPAuthRange",
    "bRequestSign",
    "cCusCountryCode",
    "cCusPortCode",
    "cPrimaryVen",
    "cCusEnName",
    "cCusEnAddr1",
    "cCusEnAddr2",
    "cCusEnAddr3",
    "cCusEnAddr4",
    "fCommisionRate",
    "fInsueRate",
    "bHomeBranch",
    "cBranchAddr",
    "cBranchPhone",
    "cBranchPerson",
    "cLtcCustomerCode",
    "cLtcPerson",
    "dLtcDate",
    "bTransFlag",
    "PictureGUID",
    "bIsCusAttachFile",
    "iId",
    "cCusContactCode",
    "cCusDefine1",
    "cCusDefine10",
    "cCusDefine11",
    "cCusDefine13",
    "cCusDefine15",
    "cCusDefine16",
};

} // namespace

TEST_F(DemoSchema, CustomerHasEveryColumnTheWindowsUse)
{
    const QSet<QString> columns = columnsOf(QStringLiteral("Customer"));
    for (const char *name : kCustomerColumns)
        EXPECT_TRUE(columns.contains(QString::fromLatin1(name).toLower())) << name;
}

TEST_F(DemoSchema, StagingTableHasTheTransferColumnsAndItsView)
{
    const QSet<QString> staging = columnsOf(QStringLiteral("customer_import"));
    for (const char *name : { "autoid", "isourceid", "isourcetype", "cselcol", "cerrormsg",
                              "cltccustomercode", "btransflag", "pubkvts" })
        EXPECT_TRUE(staging.contains(QString::fromLatin1(name))) << name;
    EXPECT_EQ(staging.size(), 166);
    const QSet<QString> view = columnsOf(QStringLiteral("v_customer_import"));
    for (const char *name : { "autoid", "ccuscode", "ccusname", "ccusabbname", "ccusmngtypecode",
                              "dcusdevdate", "dcuscreatedatetime", "ccusexch_name",
                              "ccuscreditcompany", "bongpinstore", "clocationsite", "cselcol" })
        EXPECT_TRUE(view.contains(QString::fromLatin1(name))) << name;
}

TEST_F(DemoSchema, WindowsReadDefinedSizesFromAnEmptyResult)
{
    // The card limits its fields by this statement; the merge window by its customer name.
    QString sMsg;
    const suite::RecordSet rs = company.query(
        "select Customer.*,Vendor.cVenName,Vendor.cVenAbbName,CustomerClass.cCCName,"
        "districtClass.cDCName,shippingChoice.cSCName,Warehouse.cWhName,Paycondition.cPayName,"
        "Person.cPersonName,Department.cDepName,CustomerRank.ccusRankName,"
        "Tradeclass.cTradeCName,Ex_Nation.cNationName,Ex_Port.cPortName,aa_bank.cBankName from "
        "customer,Vendor,CustomerClass,districtClass,shippingChoice,Warehouse,PayCondition,Person,"
        "Department,EX_Nation,EX_Port,CustomerRank,TradeClass,aa_bank where 1=2",
        {}, sMsg);
    ASSERT_TRUE(rs.IsOpen()) << qPrintable(sMsg);
    EXPECT_EQ(rs.RecordCount(), 0);
    const QList<QPair<const char *, int>> expected{
        { "cCusCode", 20 },  { "cCusName", 98 },    { "cCusAbbName", 60 }, { "cCusAddress", 255 },
        { "cMemo", 1000 },   { "cCusCreGrade", 6 }, { "cVenName", 98 },    { "cCCName", 50 },
        { "cWhName", 40 },   { "cPayName", 100 },   { "cDepName", 255 },   { "cPersonName", 40 },
        { "cPortName", 60 }, { "cTradeCName", 50 },
    };
    const QList<suite::Field> fields = rs.Fields();
    for (const auto &[name, size] : expected) {
        const int index = rs.FieldIndex(QString::fromLatin1(name));
        ASSERT_GE(index, 0) << name;
        EXPECT_EQ(fields[index].type, suite::adVarWChar) << name;
        EXPECT_EQ(fields[index].definedSize, size) << name;
    }
    EXPECT_EQ(fields[rs.FieldIndex(QStringLiteral("bCredit"))].type, suite::adBoolean);
    EXPECT_EQ(fields[rs.FieldIndex(QStringLiteral("dCusDevDate"))].type, suite::adDBTimeStamp);
    EXPECT_EQ(fields[rs.FieldIndex(QStringLiteral("iARMoney"))].type, suite::adCurrency);
}

TEST_F(DemoSchema, SecondaryIndexesServeTheListAndLookUps)
{
    const QStringList indexed = column(company,
                                       "select lower(i.name) || '.' || lower(c.name) "
                                       "from pragma_index_list('Customer') i, "
                                       "pragma_index_info(i.name) c");
    for (const char *name : { "ccuscode", "ccccode", "cdccode", "ccusname", "ccusabbname",
                              "ccuscreditcompany", "ccuspperson", "ccusdepart" }) {
        const QString suffix = u'.' + QString::fromLatin1(name);
        EXPECT_TRUE(std::any_of(indexed.begin(), indexed.end(), [&](const QString &entry) {
            return entry.endsWith(suffix);
        })) << name;
    }
}

TEST_F(DemoSchema, TextComparisonsIgnoreCase)
{
    EXPECT_EQ(scalar(company,
                     "select count(*) from AccInformation where cSysID = 'aa' "
                     "and cName = 'irateDecDgt'"),
              "1");
}

TEST(DemoScripts, AreBuiltInAndUnknownOnesAreReported)
{
    QString text;
    QString sMsg;
    EXPECT_TRUE(demo::SchemaScript::read(QStringLiteral("company.sql"), text, sMsg));
    EXPECT_TRUE(text.contains(QStringLiteral("CREATE TABLE Customer (")));
    EXPECT_FALSE(demo::SchemaScript::read(QStringLiteral("nothing.sql"), text, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("the script nothing.sql is not built into the program"));
}

TEST(DemoScripts, AFailingScriptLeavesNothingBehind)
{
    suite::SqliteConnection connection;
    QString sMsg;
    ASSERT_TRUE(connection.open(QStringLiteral(":memory:"), sMsg));
    ASSERT_TRUE(connection.execute(QStringLiteral("create table GradeDef (x int)"), sMsg));
    // company.sql creates GradeDef first; here it exists, so the script must fail as a whole.
    EXPECT_FALSE(demo::SchemaScript::run(connection, QStringLiteral("company.sql"), sMsg));
    EXPECT_TRUE(sMsg.startsWith(QStringLiteral("company.sql failed: "))) << qPrintable(sMsg);
    EXPECT_EQ(scalar(connection, "select count(*) from sqlite_master"), "1");
}
