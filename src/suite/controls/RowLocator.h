#pragma once

#include <QString>

#include <functional>

namespace suite {

// The next row after current, among the rows first..count-1 and wrapping round to first, whose
// text contains text without regard to case; the current row itself comes last, so a second
// search moves on to the next match. -1 when no row matches or text is empty.
int findNextRow(int count, int first, int current, const QString &text,
                const std::function<QString(int row)> &rowText);

} // namespace suite
