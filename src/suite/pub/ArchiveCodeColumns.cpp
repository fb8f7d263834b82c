#include "suite/pub/ArchiveCodeColumns.h"

#include <QList>

#include <utility>

namespace suite {

namespace {

const QList<std::pair<QString, QString>> &codeColumns()
{
    static const QList<std::pair<QString, QString>> columns = {
        { QStringLiteral("Customer"), QStringLiteral("cCusCode") },
        { QStringLiteral("Vendor"), QStringLiteral("cVenCode") },
        { QStringLiteral("Department"), QStringLiteral("cDepCode") },
        { QStringLiteral("Person"), QStringLiteral("cPersonCode") },
        { QStringLiteral("Warehouse"), QStringLiteral("cWhCode") },
        { QStringLiteral("CustomerClass"), QStringLiteral("cCCCode") },
        { QStringLiteral("DistrictClass"), QStringLiteral("cDCCode") },
        { QStringLiteral("TradeClass"), QStringLiteral("cTradeCCode") },
        { QStringLiteral("SettleStyle"), QStringLiteral("cSSCode") },
        { QStringLiteral("AA_Agreement"), QStringLiteral("cCode") },
        { QStringLiteral("CustomerRank"), QStringLiteral("cCusRankCode") },
        { QStringLiteral("AA_Bank"), QStringLiteral("cBankCode") },
        { QStringLiteral("EX_Nation"), QStringLiteral("cNationCode") },
        { QStringLiteral("EX_Port"), QStringLiteral("cPortCode") },
    };
    return columns;
}

const std::pair<QString, QString> *find(const QString &table)
{
    for (const auto &entry : codeColumns()) {
        if (entry.first.compare(table, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

} // namespace

QString archiveCodeColumn(const QString &table)
{
    const auto *entry = find(table);
    return entry ? entry->second : QString();
}

QString archiveTableName(const QString &table)
{
    const auto *entry = find(table);
    return entry ? entry->first : QString();
}

} // namespace suite
