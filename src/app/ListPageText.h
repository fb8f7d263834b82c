#pragma once

#include <QStringList>

namespace suite {
class Grid;
}

namespace host {

// The lines `customer-archive list` prints for a grid the list window's members filled: the
// captions of the header row, then one line per data row, the cells tab-separated (tabs, line
// breaks and backslashes inside a cell written as escapes). Only the data columns count: not
// the fixed columns on the left (the serial numbers) nor the selection column (key "SelCol").
QStringList gridPageLines(const suite::Grid &grid);

} // namespace host
