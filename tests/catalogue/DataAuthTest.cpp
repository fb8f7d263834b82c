#include "DataRightsSession.h"

#include "catalogue/DataAuth.h"
#include "catalogue/ListQuery.h"

using namespace customer;

namespace {

const QString kEverything = QStringLiteral("1=1");
const QString kSalesCustomers =
    QStringLiteral("(Customer.cCCCode like '01%' and Customer.cCusDepart in ('0201'))");
const QString kSalesDepartments = QStringLiteral("(Department.cDepCode in ('0201'))");

class DataAuth : public DataRightsSession
{
protected:
    void setSpecialVersion(int version)
    {
        ASSERT_TRUE(g_oSrv->ExecuteX(
            QStringLiteral("insert into AccInformation (cSysID, cID, cName, cCaption, cType,"
                           " cValue, cDefault) values (N'AA', N'90', N'iSpecialVersion',"
                           " N'特殊版本', N'int', N'%1', N'0')")
                .arg(version)));
    }
};

} // namespace

TEST_F(DataAuth, TheAdministratorIsRestrictedNowhere)
{
    enter(QStringLiteral("demo"));
    InitDataAuth();
    EXPECT_FALSE(g_bNeedColAuth);
    EXPECT_EQ(g_cColAuthR, QString());
    EXPECT_EQ(g_cColAuthN, QString());
    EXPECT_EQ(g_cAuthCustomerW, kEverything);
    EXPECT_EQ(g_sRowAuthInv, kEverything);
    EXPECT_EQ(g_iSpecialVersion, 0);
    for (const QString *codeList :
         { &g_sRowAuthWarehouse, &g_sRowAuthPerson, &g_sRowAuthDept, &g_sRowAuthVendor })
        EXPECT_EQ(*codeList, kEverything);
}

TEST_F(DataAuth, ASalesmanReadsAndWritesTheCustomersOfHisClassAndDepartment)
{
    enter(QStringLiteral("sales1"));
    InitDataAuth();
    EXPECT_TRUE(g_bNeedColAuth);
    EXPECT_EQ(g_cColAuthR, QStringLiteral("icuscreline")) << "column rights are lower-cased";
    EXPECT_EQ(g_cColAuthN, QString());
    EXPECT_EQ(g_cAuthCustomerW, kSalesCustomers);
    EXPECT_EQ(g_sRowAuthInv, kSalesCustomers);
    EXPECT_EQ(g_sRowAuthDept, kSalesDepartments);
    EXPECT_EQ(g_sRowAuthWarehouse, kEverything);
    EXPECT_EQ(g_sRowAuthPerson, kEverything);
    EXPECT_EQ(g_sRowAuthVendor, kEverything);

    const QStringList visible =
        codes(QStringLiteral("select cCusCode from Customer where ") + g_sRowAuthInv);
    EXPECT_FALSE(visible.isEmpty());
    EXPECT_EQ(visible,
              codes(QStringLiteral("select cCusCode from Customer where cCCCode like "
                                   "'01%' and cCusDepart='0201'")));
}

TEST_F(DataAuth, TheSpecialVersionAlsoShowsCustomersWithoutOrOfAllowedDepartments)
{
    enter(QStringLiteral("sales1"));
    setSpecialVersion(1);
    ASSERT_TRUE(g_oSrv->ExecuteX(QStringLiteral(
        "update Customer set cCusDepart=null where cCusCode=(select min(cCusCode) from Customer"
        " where cCCCode like '01%')")));
    InitDataAuth();
    EXPECT_EQ(g_iSpecialVersion, 1);
    EXPECT_EQ(g_cAuthCustomerW, kSalesCustomers) << "only the read clause is widened";
    EXPECT_EQ(g_sRowAuthInv,
              kSalesCustomers + QStringLiteral(" and (") + kSalesDepartments
                  + QStringLiteral(" or isnull(customer.cCusDepart,'')='')"));

    // The widening names the department table, which the special version always joins.
    const QStringList visible =
        codes(QStringLiteral("select Customer.cCusCode from Customer ") + BuildJoinClause(QString())
              + QStringLiteral(" where ") + g_sRowAuthInv);
    EXPECT_EQ(visible,
              codes(QStringLiteral("select cCusCode from Customer where cCCCode like "
                                   "'01%' and cCusDepart='0201'")));
}

TEST_F(DataAuth, TheWebModeAsksTheFieldRightsOfTheSessionUser)
{
    enter(QStringLiteral("sales1"));
    g_bIsWeb = true;
    g_oColAuth.reset();
    InitDataAuth();
    EXPECT_EQ(g_cColAuthR, QStringLiteral("iCusCreLine"));
    EXPECT_EQ(g_cColAuthN, QString());
    EXPECT_FALSE(g_bNeedColAuth) << "the web mode does not decide whether column rights apply";
    EXPECT_EQ(g_sRowAuthInv, kSalesCustomers);
}

TEST_F(DataAuth, TheImportListHasTheSameClausesOnItsStagingTable)
{
    enter(QStringLiteral("sales1"));
    ASSERT_TRUE(g_oSrv->ExecuteX(
        QStringLiteral("insert into AA_HoldColAuth (cUser_Id, cBusObId, cFieldName, cLevel)"
                       " values (N'sales1', N'customer_import', N'cErrorMsg', N'N')")));
    InitDataAuthImport();
    const QString staged = QStringLiteral(
        "(Customer_import.cCCCode like '01%' and Customer_import.cCusDepart in ('0201'))");
    EXPECT_EQ(g_cAuthCustomerW, staged);
    EXPECT_EQ(g_sRowAuthInv, staged);
    EXPECT_TRUE(g_bNeedColAuth);
    EXPECT_EQ(g_cColAuthR, QString()) << "the customer's column rights do not bind the import";
    EXPECT_EQ(g_cColAuthN, QStringLiteral("cerrormsg"));
}

TEST_F(DataAuth, WithoutThePublicServiceNothingChanges)
{
    enter(QStringLiteral("sales1"));
    g_oPub.reset();
    g_sRowAuthInv = QStringLiteral("previous");
    InitDataAuth();
    EXPECT_EQ(g_sRowAuthInv, QStringLiteral("previous"));
    EXPECT_FALSE(g_bNeedColAuth);
}

TEST_F(DataAuth, MissingColumnRightsObjectKeepsTheLaterValues)
{
    enter(QStringLiteral("sales1"));
    g_oColAuth.reset();
    g_cAuthCustomerW = QStringLiteral("previous");
    InitDataAuth();
    EXPECT_TRUE(g_bNeedColAuth);
    EXPECT_EQ(g_cAuthCustomerW, QStringLiteral("previous"));
}

TEST_F(DataAuth, BatchModifyRightsClassOfANewClass)
{
    enter(QStringLiteral("demo"));
    const QString customer = QStringLiteral("customer");
    EXPECT_EQ(GetBatchModifyAuthSql(customer, g_cUserId, QStringLiteral("0102")),
              QStringLiteral("1"));
    EXPECT_EQ(GetBatchModifyAuthSql(customer, g_cUserId, QStringLiteral("03")),
              QStringLiteral("3"));
    EXPECT_EQ(GetBatchModifyAuthSql(customer, g_cUserId, QStringLiteral("99")), QString());
    g_oRowAuth.reset();
    EXPECT_EQ(GetBatchModifyAuthSql(customer, g_cUserId, QStringLiteral("0102")), QString());
}
