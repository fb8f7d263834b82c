#include "ListWindowFixture.h"

#include "list/FrmCus.h"
#include "suite/controls/Grid.h"

#include <QFontMetrics>
#include <QHeaderView>

using namespace customer;

namespace {

// The list's grid as a user reads it: boolean columns as check boxes, columns as wide as their
// captions and contents.
class ListGridLook : public ListWindowFixture
{
protected:
    int columnOf(const QString &field) const
    {
        for (int col = 2; col < m_list->Grid->Cols(); ++col) {
            if (m_list->Grid->ColKey(col).section(u'.', -1).compare(field, Qt::CaseInsensitive)
                == 0)
                return col;
        }
        return -1;
    }

    QVariant shown(int row, int col, Qt::ItemDataRole role) const
    {
        const QAbstractItemModel *model = m_list->Grid->model();
        return model->data(model->index(row - m_list->Grid->FixedRows(), col), role);
    }
};

TEST_F(ListGridLook, BooleanColumnsShowReadOnlyCheckBoxes)
{
    ASSERT_TRUE(openList());
    requestPage(20, 1);
    const int domestic = columnOf(QStringLiteral("bCusDomestic"));
    ASSERT_GT(domestic, 1);
    ASSERT_GT(m_list->Grid->Rows(), 1);
    int ticked = 0;
    for (int row = 1; row < m_list->Grid->Rows(); ++row) {
        const QString stored = m_list->Grid->TextMatrix(row, domestic);
        ASSERT_TRUE(stored == u"1" || stored == u"0") << qPrintable(stored);
        EXPECT_EQ(shown(row, domestic, Qt::DisplayRole).toString(), QString()) << "no 1 or 0";
        EXPECT_EQ(shown(row, domestic, Qt::CheckStateRole).toInt(),
                  stored == u"1" ? Qt::Checked : Qt::Unchecked);
        ticked += stored == u"1" ? 1 : 0;
    }
    EXPECT_GT(ticked, 0);
    const QModelIndex cell = m_list->Grid->model()->index(0, domestic);
    EXPECT_FALSE(m_list->Grid->model()->flags(cell) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(m_list->Grid->model()->setData(cell, Qt::Unchecked, Qt::CheckStateRole));
    const int code = columnOf(QStringLiteral("cCusCode"));
    EXPECT_EQ(shown(1, code, Qt::DisplayRole).toString(), m_list->Grid->TextMatrix(1, code));
    EXPECT_FALSE(shown(1, code, Qt::CheckStateRole).isValid());
}

TEST_F(ListGridLook, ColumnsWithoutStoredWidthFitCaptionAndFirstPage)
{
    ASSERT_TRUE(openList());
    const suite::Grid *grid = m_list->Grid;
    const QFontMetrics cells = grid->fontMetrics();
    const QFontMetrics captions = grid->horizontalHeader()->fontMetrics();
    const int name = columnOf(QStringLiteral("cCusName"));
    const int code = columnOf(QStringLiteral("cCusCode"));
    ASSERT_GT(name, 1);
    ASSERT_GT(code, 1);
    int longestName = 0;
    for (int row = 1; row < grid->Rows(); ++row)
        longestName = std::max(longestName, cells.horizontalAdvance(grid->TextMatrix(row, name)));
    ASSERT_GT(longestName, suite::Grid::kDefaultColWidth) << "the demo has long names";
    EXPECT_GE(grid->ColWidth(name), std::min(longestName, int(suite::Grid::kMaxFitColWidth)));
    EXPECT_LE(grid->ColWidth(name), suite::Grid::kMaxFitColWidth);
    EXPECT_GE(grid->ColWidth(code), captions.horizontalAdvance(grid->TextMatrix(0, code)));
    EXPECT_LT(grid->ColWidth(code), grid->ColWidth(name));
    EXPECT_EQ(grid->columnWidth(name), grid->ColWidth(name)) << "the view shows that width";

    // The widths fitted to the first page are the list's own: a later page keeps them and
    // closing the list stores nothing the user did not change.
    const int nameWidth = grid->ColWidth(name);
    requestPage(5, 3);
    EXPECT_EQ(grid->ColWidth(name), nameWidth);
    m_list->close();
    EXPECT_TRUE(m_company
                    .column(DemoCompanyCopy<>::Company,
                            QStringLiteral("select iWidth from AA_ColumnSet where cUser_Id='demo'"))
                    .isEmpty());
}

TEST(GridFit, ColumnFitsItsCaptionAndCellsUpToTheMaximum)
{
    suite::Grid grid;
    grid.setCols(4);
    grid.setRows(3);
    grid.setFixedRows(1);
    grid.setTextMatrix(0, 1, QStringLiteral("A rather long caption"));
    grid.setTextMatrix(1, 1, QStringLiteral("x"));
    grid.setTextMatrix(0, 2, QStringLiteral("N"));
    grid.setTextMatrix(2, 2, QString(200, u'W'));
    grid.setTextMatrix(0, 3, QStringLiteral("Kept"));
    grid.setColWidth(1, suite::Grid::kFitColWidth);
    grid.setColWidth(2, suite::Grid::kFitColWidth);
    grid.setColWidth(3, 77);
    ASSERT_TRUE(grid.hasColumnsToFit());
    EXPECT_EQ(grid.ColWidth(1), suite::Grid::kDefaultColWidth) << "until it is fitted";
    grid.fitColumns();
    EXPECT_FALSE(grid.hasColumnsToFit());
    const int caption = grid.horizontalHeader()->fontMetrics().horizontalAdvance(
        QStringLiteral("A rather long caption"));
    EXPECT_GE(grid.ColWidth(1), caption);
    EXPECT_LT(grid.ColWidth(1), caption + 40);
    EXPECT_EQ(grid.ColWidth(2), suite::Grid::kMaxFitColWidth);
    EXPECT_EQ(grid.ColWidth(3), 77);
}

} // namespace
