#pragma once

#include "suite/card/ISubRecordDialog.h"

namespace suite {

// The rights dimensions of a customer (table customer_auth): each row a Privilege_Type and a
// Privilege_ID in it.
class ICusDimension : public ISubRecordDialog
{
public:
    static constexpr const char *kProgId = "TarnCusDimension.ICusDimension";
};

} // namespace suite
