#pragma once

#include "suite/print/PrintData.h"

namespace suite {

// The list as an Excel workbook, written with libxlsxwriter in its constant-memory mode (each
// row goes to disk as it is written, so the memory does not grow with the list): a bold header
// row frozen at the top, the columns about as wide as the grid shows them, numbers, dates and
// flags as typed cells.
class XlsxExport
{
public:
    // The most rows a sheet holds under its header row.
    static constexpr qint64 kMostRows = 1048575;

    // Writes the workbook to fileName; the rows written, or -1 with the reason in sMsg (empty
    // when progress asked to stop). What was written of a failed workbook stays for the
    // caller to remove.
    static qint64 write(const QString &fileName, const PrintData &data,
                        const PrintProgress &progress, QString &sMsg);
};

} // namespace suite
