#pragma once

#include "import/StagingImportReport.h"

#include <optional>

class QWidget;

namespace suite {
class IClsCommon;
class IPub;
} // namespace suite

namespace customer {

// "Import file" of the import list: asks for a CSV or XLSX file, imports it into the staging
// table with a progress dialog that counts the rows read and can cancel, and shows the summary
// in the public service's message box. No report when the user chose no file. The caller
// refreshes its list when rows landed.
std::optional<StagingImportReport> showImportFileDialog(QWidget *parent, suite::IClsCommon &service,
                                                        suite::IPub &pub);

} // namespace customer
