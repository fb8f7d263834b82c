#pragma once

#include <QString>

namespace suite {

class DataBackend;

// The credit figures of customers, recomputed from the receivables ledger (Ar_Detail):
//
// - on Customer: iARMoney, the balance (debits less credits); dLastDate and iLastMoney, the
//   latest sale (a debit); dLRDate and iLRMoney, the latest receipt (a credit); the latest
//   voucher is the one of the latest date, the later voucher number among those of one day;
// - on SA_CusCreditSum, per customer: its credit line, the credit used (the balances of the
//   customers that name it as credit company, and its own when it names none) and what is
//   left of the line.
//
// The credit settings (bCredit, iCusCreLine, iCusCreDate, the protocols) are the user's and are
// not touched.
class CustomerCredit
{
public:
    explicit CustomerCredit(DataBackend &backend);

    // The upsert of the credit sums of the customers (alias c) that customerFilter selects; its
    // first parameter is the time of the update, the filter's own follow.
    static QString creditSumsStatement(const QString &customerFilter);

    // Every customer when code is empty, else that one. changed receives the customers whose
    // receivable figures differed from the stored ones; customers the customers recomputed.
    bool recompute(const QString &code, qint64 &customers, qint64 &changed, QString &sMsg);

private:
    bool updateReceivables(const QString &code, qint64 &changed, QString &sMsg);
    bool updateCreditSums(const QString &code, QString &sMsg);

    DataBackend &m_backend;
};

} // namespace suite
