#include "DemoCompanyFixture.h"

namespace {

class DemoCustomers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SmallDemoCompany::instance().ok())
            << qPrintable(SmallDemoCompany::instance().error());
        company = SmallDemoCompany::instance().open(0);
    }

    // The number of customers for which the condition holds.
    QString customersWhere(const QString &condition)
    {
        return scalar(company,
                      QStringLiteral("select count(*) from Customer c where ") + condition);
    }

    suite::SqliteConnection company;
};

} // namespace

TEST_F(DemoCustomers, AllAreThere)
{
    EXPECT_EQ(scalar(company, "select count(*) from Customer"), "200");
    EXPECT_EQ(scalar(company, "select min(cCusCode) || '-' || max(cCusCode) from Customer"),
              "0000001-0000200");
}

TEST_F(DemoCustomers, PointAtEndClassesAndDistricts)
{
    EXPECT_EQ(customersWhere("not exists (select 1 from CustomerClass k "
                             "where k.cCCCode = c.cCCCode and k.bCCEnd = 1)"),
              "0");
    EXPECT_EQ(customersWhere("not exists (select 1 from DistrictClass d "
                             "where d.cDCCode = c.cDCCode and d.bDCEnd = 1)"),
              "0");
    EXPECT_EQ(customersWhere("not exists (select 1 from TradeClass t where t.cTradeCCode = "
                             "c.cCusTradeCCode and t.bTradeCEnd = 1 and t.cTradeCName = c.cTrade)"),
              "0");
}

TEST_F(DemoCustomers, SalespersonWorksInTheCustomersDepartment)
{
    EXPECT_EQ(customersWhere("not exists (select 1 from Person p join Department d on "
                             "p.cDepCode = d.cDepCode where p.cPersonCode = c.cCusPPerson "
                             "and d.cDepCode = c.cCusDepart and d.bDepEnd = 1)"),
              "0");
}

TEST_F(DemoCustomers, PointAtExistingReferenceRows)
{
    const char *const references[] = {
        "c.cCusWhCode not in (select cWhCode from Warehouse)",
        "c.cCusPayCond not in (select cPayCode from PayCondition)",
        "c.cCusSSCode not in (select cSSCode from SettleStyle where bSSEnd = 1)",
        "c.cCusOType not in (select cSCCode from ShippingChoice)",
        "c.cCusMngTypeCode not in (select type_code from tc_type where obj_type = 1 "
        "and stop_flag = 0)",
        "c.CustomerKCode not in (select cCusRankCode from CustomerRank)",
        "c.cCusExch_name not in (select cexch_name from foreigncurrency)",
        "c.cCusBankCode not in (select cBankCode from AA_Bank)",
        "c.cCusHeadCode not in (select cCusCode from Customer)",
        "c.cCusCreditCompany not in (select cCusCode from Customer)",
        "c.cInvoiceCompany not in (select cCusCode from Customer)",
        "c.cCusSAProtocol not in (select cCode from AA_Agreement where iLZYJ in (0, 1))",
        "c.cCusExProtocol not in (select cCode from AA_Agreement where iLZYJ in (2, 3))",
        "c.cCusCMProtocol not in (select cCode from AA_Agreement where iLZYJ in (5, 6, 8, 9))",
        "c.cCusOtherProtocol not in (select cCode from AA_Agreement where iLZYJ = 5)",
        "c.cCusImAgentProtocol not in (select cCode from AA_Agreement where iLZYJ = 12)",
        "c.cPrimaryVen not in (select cVenCode from Vendor where bVenService = 1)",
        "c.cCusCountryCode not in (select cNationCode from EX_Nation)",
        "c.cCusPortCode not in (select cPortCode from EX_Port where iPortattrid in (0, 2))",
        "c.iId not in (select cast(id as text) from AA_AuthClass)",
        "c.iCostGrade not in (select cPriceID from sa_pricedef where bused = 1 union select -1)",
        // NOT IN an empty set holds even for NULL, hence the explicit test.
        "c.cRelVendor is not null and c.cRelVendor not in (select cVenCode from Vendor "
        "where cRelCustomer = c.cCusCode)",
        "c.cCusContactCode is not null and c.cCusContactCode not in (select OID from "
        "Crm_Contact where cCusCode = c.cCusCode)",
    };
    for (const char *reference : references)
        EXPECT_EQ(customersWhere(QString::fromUtf8(reference)), "0") << reference;
    // The optional references are used at all, so the checks above mean something.
    EXPECT_NE(customersWhere("c.cRelVendor is not null"), "0");
    EXPECT_NE(customersWhere("c.cCusContactCode is not null"), "0");
    EXPECT_NE(customersWhere("c.cCusSAProtocol is not null"), "0");
    EXPECT_NE(customersWhere("c.cCusCreditCompany <> c.cCusCode"), "0");
}

TEST_F(DemoCustomers, AddressesLieInTheirDivisions)
{
    EXPECT_EQ(customersWhere("not exists (select 1 from HR_CT007 p join HR_CT007 y on "
                             "y.cpCodeID = p.ccodeID join HR_CT007 n on n.cpCodeID = y.ccodeID "
                             "where p.vsimpleName = c.cProvince and y.vsimpleName = c.cCity "
                             "and n.vsimpleName = c.cCounty and c.cCusAddress like "
                             "n.vdescription || '%')"),
              "0");
    // Latitude first, then longitude, both within China.
    EXPECT_EQ(customersWhere("cast(substr(c.cLocationSite, 1, instr(c.cLocationSite, ',') - 1) "
                             "as real) not between 18 and 54 or cast(substr(c.cLocationSite, "
                             "instr(c.cLocationSite, ',') + 1) as real) not between 73 and 136"),
              "0");
    EXPECT_EQ(customersWhere("c.bCusDomestic + c.bCusOverseas <> 1"), "0");
}

TEST_F(DemoCustomers, MostHaveAPositionNearTheirCityAndSomeNone)
{
    const int without = customersWhere("c.cLocationSite is null").toInt();
    EXPECT_GT(without, 10) << "the map also shows customers without a position";
    EXPECT_LT(without, 50);
    EXPECT_EQ(customersWhere("c.cLocationSite = ''"), "0")
        << "no position is NULL, never an empty text";
    // The customers of one city lie around its centre, a few kilometres apart.
    EXPECT_EQ(scalar(company,
                     "select count(*) from (select c.cProvince, c.cCity, "
                     "max(cast(substr(c.cLocationSite, 1, instr(c.cLocationSite, ',') - 1) as "
                     "real)) - min(cast(substr(c.cLocationSite, 1, instr(c.cLocationSite, ',') - "
                     "1) as real)) as latitudes, max(cast(substr(c.cLocationSite, "
                     "instr(c.cLocationSite, ',') + 1) as real)) - min(cast(substr("
                     "c.cLocationSite, instr(c.cLocationSite, ',') + 1) as real)) as longitudes "
                     "from Customer c where c.cLocationSite is not null group by c.cProvince, "
                     "c.cCity) where latitudes > 0.2 or longitudes > 0.2"),
              "0");
}

TEST_F(DemoCustomers, NamesAbbreviationsAndMnemonicCodesAreDistinct)
{
    EXPECT_EQ(scalar(company, "select count(distinct cCusName) from Customer"), "200");
    EXPECT_EQ(scalar(company, "select count(distinct cCusAbbName) from Customer"), "200");
    EXPECT_EQ(customersWhere("exists (select 1 from Customer o where o.cCusName = c.cCusAbbName)"),
              "0");
    EXPECT_EQ(customersWhere("c.cCusMnemCode glob '*[^A-Z0-9]*' or length(c.cCusMnemCode) < 6"),
              "0");
    // A company's name is its abbreviation and a suffix; a branch is named after its group.
    EXPECT_EQ(customersWhere("c.cCusHeadCode = c.cCusCode and c.cCusName not like "
                             "c.cCusAbbName || '_%'"),
              "0");
    EXPECT_EQ(customersWhere("c.cCusHeadCode <> c.cCusCode and not exists (select 1 from "
                             "Customer h where h.cCusCode = c.cCusHeadCode and c.cCusName like "
                             "h.cCusName || '_%分公司')"),
              "0");
}

TEST_F(DemoCustomers, SubRecordsBelongToEveryCustomer)
{
    EXPECT_EQ(customersWhere("not exists (select 1 from Customer_extradefine e "
                             "where e.cCusCode = c.cCusCode)"),
              "0");
    EXPECT_EQ(customersWhere("not exists (select 1 from CusDeliverAdd a where a.cCusCode = "
                             "c.cCusCode and a.cCusAddressGUID = c.cCusAddressGUID "
                             "and a.bDefault = 1 and a.cDeliverAdd = c.cCusAddress)"),
              "0");
    EXPECT_EQ(customersWhere("c.cCusBank is not null and not exists (select 1 from CustomerBank "
                             "b where b.cCusCode = c.cCusCode and b.cAccountNum = c.cCusAccount)"),
              "0");
    EXPECT_EQ(scalar(company, "select count(*) from customer_import where iSourceType = 8"), "20");
}

TEST_F(DemoCustomers, ReceivablesAddUpToTheBalances)
{
    EXPECT_EQ(customersWhere("abs(c.iARMoney - (select ifnull(sum(iDAmount - iCAmount), 0) "
                             "from Ar_Detail a where a.cDwCode = c.cCusCode)) > 0.005"),
              "0");
    EXPECT_EQ(customersWhere("c.dLastDate is not (select max(dVouchDate) from Ar_Detail a "
                             "where a.cDwCode = c.cCusCode and a.iDAmount > 0)"),
              "0");
    EXPECT_NE(scalar(company, "select count(*) from Ar_Detail"), "0");
}

TEST_F(DemoCustomers, CreditSumsCoverTheirCreditCompanies)
{
    EXPECT_EQ(scalar(company,
                     "select count(*) from SA_CusCreditSum s where abs(s.fUsed - (select "
                     "ifnull(sum(c.iARMoney), 0) from Customer c where c.cCusCreditCompany = "
                     "s.cCusCode and c.bCredit = 1)) > 0.005 or s.fAvailable <> s.fCreditLine - "
                     "s.fUsed"),
              "0");
    EXPECT_EQ(customersWhere("c.bCredit = 1 and c.cCusCreditCompany = c.cCusCode and not "
                             "exists (select 1 from SA_CusCreditSum s where s.cCusCode = "
                             "c.cCusCode)"),
              "0");
    // Branches take their group's credit settings.
    EXPECT_EQ(customersWhere("c.cCusCreditCompany <> c.cCusCode and exists (select 1 from "
                             "Customer h where h.cCusCode = c.cCusCreditCompany and (h.bCredit "
                             "<> c.bCredit or h.iCusCreLine <> c.iCusCreLine))"),
              "0");
}
