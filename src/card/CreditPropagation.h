#pragma once

#include "card/CardFields.h"

#include <QString>

namespace suite {
class IClsCommon;
class IPub;
} // namespace suite

namespace customer {

// After a customer was modified: the customers that name it as their credit company take its
// changed credit settings (credit and credit-date checks, the five protocols, credit line and
// credit days), when the user agrees. The settings as loaded are kept in the tags of their
// controls; only a change against them leads to the question.
class CreditPropagation
{
public:
    CreditPropagation(const CardFields &fields, suite::IClsCommon &service, suite::IPub &pub);

    // True when the dependants were updated.
    bool propagate(const QString &customerCode);

    bool changedSinceLoad() const;
    static QString dependantsStatement(const QString &customerCode);
    QString updateStatement(const QString &customerCode) const;

private:
    bool hasDependants(const QString &customerCode) const;
    bool userAgrees() const;
    QString checkValue(const char *control) const;
    QString quotedText(const char *control) const;
    QString numberText(const QString &control, int index) const;

    const CardFields &m_fields;
    suite::IClsCommon &m_service;
    suite::IPub &m_pub;
};

} // namespace customer
