// The list's map command: the ticked customers with a position, as numbered markers.
#include "list/FrmCus.h"

#include "catalogue/SharedUtilities.h"
#include "entry/SessionContext.h"
#include "entry/SessionMapWindow.h"
#include "map/MapListRows.h"
#include "map/MapWindow.h"
#include "suite/controls/Grid.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/pub/IPub.h"

#include <QDialog>

namespace customer {

void FrmCus::showMap()
{
    const int locationColumn = columnPosition(LocationSite);
    if (locationColumn < 1) {
        ShowInfoMsg(g_oPub ? g_oPub->GetResString(
                        QStringLiteral("Tarn.AA.CUSTOMER.FRMCUS.nolocationcolumn"))
                           : QString());
        return;
    }
    // The label columns in the order the markers show them.
    const ColumnPosition labelColumns[] = { AbbName, Phone, PersonName, Address };
    QList<map::MapListRow> rows;
    for (int row = 1; row < Grid->Rows(); ++row) {
        const QString location = Grid->TextMatrix(row, locationColumn);
        if (Grid->TextMatrix(row, 1) != u"Y" || location.isEmpty())
            continue;
        map::MapListRow listed{ location, {} };
        for (const ColumnPosition which : labelColumns) {
            const int column = columnPosition(which);
            if (column >= 1)
                listed.labelColumns.append(
                    { Grid->TextMatrix(0, column), Grid->TextMatrix(row, column) });
        }
        rows.append(listed);
    }
    map::MapWindow *window = sessionMapWindow();
    if (!window)
        return;
    map::handOverListRows(window->state(), rows);
    suite::showModal(&window->dialog());
}

} // namespace customer
