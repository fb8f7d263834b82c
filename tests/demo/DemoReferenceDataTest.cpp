#include "DemoCompanyFixture.h"

#include <QSet>

namespace {

class DemoReferenceData : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SmallDemoCompany::instance().ok())
            << qPrintable(SmallDemoCompany::instance().error());
        company = SmallDemoCompany::instance().open(0);
        system = SmallDemoCompany::instance().open(1);
        meta = SmallDemoCompany::instance().open(2);
    }

    QString count(const QString &sql) { return scalar(company, sql); }

    suite::SqliteConnection company;
    suite::SqliteConnection system;
    suite::SqliteConnection meta;
};

} // namespace

TEST_F(DemoReferenceData, ClassTreeFollowsItsCodingRule)
{
    EXPECT_EQ(scalar(company, "select CODINGRULE from GradeDef where KeyWord='CustomerClass'"),
              "222");
    // Every class sits at the level its code length gives, under an existing parent, and is
    // an end class exactly when nothing hangs below it.
    EXPECT_EQ(count("select count(*) from CustomerClass c where "
                    "length(cCCCode) <> 2 * iCCGrade "
                    "or (iCCGrade > 1 and not exists (select 1 from CustomerClass p "
                    "where p.cCCCode = substr(c.cCCCode, 1, length(c.cCCCode) - 2))) "
                    "or bCCEnd <> (not exists (select 1 from CustomerClass k "
                    "where k.cCCCode like c.cCCCode || '_%'))"),
              "0");
    EXPECT_EQ(count("select count(*) from CustomerClass where iCCGrade = 3"), "4");
    EXPECT_EQ(count("select cCCName from CustomerClass where cCCCode = '0101'"), "北京客户");
}

TEST_F(DemoReferenceData, OtherTreesHaveEndFlags)
{
    EXPECT_EQ(count("select count(*) from DistrictClass d where bDCEnd <> (not exists "
                    "(select 1 from DistrictClass k where k.cDCCode like d.cDCCode || '_%'))"),
              "0");
    EXPECT_EQ(count("select count(*) from Department d where bDepEnd <> (not exists "
                    "(select 1 from Department k where k.cDepCode like d.cDepCode || '_%'))"),
              "0");
    EXPECT_EQ(count("select count(*) from SettleStyle where bSSEnd = 0"), "1");
    EXPECT_EQ(count("select count(*) from Person p left join Department d "
                    "on p.cDepCode = d.cDepCode where d.bDepEnd is not 1"),
              "0");
}

TEST_F(DemoReferenceData, LookUpTablesHoldWhatTheWindowsOffer)
{
    EXPECT_EQ(column(company, "select distinct iLZYJ from AA_Agreement order by iLZYJ"),
              QStringList({ "0", "1", "2", "3", "5", "6", "8", "9", "12" }));
    EXPECT_EQ(column(company, "select cexch_name from foreigncurrency order by cexch_code"),
              QStringList({ "欧元", "港币", "日元", "人民币", "美元" }));
    EXPECT_EQ(column(company,
                     "select type_code from tc_type where obj_type = 1 "
                     "and stop_flag = 0 and bdefault = 1"),
              QStringList({ "01" }));
    EXPECT_EQ(column(company, "select cPriceID from sa_pricedef where bused = 1"),
              QStringList({ "1", "2", "3" }));
    EXPECT_EQ(count("select count(*) from Vendor where bVenService = 1"), "8");
    EXPECT_EQ(count("select count(*) from EX_Port where iPortattrid = 1"), "1");
    for (const char *table :
         { "PayCondition", "ShippingChoice", "CustomerRank", "TradeClass", "AA_Bank", "EX_Nation",
           "Warehouse", "AA_AuthClass", "Crm_BaseCode" })
        EXPECT_NE(count(QStringLiteral("select count(*) from %1").arg(table)), "0") << table;
}

TEST_F(DemoReferenceData, AccountOptionsAreWhereTheCatalogueReadsThem)
{
    EXPECT_EQ(count("select cValue from AccInformation where cSysID='AA' and cID='20' "
                    "and cName='iStrsPriDecDgt'"),
              "2");
    EXPECT_EQ(count("select cValue from AccInformation where cSysID='AA' "
                    "and cName='AutoCreateMnemCodeCustomer'"),
              "1");
    EXPECT_EQ(count("select cValue from AccInformation where cSysID='AA' "
                    "and cName='iRateDecDgt'"),
              "2");
}

TEST_F(DemoReferenceData, UserDefinedFieldsNameSomeItemsAndEveryExtendedColumn)
{
    EXPECT_EQ(count("select count(*) from userdef where cClass='客户' and CItem like '自定义项%'"),
              "16");
    EXPECT_EQ(column(company,
                     "select CItem from userdef where cClass='客户' "
                     "and CItem like '自定义项%' and ifnull(cItemName, '') <> '' "
                     "order by rowid"),
              QStringList({ "自定义项1", "自定义项2", "自定义项3", "自定义项5", "自定义项11",
                            "自定义项13", "自定义项14", "自定义项15" }));
    // The extended fields are numbered by their order; they must match the table's columns.
    QStringList columns = column(company,
                                 "select name from pragma_table_info("
                                 "'Customer_extradefine') order by cid");
    EXPECT_EQ(columns.takeFirst(), "cCusCode");
    EXPECT_EQ(column(company,
                     "select cDicDbName from userdef where cClass='客户' "
                     "and cDicDbName like 'cCDefine%' order by rowid"),
              columns);
    EXPECT_EQ(column(company,
                     "select distinct cType from userdef where cDicDbName "
                     "like 'cCDefine%' order by cType"),
              QStringList({ "数字", "整型", "文本", "日期", "日期时间" }));
}

TEST_F(DemoReferenceData, DivisionsCoverAllOfChina)
{
    EXPECT_EQ(count("select count(*) from HR_CT007 where ilevels = 0 and cpCodeID is null"), "34");
    EXPECT_EQ(count("select count(*) from HR_CT007 p where ilevels = 0 and not exists "
                    "(select 1 from HR_CT007 c where c.cpCodeID = p.ccodeID)"),
              "0");
    EXPECT_EQ(count("select count(*) from HR_CT007 c where ilevels = 1 and not exists "
                    "(select 1 from HR_CT007 k where k.cpCodeID = c.ccodeID and k.ilevels = 2)"),
              "0");
    EXPECT_EQ(count("select vdescription from HR_CT007 where ccodeID = '320506'"),
              "江苏省苏州市吴中区");
    EXPECT_EQ(count("select vdescription from HR_CT007 where ccodeID = '110105'"), "北京市朝阳区");
    EXPECT_EQ(count("select vsimpleName from HR_CT007 where ccodeID = '81'"), "香港特别行政区");
}

TEST_F(DemoReferenceData, SystemDatabaseKnowsTheAccountAndItsUsers)
{
    EXPECT_EQ(scalar(system, "select cCurName from ua_account where cAcc_Id='001'"), "人民币");
    EXPECT_EQ(scalar(system, "select iYear from ua_account where cAcc_Id='001'"), "2026");
    EXPECT_EQ(column(system, "select cUser_Id from ua_user order by cUser_Id"),
              QStringList({ "demo", "sales1" }));
    EXPECT_EQ(scalar(system, "select bAdmin from ua_user where cUser_Id='demo'"), "true");
    EXPECT_EQ(scalar(company,
                     "select cPsn_Num from UserHRPersonContro "
                     "where cUser_Id='sales1'"),
              "001");
}

TEST_F(DemoReferenceData, MetadataGivesCaptionsInBothLanguages)
{
    EXPECT_EQ(scalar(meta,
                     "select cCaption || '|' || cEnCaption from aa_columndic "
                     "where ckey='customer' and cFieldName='cCusCode'"),
              "客户编码|Customer Code");
    EXPECT_EQ(scalar(meta,
                     "select cCaption from aa_columndic where ckey='Customer_import' "
                     "and cFieldName='cErrorMsg'"),
              "错误信息");
    EXPECT_EQ(scalar(meta,
                     "select count(*) from aa_columndic where ifnull(cCaption, '') = '' "
                     "or ifnull(cEnCaption, '') = ''"),
              "0");
    // Every column of the customer table has a caption.
    const QStringList columns =
        column(company, "select name from pragma_table_info('Customer') order by cid");
    const QStringList keys =
        column(meta, "select lower(cFieldName) from aa_columndic where ckey='customer'");
    const QSet<QString> captioned(keys.begin(), keys.end());
    for (const QString &name : columns)
        EXPECT_TRUE(captioned.contains(name.toLower())) << qPrintable(name);
}
