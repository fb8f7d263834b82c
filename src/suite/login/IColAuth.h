#pragma once

#include "suite/core/SuiteObject.h"

#include <QString>

namespace suite {

// The column-rights object of a login.
class IColAuth : public SuiteObject
{
public:
    // cXml is "<tarnColAuth cBusObId='customer' cFuncId='R'/>": with cFuncId "R" the fields
    // of the business object the user may read but not change, with "N" those the user may
    // neither read nor change. The names are comma-separated; empty when there are none.
    virtual QString GetAuthString(const QString &cXml) = 0;
};

} // namespace suite
