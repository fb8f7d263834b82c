#pragma once

#include <QList>
#include <QString>

namespace customer {

// What a merge would hand over to the surviving customer, table by table, read through the
// session's data service before anything changes.
struct MergeCount
{
    QString table;
    QString column;
    qint64 rows = 0;
};

// The rows of every table that name code1 (as reference or as its own rows, the customer's
// row of Customer aside); tables the company lacks are left out, and so are tables without such
// rows. False when a count cannot be read.
bool mergePreview(const QString &code1, QList<MergeCount> &counts, QString &sMsg);

} // namespace customer
