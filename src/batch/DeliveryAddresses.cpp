#include "batch/DeliveryAddresses.h"

#include "batch/DeliveryAddressCode.h"
#include "catalogue/SharedUtilities.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"

#include <QStringList>

namespace customer {

namespace {

using suite::sqlQuote;

// The code of an address is shown as it grows past four digits, as it no longer sorts in line.
const QString kBeyondFourDigits = QStringLiteral("地址编码超过四位整数了！");

} // namespace

DeliveryAddresses::DeliveryAddresses(suite::IClsCommon &service)
    : m_service(service)
{ }

bool DeliveryAddresses::follow(const QString &customerCode, const QString &addressGuid,
                               const QString &address)
{
    if (addressGuid.isEmpty()) {
        QString guid;
        return giveNewGuid(customerCode, guid) && addRow(customerCode, guid, address);
    }
    if (address.isEmpty())
        return m_service.ExecuteX(
            QStringLiteral("delete from CusDeliverAdd  where cCusAddressGUID='")
            + sqlQuote(addressGuid) + u'\'');
    if (!hasRows(customerCode))
        return addRow(customerCode, addressGuid, address);
    return m_service.ExecuteX(QStringLiteral("update CusDeliverAdd set cDeliverAdd='")
                              + sqlQuote(address) + QStringLiteral("'   where cCusCode ='")
                              + sqlQuote(customerCode) + QStringLiteral("' and cCusAddressGUID ='")
                              + sqlQuote(addressGuid) + u'\'');
}

bool DeliveryAddresses::giveNewGuid(const QString &customerCode, QString &guid)
{
    const suite::RecordSet made = m_service.OpenX(QStringLiteral("select  NEWID()as GUID"));
    if (!made.IsOpen() || made.RecordCount() == 0)
        return false;
    guid = made.Value(QStringLiteral("guid")).toString();
    return m_service.ExecuteX(QStringLiteral("update Customer  set cCusAddressGUID='")
                              + sqlQuote(guid) + QStringLiteral("' where cCusCode='")
                              + sqlQuote(customerCode) + u'\'');
}

bool DeliveryAddresses::hasRows(const QString &customerCode)
{
    const suite::RecordSet rows = m_service.OpenX(
        QStringLiteral("select cCusAddressGUID from CusDeliverAdd where cCusCode ='")
        + sqlQuote(customerCode) + u'\'');
    return rows.IsOpen() && rows.RecordCount() > 0;
}

bool DeliveryAddresses::addRow(const QString &customerCode, const QString &addressGuid,
                               const QString &address)
{
    if (address.isEmpty())
        return true;
    const suite::RecordSet codes = m_service.OpenX(
        QStringLiteral("select  cAddCode ,cCusCode  from CusDeliverAdd  where cCusCode ='")
        + sqlQuote(customerCode) + QStringLiteral("' order by cAddCode desc "));
    if (!codes.IsOpen())
        return false;
    QStringList descending;
    for (int row = 0; row < codes.RecordCount(); ++row)
        descending.append(codes.valueAt(row, 0).toString());
    const DeliveryAddressCode next = nextDeliveryAddressCode(descending);
    if (next.beyondFourDigits)
        ShowInfoMsg(kBeyondFourDigits);

    suite::RecordSet rows = m_service.OpenX(QStringLiteral("select top 0 * from CusDeliverAdd "));
    QString sMsg;
    if (!rows.IsOpen() || !rows.AddNew(sMsg))
        return false;
    rows.SetValue(QStringLiteral("cCusCode"), customerCode);
    rows.SetValue(QStringLiteral("cAddCode"), next.code);
    rows.SetValue(QStringLiteral("cDeliverAdd"), address);
    rows.SetValue(QStringLiteral("cCusAddressGUID"), addressGuid);
    rows.SetValue(QStringLiteral("bDefault"),
                  next.isDefault ? QStringLiteral("1") : QStringLiteral("0"));
    return rows.Update(sMsg);
}

} // namespace customer
