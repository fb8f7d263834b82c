#pragma once

namespace suite {

class Grid;
struct PrintData;

// The table a list grid shows, for printing: the header row's captions and the data rows of
// the columns the user sees. The selection column (key "SelCol") never prints; the serial
// numbers in column 0 only when serialNumbers is set (the list's print-number switch).
class GridPrintTable
{
public:
    static void fill(const Grid &grid, bool serialNumbers, PrintData &data);
};

} // namespace suite
