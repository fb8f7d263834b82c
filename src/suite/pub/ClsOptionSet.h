#pragma once

#include "suite/pub/IOptionSet.h"

namespace suite {

class ClsOptionSet : public IOptionSet
{
public:
    bool Show(const LoginRecord &login, const std::shared_ptr<IPub> &oPub,
              const std::shared_ptr<IClsCommon> &oSrv, const QString &cArch, bool bWeb) override;
};

// Registers ClsOptionSet under its ProgID.
void registerOptionSet();

} // namespace suite
