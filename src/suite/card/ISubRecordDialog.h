#pragma once

#include "suite/core/SuiteObject.h"

#include <QString>

#include <memory>

namespace suite {

class IClsCommon;
class IColumnSet;
class ILogin;
class IPub;
class RefClient;

// What the card's sub-record dialogs (delivery addresses, banks, invoice units, persons,
// rights) have in common: they take the XML the card keeps for them and give back the edited
// rows in it. They never write the tables; the card's save hands the fragment to the data
// service.
class ISubRecordDialog : public SuiteObject
{
public:
    // sXml is the parameter XML the card built, or the fragment an earlier call gave back.
    // On OK it is replaced by the fragment and the result is true. Cancel, a read-only right
    // (the right element below 2) and failures leave sXml as it was and answer false; a
    // failure is told through oPub's MsgBox.
    virtual bool Show(const std::shared_ptr<ILogin> &oLogin, const std::shared_ptr<IPub> &oPub,
                      const std::shared_ptr<IClsCommon> &oSrv,
                      const std::shared_ptr<IColumnSet> &oColSet, QString &sXml, bool bWeb,
                      RefClient *refClient) = 0;
};

} // namespace suite
