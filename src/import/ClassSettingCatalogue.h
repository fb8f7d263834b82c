#pragma once

#include <QString>

namespace customer {

// The column information of the batch window in class-setting mode: the root element carries
// fixfld='0', so that whoever reads it knows the field is fixed. Text without a root element
// comes back unchanged.
QString classSettingCatalogue(const QString &colInfoXml);

} // namespace customer
