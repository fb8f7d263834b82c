#pragma once

#include "suite/core/SuiteObject.h"

#include <QString>

#include <memory>

namespace suite {

class IClsCommon;
class ILogin;
class IPub;

// The contacts of a customer (table Crm_Contact). Unlike the other sub-record dialogs it
// writes on OK: the card reads the customer's contact person and mobile phone back afterwards,
// which the default contact sets.
class IContact : public SuiteObject
{
public:
    static constexpr const char *kProgId = "Contact.IContact";

    // Without services set, the dialog makes its own public and data service on oLogin.
    // True when changes were written.
    virtual bool showCalledByCusomterArchive(const std::shared_ptr<ILogin> &oLogin,
                                             const QString &cCusCode, const QString &cCusName) = 0;
    virtual void SetServices(const std::shared_ptr<IPub> &oPub,
                             const std::shared_ptr<IClsCommon> &oSrv) = 0;
};

} // namespace suite
