// The public service's members that lay out, fill and measure the list's grid.

#include "suite/colset/ColumnSetXml.h"
#include "suite/colset/IColumnSet.h"
#include "suite/controls/Grid.h"
#include "suite/data/RecordSet.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/GridCellText.h"

#include <algorithm>

namespace suite {

namespace {

constexpr int kSerialColumn = 0;
constexpr int kSelectionColumn = 1;
constexpr int kFirstFieldColumn = 2;
constexpr int kSelectionColWidth = 30;
const QString kSelectionKey = QStringLiteral("SelCol");
const QString kSelectionField = QStringLiteral("'' as SelCol,");

QString bareName(const QString &field)
{
    const QString trimmed = field.trimmed();
    return trimmed.mid(trimmed.lastIndexOf(u'.') + 1);
}

QString captionOf(const Column &column)
{
    if (!column.caption.isEmpty())
        return column.caption;
    return column.originalCaption.isEmpty() ? column.field : column.originalCaption;
}

// The header row, the serial and selection columns, then one column per visible column.
void layOutColumns(Grid &grid, const ColumnSet &visible)
{
    grid.setRedraw(false);
    grid.setCols(kFirstFieldColumn + int(visible.columns.size()));
    grid.setRows(1);
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    grid.setColKey(kSerialColumn, QString());
    grid.setColWidth(kSerialColumn, Grid::kSerialColWidth);
    grid.setTextMatrix(0, kSelectionColumn, QString());
    grid.setColKey(kSelectionColumn, kSelectionKey);
    grid.setColWidth(kSelectionColumn, kSelectionColWidth);
    grid.setColAlignment(kSelectionColumn, Qt::AlignCenter);
    for (int i = 0; i < visible.columns.size(); ++i) {
        const Column &column = visible.columns.at(i);
        const int col = kFirstFieldColumn + i;
        grid.setTextMatrix(0, col, captionOf(column));
        grid.setColKey(col, column.field);
        grid.setColWidth(col, column.width);
        grid.setColAlignment(col, Qt::AlignLeft | Qt::AlignVCenter);
    }
    grid.setRedraw(true);
}

int foundRow(const RecordSet &rs, const QString &field, const QString &code)
{
    const int index = rs.FieldIndex(bareName(field));
    if (index < 0 || code.isEmpty())
        return -1;
    for (int row = 0; row < rs.RecordCount(); ++row) {
        if (rs.valueAt(row, index).toString().trimmed().compare(code, Qt::CaseInsensitive) == 0)
            return row;
    }
    return -1;
}

void fillRows(Grid &grid, const RecordSet &rs)
{
    const QList<Field> fields = rs.Fields();
    const int first = grid.FixedRows();
    for (int row = 0; row < rs.RecordCount(); ++row) {
        grid.setTextMatrix(first + row, kSerialColumn, QString::number(row + 1));
        for (int col = 1; col < grid.Cols(); ++col) {
            const int field = col - 1;
            grid.setTextMatrix(first + row, col,
                               field < fields.size()
                                   ? gridCellText(rs.valueAt(row, field), fields.at(field).type)
                                   : QString());
        }
    }
}

} // namespace

bool ClsPub::getColSet(const QString &cColSetXml, QString &cListFields, int &iCols, QString &cOrder,
                       int &iFixedCols, Grid *grid, QString &cText)
{
    ColumnSet set;
    if (!readColumnSetXml(cColSetXml, set, cText))
        return false;
    cText.clear();
    const ColumnSet visible = set.visibleOnly();
    const QString fields = selectList(set);
    cListFields = fields.isEmpty() ? QString() : kSelectionField + fields;
    iCols = set.visibleCount();
    iFixedCols = set.fixedCount();
    cOrder = orderList(set);
    if (grid)
        layOutColumns(*grid, visible);
    return true;
}

void ClsPub::FormatGrid(QWidget *form, const RecordSet &rsHeader, const QString &)
{
    Grid *grid = form ? form->findChild<Grid *>(QStringLiteral("Grid")) : nullptr;
    if (!grid)
        return;
    const QList<Field> fields = rsHeader.Fields();
    for (int field = 0; field < fields.size(); ++field) {
        const int col = field + 1;
        if (col == kSelectionColumn || col >= grid->Cols())
            continue;
        grid->setColAlignment(col, gridCellAlignment(fields.at(field).type));
        grid->setColCheckBox(col, typeFamily(fields.at(field).type) == TypeFamily::Boolean);
    }
}

bool ClsPub::FindFldColPos(Grid *grid, const QString &cField, int &iPos)
{
    iPos = -1;
    if (!grid)
        return false;
    const QString wanted = bareName(cField);
    for (int col = 1; col < grid->Cols(); ++col) {
        if (bareName(grid->ColKey(col)).compare(wanted, Qt::CaseInsensitive) == 0) {
            iPos = col - 1;
            return true;
        }
    }
    return false;
}

QString ClsPub::GetColWidthString(Grid *grid)
{
    if (!grid)
        return {};
    QStringList widths;
    for (int col = 0; col < grid->Cols(); ++col)
        widths.append(QString::number(grid->ColWidth(col)));
    return widths.join(u',');
}

bool ClsPub::SaveColSet(const std::shared_ptr<IColumnSet> &oColSet, Grid *grid, const QString &cKey,
                        const QString &)
{
    if (!oColSet || !grid)
        return false;
    ColumnSet set;
    QString sMsg;
    if (!readColumnSetXml(oColSet->getColInfo(cKey, IColumnSet::UserSet), set, sMsg))
        return false;
    for (int col = kFirstFieldColumn; col < grid->Cols(); ++col) {
        const int index = set.indexOf(grid->ColKey(col));
        if (index >= 0)
            set.columns[index].width = grid->ColWidth(col);
    }
    QString xml = writeColumnSetXml(set);
    return oColSet->Save(xml);
}

QString ClsPub::GetVal(const QString &cText, int iMin, int iMax)
{
    bool ok = false;
    const qlonglong value = cText.trimmed().toLongLong(&ok);
    if (!ok || iMax < iMin)
        return QString::number(iMin);
    return QString::number(std::clamp<qlonglong>(value, iMin, iMax));
}

void ClsPub::BindRstToGrid(QWidget *form, const RecordSet &rs)
{
    Grid *grid = form ? form->findChild<Grid *>(QStringLiteral("Grid")) : nullptr;
    if (!grid || !rs.IsOpen())
        return;
    const int first = std::max(grid->FixedRows(), 1);
    grid->setRedraw(false);
    if (grid->Cols() < rs.FieldCount() + 1)
        grid->setCols(rs.FieldCount() + 1);
    grid->setRows(first + rs.RecordCount());
    grid->setFixedRows(first);
    fillRows(*grid, rs);
    grid->setRedraw(true);
    if (grid->hasColumnsToFit())
        grid->fitColumns();
    const int found = foundRow(rs, m_pageFind.rowField, m_pageFind.rowCode);
    m_pageFind.rowCode.clear();
    grid->setRow(first + std::max(found, 0));
}

} // namespace suite
