#pragma once

#include "suite/controls/Toolbar.h"

namespace suite {

// The buttons of the customer list's toolbar, in their default order. "Pos" drops down the
// class tree and the grid; "Print" drops down preview and page setup.
QList<ToolbarButtonDef> customerListButtons();

// The buttons of the import staging list: no card, merge or class commands; "SetCusClass",
// "Download" and "Sync" of its own.
QList<ToolbarButtonDef> importListButtons();

} // namespace suite
