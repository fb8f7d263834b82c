// The card's map button: the customer's position and address go to the session's map window,
// and a confirmed pick comes back into the card.
#include "card/FrmCusAM.h"

#include "entry/GuardedProcedure.h"
#include "entry/SessionMapWindow.h"
#include "map/MapState.h"
#include "map/MapWindow.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/RefEdit.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace customer {

void FrmCusAM::connectMapButton()
{
    connect(cmdMap, &QPushButton::clicked, this, [this] {
        runGuarded(QStringLiteral("FrmCusAM.cmdMap_Click"), [this] { cmdMap_Click(); });
    });
}

void FrmCusAM::cmdMap_Click()
{
    auto *location =
        qobject_cast<QLineEdit *>(GetControlByName(QStringLiteral("EdtcLocationSite")));
    if (!location)
        return;
    map::MapWindow *window = sessionMapWindow();
    if (!window)
        return;
    map::MapState &state = window->state();
    QString latitude;
    QString longitude;
    if (!location->text().isEmpty()) {
        const QStringList parts = location->text().split(u',');
        latitude = parts.value(0);
        longitude = parts.value(1);
    }
    state.setLongitude(longitude);
    state.setLatitude(latitude);
    state.setDefaultAddress(Edt(11)->text());
    state.setAddress(Edt(11)->text());
    suite::showModal(&window->dialog());
    if (state.longitude().isEmpty())
        return;
    const QString picked = state.latitude() + u',' + state.longitude();
    // Closing the window without a pick hands back what the card gave: nothing changed then.
    if (picked == location->text() && state.address() == Edt(11)->text())
        return;
    location->setText(picked);
    Edt(11)->setText(state.address());
    MarkModified();
}

} // namespace customer
