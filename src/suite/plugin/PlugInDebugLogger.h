#pragma once

#include "suite/plugin/IPlugInDebugLogger.h"

#include <QLoggingCategory>

namespace suite {

// Plug-in diagnostics go to the debug output under their own category, off by default; switch
// them on with QT_LOGGING_RULES="tarn.archive.plugin.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcArchivePlugIn)

class PlugInDebugLogger : public IPlugInDebugLogger
{
public:
    void WriteLine(const QString &text) override;
};

void registerPlugInDebugLogger();

} // namespace suite
