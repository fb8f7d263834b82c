#pragma once

#include "card/CardFields.h"

#include <QString>

namespace suite {
class IClsCommon;
class RecordSet;
} // namespace suite

namespace customer {

// The credit company of a customer: the customer whose credit settings it follows. Naming one
// on the card takes over its credit and credit-date checks, credit line and credit days, and
// fills the protocols the card leaves empty.
class CreditCompany
{
public:
    explicit CreditCompany(suite::IClsCommon &service);

    static QString statement(const QString &companyCode);
    // True when the card took the settings of the credit company; a customer is not its own
    // credit company, and an unknown one changes nothing.
    bool takeSettings(CardFields &card, const QString &companyCode, const QString &customerCode);
    static void copySettings(CardFields &card, const suite::RecordSet &company);

private:
    suite::IClsCommon &m_service;
};

} // namespace customer
