#pragma once

namespace map {
class MapWindow;
}

namespace customer {

// The map window of the session: made on first use with the session's public service, login
// and data service, kept until the session ends, so that its results outlive each showing.
// nullptr, once the user has been told why, when the map module cannot be loaded.
map::MapWindow *sessionMapWindow();
// Ends the session's map window (when the session context is reset).
void releaseSessionMapWindow();

} // namespace customer
