#include "list/ListStatement.h"
#include "list/ListPaging.h"

#include <gtest/gtest.h>

using namespace customer;

namespace {
const QString kRights =
    QStringLiteral("(Customer.cCCCode like '01%' and Customer.cCusDepart in ('0201'))");
const QString kJoinTail = QStringLiteral(
    " left join customer_extradefine on customer.ccuscode=customer_extradefine.ccuscode ");
} // namespace

TEST(ListStatement, RootClassReadsEveryPermittedCustomerNotTransferred)
{
    const ListStatement statement =
        buildListStatement(QStringLiteral("cCusCode,cCusAbbName"), QString(), QString(), QString(),
                           QStringLiteral("1=1"));
    EXPECT_EQ(statement.full,
              QStringLiteral("select Customer.cCusCode,ccusabbname from customer ") + kJoinTail
                  + QStringLiteral(" where isnull(customer.btransflag,0) =0 and 1=1 order by "
                                   "Customer.cCusCode"));
    EXPECT_EQ(statement.wherePart,
              QStringLiteral(" where isnull(Customer.bTransFlag,0) =0 and 1=1"));
    EXPECT_EQ(statement.selectList, QStringLiteral("Customer.cCusCode,ccusabbname"));
    EXPECT_TRUE(statement.orderPart.isEmpty());
}

TEST(ListStatement, ClassFilterAndConditionQualifyTheCodeColumn)
{
    const ListStatement statement = buildListStatement(
        QStringLiteral("cCusCode,cCusName,Customer.cCCCode"), QStringLiteral("01"),
        QStringLiteral("CCusCode like '00%' and ccuscode<>'x'"), QStringLiteral("cCusCode desc"),
        kRights);
    EXPECT_EQ(statement.wherePart,
              QStringLiteral(
                  " where isnull(Customer.bTransFlag,0) =0 and Customer.cCCCode like '01%' and ")
                  + kRights
                  + QStringLiteral(" and Customer.cCusCode like '00%' and ccuscode<>'x'"));
    EXPECT_EQ(statement.orderPart, QStringLiteral(" order by Customer.cCusCode desc"));
    EXPECT_TRUE(statement.full.endsWith(QStringLiteral(" order by Customer.cCusCode desc")))
        << qPrintable(statement.full);
    EXPECT_TRUE(statement.full.startsWith(
        QStringLiteral("select Customer.cCusCode,ccusname,customer.ccccode from customer ")));
}

TEST(ListStatement, QuotesInTheClassCodeStayInsideTheValue)
{
    const ListStatement statement =
        buildListStatement(QStringLiteral("cCusCode"), QStringLiteral("0'1"), QString(), QString(),
                           QStringLiteral("1=1"));
    EXPECT_TRUE(statement.wherePart.contains(QStringLiteral("like '0''1%'")));
}

TEST(ListStatement, QualifiedCodeIsNotQualifiedTwice)
{
    EXPECT_EQ(qualifyCodeColumn(QStringLiteral("customer.ccuscode,ccuscode,xccuscode,"),
                                QStringLiteral(",")),
              QStringLiteral("customer.ccuscode,Customer.cCusCode,xccuscode,"));
    EXPECT_EQ(qualifyCodeColumn(QStringLiteral(" order by ccuscode, ccuscodeold"), QString()),
              QStringLiteral(" order by Customer.cCusCode, ccuscodeold"));
    EXPECT_EQ(listHeaderStatement(QStringLiteral("cCusCode,cCusName")),
              QStringLiteral("select Customer.cCusCode,ccusname from customer ") + kJoinTail
                  + QStringLiteral(" where 1=2"));
}

TEST(ListStatement, EmptySelectListFallsBackToCodeAndAbbreviation)
{
    EXPECT_EQ(buildListStatement(QString(), QString(), QString(), QString(), QStringLiteral("1=1"))
                  .selectList,
              QStringLiteral("Customer.cCusCode,ccusabbname"));
    EXPECT_EQ(classCodeOfNodeKey(QStringLiteral("r")), QString());
    EXPECT_EQ(classCodeOfNodeKey(QStringLiteral("r0102 ")), QStringLiteral("0102"));
}

TEST(ListPaging, LinksFollowThePagePosition)
{
    const auto links = [](int page, int pageCount, bool pageFull = false) {
        const PageLinks enabled = pageLinks(page, pageCount, pageFull);
        return QString::fromLatin1(enabled.fore ? "F" : "-") + (enabled.next ? "N" : "-")
            + (enabled.last ? "L" : "-");
    };
    EXPECT_EQ(links(1, 1), QStringLiteral("---"));
    EXPECT_EQ(links(1, 0), QStringLiteral("---"));
    EXPECT_EQ(links(1, 5), QStringLiteral("-NL"));
    EXPECT_EQ(links(5, 5), QStringLiteral("F--"));
    EXPECT_EQ(links(3, 5), QStringLiteral("FNL"));
    // While the rows are counted: on only from a full page, never to the last.
    EXPECT_EQ(links(1, -1, true), QStringLiteral("-N-"));
    EXPECT_EQ(links(1, -1, false), QStringLiteral("---"));
    EXPECT_EQ(links(4, -1, true), QStringLiteral("FN-"));
    EXPECT_EQ(links(4, -1, false), QStringLiteral("F--"));

    EXPECT_EQ(pageAfterLink(1, 1, 5), 1) << "previous on page 1 stays";
    EXPECT_EQ(pageAfterLink(2, 5, 5), 6) << "the page read clamps next on the last page";
    EXPECT_EQ(pageAfterLink(3, 2, 5), 5);
    EXPECT_EQ(pageAfterLink(0, 4, 5), 1);
}

TEST(ListPaging, SpinnersStayWithinTheirBounds)
{
    EXPECT_EQ(spinnerStep(20, +1, 5, 100, 5), 25);
    EXPECT_EQ(spinnerStep(5, -1, 5, 100, 5), 5);
    EXPECT_EQ(spinnerStep(100, +1, 5, 100, 5), 100);
    EXPECT_EQ(codeFieldIndex(QStringLiteral("'' as SelCol, CCusCode ,cCusName")), 1);
    EXPECT_EQ(codeFieldIndex(QStringLiteral("cCusName,Customer.cCusCode")), 1);
    EXPECT_EQ(codeFieldIndex(QStringLiteral("cCusName,cCusCodeOld")), -1);
}
