#include "suite/print/PrintFileExport.h"

#include "suite/print/CsvExport.h"
#include "suite/print/ListPrintLayout.h"
#include "suite/print/PrintData.h"
#include "suite/print/XlsxWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

namespace suite {

PrintFileExport::Format PrintFileExport::formatOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"pdf")
        return Format::Pdf;
    if (suffix == u"csv")
        return Format::Csv;
    if (suffix == u"xlsx")
        return Format::Xlsx;
    return Format::Unknown;
}

QByteArray PrintFileExport::pdf(const PrintData &data, const QPageLayout &layout)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(data.title);
        writer.setCreator(QStringLiteral("customer-archive"));
        writer.setPageLayout(layout);
        ListPrintLayout(data).paint(writer);
    }
    return buffer.data();
}

int PrintFileExport::write(const QString &fileName, const PrintData &data,
                           const QPageLayout &layout, QString &sMsg)
{
    QByteArray bytes;
    switch (formatOf(fileName)) {
    case Format::Pdf:
        bytes = pdf(data, layout);
        break;
    case Format::Csv:
        bytes = CsvExport::csv(data);
        break;
    case Format::Xlsx:
        bytes = XlsxWriter::workbook(data);
        break;
    case Format::Unknown:
        sMsg = QStringLiteral("%1: the file type is not known; use .pdf, .csv or .xlsx.")
                   .arg(fileName);
        return -1;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        sMsg = QStringLiteral("%1 cannot be written: %2").arg(fileName, file.errorString());
        return -1;
    }
    return int(data.rows.size());
}

} // namespace suite
