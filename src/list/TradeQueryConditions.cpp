#include "list/TradeQueryConditions.h"

namespace customer {

void narrowTradeQuery(QMap<QString, QString> &conditions, const QString &codeTable)
{
    QString &customers = conditions[QStringLiteral("客户")];
    if (customers.isEmpty())
        customers = QStringLiteral("cCusCode in ( select  cCusCode from %1)").arg(codeTable);
    else
        customers += QStringLiteral(" and cCusCode in (select  cCusCode from %1)").arg(codeTable);
    conditions[QStringLiteral("查询类型")] = QStringLiteral("1");
}

} // namespace customer
