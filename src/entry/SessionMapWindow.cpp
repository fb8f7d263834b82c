#include "entry/SessionMapWindow.h"

#include "catalogue/SharedUtilities.h"
#include "entry/SessionContext.h"
#include "map/MapModule.h"
#include "map/MapWindow.h"
#include "suite/core/ErrorLog.h"
#include "suite/pub/IPub.h"

#include <memory>

namespace customer {

namespace {

std::unique_ptr<map::MapWindow> &window()
{
    static std::unique_ptr<map::MapWindow> held;
    return held;
}

} // namespace

map::MapWindow *sessionMapWindow()
{
    if (window())
        return window().get();
    QString sMsg;
    map::MapWindowFactory *factory = map::MapModule::factory(sMsg);
    if (!factory) {
        suite::ErrorLog::instance().error(QStringLiteral("sessionMapWindow"), sMsg);
        if (g_oPub)
            ShowInfoMsg(g_oPub->GetResFormatString(
                QStringLiteral("Tarn.AA.CUSTOMER.FRMMAP.moduleerror"), { sMsg }));
        return nullptr;
    }
    window() = factory->create(g_oPub, g_oLogin, g_oSrv);
    return window().get();
}

void releaseSessionMapWindow()
{
    window().reset();
}

} // namespace customer
