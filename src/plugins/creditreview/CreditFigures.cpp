#include "plugins/creditreview/CreditFigures.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"

namespace creditreview {

namespace {

// A money amount is exact to four decimals; an invoice counts as paid once less than half a cent
// of it is open.
constexpr double kPaidBelow = 0.005;

QDate dateOf(const QVariant &value)
{
    return QDate::fromString(value.toString().left(10), Qt::ISODate);
}

QString dateText(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

} // namespace

CreditFiguresReader::CreditFiguresReader(suite::IClsCommon &service)
    : m_service(service)
{ }

bool CreditFiguresReader::read(const QString &code, const QDate &asOf, CreditFigures &figures,
                               QString &sMsg)
{
    figures = CreditFigures();
    double receipts = 0;
    return readTotals(code, asOf, figures, receipts, sMsg)
        && readOldestOpen(code, receipts, figures, sMsg) && readCreditSums(code, figures, sMsg);
}

bool CreditFiguresReader::readTotals(const QString &code, const QDate &asOf, CreditFigures &figures,
                                     double &receipts, QString &sMsg)
{
    const suite::RecordSet totals = m_service.OpenX(
        QStringLiteral("select isnull(sum(iDAmount),0) as fDebit, isnull(sum(iCAmount),0) as "
                       "fCredit, isnull(sum(case when dVouchDate>='%2' and dVouchDate<'%3' then "
                       "iDAmount else 0 end),0) as fYearSales from Ar_Detail where cDwCode='%1'")
            .arg(suite::sqlQuote(code), dateText(asOf.addYears(-1).addDays(1)),
                 dateText(asOf.addDays(1))));
    if (!totals.IsOpen() || totals.RecordCount() == 0) {
        sMsg = m_service.LastError();
        return false;
    }
    const double invoices = totals.valueAt(0, 0).toDouble();
    receipts = totals.valueAt(0, 1).toDouble();
    figures.balance = invoices - receipts;
    figures.yearSales = totals.valueAt(0, 2).toDouble();
    return true;
}

// Walks the invoices oldest first until their sum passes what was received: that invoice is
// the oldest one still open.
bool CreditFiguresReader::readOldestOpen(const QString &code, double receipts,
                                         CreditFigures &figures, QString &sMsg)
{
    double invoiced = 0;
    QString lastDate;
    qint64 lastId = 0;
    for (;;) {
        const QString after = lastDate.isEmpty()
            ? QString()
            : QStringLiteral(" and (dVouchDate>'%1' or (dVouchDate='%1' and Auto_ID>%2))")
                  .arg(suite::sqlQuote(lastDate))
                  .arg(lastId);
        const suite::RecordSet page = m_service.OpenX(
            QStringLiteral("select top %1 Auto_ID, dVouchDate, cVouchID, iDAmount from Ar_Detail "
                           "where cDwCode='%2' and iDAmount<>0%3 order by dVouchDate, Auto_ID")
                .arg(kPageRows)
                .arg(suite::sqlQuote(code), after));
        if (!page.IsOpen()) {
            sMsg = m_service.LastError();
            return false;
        }
        for (int row = 0; row < page.RecordCount(); ++row) {
            const double amount = page.valueAt(row, 3).toDouble();
            invoiced += amount;
            if (invoiced - receipts >= kPaidBelow) {
                figures.oldestOpenDate = dateOf(page.valueAt(row, 1));
                figures.oldestOpenVoucher = page.valueAt(row, 2).toString();
                figures.oldestOpenAmount = std::min(amount, invoiced - receipts);
                return true;
            }
        }
        if (page.RecordCount() < kPageRows)
            return true;
        lastId = page.valueAt(page.RecordCount() - 1, 0).toLongLong();
        lastDate = page.valueAt(page.RecordCount() - 1, 1).toString();
    }
}

// A customer without a credit company draws on its own line.
bool CreditFiguresReader::readCreditSums(const QString &code, CreditFigures &figures, QString &sMsg)
{
    const suite::RecordSet customer = m_service.OpenX(
        QStringLiteral("select cCusCreditCompany, iCusCreDate from Customer where cCusCode='%1'")
            .arg(suite::sqlQuote(code)));
    if (!customer.IsOpen()) {
        sMsg = m_service.LastError();
        return false;
    }
    figures.creditCompany = code;
    if (customer.RecordCount() > 0) {
        const QString company = customer.valueAt(0, 0).toString().trimmed();
        if (!company.isEmpty())
            figures.creditCompany = company;
        figures.creditDays = customer.valueAt(0, 1).toInt();
    }
    const suite::RecordSet sums = m_service.OpenX(
        QStringLiteral("select fCreditLine, fUsed, fAvailable from SA_CusCreditSum where "
                       "cCusCode='%1'")
            .arg(suite::sqlQuote(figures.creditCompany)));
    if (!sums.IsOpen()) {
        sMsg = m_service.LastError();
        return false;
    }
    figures.creditSumsKnown = sums.RecordCount() > 0;
    if (figures.creditSumsKnown) {
        figures.creditLine = sums.valueAt(0, 0).toDouble();
        figures.creditUsed = sums.valueAt(0, 1).toDouble();
        figures.creditAvailable = sums.valueAt(0, 2).toDouble();
    }
    return true;
}

} // namespace creditreview
