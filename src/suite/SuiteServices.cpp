#include "suite/SuiteServices.h"

#include "suite/data/DataService.h"

namespace suite {

void registerSuiteServices()
{
    registerDataService();
}

} // namespace suite
