#pragma once

#include <QString>

#include <optional>

namespace suite {
class IClsCommon;
class IPub;
} // namespace suite

namespace customer {

// The authority dimensions a customer must carry rights for before it is saved. Only when the
// customer archive controls its rights by dimensions: each controlled dimension (department,
// the four free dimensions, the customer dimension) needs at least one row of its type in the
// customer's privilege list. The privilege list is the one the card keeps; when it has none,
// the rights stored for the customer are read instead.
class AuthDimensionCheck
{
public:
    AuthDimensionCheck(suite::IClsCommon &service, suite::IPub &pub);

    // The message naming the dimensions without rights; nothing when all are covered.
    std::optional<QString> CheckAuthDims(const QString &customerCode, const QString &rightsXml);

    static QString controlStatement();
    static QString dimensionNamesStatement();
    // The customer's stored rights, one row per right, its privilege type first.
    QString storedRightsStatement(const QString &customerCode);

private:
    suite::IClsCommon &m_service;
    suite::IPub &m_pub;
};

} // namespace customer
