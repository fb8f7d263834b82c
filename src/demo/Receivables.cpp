#include "demo/Receivables.h"

#include "demo/SqlText.h"

#include <algorithm>

namespace demo {

namespace {

struct Voucher
{
    QDate date;
    bool receipt = false;
    double amount = 0;
};

} // namespace

ReceivableSummary Receivables::make(DemoRandom &random, const Owner &owner,
                                    QList<QVariantList> &rows)
{
    ReceivableSummary summary;
    const int span = int(firstDay().daysTo(lastDay()));
    QList<Voucher> vouchers;
    const int invoices = random.between(1, 3);
    for (int n = 0; n < invoices; ++n) {
        const QDate date = firstDay().addDays(random.below(span));
        const double amount = cents(owner.typicalInvoice * (0.3 + random.unit() * 1.4));
        vouchers.append({ date, false, amount });
        // Most invoices are paid within two months, some only in part, some not yet.
        const QDate paid = date.addDays(random.between(10, 60));
        if (paid <= lastDay() && random.chance(0.75))
            vouchers.append({ paid, true, random.chance(0.8) ? amount : cents(amount / 2) });
    }
    std::stable_sort(vouchers.begin(), vouchers.end(),
                     [](const Voucher &a, const Voucher &b) { return a.date < b.date; });
    for (const Voucher &voucher : vouchers) {
        const QString number = voucher.receipt
            ? QStringLiteral("SK%1").arg(++m_receiptNumber, 8, 10, QLatin1Char('0'))
            : QStringLiteral("XS%1").arg(++m_invoiceNumber, 8, 10, QLatin1Char('0'));
        rows.append({ owner.customerCode, sqlDateTime(voucher.date),
                      voucher.receipt ? QStringLiteral("48") : QStringLiteral("26"), number,
                      voucher.receipt ? QStringLiteral("收款单") : QStringLiteral("销售专用发票"),
                      owner.department, owner.salesperson, owner.currency,
                      voucher.receipt ? 0.0 : voucher.amount,
                      voucher.receipt ? voucher.amount : 0.0 });
        if (voucher.receipt) {
            summary.balance -= voucher.amount;
            summary.lastReceipt = voucher.date;
            summary.lastReceiptAmount = voucher.amount;
        } else {
            summary.balance += voucher.amount;
            summary.lastSale = voucher.date;
            summary.lastSaleAmount = voucher.amount;
            ++summary.invoices;
        }
    }
    summary.balance = cents(summary.balance);
    return summary;
}

} // namespace demo
