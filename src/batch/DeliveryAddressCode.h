#pragma once

#include <QString>
#include <QStringList>

namespace customer {

// The code of a customer's next delivery address.
struct DeliveryAddressCode
{
    QString code;
    // The first address of a customer becomes its default one.
    bool isDefault = false;
    // The number has outgrown four digits; the user is told before it is used.
    bool beyondFourDigits = false;
};

// The next code after the customer's address codes, read in descending order: the first code
// that is a number above 0 gives that number plus 1, four digits with leading zeros ("0011"),
// or more digits as they come ("10000"). Without such a code it is "0001", the default only
// when the customer has no address at all.
DeliveryAddressCode nextDeliveryAddressCode(const QStringList &codesDescending);

} // namespace customer
