#include "LoginCompany.h"

#include "suite/data/DataService.h"
#include "suite/login/IRowAuth.h"
#include "suite/login/RowAuth.h"

using namespace suite;

namespace {

const QString kCustomer = QStringLiteral("Customer");
const QString kSales1Customers =
    QStringLiteral("(Customer.cCCCode like '01%' and Customer.cCusDepart in ('0201'))");

class RowAuthTest : public LoginCompanyTest
{
protected:
    void SetUp() override
    {
        LoginCompanyTest::SetUp();
        // Customers that only one of sales1's two rights would let through, or neither.
        run(Company,
            QStringLiteral(
                "insert into Customer (cCusCode, cCusName, cCusAbbName, cCCCode, cCusDepart)"
                " values ('X1', 'x1', 'x1', '0103', '0202'), ('X2', 'x2', 'x2', '0301',"
                " '0201'), ('X3', 'x3', 'x3', '0101', null), ('X4', 'x4', 'x4', '1', '0201')"));
        service.Init(connectionText());
        ASSERT_TRUE(service.Status()) << qPrintable(service.LastError());
    }

    std::shared_ptr<IRowAuth> rightsOf(const QString &userId)
    {
        return std::make_shared<RowAuth>(std::shared_ptr<IClsCommon>(&service, [](IClsCommon *) {}),
                                         userId);
    }

    // The first column of a statement run through the data service, sorted.
    QStringList served(const QString &sql)
    {
        const RecordSet rows = service.OpenX(sql);
        EXPECT_TRUE(rows.IsOpen()) << qPrintable(service.LastError()) << "\n" << qPrintable(sql);
        QStringList values;
        for (int row = 0; row < rows.RecordCount(); ++row)
            values.append(rows.valueAt(row, 0).toString());
        values.sort();
        return values;
    }

    QStringList customersWhere(const QString &clause)
    {
        return served(QStringLiteral("select cCusCode from Customer where 1=1 and ") + clause);
    }

    // A user of the system who is not an administrator, with the given row rights.
    void addUser(const QString &userId, const QString &rights)
    {
        run(System,
            QStringLiteral("insert into ua_user (cUser_Id, cUser_Name, bAdmin) values"
                           " ('%1', '%1', 0)")
                .arg(QString(userId).replace(u'\'', QStringLiteral("''"))));
        if (!rights.isEmpty())
            run(Company,
                QStringLiteral("insert into AA_HoldAuth (cUser_Id, cBusObId, cFuncId,"
                               " cDimension, cCode) values ")
                    + rights);
    }

    ClsCommon service;
};

TEST_F(RowAuthTest, Sales1SeesExactlyTheCustomersOfItsClassAndDepartment)
{
    const QString clause = rightsOf(QStringLiteral("sales1"))->rowCondition(kCustomer, QString());
    EXPECT_EQ(clause, kSales1Customers);

    const QStringList expected =
        column(QStringLiteral("select cCusCode from Customer where substr(cCCCode, 1, 2) = '01'"
                              " and cCusDepart = '0201'"));
    ASSERT_GT(expected.size(), 10);
    EXPECT_EQ(customersWhere(clause), expected);
    EXPECT_LT(
        expected.size(),
        column(QStringLiteral("select cCusCode from Customer where cCusDepart = '0201'")).size());
    EXPECT_LT(expected.size(),
              column(QStringLiteral("select cCusCode from Customer where substr(cCCCode, 1, 2) ="
                                    " '01'"))
                  .size());
}

TEST_F(RowAuthTest, TheAdministratorSeesEveryCustomer)
{
    const std::shared_ptr<IRowAuth> demo = rightsOf(QStringLiteral("demo"));
    const QString clause = demo->rowCondition(kCustomer, QStringLiteral("W"));
    EXPECT_EQ(clause, QStringLiteral("1=1"));
    EXPECT_EQ(customersWhere(clause), column(QStringLiteral("select cCusCode from Customer")));
    EXPECT_EQ(demo->GetAuthString(kCustomer), QStringLiteral("1=1"));
    for (const QString &kind : { QStringLiteral("Warehouse"), QStringLiteral("Person"),
                                 QStringLiteral("Department"), QStringLiteral("Vendor") })
        EXPECT_EQ(demo->codeList(kind), QStringLiteral("1=1")) << qPrintable(kind);
}

TEST_F(RowAuthTest, TheReadClauseServesTheStagingTableAndOtherArchives)
{
    const std::shared_ptr<IRowAuth> sales = rightsOf(QStringLiteral("sales1"));
    EXPECT_EQ(sales->GetAuthString(kCustomer), kSales1Customers);
    const QString staging = sales->GetAuthString(QStringLiteral("Customer_import"));
    EXPECT_EQ(staging,
              QStringLiteral("(Customer_import.cCCCode like '01%' and Customer_import.cCusDepart"
                             " in ('0201'))"));
    served(QStringLiteral("select AutoID from Customer_import where 1=1 and ") + staging);
    EXPECT_EQ(sales->GetAuthString(QStringLiteral("Department")),
              QStringLiteral("(Department.cDepCode in ('0201'))"));
    EXPECT_EQ(sales->GetAuthString(QStringLiteral("Inventory")), QStringLiteral("1=1"));
}

TEST_F(RowAuthTest, CodeListsAreConditionsInTheStatementsThatAppendThem)
{
    const std::shared_ptr<IRowAuth> sales = rightsOf(QStringLiteral("sales1"));
    const QString departments = sales->codeList(QStringLiteral("Department"));
    EXPECT_EQ(departments, QStringLiteral("(Department.cDepCode in ('0201'))"));
    const auto department = [&](const QString &code) {
        return served(QStringLiteral("select top 1 cDepCode from Department where bDepEnd=1 and"
                                     " cDepCode='%1' and ")
                          .arg(code)
                      + departments);
    };
    EXPECT_EQ(department(QStringLiteral("0201")), QStringList{ QStringLiteral("0201") });
    EXPECT_TRUE(department(QStringLiteral("0202")).isEmpty());

    const QString warehouses = sales->codeList(QStringLiteral("Warehouse"));
    EXPECT_EQ(warehouses, QStringLiteral("1=1"));
    EXPECT_EQ(served(QStringLiteral("select top 1 CWhCode from warehouse where CWhCode='01' and ")
                     + warehouses),
              QStringList{ QStringLiteral("01") });
    const QString persons = sales->codeList(QStringLiteral("Person"));
    EXPECT_EQ(served(QStringLiteral("select top 1 CPersonCode from Person where"
                                    " CPersonCode='004' and ")
                     + persons),
              QStringList{ QStringLiteral("004") });
    EXPECT_EQ(sales->codeList(QStringLiteral("Vendor")), QStringLiteral("1=1"));

    // The widening of the read clause by department, over the list's department join.
    const QString widened = sales->GetAuthString(kCustomer) + QStringLiteral(" and (") + departments
        + QStringLiteral(" or isnull(customer.cCusDepart,'')='')");
    EXPECT_EQ(served(QStringLiteral("select Customer.cCusCode from Customer Left Join Department on"
                                    " customer.cCusDepart=Department.cDepCode where"
                                    " isnull(Customer.bTransFlag,0) =0 and ")
                     + widened),
              customersWhere(kSales1Customers));
}

TEST_F(RowAuthTest, WritingNeedsAWriteRightAndEveryDimensionMustGrant)
{
    addUser(QStringLiteral("clerk"),
            QStringLiteral("('clerk', 'customer', 'R', 'class', '02'),"
                           " ('clerk', 'customer', 'W', 'class', '03'),"
                           " ('clerk', 'customer', 'R', 'department', '0202'),"
                           " ('clerk', 'person', 'R', 'department', '0202')"));
    const std::shared_ptr<IRowAuth> clerk = rightsOf(QStringLiteral("clerk"));
    EXPECT_EQ(clerk->rowCondition(kCustomer, QStringLiteral("R")),
              QStringLiteral("((Customer.cCCCode like '02%' or Customer.cCCCode like '03%') and"
                             " Customer.cCusDepart in ('0202'))"));
    // No write right on any department: nothing may be written.
    EXPECT_EQ(clerk->rowCondition(kCustomer, QStringLiteral("W")), QStringLiteral("1=0"));
    EXPECT_EQ(clerk->rowCondition(kCustomer, QStringLiteral("D")), QStringLiteral("1=0"));
    EXPECT_TRUE(customersWhere(clerk->rowCondition(kCustomer, QStringLiteral("W"))).isEmpty());
    EXPECT_EQ(customersWhere(clerk->rowCondition(kCustomer, QStringLiteral("r"))),
              column(QStringLiteral("select cCusCode from Customer where substr(cCCCode, 1, 2)"
                                    " in ('02', '03') and cCusDepart = '0202'")));
    EXPECT_EQ(clerk->codeList(QStringLiteral("Person")),
              QStringLiteral("(Person.cDepCode in ('0202'))"));
}

TEST_F(RowAuthTest, UnknownUsersAndUnknownDimensionsGrantNothing)
{
    const std::shared_ptr<IRowAuth> ghost = rightsOf(QStringLiteral("ghost"));
    EXPECT_EQ(ghost->rowCondition(kCustomer, QString()), QStringLiteral("1=0"));
    EXPECT_EQ(ghost->codeList(QStringLiteral("Warehouse")), QStringLiteral("1=0"));

    addUser(QStringLiteral("odd"), QStringLiteral("('odd', 'warehouse', 'R', 'colour', 'red')"));
    EXPECT_EQ(rightsOf(QStringLiteral("odd"))->codeList(QStringLiteral("Warehouse")),
              QStringLiteral("1=0"));
}

TEST_F(RowAuthTest, QuotesInCodesAreDoubledAndPatternCharactersMatchLiterally)
{
    addUser(QStringLiteral("o'neil"),
            QStringLiteral("('o''neil', 'customer', 'W', 'class', '0''1'),"
                           " ('o''neil', 'customer', 'W', 'class', '0_'),"
                           " ('o''neil', 'customer', 'W', 'department', 'x'') or 1=1 --')"));
    run(Company,
        QStringLiteral("insert into Customer (cCusCode, cCusName, cCusAbbName, cCCCode,"
                       " cCusDepart) values ('Q1', 'q', 'q', '0_9', 'x'') or 1=1 --'),"
                       " ('Q2', 'q', 'q', '019', 'x'') or 1=1 --')"));
    const QString clause = rightsOf(QStringLiteral("o'neil"))->rowCondition(kCustomer, QString());
    EXPECT_EQ(clause,
              QStringLiteral("((Customer.cCCCode like '0''1%' or left(Customer.cCCCode, 2)="
                             "'0_') and Customer.cCusDepart in ('x'') or 1=1 --'))"));
    EXPECT_EQ(customersWhere(clause), QStringList{ QStringLiteral("Q1") });
}

TEST_F(RowAuthTest, CodesOfABusinessObjectNarrowToAClassAndToTheUsersOwnCustomers)
{
    const std::shared_ptr<IRowAuth> sales = rightsOf(QStringLiteral("sales1"));
    EXPECT_EQ(rightsOf(QStringLiteral("demo"))
                  ->GetAuthStringCode(QStringLiteral("customer"), QStringLiteral("0101"), QString(),
                                      false),
              QStringLiteral("Customer.cCCCode like '0101%'"));
    const QString ofClass = sales->GetAuthStringCode(QStringLiteral("Customer"),
                                                     QStringLiteral("0101"), QString(), false);
    EXPECT_EQ(ofClass,
              QStringLiteral("(") + kSales1Customers
                  + QStringLiteral(" and Customer.cCCCode like '0101%')"));
    EXPECT_EQ(customersWhere(ofClass),
              column(QStringLiteral("select cCusCode from Customer where substr(cCCCode, 1, 4) ="
                                    " '0101' and cCusDepart = '0201'")));

    const QString own =
        sales->GetAuthStringCode(QStringLiteral("customer"), QString(), QStringLiteral("W"), true);
    const QStringList expected =
        column(QStringLiteral("select c.cCusCode from Customer c join customer_user u on"
                              " u.Account_ID = c.cCusCode where u.User_ID = 'sales1' and"
                              " substr(c.cCCCode, 1, 2) = '01' and c.cCusDepart = '0201'"));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(customersWhere(own), expected);
    EXPECT_EQ(sales->GetAuthStringCode(QStringLiteral("department"), QStringLiteral("02"),
                                       QString(), true),
              QStringLiteral("(Department.cDepCode in ('0201'))"));
}

TEST_F(RowAuthTest, FunctionRightsComeFromTheUsersFunctions)
{
    const std::shared_ptr<IRowAuth> sales = rightsOf(QStringLiteral("sales1"));
    QString sErr;
    EXPECT_TRUE(sales->GetFunAuth(nullptr, QStringLiteral("Customer"), 0, sErr, 0, QString(), 0));
    EXPECT_TRUE(sErr.isEmpty());
    EXPECT_FALSE(sales->GetFunAuth(nullptr, QStringLiteral("Customer"), 1, sErr, 1,
                                   QStringLiteral("Customer_import"), 2026));
    EXPECT_EQ(sErr,
              QStringLiteral("The user 'sales1' has no right to the function Customer_import."));

    EXPECT_TRUE(sales->GetFunAuth(login(QStringLiteral("demo")), QStringLiteral("Customer"), 0,
                                  sErr, 0, QStringLiteral("Customer_import"), 0));
    EXPECT_FALSE(rightsOf(QStringLiteral("ghost"))
                     ->GetFunAuth(nullptr, QStringLiteral("Customer"), 0, sErr, 0, QString(), 0));
    EXPECT_EQ(sErr, QStringLiteral("The user 'ghost' does not exist."));
}

} // namespace
