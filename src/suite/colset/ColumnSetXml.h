#pragma once

#include "suite/colset/ColumnSet.h"

#include <QString>

namespace suite {

// Reads a column-set XML, or a field catalogue in the same style (whose columns then take the
// defaults: visible, default width, catalogue order, unsorted). Attribute names compare without
// regard to case, so XML that passed through a lower-casing step still reads. Columns come back
// in their iorder order. False with sMsg naming the first fault; set is untouched then.
bool readColumnSetXml(const QString &xml, ColumnSet &set, QString &sMsg);

QString writeColumnSetXml(const ColumnSet &set);

// "Customer.cCusCode,cCusName,CustomerClass.cCCName": the visible columns in order.
QString selectList(const ColumnSet &set);
// "cCusName,Customer.dEndDate desc": the visible sorted columns in column order.
QString orderList(const ColumnSet &set);

} // namespace suite
