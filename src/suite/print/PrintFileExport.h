#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>

namespace suite {

struct PrintData;

// Writes the table to a file in the format its suffix names: .pdf (pages as printed), .csv or
// .xlsx. The file appears whole or not at all: it is written beside its place and moved there
// at the end, so a failed export leaves neither a partial file nor a damaged earlier one.
class PrintFileExport
{
public:
    enum class Format { Unknown, Pdf, Csv, Xlsx };

    static Format formatOf(const QString &fileName);

    // The rows written, or -1 with the reason in sMsg.
    static int write(const QString &fileName, const PrintData &data, const QPageLayout &layout,
                     QString &sMsg);

    // The PDF document alone.
    static QByteArray pdf(const PrintData &data, const QPageLayout &layout);
};

} // namespace suite
