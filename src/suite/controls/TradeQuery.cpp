#include "suite/controls/TradeQuery.h"

#include "suite/pub/ResourceTable.h"

namespace suite {

namespace {

const QString kSummaryType = QStringLiteral("1");
const QString kDetailType = QStringLiteral("2");

const QStringList kSummaryColumns = {
    QStringLiteral("cCusCode"),        QStringLiteral("cCusAbbName"),
    QStringLiteral("iInvoiceCount"),   QStringLiteral("iInvoiceAmount"),
    QStringLiteral("iReceiptCount"),   QStringLiteral("iReceiptAmount"),
    QStringLiteral("iBalance"),        QStringLiteral("dLastInvoiceDate"),
    QStringLiteral("dLastReceiptDate")
};

const QStringList kDetailColumns = { QStringLiteral("cCusCode"),   QStringLiteral("cCusAbbName"),
                                     QStringLiteral("dVouchDate"), QStringLiteral("cVouchType"),
                                     QStringLiteral("cVouchID"),   QStringLiteral("cDigest"),
                                     QStringLiteral("iDAmount"),   QStringLiteral("iCAmount") };

QString queryType(const QMap<QString, QString> &conditions)
{
    const QString type = conditions.value(QString::fromUtf8(TradeQuery::kQueryType)).trimmed();
    return type.isEmpty() ? kSummaryType : type;
}

QString customerClause(const QMap<QString, QString> &conditions)
{
    const QString clause =
        conditions.value(QString::fromUtf8(TradeQuery::kCustomerCondition)).trimmed();
    return clause.isEmpty() ? QStringLiteral("1=1") : clause;
}

QString summaryStatement(const QString &where)
{
    return QStringLiteral(
               "select Customer.cCusCode, Customer.cCusAbbName,"
               " sum(case when Ar_Detail.iDAmount<>0 then 1 else 0 end) as iInvoiceCount,"
               " isnull(sum(Ar_Detail.iDAmount),0) as iInvoiceAmount,"
               " sum(case when Ar_Detail.iCAmount<>0 then 1 else 0 end) as iReceiptCount,"
               " isnull(sum(Ar_Detail.iCAmount),0) as iReceiptAmount,"
               " isnull(sum(Ar_Detail.iDAmount),0)-isnull(sum(Ar_Detail.iCAmount),0) as iBalance,"
               " max(case when Ar_Detail.iDAmount<>0 then Ar_Detail.dVouchDate end)"
               " as dLastInvoiceDate,"
               " max(case when Ar_Detail.iCAmount<>0 then Ar_Detail.dVouchDate end)"
               " as dLastReceiptDate"
               " from Customer left join Ar_Detail on Ar_Detail.cDwCode=Customer.cCusCode"
               " where (%1) group by Customer.cCusCode, Customer.cCusAbbName"
               " order by Customer.cCusCode")
        .arg(where);
}

QString detailStatement(const QString &where)
{
    return QStringLiteral("select Customer.cCusCode, Customer.cCusAbbName, Ar_Detail.dVouchDate,"
                          " Ar_Detail.cVouchType, Ar_Detail.cVouchID, Ar_Detail.cDigest,"
                          " Ar_Detail.iDAmount, Ar_Detail.iCAmount"
                          " from Ar_Detail inner join Customer on"
                          " Customer.cCusCode=Ar_Detail.cDwCode"
                          " where (%1) order by Customer.cCusCode, Ar_Detail.dVouchDate,"
                          " Ar_Detail.Auto_ID")
        .arg(where);
}

bool knownObject(const QString &cObjectId, const ResourceTable &texts, QString &sMsg)
{
    if (cObjectId.compare(QLatin1StringView(TradeQuery::kCustomerTradeObject), Qt::CaseInsensitive)
        == 0)
        return true;
    sMsg = texts.format(QStringLiteral("Tarn.AA.PUB.TRADE.unknownobject"), { cObjectId });
    return false;
}

} // namespace

bool TradeQuery::conditionItems(const QString &cObjectId, const ResourceTable &texts,
                                QMap<QString, QString> &items, QString &sMsg)
{
    if (!knownObject(cObjectId, texts, sMsg))
        return false;
    items = { { QString::fromUtf8(kCustomerCondition), QString() },
              { QString::fromUtf8(kQueryType), kSummaryType } };
    return true;
}

bool TradeQuery::checkReport(const QString &cReportId, const ResourceTable &texts, QString &sMsg)
{
    if (cReportId.compare(QLatin1StringView(kCustomerTradeReport), Qt::CaseInsensitive) == 0)
        return true;
    sMsg = texts.format(QStringLiteral("Tarn.AA.PUB.TRADE.unknownreport"), { cReportId });
    return false;
}

bool TradeQuery::statement(const QString &cObjectId, const QMap<QString, QString> &conditions,
                           const ResourceTable &texts, QString &sql, QString &sMsg)
{
    if (!knownObject(cObjectId, texts, sMsg))
        return false;
    const QString type = queryType(conditions);
    if (type == kSummaryType)
        sql = summaryStatement(customerClause(conditions));
    else if (type == kDetailType)
        sql = detailStatement(customerClause(conditions));
    else {
        sMsg = texts.format(QStringLiteral("Tarn.AA.PUB.TRADE.unknowntype"), { type });
        return false;
    }
    return true;
}

QStringList TradeQuery::captionKeys(const QMap<QString, QString> &conditions)
{
    const QStringList &columns =
        queryType(conditions) == kDetailType ? kDetailColumns : kSummaryColumns;
    QStringList keys;
    for (const QString &column : columns)
        keys.append(QStringLiteral("Tarn.AA.PUB.TRADE.") + column.toLower());
    return keys;
}

} // namespace suite
