#include "suite/controls/Grid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace suite;

namespace {

// A grid laid out as the list lays it: header row, serial column, selection column, fields.
void layOut(Grid &grid, int dataRows)
{
    grid.setCols(4);
    grid.setRows(1 + dataRows);
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    grid.setColKey(1, QStringLiteral("SelCol"));
    grid.setColKey(2, QStringLiteral("Customer.cCusCode"));
    grid.setColKey(3, QStringLiteral("iCusCreLine"));
    grid.setTextMatrix(0, 2, QStringLiteral("Code"));
    grid.setTextMatrix(0, 3, QStringLiteral("Credit"));
    for (int row = 1; row <= dataRows; ++row)
        grid.setTextMatrix(row, 0, QString::number(row));
}

QStringList columnTexts(const Grid &grid, int col)
{
    QStringList texts;
    for (int row = grid.FixedRows(); row < grid.Rows(); ++row)
        texts.append(grid.TextMatrix(row, col));
    return texts;
}

void fillColumn(Grid &grid, int col, const QStringList &texts)
{
    for (int i = 0; i < texts.size(); ++i)
        grid.setTextMatrix(grid.FixedRows() + i, col, texts.at(i));
}

} // namespace

TEST(GridControl, ShapeKeepsCellsThatStayAndAnswersEmptyOutside)
{
    Grid grid;
    grid.setCols(3);
    grid.setRows(3);
    grid.setTextMatrix(1, 1, QStringLiteral("kept"));
    grid.setTextMatrix(2, 2, QStringLiteral("dropped"));
    grid.setRows(2);
    grid.setCols(2);
    grid.setRows(3);
    grid.setCols(3);
    EXPECT_EQ(grid.TextMatrix(1, 1), QStringLiteral("kept"));
    EXPECT_EQ(grid.TextMatrix(2, 2), QString());
    EXPECT_EQ(grid.TextMatrix(5, 0), QString());
    EXPECT_EQ(grid.TextMatrix(-1, 0), QString());
    grid.setTextMatrix(9, 9, QStringLiteral("nowhere"));
    EXPECT_EQ(grid.Rows(), 3);
}

TEST(GridControl, HeaderRowIsShownAsColumnHeadersAndNotAsData)
{
    Grid grid;
    layOut(grid, 2);
    EXPECT_EQ(grid.model()->rowCount(), 2);
    EXPECT_EQ(grid.model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Code"));
    grid.setTextMatrix(0, 3, QStringLiteral("Limit"));
    EXPECT_EQ(grid.model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Limit"));
    EXPECT_EQ(grid.model()->index(0, 0).data().toString(), QStringLiteral("1"));
}

TEST(GridControl, SelectionColumnShowsATickButKeepsY)
{
    Grid grid;
    layOut(grid, 2);
    grid.setTextMatrix(1, 1, QStringLiteral("Y"));
    EXPECT_EQ(grid.TextMatrix(1, 1), QStringLiteral("Y"));
    EXPECT_EQ(grid.model()->index(0, 1).data().toString(), QStringLiteral("\u2714"));
    EXPECT_EQ(grid.model()->index(1, 1).data().toString(), QString());
    EXPECT_EQ(grid.ColIndex(QStringLiteral("selcol")), 1);
    EXPECT_EQ(grid.ColIndex(QStringLiteral("nothing")), -1);
}

TEST(GridControl, RedrawOffDefersEveryChangeToOneReset)
{
    Grid grid;
    layOut(grid, 3);
    int changes = 0;
    int resets = 0;
    QObject::connect(grid.model(), &QAbstractItemModel::dataChanged, [&] { ++changes; });
    QObject::connect(grid.model(), &QAbstractItemModel::modelReset, [&] { ++resets; });
    grid.setRedraw(false);
    grid.setRows(50);
    for (int row = 1; row < 50; ++row)
        grid.setTextMatrix(row, 2, QString::number(row));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(resets, 0);
    grid.setRedraw(true);
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(grid.model()->rowCount(), 49);
    grid.setTextMatrix(1, 2, QStringLiteral("again"));
    EXPECT_EQ(changes, 1);
}

TEST(GridControl, ColumnWidthsSurviveARebuildOfTheRows)
{
    Grid grid;
    layOut(grid, 2);
    EXPECT_EQ(grid.ColWidth(0), Grid::kSerialColWidth);
    EXPECT_EQ(grid.ColWidth(3), Grid::kDefaultColWidth);
    grid.setColWidth(2, 140);
    grid.setRows(300);
    EXPECT_EQ(grid.ColWidth(2), 140);
    EXPECT_EQ(grid.columnWidth(2), 140);
    EXPECT_EQ(grid.ColWidth(9), 0);
}

TEST(GridControl, RowIsZeroWithoutACurrentDataRow)
{
    Grid grid;
    layOut(grid, 3);
    EXPECT_EQ(grid.Row(), 0);
    grid.setRow(2);
    EXPECT_EQ(grid.Row(), 2);
    grid.setRow(0);
    EXPECT_EQ(grid.Row(), 0);
    grid.setRow(4);
    EXPECT_EQ(grid.Row(), 0);
}

TEST(GridControl, TopRowScrollsTheRowToTheTop)
{
    Grid grid;
    grid.resize(300, 200);
    layOut(grid, 1000);
    grid.show();
    EXPECT_EQ(grid.TopRow(), 1);
    grid.setTopRow(500);
    EXPECT_EQ(grid.TopRow(), 500);
}

TEST(GridControl, SortsNumbersByValueTextsWithoutCaseAndEmptyFirst)
{
    Grid grid;
    layOut(grid, 5);
    fillColumn(grid, 3,
               { QStringLiteral("10"), QStringLiteral("9"), QString(), QStringLiteral("-2.5"),
                 QStringLiteral("100") });
    fillColumn(grid, 2,
               { QStringLiteral("b"), QStringLiteral("C"), QStringLiteral("a"), QStringLiteral("d"),
                 QStringLiteral("e") });
    grid.sort(3, true);
    EXPECT_EQ(columnTexts(grid, 3),
              QStringList({ QString(), QStringLiteral("-2.5"), QStringLiteral("9"),
                            QStringLiteral("10"), QStringLiteral("100") }));
    EXPECT_EQ(columnTexts(grid, 2),
              QStringList({ QStringLiteral("a"), QStringLiteral("d"), QStringLiteral("C"),
                            QStringLiteral("b"), QStringLiteral("e") }));
    EXPECT_EQ(columnTexts(grid, 0),
              QStringList({ QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                            QStringLiteral("4"), QStringLiteral("5") }));
    grid.sort(2, false);
    EXPECT_EQ(columnTexts(grid, 2),
              QStringList({ QStringLiteral("e"), QStringLiteral("d"), QStringLiteral("C"),
                            QStringLiteral("b"), QStringLiteral("a") }));
}

TEST(GridControl, SortKeepsEqualRowsInOrderAndTheCurrentRowOnItsRecord)
{
    Grid grid;
    layOut(grid, 4);
    fillColumn(
        grid, 2,
        { QStringLiteral("r1"), QStringLiteral("r2"), QStringLiteral("r3"), QStringLiteral("r4") });
    fillColumn(
        grid, 3,
        { QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("1") });
    grid.setRow(3);
    grid.setCol(3);
    grid.sort(3, true);
    EXPECT_EQ(columnTexts(grid, 2),
              QStringList({ QStringLiteral("r2"), QStringLiteral("r4"), QStringLiteral("r1"),
                            QStringLiteral("r3") }));
    EXPECT_EQ(grid.TextMatrix(grid.Row(), 2), QStringLiteral("r3"));
    EXPECT_EQ(grid.Col(), 3);
}

TEST(GridControl, ReportsKeysMouseButtonsAndDoubleClicksInSuiteCodes)
{
    Grid grid;
    grid.resize(400, 300);
    layOut(grid, 3);
    grid.show();
    QList<QList<int>> reports;
    QObject::connect(&grid, &Grid::KeyDown, [&](int key, int shift) {
        reports.append({ 0, key, shift });
    });
    QObject::connect(&grid, &Grid::MouseUp, [&](int button, int shift, int x, int y) {
        reports.append({ 1, button, shift, x, y });
    });
    QObject::connect(&grid, &Grid::DblClick, [&](int row) { reports.append({ 2, row }); });

    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::ControlModifier);
    QApplication::sendEvent(&grid, &space);
    const QPoint cell(grid.columnViewportPosition(2) + 5, grid.rowViewportPosition(1) + 3);
    QMouseEvent release(QEvent::MouseButtonRelease, cell, grid.viewport()->mapToGlobal(cell),
                        Qt::RightButton, Qt::NoButton, Qt::ShiftModifier);
    QApplication::sendEvent(grid.viewport(), &release);
    QMouseEvent twice(QEvent::MouseButtonDblClick, cell, grid.viewport()->mapToGlobal(cell),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &twice);

    ASSERT_EQ(reports.size(), 3);
    EXPECT_EQ(reports.at(0), QList<int>({ 0, 32, 2 }));
    EXPECT_EQ(reports.at(1), QList<int>({ 1, 2, 1, cell.x(), cell.y() }));
    EXPECT_EQ(reports.at(2), QList<int>({ 2, 2 }));
}

TEST(GridControl, ReportsTheNewCurrentRow)
{
    Grid grid;
    layOut(grid, 3);
    QList<int> rows;
    QObject::connect(&grid, &Grid::RowChanged, [&](int row) { rows.append(row); });
    grid.setRow(2);
    grid.setRow(3);
    grid.setRow(0);
    EXPECT_EQ(rows, QList<int>({ 2, 3, 0 }));
}
