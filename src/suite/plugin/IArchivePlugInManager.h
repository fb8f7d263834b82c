#pragma once

#include "suite/core/SuiteObject.h"
#include "suite/plugin/PlugInCollection.h"

#include <QMap>
#include <QString>

#include <memory>

namespace suite {

class ILogin;

// The suite's archive plug-in manager: knows which plug-ins an account has configured and loads
// those installed on this client.
class IArchivePlugInManager : public SuiteObject
{
public:
    static constexpr const char *kProgId = "TarnArchivePlugInFk.ArchivePlugInManager";

    // Reads the plug-ins configured for the account; false (and the reason in the error log)
    // when the configuration cannot be read.
    virtual bool Init(const QString &cAcc_id, std::shared_ptr<ILogin> oLogin) = 0;
    // Fresh plug-in objects of the enabled plug-ins of the archive ("Customer"). status receives
    // one entry per configured plug-in: true when it loaded, false when it is missing or
    // broken on this client. Null before a successful Init.
    virtual std::shared_ptr<PlugInCollection> GetDefaultPlugInObjectList(
        const QString &cArchive, QMap<QString, bool> &status) = 0;
    // True when the account has any enabled plug-in configured, for whatever archive.
    virtual bool AccountPluginEnabled() const = 0;
};

} // namespace suite
