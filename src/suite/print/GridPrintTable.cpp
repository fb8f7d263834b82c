#include "suite/print/GridPrintTable.h"

#include "suite/controls/Grid.h"
#include "suite/print/PrintData.h"

#include <QList>

namespace suite {

namespace {

QList<int> printedColumns(const Grid &grid, bool serialNumbers)
{
    QList<int> columns;
    for (int col = 0; col < grid.Cols(); ++col) {
        if (col == 0 && !serialNumbers)
            continue;
        if (grid.ColKey(col).compare(u"SelCol", Qt::CaseInsensitive) == 0)
            continue;
        if (grid.isColumnHidden(col) || grid.ColWidth(col) <= 0)
            continue;
        columns.append(col);
    }
    return columns;
}

} // namespace

void GridPrintTable::fill(const Grid &grid, bool serialNumbers, PrintData &data)
{
    const QList<int> columns = printedColumns(grid, serialNumbers);
    data.headers.clear();
    data.rows.clear();
    for (const int col : columns)
        data.headers.append(grid.TextMatrix(0, col));
    for (int row = 1; row < grid.Rows(); ++row) {
        QStringList cells;
        cells.reserve(columns.size());
        for (const int col : columns)
            cells.append(grid.TextMatrix(row, col));
        data.rows.append(cells);
    }
}

} // namespace suite
