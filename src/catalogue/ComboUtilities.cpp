#include "catalogue/ComboUtilities.h"

#include "catalogue/KeyOrder.h"
#include "entry/SessionContext.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/RecordSet.h"

#include <QComboBox>

namespace customer {

QString GetComboItemData(const QComboBox &combo)
{
    if (combo.currentIndex() < 0)
        return QStringLiteral("-1");
    return combo.itemData(combo.currentIndex()).toString();
}

void FillPriceGrades(QComboBox &cmb)
{
    cmb.clear();
    if (!g_oSrv)
        return;
    suite::RecordSet rs =
        InKeyOrder(g_oSrv->OpenX(QStringLiteral(
                       "select cPriceID,cDefaultName,cDefineName from sa_pricedef where bused=1 ")),
                   QStringLiteral("cPriceID"));
    if (!rs.IsOpen() || rs.RecordCount() == 0)
        return;
    cmb.addItem(QString(), -1);
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        const QVariant name = rs.Value(QStringLiteral("cDefineName"));
        const auto id = static_cast<qint16>(rs.Value(QStringLiteral("cPriceID")).toInt());
        cmb.addItem(name.isNull() ? QString() : name.toString(), id);
    }
}

} // namespace customer
