#pragma once

#include "suite/plugin/IArchivePlugInManager.h"

#include <QList>

class QPluginLoader;

namespace suite {

class IClsCommon;

// Reads the plug-ins of an account from kvsystem..AA_ArchivePlugIn and loads their libraries as
// Qt plug-ins of the interface version kArchivePlugInIid; every plug-in object it hands out is
// guarded (GuardedArchivePlugIn). A relative library path is found in the folder named by
// kPlugInDirVariable when that is set, else in the account's plug-in folder
// (ua_account.cPlugInPath; a relative one lies under the program's folder), else in the suite's
// installation folder of the login.
class ArchivePlugInManager : public IArchivePlugInManager
{
public:
    static constexpr const char *kPlugInDirVariable = "TARN_ARCHIVE_PLUGIN_DIR";

    bool Init(const QString &cAcc_id, std::shared_ptr<ILogin> oLogin) override;
    std::shared_ptr<PlugInCollection> GetDefaultPlugInObjectList(
        const QString &cArchive, QMap<QString, bool> &status) override;
    bool AccountPluginEnabled() const override;

private:
    struct Configured
    {
        QString archive;
        QString name;
        QString file;
    };

    bool readConfiguration(const QString &cAcc_id, const ILogin &login);
    void readAccountFolder(const QString &cAcc_id, IClsCommon &service);
    std::shared_ptr<IArchivePlugIn> load(const Configured &entry) const;
    bool acceptsInterface(const QPluginLoader &loader, const Configured &entry) const;
    QString libraryPath(const QString &file) const;

    bool m_initialised = false;
    QString m_installPath;
    QString m_accountFolder;
    QList<Configured> m_configured;
};

void registerArchivePlugInManager();

} // namespace suite
