// The members of the public service that work on the list's grid: locate and the delete
// confirmation of the ticked rows.
#include "suite/controls/Grid.h"
#include "suite/controls/LocateDialog.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/RowLocator.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/MessageScript.h"
#include "suite/pub/ResourceTable.h"

namespace suite {

namespace {

// Column 0 numbers the rows; column 1 holds "Y" on a ticked row.
constexpr int kSelectionColumn = 1;
constexpr int kNamedTickedRows = 5;
constexpr int kYesNoQuestionDefaultNo = 4 + 32 + 256;

const QString kTicked = QStringLiteral("Y");

} // namespace

void ClsPub::FindPos(QWidget *form, Grid *grid)
{
    if (!grid)
        return;
    QStringList captions;
    QList<int> columns;
    for (int column = kSelectionColumn + 1; column < grid->Cols(); ++column) {
        const QString caption = grid->TextMatrix(0, column);
        if (caption.isEmpty())
            continue;
        captions.append(caption);
        columns.append(column);
    }
    LocateDialog dialog(
        captions,
        [grid, columns](int choice, const QString &text) {
            const int column = columns.value(choice, -1);
            if (column < 0)
                return false;
            const int row = findNextRow(grid->Rows(), 1, grid->Row(), text, [grid, column](int r) {
                return grid->TextMatrix(r, column);
            });
            if (row >= 0)
                grid->setRow(row);
            return row >= 0;
        },
        resources(), form);
    showModal(&dialog);
}

int ClsPub::ShowTipMsg(const std::shared_ptr<IClsCommon> &, const std::shared_ptr<ILogin> &,
                       Grid *grid, int iKeyPos, int iNameCol)
{
    if (!grid)
        return 0;
    QStringList named;
    int ticked = 0;
    for (int row = 1; row < grid->Rows(); ++row) {
        if (grid->TextMatrix(row, kSelectionColumn) != kTicked)
            continue;
        if (++ticked <= kNamedTickedRows)
            named.append(grid->TextMatrix(row, iKeyPos) + u' ' + grid->TextMatrix(row, iNameCol));
    }
    if (ticked == 0)
        return 0;
    if (ticked > kNamedTickedRows)
        named.append(QStringLiteral("……"));
    const QString question = GetResFormatString(QStringLiteral("Tarn.AA.PUB.DELETE.askmany"),
                                                { QString::number(ticked), named.join(u'\n') });
    return MsgBox(question, kYesNoQuestionDefaultNo,
                  GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information")))
            == MessageStyle::kYes
        ? 1
        : 0;
}

} // namespace suite
