#pragma once

#include <QString>

namespace customer {

// What a reference field of the card hands its reference window before it opens: the
// parameters (as condition XML) and the SQL filter over the reference's columns, written #FN[..].
struct RefConditions
{
    QString conditionXml;
    QString filter;
};

// The conditions of the card's narrowed reference fields. Each takes the conditions as they
// came and returns them as the window is to get them.
class ReferenceConditions
{
public:
    // Makes the window offer no rows.
    static QString noRows() { return QStringLiteral("1=2"); }

    // One parameter, named without its at-sign.
    static QString conditionXml(const QString &paramName, const QString &value);

    // The customer's own delivery addresses; none before the customer has a code.
    static RefConditions address(const QString &customerCode, const RefConditions &incoming);
    // Contacts not expired by the session date that belong to no customer, or (except while a
    // customer is added) to this one.
    static RefConditions contact(bool adding, const QString &customerCode,
                                 const QString &sessionDate, const RefConditions &incoming);
    // The salespeople of the department, once a department is confirmed.
    static RefConditions salesperson(bool departmentConfirmed, const QString &department,
                                     const RefConditions &incoming);
    // The cities of a province, the counties of a city: none until the parent is chosen.
    static RefConditions subArea(const QString &parentText, const QString &parentCode,
                                 const RefConditions &incoming);

private:
    static QString customerFilter();
    static QString unexpiredFilter(const QString &sessionDate);
};

} // namespace customer
