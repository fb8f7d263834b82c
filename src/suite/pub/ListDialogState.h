#pragma once

#include <QString>

namespace suite {

// What the dialog members of the public service keep between calls: the heading of the result
// list in progress and how deep the delete brackets are nested.
struct ListDialogState
{
    QString resultHeading;
    int deleteDepth = 0;
};

} // namespace suite
