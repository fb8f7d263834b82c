#pragma once

#include "suite/card/ISubRecordDialog.h"

namespace suite {

// The units a customer's invoices go to (table CustomerInvoiceCorp).
class ICusInvoiceCorp : public ISubRecordDialog
{
public:
    static constexpr const char *kProgId = "TarnInvoiceCorp.ICusInvoiceCorp";
};

} // namespace suite
