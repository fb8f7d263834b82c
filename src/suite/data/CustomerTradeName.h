#pragma once

#include <QString>

namespace suite {

class DataBackend;

// The customer's industry (cTrade) is the name of its trade class (cCusTradeCCode), kept by the
// data service on every write of a record that names the trade class: the card sends the code in
// both elements, so what it sends as cTrade is never stored. A trade class that does not exist
// leaves the industry as it was; a trade class the user cleared clears it.
class CustomerTradeName
{
public:
    explicit CustomerTradeName(DataBackend &backend);

    // The trade class the customer has before the write; none for a new customer.
    bool readBefore(const QString &customerCode, QString &sMsg);
    // Brings the industry of the written customer in line with tradeCode.
    bool derive(const QString &customerCode, const QString &tradeCode, QString &sMsg);

private:
    DataBackend &m_backend;
    QString m_codeBefore;
};

} // namespace suite
