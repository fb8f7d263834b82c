// The list command that opens the import staging list.
#include "list/FrmCus.h"

#include "entry/ClsCustomer.h"
#include "entry/ListSessionState.h"
#include "entry/SessionContext.h"

namespace customer {

void FrmCus::openImportList()
{
    const ListSessionState own = ListSessionState::save();
    // The import list starts from its own column set, not from the one this list shows.
    g_cUnSavedColSet.clear();
    g_cListFields.clear();
    g_cColInfoXml.clear();
    const std::shared_ptr<ClsCustomer_import> entry = ClsCustomer_import::create();
    entry->Show(0, g_cUserId, g_cUserName, g_cDBName, g_bIsWeb);
    own.restore();
}

} // namespace customer
