#pragma once

#include "suite/ref/ReferenceSettings.h"

#include <QString>

namespace suite {

struct ReferenceDefinition;

// A reference filter made a condition on the reference's table: each #FN[column] becomes the
// column of that table ("#FN[cCusCode]" on Crm_Contact gives "Crm_Contact.cCusCode") and each
// @parameter becomes its value as a quoted literal (N'...', quotes doubled), so that no value
// can change the statement. Text between single quotes is copied as it is. False with sMsg
// for a column that is no plain name or a parameter the conditions do not give.
bool expandReferenceFilter(const QString &filter, const ReferenceDefinition &reference,
                           const ReferenceParameters &parameters, QString &condition,
                           QString &sMsg);

} // namespace suite
