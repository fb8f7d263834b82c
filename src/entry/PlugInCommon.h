#pragma once

#include <memory>

namespace suite {
class IClsCommon;
class ILogin;
class PlugInCollection;
} // namespace suite

namespace customer {

// Loads the customer-archive plug-ins of the account once per collection and hands them the
// data service. True when plug-ins are in use; False when none could be loaded, after telling
// the user once per configured plug-in that is missing on this client (only when the account
// has plug-ins enabled). A collection already given is only handed the data service again.
bool LoadArchivePlugIns(const std::shared_ptr<suite::ILogin> &oLogin,
                        const std::shared_ptr<suite::IClsCommon> &oDbSrv,
                        std::shared_ptr<suite::PlugInCollection> &plugIns);

} // namespace customer
