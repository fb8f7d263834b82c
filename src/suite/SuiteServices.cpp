#include "suite/SuiteServices.h"

#include "suite/colset/ClsColsetsvr.h"
#include "suite/data/DataService.h"
#include "suite/pub/ClsPub.h"

namespace suite {

void registerSuiteServices()
{
    registerDataService();
    registerPubService();
    registerColumnSetService();
}

} // namespace suite
