#pragma once

#include <memory>

namespace suite {

// Base of every object the factory hands out. Callers reach the members through the
// abstract interface they cast the object to, as late binding by member name would.
class SuiteObject
{
public:
    virtual ~SuiteObject() = default;
};

using SuiteObjectPtr = std::shared_ptr<SuiteObject>;

} // namespace suite
