#include "suite/controls/Grid.h"

#include "suite/controls/GridModel.h"
#include "suite/controls/VirtualKey.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

#include <algorithm>

namespace suite {

namespace {

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

} // namespace

Grid::Grid(QWidget *parent)
    : QTableView(parent)
    , m_model(new GridModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    // Rows of one height need no measuring of their cells, which keeps large pages quick.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultSectionSize(kDefaultColWidth);
    connect(m_model, &QAbstractItemModel::modelReset, this, &Grid::applyWidths);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int col, int, int size) {
        if (col >= 0 && size_t(col) < m_widths.size())
            m_widths[size_t(col)] = size;
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &Grid::followCurrentRow);
}

Grid::~Grid() = default;

int Grid::Rows() const
{
    return m_model->rows();
}

void Grid::setRows(int rows)
{
    m_model->setShape(rows, m_model->cols());
}

int Grid::Cols() const
{
    return m_model->cols();
}

void Grid::setCols(int cols)
{
    const size_t before = m_widths.size();
    m_widths.resize(size_t(std::max(cols, 0)), kDefaultColWidth);
    m_toFit.resize(m_widths.size(), false);
    if (before == 0 && !m_widths.empty())
        m_widths[0] = kSerialColWidth;
    m_model->setShape(m_model->rows(), cols);
}

int Grid::FixedRows() const
{
    return m_model->fixedRows();
}

void Grid::setFixedRows(int fixedRows)
{
    m_model->setFixedRows(fixedRows);
    horizontalHeader()->setVisible(m_model->fixedRows() > 0);
}

int Grid::FixedCols() const
{
    return m_model->fixedCols();
}

void Grid::setFixedCols(int fixedCols)
{
    m_model->setFixedCols(fixedCols);
}

QString Grid::TextMatrix(int row, int col) const
{
    return m_model->cell(row, col);
}

void Grid::setTextMatrix(int row, int col, const QString &text)
{
    m_model->setCell(row, col, text);
}

int Grid::Row() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + FixedRows() : 0;
}

void Grid::setRow(int row)
{
    if (row < FixedRows() || row >= Rows()) {
        setCurrentIndex(QModelIndex());
        return;
    }
    const int col = std::max(Col(), FixedCols());
    const QModelIndex target = m_model->index(row - FixedRows(), std::min(col, Cols() - 1));
    setCurrentIndex(target);
    scrollTo(target, QAbstractItemView::EnsureVisible);
}

int Grid::Col() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : 0;
}

void Grid::setCol(int col)
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || col < 0 || col >= Cols())
        return;
    setCurrentIndex(m_model->index(current.row(), col));
}

int Grid::TopRow() const
{
    const int row = rowAt(0);
    return row < 0 ? FixedRows() : row + FixedRows();
}

void Grid::setTopRow(int row)
{
    if (row < FixedRows() || row >= Rows())
        return;
    scrollTo(m_model->index(row - FixedRows(), 0), QAbstractItemView::PositionAtTop);
}

QString Grid::ColKey(int col) const
{
    return m_model->key(col);
}

void Grid::setColKey(int col, const QString &key)
{
    m_model->setKey(col, key);
}

int Grid::ColIndex(const QString &key) const
{
    return m_model->keyIndex(key);
}

int Grid::ColWidth(int col) const
{
    return col >= 0 && size_t(col) < m_widths.size() ? m_widths[size_t(col)] : 0;
}

void Grid::setColWidth(int col, int pixels)
{
    if (col < 0 || size_t(col) >= m_widths.size())
        return;
    m_toFit[size_t(col)] = pixels == kFitColWidth;
    m_widths[size_t(col)] = pixels <= kFitColWidth ? kDefaultColWidth : pixels;
    setColumnWidth(col, m_widths[size_t(col)]);
}

void Grid::setColCheckBox(int col, bool on)
{
    m_model->setCheckBox(col, on);
}

bool Grid::ColCheckBox(int col) const
{
    return m_model->isCheckBox(col);
}

bool Grid::hasColumnsToFit() const
{
    return std::find(m_toFit.begin(), m_toFit.end(), true) != m_toFit.end();
}

// The caption in the header's font, each cell's text, or the check box, with the margins the
// view draws around them.
void Grid::fitColumns()
{
    const QFontMetrics header = horizontalHeader()->fontMetrics();
    const QFontMetrics cells = fontMetrics();
    const int margin = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 12;
    const int checkBox = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    for (int col = 0; col < Cols(); ++col) {
        if (!m_toFit[size_t(col)])
            continue;
        int width = FixedRows() > 0 ? header.horizontalAdvance(TextMatrix(0, col)) : 0;
        for (int row = FixedRows(); row < Rows(); ++row) {
            const int content =
                ColCheckBox(col) ? checkBox : cells.horizontalAdvance(TextMatrix(row, col));
            width = std::max(width, content);
        }
        m_toFit[size_t(col)] = false;
        setColWidth(col, std::min(width + margin, int(kMaxFitColWidth)));
    }
}

void Grid::setColAlignment(int col, Qt::Alignment alignment)
{
    m_model->setAlignment(col, alignment);
}

Qt::Alignment Grid::ColAlignment(int col) const
{
    return m_model->alignment(col);
}

bool Grid::Redraw() const
{
    return m_model->redraw();
}

void Grid::setRedraw(bool on)
{
    m_model->setRedraw(on);
}

void Grid::clear()
{
    m_model->clearCells();
}

void Grid::sort(int col, bool ascending)
{
    const int current = Row() - FixedRows();
    const std::vector<int> order = m_model->sortRows(col, ascending);
    const auto moved = std::find(order.begin(), order.end(), current);
    if (current < 0 || moved == order.end())
        return;
    setRow(int(moved - order.begin()) + FixedRows());
    setCol(col);
}

int Grid::rowAtPoint(int y) const
{
    const int row = rowAt(y);
    return row < 0 ? -1 : row + FixedRows();
}

int Grid::colAtPoint(int x) const
{
    return columnAt(x);
}

void Grid::applyWidths()
{
    horizontalHeader()->setVisible(FixedRows() > 0);
    for (size_t col = 0; col < m_widths.size(); ++col)
        setColumnWidth(int(col), m_widths[col]);
}

void Grid::followCurrentRow(const QModelIndex &current, const QModelIndex &previous)
{
    if (current.row() != previous.row())
        emit RowChanged(current.isValid() ? current.row() + FixedRows() : 0);
}

void Grid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    emit MouseUp(buttonCode(event->button()), shiftMask(event->modifiers()), at.x(), at.y());
}

void Grid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    emit DblClick(rowAtPoint(event->position().toPoint().y()));
}

void Grid::keyPressEvent(QKeyEvent *event)
{
    emit KeyDown(virtualKeyCode(event->key()), shiftMask(event->modifiers()));
    QTableView::keyPressEvent(event);
}

} // namespace suite
