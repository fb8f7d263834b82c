#pragma once

#include <QMap>
#include <QString>

namespace customer {

// The trade query's condition list narrowed to the customers listed in codeTable: a clause the
// user keeps on the customer item stays and the code list is added to it; the query gives one
// line per customer.
void narrowTradeQuery(QMap<QString, QString> &conditions, const QString &codeTable);

} // namespace customer
