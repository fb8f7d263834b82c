#include "suite/SuiteServices.h"

#include "suite/card/ClsSubRecordDialog.h"
#include "suite/colset/ClsColsetsvr.h"
#include "suite/data/DataService.h"
#include "suite/files/FileManagerClient.h"
#include "suite/login/FrameworkLogin.h"
#include "suite/plugin/ArchivePlugInManager.h"
#include "suite/plugin/PlugInDebugLogger.h"
#include "suite/pub/ClsOptionSet.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/JsonToXml.h"

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
    registerFrameworkLogin();
    registerJsonToXml();
}

} // namespace suite
