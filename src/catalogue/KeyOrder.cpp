#include "catalogue/KeyOrder.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace customer {

namespace {

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Double:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

// Numbers by their value, anything else as text without regard to case, as the company's
// collation compares; a null comes first.
bool before(const QVariant &left, const QVariant &right)
{
    if (left.isNull() || right.isNull())
        return left.isNull() && !right.isNull();
    if (isNumber(left) && isNumber(right))
        return left.toDouble() < right.toDouble();
    return left.toString().compare(right.toString(), Qt::CaseInsensitive) < 0;
}

} // namespace

suite::RecordSet InKeyOrder(const suite::RecordSet &rows, const QString &keyField)
{
    const int key = rows.FieldIndex(keyField);
    if (!rows.IsOpen() || key < 0)
        return rows;
    std::vector<int> order(size_t(rows.RecordCount()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int left, int right) {
        return before(rows.valueAt(left, key), rows.valueAt(right, key));
    });
    const int width = rows.FieldCount();
    std::vector<QVariant> cells;
    cells.reserve(order.size() * size_t(width));
    for (const int row : order) {
        for (int field = 0; field < width; ++field)
            cells.push_back(rows.valueAt(row, field));
    }
    return suite::RecordSet::fromCells(rows.Fields(), std::move(cells));
}

} // namespace customer
