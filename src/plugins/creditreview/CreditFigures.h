#pragma once

#include <QDate>
#include <QString>

namespace suite {
class IClsCommon;
}

namespace creditreview {

// What the receivables ledger says about one customer on a business date.
struct CreditFigures
{
    double balance = 0; // debits less credits, all time
    double yearSales = 0; // debits of the twelve months up to the business date
    // The oldest invoice not yet covered by the receipts, the receipts settling the oldest
    // invoices first; no date when everything is paid.
    QDate oldestOpenDate;
    QString oldestOpenVoucher;
    double oldestOpenAmount = 0; // the part of that invoice still open
    int creditDays = 0; // the customer's payment term; 0 when none is set
    QString creditCompany; // the customer whose credit line this one draws on
    bool creditSumsKnown = false; // the credit company has computed credit sums
    double creditLine = 0;
    double creditUsed = 0;
    double creditAvailable = 0;
};

// Reads a customer's credit figures through the data service the card handed the plug-in:
// the receivables ledger (Ar_Detail), the customer's credit settings and its credit company's
// credit sums (SA_CusCreditSum). The open invoices are read a page at a time in date order, so
// that a long ledger costs no more memory than a short one.
class CreditFiguresReader
{
public:
    explicit CreditFiguresReader(suite::IClsCommon &service);

    // False, with the reason in sMsg, when a statement could not be run.
    bool read(const QString &code, const QDate &asOf, CreditFigures &figures, QString &sMsg);

    static constexpr int kPageRows = 200;

private:
    bool readTotals(const QString &code, const QDate &asOf, CreditFigures &figures,
                    double &receipts, QString &sMsg);
    bool readOldestOpen(const QString &code, double receipts, CreditFigures &figures,
                        QString &sMsg);
    bool readCreditSums(const QString &code, CreditFigures &figures, QString &sMsg);

    suite::IClsCommon &m_service;
};

} // namespace creditreview
