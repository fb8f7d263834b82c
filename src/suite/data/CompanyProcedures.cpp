#include "suite/data/CompanyProcedures.h"

#include "suite/data/CustomerCredit.h"

#include <QDateTime>
#include <QSet>

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

// Customer codes, each once, in the order given; none of them empty.
bool takesCodes(const QString &procedure, const QVariantList &arguments, QStringList &codes,
                QString &sMsg)
{
    for (const QVariant &argument : arguments) {
        const QString code = argument.toString();
        if (code.isEmpty()) {
            sMsg = QStringLiteral("%1 takes customer codes; one of them is empty.").arg(procedure);
            return false;
        }
        if (!codes.contains(code))
            codes.append(code);
    }
    if (!codes.isEmpty())
        return true;
    sMsg = QStringLiteral("%1 takes one or more customer codes; it was given none.").arg(procedure);
    return false;
}

QString placeholders(qsizetype count)
{
    QStringList marks(count, QStringLiteral("?"));
    return marks.join(u',');
}

// Fails naming the first code that no customer has.
bool allCustomersExist(SqlConnection &connection, const QString &procedure,
                       const QStringList &codes, const QVariantList &parameters, QString &sMsg)
{
    const RecordSet customers = connection.queryStatement(
        QStringLiteral("select cCusCode from Customer where cCusCode in (%1)")
            .arg(placeholders(codes.size())),
        parameters, sMsg);
    if (!customers.IsOpen())
        return false;
    QSet<QString> found;
    for (int row = 0; row < customers.RecordCount(); ++row)
        found.insert(customers.valueAt(row, 0).toString().toLower());
    for (const QString &code : codes) {
        if (!found.contains(code.toLower())) {
            sMsg = QStringLiteral("%1: no customer has the code '%2'.").arg(procedure, code);
            return false;
        }
    }
    return true;
}

// The credit sums of several customers are written by one statement, for a batch that changes
// thousands of customers at once. A code that no customer has writes nothing.
bool updateCreditSum(SqlConnection &connection, const QVariantList &arguments, RecordSet &result,
                     QString &sMsg)
{
    static const QString procedure = QStringLiteral("SA_UpdateCusCreditSum");
    QStringList codes;
    if (!takesCodes(procedure, arguments, codes, sMsg))
        return false;
    QVariantList parameters;
    for (const QString &code : std::as_const(codes))
        parameters.append(code);
    if (!allCustomersExist(connection, procedure, codes, parameters, sMsg))
        return false;
    const QString among = QStringLiteral("(%1)").arg(placeholders(codes.size()));
    if (!connection.executeStatement(
            CustomerCredit::creditSumsStatement(QStringLiteral("c.cCusCode in ") + among),
            QVariantList{ QDateTime::currentDateTime() } + parameters, sMsg)) {
        return false;
    }
    result = connection.queryStatement(
        QStringLiteral("select cCusCode, fCreditLine, fUsed, fAvailable, dUpdate"
                       " from SA_CusCreditSum where cCusCode in %1 order by cCusCode")
            .arg(among),
        parameters, sMsg);
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
