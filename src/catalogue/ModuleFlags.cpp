#include "catalogue/ModuleFlags.h"

#include "entry/SessionContext.h"
#include "suite/pub/IPub.h"

namespace customer {

void ReadModuleFlags()
{
    if (!g_oPub || !g_oSrv) {
        g_bExStarted = false;
        g_bCsStarted = false;
        return;
    }
    g_bExStarted = g_oPub->GetSysStart(QStringLiteral("ex"), g_cDBName, g_oSrv);
    g_bCsStarted = g_oPub->GetSysStart(QStringLiteral("cs"), g_cDBName, g_oSrv);
}

} // namespace customer
