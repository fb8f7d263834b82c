// The public service's members that sort the list's grid, find and restore its current row,
// tick rows and show the grid's sort popup.

#include "suite/controls/Grid.h"
#include "suite/pub/ClsPub.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

namespace suite {

namespace {

constexpr int kAscending = 1;
constexpr int kDescending = 2;
constexpr int kModeMouse = 0;
constexpr int kModeKey = 1;
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kSpaceKey = 32;
const QString kTicked = QStringLiteral("Y");

int selectionColumn(const Grid &grid)
{
    const int col = grid.ColIndex(QStringLiteral("SelCol"));
    return col >= 0 ? col : 1;
}

void toggleTick(Grid &grid, int row)
{
    if (row < grid.FixedRows() || row >= grid.Rows())
        return;
    const int col = selectionColumn(grid);
    grid.setTextMatrix(row, col, grid.TextMatrix(row, col) == kTicked ? QString() : kTicked);
}

int columnOfCaption(const Grid &grid, const QString &caption)
{
    for (int col = 0; col < grid.Cols(); ++col) {
        if (grid.TextMatrix(0, col).trimmed().compare(caption.trimmed(), Qt::CaseInsensitive) == 0)
            return col;
    }
    return -1;
}

void checkSortAction(QWidget *form, const char *name, bool checked)
{
    if (QAction *action = form ? form->findChild<QAction *>(QLatin1String(name)) : nullptr) {
        if (action->isCheckable())
            action->setChecked(checked);
    }
}

} // namespace

void ClsPub::GridSort(QWidget *form, Grid *grid, int iOrder)
{
    if (!grid || (iOrder != kAscending && iOrder != kDescending))
        return;
    if (grid->Col() < grid->FixedCols())
        return;
    grid->sort(grid->Col(), iOrder == kAscending);
    checkSortAction(form, "mAsc", iOrder == kAscending);
    checkSortAction(form, "mDesc", iOrder == kDescending);
}

void ClsPub::GridSortNew(QWidget *form, Grid *grid, const QString &cItemKey)
{
    const QString key = cItemKey.trimmed().toLower();
    if (key == QLatin1String("asc"))
        GridSort(form, grid, kAscending);
    else if (key == QLatin1String("desc"))
        GridSort(form, grid, kDescending);
}

bool ClsPub::SetGridRow(Grid *grid, const QString &cCaption, const QString &cValue)
{
    if (!grid)
        return false;
    const int col = columnOfCaption(*grid, cCaption);
    if (col < 0)
        return false;
    for (int row = grid->FixedRows(); row < grid->Rows(); ++row) {
        if (grid->TextMatrix(row, col).trimmed().compare(cValue.trimmed(), Qt::CaseInsensitive)
            == 0) {
            grid->setRow(row);
            return true;
        }
    }
    return false;
}

void ClsPub::SetGridRow(Grid *grid, int iRow, int iTopRow)
{
    if (!grid || grid->Rows() <= grid->FixedRows())
        return;
    const int last = grid->Rows() - 1;
    grid->setTopRow(std::clamp(iTopRow, grid->FixedRows(), last));
    grid->setRow(std::clamp(iRow, grid->FixedRows(), last));
}

void ClsPub::SetGridSelect(Grid *grid, int iMode, int iButtonOrKey, int, int x, int y)
{
    if (!grid)
        return;
    if (iMode == kModeMouse && iButtonOrKey == kLeftButton
        && grid->colAtPoint(x) == selectionColumn(*grid))
        toggleTick(*grid, grid->rowAtPoint(y));
    else if (iMode == kModeKey && iButtonOrKey == kSpaceKey)
        toggleTick(*grid, grid->Row());
}

void ClsPub::ShowPopupMenu(QWidget *form, Grid *grid, int iButton, int, int x, int y)
{
    if (!grid || iButton != kRightButton)
        return;
    grid->setCol(grid->colAtPoint(x));
    auto *menu = new QMenu(grid);
    menu->setObjectName(QStringLiteral("GridSortMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QPointer<QWidget> window(form);
    const QPointer<Grid> target(grid);
    const std::pair<QString, QString> items[] = {
        { QStringLiteral("asc"), QStringLiteral("Tarn.AA.CUSTOMER.FRMCUS.mAsc") },
        { QStringLiteral("desc"), QStringLiteral("Tarn.AA.CUSTOMER.FRMCUS.mDesc") },
    };
    for (const auto &[key, caption] : items) {
        QAction *action = menu->addAction(GetResString(caption));
        action->setObjectName(key);
        QObject::connect(action, &QAction::triggered, grid, [this, window, target, key] {
            if (target)
                GridSortNew(window, target, key);
        });
    }
    menu->popup(grid->viewport()->mapToGlobal(QPoint(x, y)));
}

} // namespace suite
