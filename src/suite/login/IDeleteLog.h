#pragma once

#include "suite/core/SuiteObject.h"
#include "suite/data/RecordSet.h"

#include <QString>

#include <memory>

namespace suite {

class ILogin;

// The host's delete-log object: a deleted archive record kept for viewing, with the login of
// the user who looks at it.
class IDeleteLog : public SuiteObject
{
public:
    virtual std::shared_ptr<ILogin> Login() const = 0;
    // The rows the log kept of table cName (any case) when the record was deleted; a closed
    // record set when it kept none.
    virtual RecordSet GetRecordset(const QString &cName) const = 0;
};

} // namespace suite
