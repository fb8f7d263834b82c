#include "ClsPubFixture.h"

#include "suite/login/IRowAuth.h"

using namespace suite;

namespace {

const QString kCustomer = QStringLiteral("Customer");

} // namespace

class ClsPubRightsTest : public ClsPubTest
{
protected:
    // The customer codes a condition over the table Customer lets through.
    QStringList customersPassing(const QString &condition)
    {
        const RecordSet rows =
            m_service->OpenX(QStringLiteral("select cCusCode from Customer where ") + condition
                             + QStringLiteral(" order by cCusCode"));
        EXPECT_TRUE(rows.IsOpen()) << qPrintable(m_service->LastError());
        QStringList codes;
        for (int row = 0; row < rows.RecordCount(); ++row)
            codes.append(rows.valueAt(row, 0).toString());
        return codes;
    }

    QStringList allCustomers() { return customersPassing(QStringLiteral("1=1")); }
};

TEST_F(ClsPubRightsTest, RowClausesAreUnrestrictedForTheAdministrator)
{
    const auto demo = login(QStringLiteral("demo"));
    const auto pub = pubFor(QStringLiteral("demo"));
    EXPECT_EQ(pub->GetGetAuthString(demo->RowAuth(), kCustomer, QStringLiteral("W"), std::nullopt,
                                    kCustomer),
              QStringLiteral("1=1"));
    EXPECT_EQ(pub->GetGetAuthStringCode(demo->RowAuth(), QStringLiteral("Department")),
              QStringLiteral("1=1"));
    EXPECT_EQ(pub->GetAuthStringCodeWeb(QStringLiteral("customer"), m_service,
                                        QStringLiteral("demo"), QString(), QStringLiteral("R"),
                                        false),
              QStringLiteral("1=1"));
}

TEST_F(ClsPubRightsTest, SalesClauseSelectsOnlyItsCustomers)
{
    const auto sales = login(QStringLiteral("sales1"));
    const auto pub = pubFor(QStringLiteral("sales1"));
    const QString clause =
        pub->GetGetAuthString(sales->RowAuth(), kCustomer, std::nullopt, std::nullopt, kCustomer);
    EXPECT_EQ(clause, sales->RowAuth()->rowCondition(kCustomer, QString()));
    const QStringList visible = customersPassing(clause);
    EXPECT_FALSE(visible.isEmpty());
    EXPECT_LT(visible.size(), allCustomers().size());

    const QString web =
        pub->GetAuthStringCodeWeb(QStringLiteral("customer"), m_service, QStringLiteral("sales1"),
                                  QString(), QStringLiteral("R"), false);
    EXPECT_NE(web, QStringLiteral("1=1"));
    EXPECT_EQ(pub->GetGetAuthStringCode(sales->RowAuth(), QStringLiteral("Department")),
              sales->RowAuth()->codeList(QStringLiteral("Department")));
}

TEST_F(ClsPubRightsTest, AClassNarrowsTheClauseToItsCustomers)
{
    const auto demo = login(QStringLiteral("demo"));
    const auto pub = pubFor(QStringLiteral("demo"));
    const QString clause = pub->GetGetAuthString(demo->RowAuth(), kCustomer, QStringLiteral("R"),
                                                 QStringLiteral("01"), kCustomer);
    EXPECT_EQ(clause, QStringLiteral("(1=1) and Customer.cCCCode like N'01%'"));
    EXPECT_EQ(customersPassing(clause), customersPassing(QStringLiteral("cCCCode like '01%'")));
}

TEST_F(ClsPubRightsTest, CheckAuthByCodeFollowsTheWriteRights)
{
    const auto sales = login(QStringLiteral("sales1"));
    const auto pub = pubFor(QStringLiteral("sales1"));
    const QStringList mine = customersPassing(sales->RowAuth()->rowCondition(kCustomer, "W"));
    QStringList others = allCustomers();
    for (const QString &code : mine)
        others.removeAll(code);
    ASSERT_FALSE(mine.isEmpty());
    ASSERT_FALSE(others.isEmpty());
    const QString customer = QStringLiteral("customer");
    EXPECT_TRUE(pub->CheckAuthByCode(m_service, sales->RowAuth(), customer, mine.first(),
                                     std::nullopt, QStringLiteral("D")));
    EXPECT_FALSE(pub->CheckAuthByCode(m_service, sales->RowAuth(), customer, others.first(),
                                      std::nullopt, QStringLiteral("D")));
    EXPECT_FALSE(pub->CheckAuthByCode(m_service, sales->RowAuth(), customer,
                                      QStringLiteral("NO-SUCH"), std::nullopt, "D"));
    EXPECT_TRUE(pub->CheckAuth(m_service, mine.first(), kCustomer, sales->RowAuth()));
    EXPECT_FALSE(pub->CheckAuth(m_service, others.first(), kCustomer, sales->RowAuth()));

    const auto demo = login(QStringLiteral("demo"));
    EXPECT_TRUE(pub->CheckAuthByCode(m_service, demo->RowAuth(), customer, others.first(),
                                     std::nullopt, QStringLiteral("D")));
    EXPECT_FALSE(pub->CheckAuthByCode(nullptr, demo->RowAuth(), customer, others.first(),
                                      std::nullopt, QStringLiteral("D")));
    EXPECT_FALSE(pub->CheckAuthByCode(m_service, nullptr, customer, others.first(), std::nullopt,
                                      QStringLiteral("D")));
}

TEST_F(ClsPubRightsTest, CheckAuthByRightsClass)
{
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("update Customer set iId=77 where cCusCode=(select min(cCusCode)"
                                 " from Customer)"));
    const auto demo = login(QStringLiteral("demo"));
    const auto pub = pubFor(QStringLiteral("demo"));
    EXPECT_TRUE(pub->CheckAuth(m_service, 77, kCustomer, demo->RowAuth()));
    EXPECT_FALSE(pub->CheckAuth(m_service, 78, kCustomer, demo->RowAuth()));
}

TEST_F(ClsPubRightsTest, ColumnRightsOfSalesButNotOfTheAdministrator)
{
    EXPECT_FALSE(pubFor(QStringLiteral("demo"))->NeedControlAuth(m_service, kCustomer));
    const auto pub = pubFor(QStringLiteral("sales1"));
    EXPECT_TRUE(pub->NeedControlAuth(m_service, kCustomer));
    EXPECT_FALSE(pub->NeedControlAuth(m_service, QStringLiteral("vendor")));
    EXPECT_FALSE(pub->NeedControlAuth(nullptr, kCustomer));

    const QString db = m_company.connectionText();
    EXPECT_EQ(pub->GetFldAuthString(kCustomer, "R", m_service, db, "sales1"),
              QStringLiteral("iCusCreLine"));
    EXPECT_EQ(pub->GetFldAuthString(kCustomer, "N", m_service, db, "sales1"), QString());
    EXPECT_EQ(pub->GetFldAuthString(kCustomer, "R", m_service, db, "demo"), QString());
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("insert into AA_HoldColAuth (cUser_Id, cBusObId, cFieldName,"
                                 " cLevel) values ('demo', 'customer', 'cCusBank', 'N'),"
                                 " ('sales1', 'customer', 'cCusBank', 'N'),"
                                 " ('sales1', 'customer', 'cCusAccount', 'N')"));
    EXPECT_EQ(pub->GetFldAuthString(kCustomer, "N", m_service, db, "sales1"),
              QStringLiteral("cCusBank,cCusAccount"));
    EXPECT_EQ(pub->GetFldAuthString(kCustomer, "N", m_service, db, "demo"), QString());
}

TEST_F(ClsPubRightsTest, WithoutRightsObjectsNothingPasses)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    EXPECT_EQ(pub->GetGetAuthString(nullptr, kCustomer, "W", std::nullopt, kCustomer),
              QStringLiteral("1=2"));
    EXPECT_EQ(pub->GetGetAuthStringCode(nullptr, QStringLiteral("Person")), QStringLiteral("1=2"));
    EXPECT_EQ(pub->GetAuthStringCodeWeb(QStringLiteral("customer"), m_service,
                                        QStringLiteral("sales1"), QString(), "R", false),
              QStringLiteral("1=2"));
    ClsPub withoutLogin;
    EXPECT_EQ(withoutLogin.GetAuthStringCodeWeb(QStringLiteral("customer"), m_service,
                                                QStringLiteral("demo"), QString(), "R", false),
              QStringLiteral("1=2"));
}

TEST_F(ClsPubRightsTest, SpecialVersionTypeFromTheAccountOptions)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    EXPECT_EQ(pub->GetSpecialVersionType(m_service), 0);
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("insert into AccInformation (cSysID, cID, cName, cValue) values"
                                 " ('AA', '90', 'iSpecialVersion', '2')"));
    EXPECT_EQ(pub->GetSpecialVersionType(m_service), 2);
    EXPECT_EQ(pub->GetSpecialVersionType(nullptr), 0);
}
