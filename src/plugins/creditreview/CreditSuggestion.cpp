#include "plugins/creditreview/CreditSuggestion.h"

#include <algorithm>

#include <cmath>

namespace creditreview {

namespace {

constexpr int kDefaultTermDays = 30;
constexpr double kLargeCustomerSales = 1'000'000;
constexpr double kMiddleCustomerSales = 200'000;
constexpr double kLineStep = 1000;

double monthsOfSales(const QString &grade)
{
    if (grade == u"AAA")
        return 3;
    if (grade == u"AA")
        return 2;
    if (grade == u"A")
        return 1;
    if (grade == u"B")
        return 0.5;
    return 0;
}

QString gradeOf(int overdueDays, double yearSales)
{
    if (overdueDays > 90)
        return QStringLiteral("D");
    if (overdueDays > 30)
        return QStringLiteral("C");
    if (overdueDays > 0)
        return QStringLiteral("B");
    if (yearSales >= kLargeCustomerSales)
        return QStringLiteral("AAA");
    if (yearSales >= kMiddleCustomerSales)
        return QStringLiteral("AA");
    return QStringLiteral("A");
}

} // namespace

CreditSuggestion suggestCredit(const CreditFigures &figures, const QDate &asOf)
{
    CreditSuggestion suggestion;
    if (figures.oldestOpenDate.isValid() && asOf.isValid()) {
        const int term = figures.creditDays > 0 ? figures.creditDays : kDefaultTermDays;
        suggestion.overdueDays = std::max<qint64>(0, figures.oldestOpenDate.daysTo(asOf) - term);
    }
    suggestion.grade = gradeOf(suggestion.overdueDays, figures.yearSales);
    const double monthly = std::max(0.0, figures.yearSales) / 12;
    double line = monthly * monthsOfSales(suggestion.grade);
    // A customer within terms keeps room for what they owe now: a line below the open balance
    // would stop their next order although they have done nothing wrong.
    if (suggestion.overdueDays == 0)
        line = std::max(line, figures.balance);
    suggestion.line = std::ceil(line / kLineStep - 1e-9) * kLineStep;
    return suggestion;
}

} // namespace creditreview
