#pragma once

#include "suite/card/ISubRecordDialog.h"

namespace suite {

// The staff responsible for a customer besides its salesperson (table CustomerPerson).
class ICusPerson : public ISubRecordDialog
{
public:
    static constexpr const char *kProgId = "TarnCusPerson.ICusPerson";
};

} // namespace suite
