#pragma once

#include <QString>

namespace suite {

// The public service's find-a-code properties and the code that the next bound page makes
// the grid's current row.
struct PageFind
{
    bool isFindCode = false;
    QString codeValue;
    QString codeFldName;
    // Set by a page read that looked for a code, taken by the next BindRstToGrid.
    QString rowCode;
    QString rowField;
};

} // namespace suite
