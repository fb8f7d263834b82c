#pragma once

#include <QString>
#include <QVariantHash>

namespace customer {

// The SQL texts of one batch modification. Values are placed between single quotes with their
// quotes doubled, so that whatever a value holds it stays a value; the work repeated for every
// customer keeps one text and takes its values as variables.
namespace BatchModifyStatements {

// The archive customers are read over Customer joined with Customer_extradefine; any other
// main table (the import staging table, which has no user-defined companion) alone.
inline const QString kArchiveTable = QStringLiteral("Customer");

// The rows the modification concerns: condition is the request's (with the restriction of its
// value check), rights the user's write clause.
QString countStatement(const QString &condition, const QString &rights,
                       const QString &mainTable = kArchiveTable);
QString targetsStatement(const QString &condition, const QString &rights);
// The same customers' codes and credit flags, for the credit sums.
QString creditTargetsStatement(const QString &condition, const QString &rights);

// The value as the update writes it: NULL for a blank value, otherwise the value quoted.
QString valueExpression(const QString &value);

// The update of field to value for the rows of mainTable under condition and rights, naming
// userName as the modifier; rightsFragment (" ,iid=... " or empty) sets their rights class.
QString updateStatement(const QString &field, const QString &value, const QString &condition,
                        const QString &rights, const QString &userName,
                        const QString &rightsFragment, const QString &mainTable = kArchiveTable);

// The script that moves a customer's user rights (and its contact's) from the user of the old
// salesperson to the user of the new one. It is one text for every customer, run with the
// starting values of its variables (salespersonValues; contactId empty for no contact).
const QString &salespersonScript();
QVariantHash salespersonValues(const QString &oldPerson, const QString &newPerson,
                               const QString &customerCode, const QString &contactId);

// The contact's mobile number, for a batch on the customers' own mobile number: one text, run
// with contactMobileValues.
const QString &contactMobileStatement();
QVariantHash contactMobileValues(const QString &mobile, const QString &contactId);

} // namespace BatchModifyStatements

} // namespace customer
