#pragma once

#include <QString>

class QWidget;

namespace suite {

// The right a user has on one field of a card: none, read only, or read and change.
enum FieldAuthLevel { kFieldAuthNone = 0, kFieldAuthRead = 1, kFieldAuthWrite = 2 };

// The level of cField from the column-rights texts of the login: cColAuthR lists the fields the
// user may read but not change, cColAuthN those the user may neither read nor change (both
// comma-separated; "*" in cColAuthR leaves every field readable and changeable). A qualified
// name such as Customer.cCusName is matched by its last part, and case does not count.
FieldAuthLevel fieldAuthLevel(const QString &cField, const QString &cColAuthR,
                              const QString &cColAuthN);

// Sets a control to a level: a field that may not be read is disabled and emptied, one that
// may only be read becomes read-only (editors) or disabled (other controls). The level is kept
// in the control's property "fieldAuthLevel" for the code that fills it later.
void applyFieldAuthLevel(QWidget *control, FieldAuthLevel level);

} // namespace suite
