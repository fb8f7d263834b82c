#include "suite/data/CustomerTradeName.h"

#include "suite/data/DataBackend.h"

namespace suite {

CustomerTradeName::CustomerTradeName(DataBackend &backend)
    : m_backend(backend)
{ }

bool CustomerTradeName::readBefore(const QString &customerCode, QString &sMsg)
{
    const RecordSet stored = m_backend.connection().queryStatement(
        QStringLiteral("select cCusTradeCCode from Customer where cCusCode = ?"), { customerCode },
        sMsg);
    if (!stored.IsOpen())
        return false;
    m_codeBefore = stored.RecordCount() > 0 ? stored.valueAt(0, 0).toString() : QString();
    return true;
}

bool CustomerTradeName::derive(const QString &customerCode, const QString &tradeCode, QString &sMsg)
{
    SqlConnection &connection = m_backend.connection();
    if (tradeCode.trimmed().isEmpty()) {
        if (m_codeBefore.trimmed().isEmpty())
            return true;
        return connection.executeStatement(
            QStringLiteral("update Customer set cTrade = null where cCusCode = ?"),
            { customerCode }, sMsg);
    }
    const RecordSet trade = connection.queryStatement(
        QStringLiteral("select cTradeCName from TradeClass where cTradeCCode = ?"), { tradeCode },
        sMsg);
    if (!trade.IsOpen())
        return false;
    if (trade.RecordCount() == 0)
        return true;
    const QString name = trade.valueAt(0, 0).toString();
    return connection.executeStatement(
        QStringLiteral("update Customer set cTrade = ? where cCusCode = ?"
                       " and coalesce(cTrade, '') <> ?"),
        { name, customerCode, name }, sMsg);
}

} // namespace suite
