#include "entry/SessionMapWindow.h"

#include "entry/SessionContext.h"
#include "map/frmmap.h"

#include <memory>

namespace customer {

namespace {

std::unique_ptr<map::frmmap> &window()
{
    static std::unique_ptr<map::frmmap> held;
    return held;
}

} // namespace

map::frmmap &sessionMapWindow()
{
    if (!window())
        window() = std::make_unique<map::frmmap>(g_oPub, g_oLogin, g_oSrv);
    return *window();
}

void releaseSessionMapWindow()
{
    window().reset();
}

} // namespace customer
