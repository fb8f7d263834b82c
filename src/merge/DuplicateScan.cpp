#include "merge/DuplicateScan.h"

#include "catalogue/UnreadableFields.h"
#include "entry/SessionContext.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

namespace customer {

namespace {

// The columns the scan reads, as select-list entries: an unreadable one as null.
QString readable(const char *column)
{
    const QString name = QLatin1StringView(column);
    return isUnreadableField(name) ? QStringLiteral("null as ") + name
                                   : QStringLiteral("Customer.") + name;
}

QString rightsCondition()
{
    return g_sRowAuthInv.trimmed().isEmpty() ? QStringLiteral("1=1") : g_sRowAuthInv;
}

QString res(const char *key)
{
    return g_oPub ? g_oPub->GetResString(QLatin1StringView(key)) : QString::fromLatin1(key);
}

} // namespace

QString DuplicateScan::pageStatement(const QString &after)
{
    return QStringLiteral("select top %1 Customer.cCusCode, Customer.cCusName, %2, %3, %4, %5"
                          " from Customer where (%6) and Customer.cCusCode > %7"
                          " order by Customer.cCusCode")
        .arg(QString::number(kPageSize), readable("cCusRegCode"), readable("cCusPhone"),
             readable("cCusEmail"), readable("cCusHeadCode"), rightsCondition(),
             suite::sqlUnicode(after));
}

bool DuplicateScan::run(int minScore, int limit, QList<DuplicatePair> &pairs,
                        const std::function<bool(qsizetype)> &progress)
{
    pairs.clear();
    if (!g_oSrv)
        return false;
    DuplicateIndex index;
    QString after;
    for (;;) {
        const suite::RecordSet page = g_oSrv->OpenX(pageStatement(after));
        if (!page.IsOpen())
            return false;
        for (int row = 0; row < page.RecordCount(); ++row) {
            index.add({ page.valueAt(row, 0).toString(), page.valueAt(row, 1).toString(),
                        page.valueAt(row, 2).toString(), page.valueAt(row, 3).toString(),
                        page.valueAt(row, 4).toString(), page.valueAt(row, 5).toString() });
        }
        if (progress && !progress(index.size()))
            return false;
        if (page.RecordCount() < kPageSize)
            break;
        after = page.valueAt(page.RecordCount() - 1, 0).toString();
    }
    pairs = index.pairs(minScore, limit);
    return true;
}

QHash<QString, DuplicateCustomer> DuplicateScan::customersOf(const QList<DuplicatePair> &pairs)
{
    QHash<QString, DuplicateCustomer> customers;
    QStringList codes;
    for (const DuplicatePair &pair : pairs)
        codes << suite::sqlUnicode(pair.code1) << suite::sqlUnicode(pair.code2);
    codes.removeDuplicates();
    constexpr int kChunk = 500;
    for (qsizetype from = 0; g_oSrv && from < codes.size(); from += kChunk) {
        const suite::RecordSet rows = g_oSrv->OpenX(
            QStringLiteral("select Customer.cCusCode, Customer.cCusName, Customer.cCusAbbName,"
                           " %1, %2, %3 from Customer where (%4) and Customer.cCusCode in (%5)")
                .arg(readable("cCusRegCode"), readable("cCusPhone"), readable("cCusEmail"),
                     rightsCondition(), codes.mid(from, kChunk).join(u',')));
        for (int row = 0; row < rows.RecordCount(); ++row) {
            const QString code = rows.valueAt(row, 0).toString();
            customers.insert(code,
                             { code, rows.valueAt(row, 1).toString(),
                               rows.valueAt(row, 2).toString(), rows.valueAt(row, 3).toString(),
                               rows.valueAt(row, 4).toString(), rows.valueAt(row, 5).toString() });
        }
    }
    return customers;
}

QString DuplicateScan::reasonsText(const DuplicatePair &pair)
{
    QStringList texts;
    for (const DuplicateReason reason : pair.reasons) {
        switch (reason) {
        case DuplicateReason::TaxNumber:
            texts << res("Tarn.AA.CUSTOMER.FRMDUPLICATES.taxno");
            break;
        case DuplicateReason::Name:
            texts << res("Tarn.AA.CUSTOMER.FRMDUPLICATES.name");
            break;
        case DuplicateReason::Email:
            texts << res("Tarn.AA.CUSTOMER.FRMDUPLICATES.email");
            break;
        case DuplicateReason::Phone:
            texts << res("Tarn.AA.CUSTOMER.FRMDUPLICATES.phone");
            break;
        case DuplicateReason::SimilarName:
            texts << (g_oPub ? g_oPub->GetResFormatString(
                          QStringLiteral("Tarn.AA.CUSTOMER.FRMDUPLICATES.similar"),
                          { QString::number(pair.similarity) })
                             : QStringLiteral("similar"));
            break;
        }
    }
    return texts.join(QStringLiteral(", "));
}

} // namespace customer
