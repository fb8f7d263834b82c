#include "card/ReferenceTables.h"

#include <QHash>

namespace customer {

QString GetRefTableByIndex(int index)
{
    static const QHash<int, QString> tables{
        { 3, QStringLiteral("customerclass") }, { 4, QStringLiteral("districtclass") },
        { 5, QStringLiteral("Customer") },      { 6, QStringLiteral("TradeClass") },
        { 13, QStringLiteral("Crm_Contact") },  { 20, QStringLiteral("shippingchoice") },
        { 21, QStringLiteral("warehouse") },    { 27, QStringLiteral("paycondition") },
        { 30, QStringLiteral("department") },   { 31, QStringLiteral("person") },
    };
    return tables.value(index);
}

// The bank and the primary vendor copy nothing when chosen. The public service compares archive
// names without case, so "vendor" and "Vendor" name the same archive.
ReferenceTable namedReferenceTable(const QString &control)
{
    static const QHash<QString, ReferenceTable> tables{
        { QStringLiteral("EdtcCusBankCode"), { QStringLiteral("aa_bank"), QString() } },
        { QStringLiteral("EdtcCusCountryCode"),
          { QStringLiteral("EX_Nation"), QStringLiteral("EX_Nation") } },
        { QStringLiteral("EdtcCusExch_name"),
          { QStringLiteral("foreigncurrency"), QStringLiteral("foreigncurrency") } },
        { QStringLiteral("EdtcCusPortCode"),
          { QStringLiteral("EX_Port"), QStringLiteral("EX_Port") } },
        { QStringLiteral("EdtcPrimaryVen"), { QStringLiteral("vendor"), QString() } },
        { QStringLiteral("EdtCustomerKCode"),
          { QStringLiteral("CustomerRank"), QStringLiteral("CustomerRank") } },
        { QStringLiteral("EdtVenCode"), { QStringLiteral("vendor"), QStringLiteral("Vendor") } },
    };
    return tables.value(control);
}

} // namespace customer
