#include "suite/data/CompanyProcedures.h"

#include <QDateTime>

namespace suite {

namespace {

bool takesOneCode(const QString &procedure, const QVariantList &arguments, QString &sMsg)
{
    if (arguments.size() == 1 && !arguments.front().toString().isEmpty())
        return true;
    sMsg = QStringLiteral("%1 takes one argument, a customer code; it was given %2.")
               .arg(procedure)
               .arg(arguments.size() == 1 ? QStringLiteral("an empty one")
                                          : QString::number(arguments.size()));
    return false;
}

// Amounts are rounded to the four decimals of the money type, which sums of binary fractions
// would otherwise miss (7577.310000000001).
//
// Debits (sales) raise what the customer owes, credits (receipts) lower it. The last sale
// gives dLastDate / iLastMoney, the last receipt dLRDate / iLRMoney; the latest is the one of
// the latest voucher date, the later voucher number among those of one day.
bool updateArBalance(SqlConnection &connection, const QVariantList &arguments, RecordSet &result,
                     QString &sMsg)
{
    static const QString procedure = QStringLiteral("TCPro_UpCustomerArBalance");
    if (!takesOneCode(procedure, arguments, sMsg))
        return false;
    const QString code = arguments.front().toString();
    static const QString latest = QStringLiteral("from Ar_Detail where cDwCode = ? and %1 <> 0 "
                                                 "order by dVouchDate desc, cVouchID desc limit 1");
    const QString latestSale = latest.arg(QStringLiteral("iDAmount"));
    const QString latestReceipt = latest.arg(QStringLiteral("iCAmount"));
    const QString update =
        QStringLiteral(
            "update Customer set"
            " iARMoney = (select round(coalesce(sum(iDAmount), 0) - coalesce(sum(iCAmount), 0), 4)"
            " from Ar_Detail where cDwCode = ?),"
            " dLastDate = (select dVouchDate %1), iLastMoney = (select iDAmount %1),"
            " dLRDate = (select dVouchDate %2), iLRMoney = (select iCAmount %2)"
            " where cCusCode = ?")
            .arg(latestSale, latestReceipt);
    qint64 changed = 0;
    if (!connection.executeStatement(update, QVariantList(6, code), sMsg, &changed))
        return false;
    if (changed == 0) {
        sMsg = QStringLiteral("%1: no customer has the code '%2'.").arg(procedure, code);
        return false;
    }
    result = connection.queryStatement(
        QStringLiteral(
            "select cCusCode, iARMoney, dLastDate, iLastMoney, dLRDate, iLRMoney from Customer"
            " where cCusCode = ?"),
        { code }, sMsg);
    return result.IsOpen();
}

// A customer whose credit company is empty vouches for itself.
bool updateCreditSum(SqlConnection &connection, const QVariantList &arguments, RecordSet &result,
                     QString &sMsg)
{
    static const QString procedure = QStringLiteral("SA_UpdateCusCreditSum");
    if (!takesOneCode(procedure, arguments, sMsg))
        return false;
    const QString code = arguments.front().toString();
    static const QString upsert = QStringLiteral(
        "insert into SA_CusCreditSum (cCusCode, fCreditLine, fUsed, fAvailable, dUpdate)"
        " select c.cCusCode, coalesce(c.iCusCreLine, 0), u.used,"
        " round(coalesce(c.iCusCreLine, 0) - u.used, 4), ?"
        " from Customer c, (select round(coalesce(sum(iARMoney), 0), 4) as used from Customer"
        " where cCusCreditCompany = ?"
        " or (cCusCode = ? and coalesce(cCusCreditCompany, '') = '')) u"
        " where c.cCusCode = ?"
        " on conflict (cCusCode) do update set fCreditLine = excluded.fCreditLine,"
        " fUsed = excluded.fUsed, fAvailable = excluded.fAvailable, dUpdate = excluded.dUpdate");
    qint64 changed = 0;
    if (!connection.executeStatement(upsert, { QDateTime::currentDateTime(), code, code, code },
                                     sMsg, &changed))
        return false;
    if (changed == 0) {
        sMsg = QStringLiteral("%1: no customer has the code '%2'.").arg(procedure, code);
        return false;
    }
    result = connection.queryStatement(
        QStringLiteral("select cCusCode, fCreditLine, fUsed, fAvailable, dUpdate"
                       " from SA_CusCreditSum where cCusCode = ?"),
        { code }, sMsg);
    return result.IsOpen();
}

} // namespace

QList<NamedProcedure> companyProcedures()
{
    return {
        { QStringLiteral("TCPro_UpCustomerArBalance"), &updateArBalance },
        { QStringLiteral("SA_UpdateCusCreditSum"), &updateCreditSum },
    };
}

} // namespace suite
