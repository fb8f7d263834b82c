#pragma once

#include <QString>

namespace suite {
class IClsCommon;
} // namespace suite

namespace customer {

// The department a salesperson works in, which a customer's department follows when the card
// names the salesperson first.
class SalespersonDepartment
{
public:
    explicit SalespersonDepartment(suite::IClsCommon &service);

    static QString statement(const QString &personCode);
    // Empty for an unknown salesperson.
    QString GetPersonDept(const QString &personCode);

private:
    suite::IClsCommon &m_service;
};

} // namespace customer
