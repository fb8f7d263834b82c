#include "batch/DeliveryAddresses.h"

#include "batch/DeliveryAddressCode.h"
#include "catalogue/SharedUtilities.h"
#include "suite/data/IClsCommon.h"

#include <QStringList>

namespace customer {

namespace {

// The code of an address is shown as it grows past four digits, as it no longer sorts in line.
const QString kBeyondFourDigits = QStringLiteral("地址编码超过四位整数了！");

// The statements run once per customer keep one text each: the customer's values come in as
// these variables.
const QString kDeclarations =
    QStringLiteral("declare @code nvarchar(40)\r\ndeclare @guid nvarchar(100)\r\n"
                   "declare @address nvarchar(255)\r\n");

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
        return m_service.ExecuteWith(kDeclarations
                                         + QStringLiteral("delete from CusDeliverAdd  where "
                                                          "cCusAddressGUID=@guid"),
                                     { { QStringLiteral("guid"), addressGuid } });
    if (!hasRows(customerCode))
        return addRow(customerCode, addressGuid, address);
    return m_service.ExecuteWith(
        kDeclarations
            + QStringLiteral("update CusDeliverAdd set cDeliverAdd=@address   where cCusCode "
                             "=@code and cCusAddressGUID =@guid"),
        { { QStringLiteral("address"), address },
          { QStringLiteral("code"), customerCode },
          { QStringLiteral("guid"), addressGuid } });
}

bool DeliveryAddresses::giveNewGuid(const QString &customerCode, QString &guid)
{
    const suite::RecordSet made = m_service.OpenX(QStringLiteral("select  NEWID()as GUID"));
    if (!made.IsOpen() || made.RecordCount() == 0)
        return false;
    guid = made.Value(QStringLiteral("guid")).toString();
    return m_service.ExecuteWith(
        kDeclarations
            + QStringLiteral("update Customer  set cCusAddressGUID=@guid where cCusCode=@code"),
        { { QStringLiteral("guid"), guid }, { QStringLiteral("code"), customerCode } });
}

bool DeliveryAddresses::hasRows(const QString &customerCode)
{
    const suite::RecordSet rows = m_service.OpenWith(
        kDeclarations
            + QStringLiteral("select cCusAddressGUID from CusDeliverAdd where cCusCode =@code"),
        { { QStringLiteral("code"), customerCode } });
    return rows.IsOpen() && rows.RecordCount() > 0;
}

bool DeliveryAddresses::addRow(const QString &customerCode, const QString &addressGuid,
                               const QString &address)
{
    if (address.isEmpty())
        return true;
    const suite::RecordSet codes = m_service.OpenWith(
        kDeclarations
            + QStringLiteral("select  cAddCode ,cCusCode  from CusDeliverAdd  where cCusCode "
                             "=@code order by cAddCode desc "),
        { { QStringLiteral("code"), customerCode } });
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
