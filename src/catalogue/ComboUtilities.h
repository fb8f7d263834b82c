#pragma once

#include <QString>

class QComboBox;

namespace customer {

// "-1" when no entry is chosen, else the chosen entry's item data as text.
QString GetComboItemData(const QComboBox &combo);

// The active price grades of the company: an empty entry (item data -1), then one entry per
// grade with its defined name and its id as item data. Left empty when there are none or they
// cannot be read.
void FillPriceGrades(QComboBox &cmb);

} // namespace customer
