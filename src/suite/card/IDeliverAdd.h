#pragma once

#include "suite/card/ISubRecordDialog.h"

namespace suite {

// The customer's delivery addresses (table CusDeliverAdd). The fragment's root is Addr; when a
// row is the default, the fragment ends with <GUID> naming that row's cCusAddressGUID, the
// customer's own address.
class IDeliverAdd : public ISubRecordDialog
{
public:
    static constexpr const char *kProgId = "CusDeliverAdd.IDeliverAdd";
};

} // namespace suite
