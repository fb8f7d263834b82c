// The card's map button: the customer's position and address go to the session's map window,
// and a confirmed pick comes back into the card.
#include "card/FrmCusAM.h"

#include "entry/GuardedProcedure.h"
#include "entry/SessionMapWindow.h"
#include "map/frmmap.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/RefEdit.h"

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
    map::frmmap &window = sessionMapWindow();
    QString latitude;
    QString longitude;
    if (!location->text().isEmpty()) {
        const QStringList parts = location->text().split(u',');
        latitude = parts.value(0);
        longitude = parts.value(1);
    }
    window.setLongitude(longitude);
    window.setLatitude(latitude);
    window.setDefaultaddress(Edt(11)->text());
    window.setAddress(Edt(11)->text());
    suite::showModal(&window);
    if (window.longitude().isEmpty())
        return;
    const QString picked = window.latitude() + u',' + window.longitude();
    // Closing the window without a pick hands back what the card gave: nothing changed then.
    if (picked == location->text() && window.address() == Edt(11)->text())
        return;
    location->setText(picked);
    Edt(11)->setText(window.address());
    MarkModified();
}

} // namespace customer
