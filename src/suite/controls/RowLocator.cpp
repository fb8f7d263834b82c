#include "suite/controls/RowLocator.h"

namespace suite {

int findNextRow(int count, int first, int current, const QString &text,
                const std::function<QString(int row)> &rowText)
{
    const int span = count - first;
    if (text.isEmpty() || span <= 0)
        return -1;
    const int start = current < first || current >= count ? count - 1 : current;
    for (int step = 1; step <= span; ++step) {
        const int row = first + (start - first + step) % span;
        if (rowText(row).contains(text, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

} // namespace suite
