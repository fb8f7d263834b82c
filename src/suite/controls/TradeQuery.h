#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace suite {

class ResourceTable;

// The statements of the trade query over the customers' receivables (Ar_Detail): debit lines
// are invoices, credit lines receipts. Query type "1" gives one line per customer with the
// counts, amounts, balance and latest dates; "2" gives the voucher lines themselves. The
// condition captioned "客户" selects the customers; it is a clause over Customer that the
// list window builds from its own code table.
class TradeQuery
{
public:
    static constexpr const char *kCustomerTradeObject = "E92B30FF-3236-4FC6-AB7D-D4E5FB6B64FE";
    static constexpr const char *kCustomerTradeReport = "41e45703-c28b-46cb-9755-5e3665271abf";
    static constexpr const char *kCustomerCondition = "客户";
    static constexpr const char *kQueryType = "查询类型";

    // False with the reason in sMsg for an object this query does not serve or an unknown
    // query type.
    static bool statement(const QString &cObjectId, const QMap<QString, QString> &conditions,
                          const ResourceTable &texts, QString &sql, QString &sMsg);
    // The condition items of the query with their defaults: every customer, one line per
    // customer. False with the reason in sMsg for an object this query does not serve.
    static bool conditionItems(const QString &cObjectId, const ResourceTable &texts,
                               QMap<QString, QString> &items, QString &sMsg);
    // False with the reason in sMsg for a report other than the trade report.
    static bool checkReport(const QString &cReportId, const ResourceTable &texts, QString &sMsg);
    // The resource keys of the columns' captions, in the statement's column order.
    static QStringList captionKeys(const QMap<QString, QString> &conditions);
};

} // namespace suite
