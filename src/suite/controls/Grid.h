#pragma once

#include <QTableView>

#include <vector>

namespace suite {

class GridModel;

// The suite's data grid: a table of text cells with the members of a flex grid.
//
// Rows and columns are counted from 0 over the whole table. The first FixedRows rows are the
// header (the list uses one: row 0, shown as the column headers); the first FixedCols columns
// are row labels drawn in the header colour (the list uses one: column 0, the serial numbers).
// Row() and TopRow() are table rows too, so the first data row is row FixedRows(); Row() is 0
// when no data row is current. Column widths are in pixels. A column whose key is "SelCol"
// shows a tick for a cell that holds "Y"; TextMatrix still answers "Y". A check-box column shows
// "1" and "0" as a read-only box, ticked or not; TextMatrix answers "1" and "0".
//
// A column given the width kFitColWidth shows at kDefaultColWidth until fitColumns sizes it to
// its caption and the cells it holds then, at most kMaxFitColWidth; it keeps that width.
//
// The events use the codes of the suite's controls: mouse buttons 1 left, 2 right, 4 middle;
// shift 1 Shift, 2 Ctrl, 4 Alt; keys as virtual-key codes; x and y in pixels of the cell area.
class Grid : public QTableView
{
    Q_OBJECT

public:
    static constexpr int kDefaultColWidth = 100;
    static constexpr int kSerialColWidth = 40;
    static constexpr int kFitColWidth = 0;
    static constexpr int kMaxFitColWidth = 320;

    explicit Grid(QWidget *parent = nullptr);
    ~Grid() override;

    int Rows() const;
    void setRows(int rows);
    int Cols() const;
    void setCols(int cols);
    int FixedRows() const;
    void setFixedRows(int fixedRows);
    int FixedCols() const;
    void setFixedCols(int fixedCols);

    // Empty outside the table.
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString &text);

    // The current row and column; a row outside the data rows leaves no row current.
    int Row() const;
    void setRow(int row);
    int Col() const;
    void setCol(int col);
    // The first data row in view; setTopRow scrolls that row to the top as far as it can.
    int TopRow() const;
    void setTopRow(int row);

    QString ColKey(int col) const;
    void setColKey(int col, const QString &key);
    // The column whose key is key, without regard to case; -1 when none.
    int ColIndex(const QString &key) const;
    int ColWidth(int col) const;
    void setColWidth(int col, int pixels);
    void setColAlignment(int col, Qt::Alignment alignment);
    Qt::Alignment ColAlignment(int col) const;
    void setColCheckBox(int col, bool on);
    bool ColCheckBox(int col) const;
    // Whether a column waits to be fitted; fitColumns sizes every such column.
    bool hasColumnsToFit() const;
    void fitColumns();

    // Off: changes are only stored and the view is brought up to date when it is switched on.
    bool Redraw() const;
    void setRedraw(bool on);

    // Empties every cell; the shape, keys and widths stay.
    void clear();
    // Sorts the data rows on col (see GridModel::sortRows); the current row follows its record.
    void sort(int col, bool ascending);

    // The table row and column under a point of the cell area; -1 when there is none.
    int rowAtPoint(int y) const;
    int colAtPoint(int x) const;

signals:
    void DblClick(int row);
    void MouseUp(int button, int shift, int x, int y);
    void KeyDown(int keyCode, int shift);
    void RowChanged(int row);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void applyWidths();
    void followCurrentRow(const QModelIndex &current, const QModelIndex &previous);

    GridModel *m_model;
    std::vector<int> m_widths;
    std::vector<bool> m_toFit;
};

} // namespace suite
