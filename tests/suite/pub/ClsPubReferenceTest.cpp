#include "ClsPubFixture.h"

using namespace suite;

namespace {

const QString kSalesCustomers =
    QStringLiteral("(Customer.cCCCode like '01%' and Customer.cCusDepart in ('0201'))");

} // namespace

class ClsPubReferenceTest : public ClsPubTest
{
protected:
    // The statement after ReCreateSQL of userId, with the condition it returned.
    std::pair<QString, QString> recreated(const QString &userId, const QString &table,
                                          const QString &sql)
    {
        QString sSql = sql;
        QString sFilter = QStringLiteral("previous");
        pubFor(userId)->ReCreateSQL(m_service, table, sSql, sFilter);
        return { sSql, sFilter };
    }
};

TEST_F(ClsPubReferenceTest, AnUnrestrictedUserKeepsTheStatement)
{
    const QString sql = QStringLiteral("select * from Customer where cCusCode like 'C%'");
    EXPECT_EQ(recreated(QStringLiteral("demo"), QStringLiteral("Customer"), sql),
              std::make_pair(sql, QStringLiteral("1=1")));
    const QString contacts = QStringLiteral("select * from crm_contact");
    EXPECT_EQ(recreated(QStringLiteral("sales1"), QStringLiteral("crm_contact"), contacts),
              std::make_pair(contacts, QStringLiteral("1=1")))
        << "contacts carry no rights of their own";
}

TEST_F(ClsPubReferenceTest, TheConditionStartsOrJoinsTheWhereClauseBeforeTheOrder)
{
    const QString sales = QStringLiteral("sales1");
    const QString customer = QStringLiteral("Customer");
    EXPECT_EQ(
        recreated(sales, customer, QStringLiteral("select cCusCode from Customer")),
        std::make_pair(QStringLiteral("select cCusCode from Customer where ") + kSalesCustomers,
                       kSalesCustomers));
    EXPECT_EQ(recreated(sales, customer,
                        QStringLiteral("select cCusCode from Customer where cCusCode='a' or "
                                       "cCusCode='b' order by cCusCode"))
                  .first,
              QStringLiteral("select cCusCode from Customer where (cCusCode='a' or "
                             "cCusCode='b') and ")
                  + kSalesCustomers + QStringLiteral(" order by cCusCode"))
        << "an or of the statement must not let rows past the condition";
    EXPECT_EQ(recreated(sales, customer,
                        QStringLiteral("select cCusCode from Customer ORDER  BY cCusName"))
                  .first,
              QStringLiteral("select cCusCode from Customer where ") + kSalesCustomers
                  + QStringLiteral(" ORDER  BY cCusName"));
}

TEST_F(ClsPubReferenceTest, SubSelectsAndQuotedTextAreNotTheStatementsClauses)
{
    const QString sql = QStringLiteral(
        "select c.cCusCode, (select max(x) from t where y=1 order by x) as m from Customer c "
        "left join v on v.k='where order by' group by c.cCusCode");
    EXPECT_EQ(recreated(QStringLiteral("sales1"), QStringLiteral("Customer"), sql).first,
              QStringLiteral("select c.cCusCode, (select max(x) from t where y=1 order by x) as m "
                             "from Customer c left join v on v.k='where order by' where ")
                  + kSalesCustomers + QStringLiteral(" group by c.cCusCode"));
}

TEST_F(ClsPubReferenceTest, ARepeatedRefreshDoesNotAddTheConditionTwice)
{
    const auto pub = pubFor(QStringLiteral("sales1"));
    QString sSql = QStringLiteral("select cCusCode from Customer");
    QString sFilter;
    pub->ReCreateSQL(m_service, QStringLiteral("Customer"), sSql, sFilter);
    const QString once = sSql;
    pub->ReCreateSQL(m_service, QStringLiteral("Customer"), sSql, sFilter);
    EXPECT_EQ(sSql, once);

    const RecordSet rows = m_service->OpenX(sSql);
    ASSERT_TRUE(rows.IsOpen()) << qPrintable(m_service->LastError());
    EXPECT_GT(rows.RecordCount(), 0);
}

TEST_F(ClsPubReferenceTest, WithoutALoginNothingPasses)
{
    ClsPub withoutLogin;
    QString sSql = QStringLiteral("select * from Customer");
    QString sFilter;
    withoutLogin.ReCreateSQL(m_service, QStringLiteral("Customer"), sSql, sFilter);
    EXPECT_EQ(sFilter, QStringLiteral("1=2"));
    EXPECT_EQ(sSql, QStringLiteral("select * from Customer where (1=2)"));
}
