#pragma once

#include "suite/core/SuiteObject.h"

#include <QString>

namespace suite {

// Where the plug-in framework writes what it does, for whoever diagnoses a plug-in set-up.
class IPlugInDebugLogger : public SuiteObject
{
public:
    static constexpr const char *kProgId = "TarnArchivePlugInFk.PlugInDebugLogger";

    virtual void WriteLine(const QString &text) = 0;
};

} // namespace suite
