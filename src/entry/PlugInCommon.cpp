#include "entry/PlugInCommon.h"

#include "entry/SessionContext.h"
#include "suite/core/ObjectFactory.h"
#include "suite/login/ILogin.h"
#include "suite/plugin/IArchivePlugInManager.h"
#include "suite/plugin/IPlugInDebugLogger.h"
#include "suite/pub/IPub.h"

#include <QMap>

namespace customer {

namespace {

constexpr int kInformationIcon = 64;

void handOverDataService(const suite::PlugInCollection &plugIns,
                         const std::shared_ptr<suite::IClsCommon> &oDbSrv)
{
    for (const auto &plugIn : plugIns.Items())
        plugIn->SetTarnArchiveDbSrv(oDbSrv);
}

void writeDebugLine(const QString &text)
{
    if (g_oPlugInLogger)
        g_oPlugInLogger->WriteLine(text);
}

bool ensurePlugInManager(const std::shared_ptr<suite::ILogin> &oLogin)
{
    if (g_oPlugInManager)
        return true;
    g_oPlugInManager = suite::createObject<suite::IArchivePlugInManager>(
        QLatin1String(suite::IArchivePlugInManager::kProgId));
    if (!g_oPlugInManager)
        return false;
    g_oPlugInManager->Init(oLogin ? oLogin->cAcc_id() : QString(), oLogin);
    return true;
}

void warnMissingPlugIns(const QMap<QString, bool> &status)
{
    for (auto entry = status.cbegin(); entry != status.cend(); ++entry) {
        if (entry.value())
            continue;
        writeDebugLine(QStringLiteral("plug-in %1 is missing on this client").arg(entry.key()));
        if (g_oPub)
            g_oPub->MsgBox(QStringLiteral("检测到您的客户端没有安装客户档案插件!请安装后再使用."),
                           kInformationIcon, QStringLiteral("插件未找到!"));
    }
}

bool loadDefaultPlugIns(const std::shared_ptr<suite::ILogin> &oLogin,
                        const std::shared_ptr<suite::IClsCommon> &oDbSrv,
                        std::shared_ptr<suite::PlugInCollection> &plugIns)
{
    if (!ensurePlugInManager(oLogin))
        return false;
    QMap<QString, bool> status;
    plugIns = g_oPlugInManager->GetDefaultPlugInObjectList(QStringLiteral("Customer"), status);
    if (!plugIns)
        return false;
    writeDebugLine(QStringLiteral("%1 customer plug-in(s) loaded").arg(plugIns->count()));
    if (plugIns->count() > 0) {
        handOverDataService(*plugIns, oDbSrv);
        return true;
    }
    if (g_oPlugInManager->AccountPluginEnabled())
        warnMissingPlugIns(status);
    return false;
}

} // namespace

bool LoadArchivePlugIns(const std::shared_ptr<suite::ILogin> &oLogin,
                        const std::shared_ptr<suite::IClsCommon> &oDbSrv,
                        std::shared_ptr<suite::PlugInCollection> &plugIns)
{
    g_oPlugInLogger = suite::createObject<suite::IPlugInDebugLogger>(
        QLatin1String(suite::IPlugInDebugLogger::kProgId));
    if (!plugIns)
        return loadDefaultPlugIns(oLogin, oDbSrv, plugIns);
    handOverDataService(*plugIns, oDbSrv);
    return true;
}

} // namespace customer
