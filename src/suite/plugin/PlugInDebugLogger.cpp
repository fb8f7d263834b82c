#include "suite/plugin/PlugInDebugLogger.h"

#include "suite/core/ObjectFactory.h"

namespace suite {

Q_LOGGING_CATEGORY(lcArchivePlugIn, "tarn.archive.plugin", QtWarningMsg)

void PlugInDebugLogger::WriteLine(const QString &text)
{
    qCDebug(lcArchivePlugIn).noquote() << text;
}

void registerPlugInDebugLogger()
{
    ObjectFactory::instance().registerClass(QLatin1String(IPlugInDebugLogger::kProgId),
                                            [] { return std::make_shared<PlugInDebugLogger>(); });
}

} // namespace suite
