#include "plugins/creditreview/CreditSuggestion.h"

#include <gtest/gtest.h>

using namespace creditreview;

namespace {

const QDate kAsOf(2026, 6, 30);

CreditFigures owing(double yearSales, const QDate &oldestOpen, int creditDays = 0)
{
    CreditFigures figures;
    figures.yearSales = yearSales;
    figures.oldestOpenDate = oldestOpen;
    figures.creditDays = creditDays;
    return figures;
}

} // namespace

TEST(CreditSuggestion, ACustomerWhoPaysInTimeIsGradedByTheYearsSales)
{
    const CreditSuggestion large = suggestCredit(owing(1'200'000, {}), kAsOf);
    EXPECT_EQ(large.grade, u"AAA");
    EXPECT_DOUBLE_EQ(large.line, 300'000) << "three months of sales";
    const CreditSuggestion exactlyLarge = suggestCredit(owing(1'000'000, {}), kAsOf);
    EXPECT_EQ(exactlyLarge.grade, u"AAA");
    EXPECT_DOUBLE_EQ(exactlyLarge.line, 250'000);
    const CreditSuggestion middle = suggestCredit(owing(999'999.99, {}), kAsOf);
    EXPECT_EQ(middle.grade, u"AA");
    EXPECT_DOUBLE_EQ(middle.line, 167'000) << "two months, rounded up to a thousand";
    const CreditSuggestion small = suggestCredit(owing(199'999, {}), kAsOf);
    EXPECT_EQ(small.grade, u"A");
    EXPECT_DOUBLE_EQ(small.line, 17'000);
    const CreditSuggestion none = suggestCredit(owing(0, {}), kAsOf);
    EXPECT_EQ(none.grade, u"A");
    EXPECT_DOUBLE_EQ(none.line, 0);
    EXPECT_EQ(none.overdueDays, 0);
}

TEST(CreditSuggestion, TheOldestOpenInvoicePastItsTermLowersTheGrade)
{
    // Thirty days of terms when the customer has none: 30 days old is not overdue yet.
    const CreditSuggestion onTime = suggestCredit(owing(600'000, kAsOf.addDays(-30)), kAsOf);
    EXPECT_EQ(onTime.overdueDays, 0);
    EXPECT_EQ(onTime.grade, u"AA");
    const CreditSuggestion oneDay = suggestCredit(owing(600'000, kAsOf.addDays(-31)), kAsOf);
    EXPECT_EQ(oneDay.overdueDays, 1);
    EXPECT_EQ(oneDay.grade, u"B");
    EXPECT_DOUBLE_EQ(oneDay.line, 25'000) << "half a month";
    EXPECT_EQ(suggestCredit(owing(600'000, kAsOf.addDays(-60)), kAsOf).grade, u"B");
    const CreditSuggestion late = suggestCredit(owing(600'000, kAsOf.addDays(-61)), kAsOf);
    EXPECT_EQ(late.grade, u"C");
    EXPECT_DOUBLE_EQ(late.line, 0);
    EXPECT_EQ(suggestCredit(owing(600'000, kAsOf.addDays(-120)), kAsOf).grade, u"C");
    const CreditSuggestion lost = suggestCredit(owing(600'000, kAsOf.addDays(-121)), kAsOf);
    EXPECT_EQ(lost.grade, u"D");
    EXPECT_EQ(lost.overdueDays, 91);
}

TEST(CreditSuggestion, TheCustomersOwnTermsCountAndAFutureInvoiceIsNotOverdue)
{
    EXPECT_EQ(suggestCredit(owing(50'000, kAsOf.addDays(-90), 90), kAsOf).grade, u"A");
    EXPECT_EQ(suggestCredit(owing(50'000, kAsOf.addDays(-91), 90), kAsOf).overdueDays, 1);
    EXPECT_EQ(suggestCredit(owing(50'000, kAsOf.addDays(10)), kAsOf).overdueDays, 0);
}

TEST(CreditSuggestion, ACustomerWithinTermsIsNeverSuggestedALineBelowWhatTheyOwe)
{
    CreditFigures slowButInTime = owing(19'798.17, kAsOf.addDays(-8));
    slowButInTime.balance = 12'481.93;
    const CreditSuggestion inTime = suggestCredit(slowButInTime, kAsOf);
    EXPECT_EQ(inTime.grade, u"A");
    EXPECT_DOUBLE_EQ(inTime.line, 13'000) << "the open balance, not one month of sales (2,000)";

    CreditFigures overdue = owing(19'798.17, kAsOf.addDays(-40));
    overdue.balance = 12'481.93;
    const CreditSuggestion late = suggestCredit(overdue, kAsOf);
    EXPECT_EQ(late.grade, u"B");
    EXPECT_DOUBLE_EQ(late.line, 1'000) << "an overdue customer gets half a month of sales";
}
