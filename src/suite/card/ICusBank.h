#pragma once

#include "suite/card/ISubRecordDialog.h"

namespace suite {

// The customer's bank accounts (table CustomerBank).
class ICusBank : public ISubRecordDialog
{
public:
    static constexpr const char *kProgId = "CustomerBank.ICusBank";
};

} // namespace suite
