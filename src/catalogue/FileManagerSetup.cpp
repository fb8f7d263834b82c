#include "catalogue/FileManagerSetup.h"

#include "entry/SessionContext.h"
#include "suite/core/ObjectFactory.h"
#include "suite/files/IFileManagerClient.h"

namespace customer {

void InitFileManager()
{
    if (!g_oLogin)
        return;
    if (!g_oFileManager) {
        g_oFileManager = suite::createObject<suite::IFileManagerClient>(
            QLatin1String(suite::IFileManagerClient::kProgId));
    }
    if (g_oFileManager)
        g_oFileManager->SetLoginObject(g_oLogin);
}

} // namespace customer
