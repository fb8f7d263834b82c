#include "app/ListPageText.h"

#include "app/Subcommands.h"

#include "suite/controls/Grid.h"

namespace host {

namespace {

QList<int> dataColumns(const suite::Grid &grid)
{
    QList<int> columns;
    for (int col = grid.FixedCols(); col < grid.Cols(); ++col) {
        if (grid.ColKey(col).compare(QLatin1String("SelCol"), Qt::CaseInsensitive) != 0)
            columns.append(col);
    }
    return columns;
}

QString line(const suite::Grid &grid, int row, const QList<int> &columns)
{
    QStringList cells;
    cells.reserve(columns.size());
    for (const int col : columns)
        cells.append(escapedField(grid.TextMatrix(row, col)));
    return cells.join(u'\t');
}

} // namespace

QStringList gridPageLines(const suite::Grid &grid)
{
    const QList<int> columns = dataColumns(grid);
    QStringList lines{ line(grid, 0, columns) };
    for (int row = std::max(grid.FixedRows(), 1); row < grid.Rows(); ++row)
        lines.append(line(grid, row, columns));
    return lines;
}

} // namespace host
