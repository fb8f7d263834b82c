#pragma once

#include <QString>

namespace customer {
class FrmCus;
}
namespace map {
class MapWindow;
}

namespace host {

// The map road of the command line: once the list, shown, has read its first page, it shows
// its location column for the session (as the user shows it in the column settings, without
// saving them) and ticks its first rows, for the map command to show them.
void prepareListForMap(customer::FrmCus &list, int ticked);

// Renders the map window once its page has drawn the customers' clusters (or after a while,
// when it draws none), writes the PNG and closes the window; 0 when the file was written.
int renderMapScreenshot(map::MapWindow &window, const QString &file);

} // namespace host
