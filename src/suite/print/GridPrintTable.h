#pragma once

#include "suite/print/PrintData.h"

namespace suite {

class Grid;

// The list a grid shows, for printing. The selection column (key "SelCol") never prints; the
// serial numbers in column 0 only when serialNumbers is set (the list's print-number switch).
// A column shows flags when the grid draws check boxes in it and numbers when it stands them
// right; the serial numbers and the columns of repeatedKeys print on every page across.
class GridPrintTable
{
public:
    static QList<PrintColumn> columns(const Grid &grid, bool serialNumbers,
                                      const QStringList &repeatedKeys = {});
    // The columns and the rows the grid holds (the page it shows).
    static void fill(const Grid &grid, bool serialNumbers, const QStringList &repeatedKeys,
                     PrintData &data);
};

} // namespace suite
