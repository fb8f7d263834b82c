#pragma once

#include "entry/ArchiveEntry.h"

namespace customer {

// The public entry class of the customer archive.
class ClsCustomer final : public ArchiveEntry
{
public:
    static constexpr const char *kProgId = "Customer.ClsCustomer";

    static std::shared_ptr<ClsCustomer> create();

private:
    ClsCustomer();
};

// The entry class of the import staging list: the same roads over its own list window,
// function and rights.
class ClsCustomer_import final : public ArchiveEntry
{
public:
    static constexpr const char *kProgId = "Customer.ClsCustomer_import";

    static std::shared_ptr<ClsCustomer_import> create();

private:
    ClsCustomer_import();
};

// Makes both entry classes creatable by their ProgIDs.
void registerCustomerComponent();

} // namespace customer
