#pragma once

#include <functional>

namespace suite {
class IPub;
} // namespace suite

namespace customer {

// Changes on the card that are not saved yet, before the card shows another customer or closes:
// the user saves them, drops them or stays. True when they are kept and whatever asked must
// stop: the user cancelled, or the save did not go through (it has told why).
bool keepPendingChanges(suite::IPub &pub, const std::function<bool()> &save);

} // namespace customer
