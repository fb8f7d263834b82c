#pragma once

#include <QString>

namespace suite {
class IClsCommon;
} // namespace suite

namespace customer {

// The delivery address rows that follow a batch change of the customers' address: the address
// row the customer's address GUID names takes the new text, is added, or is removed when the
// address is cleared.
class DeliveryAddresses
{
public:
    explicit DeliveryAddresses(suite::IClsCommon &service);

    // False when the customer's address row could not be written. addressGuid is empty for a
    // customer without one; it then gets a new GUID.
    bool follow(const QString &customerCode, const QString &addressGuid, const QString &address);

private:
    bool addRow(const QString &customerCode, const QString &addressGuid, const QString &address);
    bool giveNewGuid(const QString &customerCode, QString &guid);
    bool hasRows(const QString &customerCode);

    suite::IClsCommon &m_service;
};

} // namespace customer
