#pragma once

#include "suite/data/RecordSet.h"

#include <QString>

namespace suite {

struct ReferenceDefinition;
struct ReferenceSettings;

// What a reference edit takes from a chosen row: the text it shows and the code it keeps.
struct ReferenceValue
{
    QString text;
    QString code;
};

// The column whose value the edit keeps: cRetFld, else the reference's value column.
QString returnColumnOf(const ReferenceDefinition &reference, const ReferenceSettings &settings);
// The column the edit shows: cShowFld, else the name for ReturnName and the returned column
// for the other styles.
QString showColumnOf(const ReferenceDefinition &reference, const ReferenceSettings &settings);

// For ReturnText the code is the text itself: the edit holds free text, not a row's code.
ReferenceValue referenceValueOf(const ReferenceDefinition &reference,
                                const ReferenceSettings &settings, const RecordSet &row);

// Row index (0-based) of rows as a record set of its own, positioned on that one row; a closed
// record set when there is no such row.
RecordSet singleRowOf(const RecordSet &rows, int index);

} // namespace suite
