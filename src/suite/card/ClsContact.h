#pragma once

#include "suite/card/IContact.h"

namespace suite {

class ClsContact : public IContact
{
public:
    bool showCalledByCusomterArchive(const std::shared_ptr<ILogin> &oLogin, const QString &cCusCode,
                                     const QString &cCusName) override;
    void SetServices(const std::shared_ptr<IPub> &oPub,
                     const std::shared_ptr<IClsCommon> &oSrv) override;

private:
    bool makeServices(const std::shared_ptr<ILogin> &oLogin);

    std::shared_ptr<IPub> m_pub;
    std::shared_ptr<IClsCommon> m_srv;
};

void registerContactDialog();

} // namespace suite
