#pragma once

#include <QString>
#include <QVariant>

namespace suite {

// A record-set value as a grid shows it: nothing for null; dates as yyyy-MM-dd, with the time
// only when there is one; money with two decimals; other numbers as short as they stay exact,
// without group separators (so that the grid's sort still reads them as numbers); booleans as
// 1 and 0; text as it is.
QString gridCellText(const QVariant &value, int adoType);

// Numbers to the right, dates and booleans centred, text to the left.
Qt::Alignment gridCellAlignment(int adoType);

} // namespace suite
