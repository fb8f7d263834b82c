#pragma once

#include "plugins/creditreview/CreditFigures.h"

#include <QDate>
#include <QString>

namespace creditreview {

struct CreditSuggestion
{
    int overdueDays = 0; // days the oldest open invoice is past the payment term
    QString grade; // AAA, AA, A, B, C or D
    double line = 0; // whole thousands
};

// The grade follows how long the oldest open invoice is overdue (terms of 30 days when the
// customer has none): never overdue gives AAA, AA or A by the year's sales (from 1,000,000 and
// 200,000), up to 30 days B, up to 90 days C, more D. The line covers the months of sales the
// grade earns (AAA 3, AA 2, A 1, B a half, C and D none), and for a customer never overdue at
// least the open balance, rounded up to a thousand.
CreditSuggestion suggestCredit(const CreditFigures &figures, const QDate &asOf);

} // namespace creditreview
