#pragma once

#include "suite/print/PrintData.h"

#include <QPageLayout>

namespace suite {

// Writes the list to a file in the format its suffix names: .pdf (pages as printed), .csv or
// .xlsx, row batch by row batch. The file appears whole or not at all: it is written beside its
// place and moved there at the end, so a failed or stopped export leaves neither a partial
// file nor a damaged earlier one.
class PrintFileExport
{
public:
    enum class Format { Unknown, Pdf, Csv, Xlsx };

    static Format formatOf(const QString &fileName);

    // The rows written, or -1 with the reason in sMsg; empty sMsg when progress asked to stop.
    static qint64 write(const QString &fileName, const PrintData &data, const QPageLayout &layout,
                        const PrintProgress &progress, QString &sMsg);
};

} // namespace suite
