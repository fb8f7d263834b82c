#include "suite/print/GridPrintTable.h"

#include "suite/controls/Grid.h"

namespace suite {

namespace {

constexpr int kSerialColumn = 0;

QList<int> printedColumns(const Grid &grid, bool serialNumbers)
{
    QList<int> columns;
    for (int col = 0; col < grid.Cols(); ++col) {
        if (col == kSerialColumn && !serialNumbers)
            continue;
        if (grid.ColKey(col).compare(u"SelCol", Qt::CaseInsensitive) == 0)
            continue;
        if (grid.isColumnHidden(col) || grid.ColWidth(col) <= 0)
            continue;
        columns.append(col);
    }
    return columns;
}

PrintColumnKind kindOf(const Grid &grid, int col)
{
    if (grid.ColCheckBox(col))
        return PrintColumnKind::Flag;
    if (col != kSerialColumn && (grid.ColAlignment(col) & Qt::AlignRight))
        return PrintColumnKind::Number;
    return PrintColumnKind::Text;
}

} // namespace

QList<PrintColumn> GridPrintTable::columns(const Grid &grid, bool serialNumbers,
                                           const QStringList &repeatedKeys)
{
    QList<PrintColumn> printed;
    for (const int col : printedColumns(grid, serialNumbers)) {
        PrintColumn column;
        column.caption = grid.TextMatrix(0, col);
        column.key = col == kSerialColumn ? QString() : grid.ColKey(col);
        column.kind = kindOf(grid, col);
        column.gridWidth = grid.ColWidth(col);
        const QString field = column.key.mid(column.key.lastIndexOf(u'.') + 1);
        column.repeated = col == kSerialColumn || repeatedKeys.contains(field, Qt::CaseInsensitive);
        printed.append(column);
    }
    return printed;
}

void GridPrintTable::fill(const Grid &grid, bool serialNumbers, const QStringList &repeatedKeys,
                          PrintData &data)
{
    const QList<int> shown = printedColumns(grid, serialNumbers);
    data.columns = columns(grid, serialNumbers, repeatedKeys);
    QList<QStringList> rows;
    for (int row = 1; row < grid.Rows(); ++row) {
        QStringList cells;
        cells.reserve(shown.size());
        for (const int col : shown)
            cells.append(grid.TextMatrix(row, col));
        rows.append(cells);
    }
    data.rows = std::make_shared<PrintRowList>(rows);
}

} // namespace suite
