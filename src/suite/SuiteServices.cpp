#include "suite/SuiteServices.h"

#include "suite/card/ClsSubRecordDialog.h"
#include "suite/colset/ClsColsetsvr.h"
#include "suite/data/DataService.h"
#include "suite/files/FileManagerClient.h"
#include "suite/plugin/ArchivePlugInManager.h"
#include "suite/plugin/PlugInDebugLogger.h"
#include "suite/pub/ClsOptionSet.h"
#include "suite/pub/ClsPub.h"

namespace suite {

void registerSuiteServices()
{
    registerDataService();
    registerPubService();
    registerOptionSet();
    registerColumnSetService();
    registerArchivePlugInManager();
    registerPlugInDebugLogger();
    registerFileManagerClient();
    registerSubRecordDialogs();
}

} // namespace suite
