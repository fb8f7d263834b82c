#pragma once

#include "suite/core/SuiteObject.h"

#include <QString>

namespace customer {

// The host's interface for components it offers as menu functions of the portal.
class ILoginable
{
public:
    virtual ~ILoginable() = default;

    virtual bool ILoginable_Login() = 0;
    virtual bool ILoginable_LogOff() = 0;
    // Opens the function cMenuId with the host's command line; the component keeps its windows
    // itself, so nothing comes back.
    virtual suite::SuiteObjectPtr ILoginable_CallFunction(const QString &cMenuId,
                                                          const QString &cMenuName,
                                                          const QString &cAuthId,
                                                          const QString &cCmdLine) = 0;
};

} // namespace customer
