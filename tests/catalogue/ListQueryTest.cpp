#include "DataRightsSession.h"

#include "catalogue/ListQuery.h"

using namespace customer;

namespace {

const QString kExtraJoin = QStringLiteral(
    " Left Join Customer_extradefine on Customer.cCusCode=Customer_extradefine.cCusCode ");
const QString kClassJoin =
    QStringLiteral(" Left join CustomerClass on Customer.cCCCode=CustomerClass.cCCCode ");
const QString kDepartmentJoin =
    QStringLiteral(" Left Join Department on customer.cCusDepart=Department.cDepCode ");
const QString kAuthClassJoin = QStringLiteral(
    " left join AA_AuthClass on Customer.iid=cast(AA_AuthClass.id as nvarchar(40)) ");

// One display field of every join, in the reverse order of the joins.
const QString kEveryDisplayField = QStringLiteral(
    "AA_AuthClass.cACName,SettleStyle.cSSName,cCusHeadView.cCusHeadName,invoice.cinvoicename,"
    "Import_AA_Agreement.cName as cCusImAgentProtocolName,"
    "Other_AA_Agreement.cName as cCusOtherProtocolName,CM_AA_Agreement.cName as "
    "cCusCMProtocolName,EX_AA_Agreement.cName as cCusExProtocolName,SA_AA_Agreement.cName as "
    "cCusSAProtocolName,AA_Bank.cBankName,CustomerRank.cCusRankName,PriVen.cVenAbbName as "
    "cCusPriVenName,EX_Port.cPortName,EX_Nation.cNationName,Vendor.cVenAbbName,"
    "tc_type.type_name,PayCondition.cPayName,Warehouse.cWhName,shippingchoice.cSCName,"
    "Person.cPersonName,districtClass.cDCName,Department.cDepName,CustomerClass.cCCName,"
    "Customer.cCusCode");

class ListQuery : public DataRightsSession
{ };

} // namespace

TEST_F(ListQuery, AnEmptyFieldListJoinsOnlyTheExtendedFields)
{
    EXPECT_EQ(BuildJoinClause(QString()), kExtraJoin);
    EXPECT_EQ(BuildJoinClause(QStringLiteral("cCusCode,cCusName,cCusAbbName")), kExtraJoin);
}

TEST_F(ListQuery, MarkersMatchInAnyCaseAnywhere)
{
    EXPECT_EQ(BuildJoinClause(QStringLiteral("CUSTOMERCLASS.CCCNAME")), kClassJoin + kExtraJoin);
    EXPECT_EQ(BuildJoinClause(QStringLiteral("cCusCode,EX_Port.cPortNameEn as cPort")),
              QStringLiteral(" Left Join EX_Port on Customer.cCusPortCode=EX_Port.cPortCode ")
                  + kExtraJoin)
        << "cportname inside a longer name asks for the port join";
}

TEST_F(ListQuery, JoinsFollowTheTableOrderWithTheirExactTexts)
{
    const QString joins = BuildJoinClause(kEveryDisplayField);
    const QStringList expectedInOrder = {
        kClassJoin,
        kDepartmentJoin,
        QStringLiteral(" Left Join  Warehouse ON Customer.cCusWhCode = Warehouse.cWhCode "),
        QStringLiteral(" Left Join tc_type ON Customer.cCusMngTypeCode = tc_type.type_code and "
                       "tc_type.obj_type='1'"),
        QStringLiteral(" Left Join AA_Agreement as SA_AA_Agreement  on "
                       "Customer.cCusSAProtocol=SA_AA_Agreement.cCode "),
        QStringLiteral(" left join (select cCusCode as cinvoicecode ,cCusName as cinvoicename "
                       "from Customer)  as  invoice  on  Customer.cInvoiceCompany "
                       "=invoice.cinvoicecode "),
        QStringLiteral(" left join SettleStyle on Customer.cCusSSCode=SettleStyle.cSSCode  "),
        kAuthClassJoin,
        kExtraJoin,
    };
    qsizetype from = 0;
    for (const QString &join : expectedInOrder) {
        const qsizetype at = joins.indexOf(join, from);
        EXPECT_GE(at, from) << qPrintable(join);
        from = at < 0 ? from : at + join.size();
    }
    EXPECT_TRUE(joins.endsWith(kExtraJoin));
    EXPECT_EQ(joins.count(QStringLiteral(" join "), Qt::CaseInsensitive), 24);
}

TEST_F(ListQuery, EveryJoinRunsOnTheCompanyDatabase)
{
    enter(QStringLiteral("demo"));
    const QString sql = QStringLiteral("Select ") + kEveryDisplayField
        + QStringLiteral(" from Customer ") + BuildJoinClause(kEveryDisplayField)
        + QStringLiteral(" where 1=1");
    const suite::RecordSet rows = g_oSrv->OpenX(sql);
    ASSERT_TRUE(rows.IsOpen()) << qPrintable(g_oSrv->LastError());
    EXPECT_EQ(rows.RecordCount(), DemoCompanyCopy<>::kCustomers)
        << "the joins must neither lose nor repeat customers";
}

TEST_F(ListQuery, TheSpecialVersionAlwaysJoinsTheDepartment)
{
    g_iSpecialVersion = 1;
    EXPECT_EQ(BuildJoinClause(QString()), kDepartmentJoin + kExtraJoin);
    EXPECT_EQ(BuildJoinClause(QStringLiteral("Department.cDepName")), kDepartmentJoin + kExtraJoin);
    g_iSpecialVersion = 2;
    EXPECT_EQ(BuildJoinClause(QString()), kExtraJoin);
}

TEST_F(ListQuery, EitherRightsClassFieldJoinsTheRightsClassOnce)
{
    EXPECT_EQ(BuildJoinClause(QStringLiteral("AA_AuthClass.cACCode")), kAuthClassJoin + kExtraJoin);
    EXPECT_EQ(BuildJoinClause(QStringLiteral("cacname")), kAuthClassJoin + kExtraJoin);
    EXPECT_EQ(BuildJoinClause(QStringLiteral("cACCode,cACName")), kAuthClassJoin + kExtraJoin);
}

TEST_F(ListQuery, TheImportListJoinsToItsStagingTable)
{
    const QString joins = BuildJoinClause(
        QStringLiteral("CustomerClass.cCCName,Department.cDepName,invoice.cinvoicename"),
        QStringLiteral("Customer_import"));
    EXPECT_EQ(
        joins,
        QStringLiteral(" Left join CustomerClass on Customer_import.cCCCode=CustomerClass.cCCCode "
                       " Left Join Department on Customer_import.cCusDepart=Department.cDepCode "
                       " left join (select cCusCode as cinvoicecode ,cCusName as cinvoicename from "
                       "Customer_import)  as  invoice  on  Customer_import.cInvoiceCompany "
                       "=invoice.cinvoicecode "
                       " Left Join Customer_extradefine on "
                       "Customer_import.cCusCode=Customer_extradefine.cCusCode "));
}

TEST(ReplaceSelectList, TheSelectListUpToTheFirstFromIsReplaced)
{
    QString sql = QStringLiteral("  select * from crm_contact where x in (select y from z)  ");
    ReplaceSelectList(sql, QStringLiteral("cContactName,cMobilePhone"));
    EXPECT_EQ(sql,
              QStringLiteral("Select cContactName,cMobilePhone from crm_contact where x in "
                             "(select y from z)"));

    QString upper = QStringLiteral("SELECT A,B FROM Customer");
    ReplaceSelectList(upper, QStringLiteral("cCusCode"));
    EXPECT_EQ(upper, QStringLiteral("Select cCusCode FROM Customer"));
}

TEST(ReplaceSelectList, ATextWithoutFromIsOnlyTrimmed)
{
    QString sql = QStringLiteral("  select getdate()\n");
    ReplaceSelectList(sql, QStringLiteral("cCusCode"));
    EXPECT_EQ(sql, QStringLiteral("select getdate()"));
    QString glued = QStringLiteral("select a,b\nfrom Customer");
    ReplaceSelectList(glued, QStringLiteral("cCusCode"));
    EXPECT_EQ(glued, QStringLiteral("select a,b\nfrom Customer"))
        << "only a space before from marks the select list's end";
}

TEST_F(ListQuery, TheOrderClauseComesFromTheSortedColumns)
{
    enter(QStringLiteral("demo"));
    EXPECT_EQ(GetOrderClause(QStringLiteral("<Customer><Customer.cCusCode csort='desc'/>"
                                            "<cCusName/><cCusAbbName csort='asc'/></Customer>")),
              QStringLiteral(" Order by Customer.cCusCode desc,cCusAbbName "));
    EXPECT_EQ(GetOrderClause(QStringLiteral("<Customer><Customer.cCusCode csort=''/>"
                                            "<cCusName/></Customer>")),
              QString());
    EXPECT_EQ(GetOrderClause(QStringLiteral("<Customer")), QString());
}

TEST_F(ListQuery, TheColumnSetOfAKeyGivesSelectOrderAndColumns)
{
    enter(QStringLiteral("demo"));
    QString sMsg;
    ASSERT_TRUE(g_oColSet->setCatalogue(
        QStringLiteral("RefCrm_Contact"),
        QStringLiteral("<Crm_Contact><Crm_Contact.cContactCode showfldname='联系人编码'/>"
                       "<cContactName showfldname='联系人'/><cMobilePhone showfldname='手机'/>"
                       "</Crm_Contact>"),
        sMsg))
        << qPrintable(sMsg);
    QString saved = QStringLiteral("<Crm_Contact ckey='RefCrm_Contact'><cContactName csort='asc'/>"
                                   "<cMobilePhone/><Crm_Contact.cContactCode bshow='0'/>"
                                   "</Crm_Contact>");
    ASSERT_TRUE(g_oColSet->Save(saved)) << qPrintable(saved);

    QString sColXml;
    QString sSelect;
    QString sOrder;
    suite::RecordSet rsColSet;
    GetColSetSql(QStringLiteral("RefCrm_Contact"), sColXml, sSelect, sOrder, rsColSet);
    EXPECT_TRUE(sColXml.startsWith(QStringLiteral("<Crm_Contact"))) << qPrintable(sColXml);
    EXPECT_EQ(sSelect, QStringLiteral("cContactName,cMobilePhone"));
    EXPECT_EQ(sOrder, QStringLiteral(" Order by cContactName "));
    ASSERT_TRUE(rsColSet.IsOpen());
    EXPECT_EQ(rsColSet.RecordCount(), 3);
}

TEST_F(ListQuery, ExtendedFieldNamesAreTheColumnsAfterTheCode)
{
    enter(QStringLiteral("demo"));
    const QString expected =
        QStringLiteral("ccdefine1,ccdefine2,ccdefine3,ccdefine4,ccdefine5,ccdefine6,ccdefine7,");
    LoadExtraFieldNames();
    EXPECT_EQ(g_cExtraFields, expected);
    LoadExtraFieldNames();
    EXPECT_EQ(g_cExtraFields, expected) << "a second call rebuilds the list, it does not add";
}

TEST_F(ListQuery, ExtendedFieldNamesOfATableWithOnlyTheCodeAreEmpty)
{
    enter(QStringLiteral("demo"));
    g_cExtraFields = QStringLiteral("stale,");
    ASSERT_TRUE(g_oSrv->ExecuteX(QStringLiteral("drop table Customer_extradefine")));
    LoadExtraFieldNames();
    EXPECT_EQ(g_cExtraFields, QStringLiteral("stale,"))
        << "a table that cannot be read leaves the list as it was";
    ASSERT_TRUE(g_oSrv->ExecuteX(
        QStringLiteral("create table Customer_extradefine (cCusCode nvarchar(20) not null)")));
    LoadExtraFieldNames();
    EXPECT_EQ(g_cExtraFields, QString());
}
