#include "suite/controls/GridModel.h"

#include <QBrush>
#include <QCollator>
#include <QPalette>

#include <algorithm>
#include <optional>

namespace suite {

namespace {

const QString kSelectionKey = QStringLiteral("selcol");
const QString kTicked = QStringLiteral("Y");
const QString kTickMark = QStringLiteral("\u2714");
const QString kTrue = QStringLiteral("1");

std::optional<double> numberOf(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// Negative, zero or positive as a sorts before, with or after b.
int compareCells(const QString &a, const QString &b, const QCollator &collator)
{
    if (a.isEmpty() || b.isEmpty())
        return int(b.isEmpty()) - int(a.isEmpty());
    const std::optional<double> x = numberOf(a);
    const std::optional<double> y = numberOf(b);
    if (x && y)
        return *x < *y ? -1 : (*y < *x ? 1 : 0);
    return collator.compare(a, b);
}

} // namespace

GridModel::GridModel(QObject *parent)
    : QAbstractTableModel(parent)
{ }

void GridModel::setShape(int rows, int cols)
{
    rows = std::max(rows, 0);
    cols = std::max(cols, 0);
    if (rows == m_rows && cols == m_cols)
        return;
    std::vector<QString> cells(size_t(rows) * size_t(cols));
    const int keepRows = std::min(rows, m_rows);
    const int keepCols = std::min(cols, m_cols);
    for (int row = 0; row < keepRows; ++row) {
        for (int col = 0; col < keepCols; ++col)
            cells[size_t(row) * cols + col] = std::move(m_cells[size_t(row) * m_cols + col]);
    }
    if (m_redraw)
        beginResetModel();
    m_cells = std::move(cells);
    m_rows = rows;
    m_cols = cols;
    m_keys.resize(cols);
    m_alignments.resize(size_t(cols), Qt::AlignLeft | Qt::AlignVCenter);
    m_checkBoxes.resize(size_t(cols), false);
    m_fixedRows = std::min(m_fixedRows, rows);
    m_fixedCols = std::min(m_fixedCols, cols);
    shapeChanged();
}

void GridModel::setFixedRows(int fixedRows)
{
    fixedRows = std::clamp(fixedRows, 0, m_rows);
    if (fixedRows == m_fixedRows)
        return;
    if (m_redraw)
        beginResetModel();
    m_fixedRows = fixedRows;
    shapeChanged();
}

void GridModel::setFixedCols(int fixedCols)
{
    fixedCols = std::clamp(fixedCols, 0, m_cols);
    if (fixedCols == m_fixedCols)
        return;
    if (m_redraw)
        beginResetModel();
    m_fixedCols = fixedCols;
    shapeChanged();
}

void GridModel::shapeChanged()
{
    if (m_redraw)
        endResetModel();
    else
        m_resetPending = true;
}

bool GridModel::inRange(int row, int col) const
{
    return row >= 0 && row < m_rows && col >= 0 && col < m_cols;
}

QString GridModel::cell(int row, int col) const
{
    return inRange(row, col) ? m_cells[size_t(row) * m_cols + col] : QString();
}

void GridModel::setCell(int row, int col, const QString &text)
{
    if (!inRange(row, col))
        return;
    m_cells[size_t(row) * m_cols + col] = text;
    if (!m_redraw) {
        m_resetPending = true;
        return;
    }
    if (row < m_fixedRows) {
        emit headerDataChanged(Qt::Horizontal, col, col);
        return;
    }
    const QModelIndex changed = index(row - m_fixedRows, col);
    emit dataChanged(changed, changed);
}

void GridModel::clearCells()
{
    if (m_redraw)
        beginResetModel();
    std::fill(m_cells.begin(), m_cells.end(), QString());
    shapeChanged();
}

QString GridModel::key(int col) const
{
    return m_keys.value(col);
}

void GridModel::setKey(int col, const QString &key)
{
    if (col < 0 || col >= m_cols)
        return;
    m_keys[col] = key;
    if (m_redraw && rowCount() > 0)
        emit dataChanged(index(0, col), index(rowCount() - 1, col));
}

int GridModel::keyIndex(const QString &key) const
{
    for (int col = 0; col < m_keys.size(); ++col) {
        if (m_keys.at(col).compare(key, Qt::CaseInsensitive) == 0)
            return col;
    }
    return -1;
}

Qt::Alignment GridModel::alignment(int col) const
{
    return col >= 0 && size_t(col) < m_alignments.size() ? m_alignments[size_t(col)]
                                                         : Qt::AlignLeft | Qt::AlignVCenter;
}

void GridModel::setAlignment(int col, Qt::Alignment alignment)
{
    if (col < 0 || col >= m_cols)
        return;
    m_alignments[size_t(col)] = alignment;
}

void GridModel::setRedraw(bool on)
{
    if (on == m_redraw)
        return;
    m_redraw = on;
    if (on && m_resetPending) {
        m_resetPending = false;
        beginResetModel();
        endResetModel();
    }
}

std::vector<int> GridModel::sortRows(int col, bool ascending)
{
    const int dataRows = rowCount();
    std::vector<int> order(size_t(std::max(dataRows, 0)));
    for (int row = 0; row < dataRows; ++row)
        order[size_t(row)] = row;
    if (col < 0 || col >= m_cols || dataRows < 2)
        return order;
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int result =
            compareCells(cell(a + m_fixedRows, col), cell(b + m_fixedRows, col), collator);
        return ascending ? result < 0 : result > 0;
    });
    std::vector<QString> sorted(m_cells);
    for (int row = 0; row < dataRows; ++row) {
        const size_t from = size_t(order[size_t(row)] + m_fixedRows) * m_cols;
        const size_t to = size_t(row + m_fixedRows) * m_cols;
        for (int c = m_fixedCols; c < m_cols; ++c)
            sorted[to + c] = m_cells[from + c];
    }
    if (m_redraw)
        beginResetModel();
    m_cells = std::move(sorted);
    shapeChanged();
    return order;
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows - m_fixedRows;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

void GridModel::setCheckBox(int col, bool on)
{
    if (col < 0 || col >= m_cols || m_checkBoxes[size_t(col)] == on)
        return;
    m_checkBoxes[size_t(col)] = on;
    if (m_redraw && m_rows > m_fixedRows)
        emit dataChanged(index(0, col), index(m_rows - m_fixedRows - 1, col));
}

bool GridModel::isCheckBox(int col) const
{
    return col >= 0 && col < m_cols && m_checkBoxes[size_t(col)];
}

bool GridModel::isTickColumn(int col) const
{
    return m_keys.value(col).compare(kSelectionKey, Qt::CaseInsensitive) == 0;
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int col = index.column();
    const QString &text = m_cells[size_t(index.row() + m_fixedRows) * m_cols + col];
    switch (role) {
    case Qt::DisplayRole:
        if (isCheckBox(col))
            return {};
        return isTickColumn(col) && text == kTicked ? kTickMark : text;
    case Qt::CheckStateRole:
        if (!isCheckBox(col) || text.isEmpty())
            return {};
        return text == kTrue ? Qt::Checked : Qt::Unchecked;
    case Qt::ToolTipRole:
        return text.isEmpty() || isTickColumn(col) || isCheckBox(col) ? QVariant() : QVariant(text);
    case Qt::TextAlignmentRole:
        return isTickColumn(col) ? QVariant(Qt::AlignCenter) : QVariant(m_alignments[size_t(col)]);
    case Qt::BackgroundRole:
        return col < m_fixedCols ? QVariant(QPalette().brush(QPalette::Button)) : QVariant();
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_cols)
        return {};
    if (role == Qt::DisplayRole)
        return m_fixedRows > 0 ? cell(0, section) : QString();
    if (role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace suite
