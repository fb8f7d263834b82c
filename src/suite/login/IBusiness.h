#pragma once

#include "suite/core/SuiteObject.h"

#include <QString>

#include <memory>

class QWidget;

namespace suite {

class ILogin;

// The host's business object: the portal in which the component shows its windows as tabs.
class IBusiness : public SuiteObject
{
public:
    // The login of the portal's user.
    virtual std::shared_ptr<ILogin> GetVBclsLogin() const = 0;
    // The environment a form of the given name ("Customer.FrmCus") works in inside the portal.
    virtual SuiteObjectPtr CreateFormEnv(const QString &cFormKey, QWidget *form) = 0;
    // Hands the form to the portal under the key cFormKey2 of subsystem cSubSysId ("AA") and
    // returns at once; the form stays open. With bReuse, a form already shown under that key
    // is brought to the front instead; with bActivate, the new form comes to the front. False
    // when there is no form or no portal to show it in.
    virtual bool ShowForm(QWidget *form, const QString &cSubSysId, const QString &cFormKey2,
                          bool bReuse, bool bActivate, const SuiteObjectPtr &env) = 0;
    // Brings the form last shown under the key to the front; false when none is open.
    virtual bool SetFormActive(const QString &cSubSysId, const QString &cFormKey) = 0;
};

} // namespace suite
