#pragma once

#include "suite/controls/Toolbar.h"

namespace suite {

// The buttons of the customer list's toolbar, in their default order. "Pos" drops down the
// class tree and the grid; "Print" drops down preview and page setup.
QList<ToolbarButtonDef> customerListButtons();

} // namespace suite
