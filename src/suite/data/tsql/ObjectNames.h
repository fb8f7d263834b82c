#pragma once

#include "suite/data/tsql/SqlDialect.h"

#include <QStringList>

namespace suite::tsql {

// The object a T-SQL multi-part name denotes: db..table, db.dbo.table, dbo.table,
// tempdb..#t and #t. parts holds the parts without brackets, the empty part of "db..t"
// included; consumed (when given) receives how many parts named the object, the rest being
// column names.
ObjectName objectNameOfParts(const QStringList &parts, int *consumed = nullptr);

// A name written as text, as OBJECT_ID receives it. False with the reason when the text is
// not a name.
bool parseObjectName(const QString &text, ObjectName &name, QString &sMsg);

} // namespace suite::tsql
