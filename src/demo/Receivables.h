#pragma once

#include "demo/DemoRandom.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVariantList>

namespace demo {

// What a customer's receivables ledger adds up to: the figures the customer record keeps
// (balance, last sale, last receipt) so that the balance procedure finds them unchanged.
struct ReceivableSummary
{
    double balance = 0;
    int invoices = 0;
    QDate lastSale;
    double lastSaleAmount = 0;
    QDate lastReceipt;
    double lastReceiptAmount = 0;
};

// The demo year's sales invoices (debits, voucher type 26) and receipts (credits, 48) of one
// customer, in date order, as rows of Ar_Detail.
class Receivables
{
public:
    struct Owner
    {
        QString customerCode;
        QString department;
        QString salesperson;
        QString currency;
        double typicalInvoice = 0; // amounts scatter around it
    };

    ReceivableSummary make(DemoRandom &random, const Owner &owner, QList<QVariantList> &rows);

    static QDate firstDay() { return QDate(2026, 1, 5); }
    static QDate lastDay() { return QDate(2026, 11, 30); }

private:
    qint64 m_invoiceNumber = 0;
    qint64 m_receiptNumber = 0;
};

} // namespace demo
