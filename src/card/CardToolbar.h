#pragma once

#include "suite/controls/Toolbar.h"

namespace customer {

// The buttons of the customer card's toolbar, each reporting its command key to Operating.
QList<suite::ToolbarButtonDef> customerCardButtons();

} // namespace customer
