#pragma once

namespace customer {

// Reads whether the export ("ex") and customer-relationship ("cs") modules are started in the
// session's company; the field catalogue leaves out the export fields when "ex" is not.
// Needs g_oPub and g_oSrv; without them both flags go to False.
void ReadModuleFlags();

} // namespace customer
