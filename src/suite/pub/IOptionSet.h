#pragma once

#include "suite/core/SuiteObject.h"
#include "suite/pub/LoginRecord.h"

#include <memory>

namespace suite {

class IClsCommon;
class IPub;

// The suite's archive-option object "TarnArchOption.IOptionSet": the dialog over the options
// of one archive (may records be added, modified, is the mnemonic code made automatically).
class IOptionSet : public SuiteObject
{
public:
    static constexpr const char *kProgId = "TarnArchOption.IOptionSet";

    // Shows the options of cArch to login's user; an administrator may change them, anyone
    // else sees them read-only. True when changed options were stored; a failure is told
    // through oPub's MsgBox and stores nothing.
    virtual bool Show(const LoginRecord &login, const std::shared_ptr<IPub> &oPub,
                      const std::shared_ptr<IClsCommon> &oSrv, const QString &cArch, bool bWeb) = 0;
};

} // namespace suite
