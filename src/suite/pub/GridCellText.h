#pragma once

#include "suite/data/SqlCursor.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace suite {

// A record-set value as a grid shows it: nothing for null; dates as yyyy-MM-dd, with the time
// only when there is one; money with two decimals; other numbers as short as they stay exact,
// without group separators (so that the grid's sort still reads them as numbers); booleans as
// 1 and 0; text as it is.
QString gridCellText(const QVariant &value, int adoType);

// The value of the cursor's row in the column as gridCellText writes it, in UTF-8, appended to
// out: the same text as gridCellText(cursor.value(column), adoType).toUtf8(), without a value
// object for the common cells (text, whole numbers, flags, dates as SQLite keeps them).
void appendGridCellUtf8(const SqlCursor &cursor, int column, int adoType, QByteArray &out);

// Numbers to the right, dates and booleans centred, text to the left.
Qt::Alignment gridCellAlignment(int adoType);

} // namespace suite
