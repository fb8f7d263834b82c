#pragma once

#include "card/CardFields.h"

#include <QString>

namespace suite {
class IClsCommon;
class IPub;
class RecordSet;
} // namespace suite

namespace customer {

// The vendor a customer is related to (the same company buying and selling): once named on the
// card, its name, district, trade, addresses and contact details may fill the card, if the user
// agrees.
class RelatedVendor
{
public:
    RelatedVendor(suite::IClsCommon &service, suite::IPub &pub);

    static QString statement(const QString &vendorCode);
    suite::RecordSet OpenVendorInfo(const QString &vendorCode);
    // Asks the user first; true when the card took the vendor's details. A vendor without a
    // row changes nothing.
    bool SyncVendorInfo(CardFields &card, const suite::RecordSet &vendor);

private:
    suite::IClsCommon &m_service;
    suite::IPub &m_pub;
};

} // namespace customer
