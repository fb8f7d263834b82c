#pragma once

#include "suite/core/SuiteObject.h"

#include <memory>

namespace suite {

class ILogin;

// The host's delete-log object: a deleted archive record kept for viewing, with the login of
// the user who looks at it.
class IDeleteLog : public SuiteObject
{
public:
    virtual std::shared_ptr<ILogin> Login() const = 0;
};

} // namespace suite
