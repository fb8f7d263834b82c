#include "map/MapWindow.h"

#include <QWidget>

namespace map {

// Defined here, in the program, so that the program and the module share one type of each.
MapWindow::~MapWindow() = default;
MapWindowFactory::~MapWindowFactory() = default;

MapWindow *MapWindow::of(QWidget *window)
{
    return dynamic_cast<MapWindow *>(window);
}

} // namespace map
