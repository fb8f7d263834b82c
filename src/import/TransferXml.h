#pragma once

#include "import/StagingRow.h"

#include <QString>

namespace customer {

// What the transfer XML takes besides the staging row: the operator, the server time and the
// two defaults read once per transfer.
struct TransferXmlContext
{
    QString userId;
    QString userName;
    QString serverTime; // creation and modification time of the records written
    QString defaultManagementType; // tc_type's default customer type; empty when none
    QString accountCurrency; // the account's currency name; empty when unknown
};

// The customer record XML of one staging row for the data service's Add (opt 1) or Modify
// (opt 2): the root with the numbering attributes, then one element per field the row holds,
// in the archive's fixed order, with the fall-backs for the short name, the management type,
// the development date, the currency and the credit company. bLtcFlag writes the row under
// its marketing-service code. Every value is escaped, so a staged value is always one value.
QString transferXml(const StagingRow &row, int opt, bool bLtcFlag, const TransferXmlContext &ctx);

} // namespace customer
