#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

namespace suite {

// The cells of a Grid as plain strings, row after row. Row 0 .. fixedRows-1 are header rows:
// the view shows them as its horizontal header, so the model's rows are the data rows only.
// With redraw off, changes are only stored; switching it on again resets the views once, which
// is what makes binding thousands of cells quick.
class GridModel : public QAbstractTableModel
{
public:
    explicit GridModel(QObject *parent = nullptr);

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    // Keeps the cells that stay inside the new shape; new cells are empty.
    void setShape(int rows, int cols);
    int fixedRows() const { return m_fixedRows; }
    void setFixedRows(int fixedRows);
    int fixedCols() const { return m_fixedCols; }
    void setFixedCols(int fixedCols);

    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString &text);
    void clearCells();

    QString key(int col) const;
    void setKey(int col, const QString &key);
    // The first column whose key is key, without regard to case; -1 when none.
    int keyIndex(const QString &key) const;

    void setAlignment(int col, Qt::Alignment alignment);
    Qt::Alignment alignment(int col) const;
    // A check-box column shows "1" as a ticked box and "0" as an empty one; nobody can tick it.
    void setCheckBox(int col, bool on);
    bool isCheckBox(int col) const;

    bool redraw() const { return m_redraw; }
    void setRedraw(bool on);

    // Sorts the data rows on col: numbers by value, other texts by the locale's collation
    // without regard to case, empty cells first when ascending; equal rows keep their order.
    // The fixed columns stay in place, as they number the rows. Answers, for each data row
    // after the sort, the data row it came from (both counted from the first data row).
    std::vector<int> sortRows(int col, bool ascending);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    bool inRange(int row, int col) const;
    bool isTickColumn(int col) const;
    void shapeChanged();

    std::vector<QString> m_cells;
    int m_rows = 0;
    int m_cols = 0;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    QStringList m_keys;
    std::vector<Qt::Alignment> m_alignments;
    std::vector<bool> m_checkBoxes;
    bool m_redraw = true;
    bool m_resetPending = false;
};

} // namespace suite
