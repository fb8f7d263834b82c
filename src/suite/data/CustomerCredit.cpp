#include "suite/data/CustomerCredit.h"

#include "suite/data/DataBackend.h"

#include <QDateTime>

namespace suite {

namespace {

// Amounts are rounded to the four decimals of the money type, which sums of binary fractions
// would otherwise miss.
const QString kReceivables = QStringLiteral(
    "with figures as (select c.cCusCode as code,"
    " (select round(coalesce(sum(iDAmount), 0) - coalesce(sum(iCAmount), 0), 4) from Ar_Detail"
    "  where cDwCode = c.cCusCode) as balance,"
    " (select dVouchDate %1) as saleDate, (select iDAmount %1) as sale,"
    " (select dVouchDate %2) as receiptDate, (select iCAmount %2) as receipt"
    " from Customer c where %3)"
    " update Customer set iARMoney = f.balance, dLastDate = f.saleDate, iLastMoney = f.sale,"
    " dLRDate = f.receiptDate, iLRMoney = f.receipt from figures f"
    " where Customer.cCusCode = f.code and (Customer.iARMoney is distinct from f.balance"
    " or Customer.dLastDate is distinct from f.saleDate"
    " or Customer.iLastMoney is distinct from f.sale"
    " or Customer.dLRDate is distinct from f.receiptDate"
    " or Customer.iLRMoney is distinct from f.receipt)");

const QString kLatest = QStringLiteral("from Ar_Detail where cDwCode = c.cCusCode and %1 <> 0"
                                       " order by dVouchDate desc, cVouchID desc limit 1");

// Every customer, or the one of code. Two texts rather than "? = '' or code = ?", which
// SQLite answers by reading every customer even for one.
QString customersOf(const QString &code)
{
    return code.isEmpty() ? QStringLiteral("1=1") : QStringLiteral("c.cCusCode = ?");
}

QVariantList parametersOf(const QString &code)
{
    return code.isEmpty() ? QVariantList() : QVariantList{ code };
}

} // namespace

CustomerCredit::CustomerCredit(DataBackend &backend)
    : m_backend(backend)
{ }

// A customer whose credit company is empty vouches for itself.
QString CustomerCredit::creditSumsStatement(const QString &customerFilter)
{
    return QStringLiteral(
               "insert into SA_CusCreditSum (cCusCode, fCreditLine, fUsed, fAvailable, dUpdate)"
               " select code, line, used, round(line - used, 4), ? from (select c.cCusCode as"
               " code, coalesce(c.iCusCreLine, 0) as line,"
               " (select round(coalesce(sum(m.iARMoney), 0), 4) from Customer m"
               "  where m.cCusCreditCompany = c.cCusCode"
               "  or (m.cCusCode = c.cCusCode and coalesce(m.cCusCreditCompany, '') = '')) as used"
               " from Customer c where %1) sums where true"
               " on conflict (cCusCode) do update set fCreditLine = excluded.fCreditLine,"
               " fUsed = excluded.fUsed, fAvailable = excluded.fAvailable,"
               " dUpdate = excluded.dUpdate")
        .arg(customerFilter);
}

bool CustomerCredit::recompute(const QString &code, qint64 &customers, qint64 &changed,
                               QString &sMsg)
{
    const RecordSet count = m_backend.connection().queryStatement(
        QStringLiteral("select count(*) from Customer c where ") + customersOf(code),
        parametersOf(code), sMsg);
    if (!count.IsOpen())
        return false;
    customers = count.valueAt(0, 0).toLongLong();
    return updateReceivables(code, changed, sMsg) && updateCreditSums(code, sMsg);
}

bool CustomerCredit::updateReceivables(const QString &code, qint64 &changed, QString &sMsg)
{
    const QString sql =
        kReceivables.arg(kLatest.arg(QStringLiteral("iDAmount")),
                         kLatest.arg(QStringLiteral("iCAmount")), customersOf(code));
    return m_backend.connection().executeStatement(sql, parametersOf(code), sMsg, &changed);
}

bool CustomerCredit::updateCreditSums(const QString &code, QString &sMsg)
{
    TableColumns columns;
    QString noTable;
    if (!m_backend.tableColumns(QStringLiteral("SA_CusCreditSum"), columns, noTable))
        return true;
    return m_backend.connection().executeStatement(
        creditSumsStatement(customersOf(code)),
        QVariantList{ QDateTime::currentDateTime() } + parametersOf(code), sMsg);
}

} // namespace suite
