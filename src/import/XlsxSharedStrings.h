#pragma once

#include <QStringList>

namespace customer {

class ZipArchive;

// The shared strings of a workbook, by index. Read in chunks; the strings themselves are kept,
// as cells anywhere in the sheet refer to them. A workbook without them has none.
bool readSharedStrings(const ZipArchive &archive, QStringList &strings, QString &sMsg);

} // namespace customer
