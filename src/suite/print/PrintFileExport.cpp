#include "suite/print/PrintFileExport.h"

#include "suite/print/CsvExport.h"
#include "suite/print/ListPrintLayout.h"
#include "suite/print/PdfReportWriter.h"
#include "suite/print/ReportFont.h"
#include "suite/print/XlsxExport.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>

namespace suite {

namespace {

QString cannotWrite(const QString &fileName, const QString &reason)
{
    return QStringLiteral("%1 cannot be written: %2").arg(fileName, reason);
}

qint64 writePdf(QIODevice &out, const PrintData &data, const QPageLayout &layout,
                const PrintProgress &progress, QString &sMsg)
{
    const ReportFont &font = ReportFont::standard();
    PdfReportWriter writer(out, font, layout, data.title);
    const int pages = ListPrintLayout(data, font).paint(writer, progress, sMsg);
    return pages > 0 && writer.finish(sMsg) ? data.rowCount() : -1;
}

// Text formats stream into a file that replaces the old one only when complete.
qint64 writeSaved(const QString &fileName, PrintFileExport::Format format, const PrintData &data,
                  const QPageLayout &layout, const PrintProgress &progress, QString &sMsg)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        sMsg = cannotWrite(fileName, file.errorString());
        return -1;
    }
    const qint64 rows = format == PrintFileExport::Format::Pdf
        ? writePdf(file, data, layout, progress, sMsg)
        : CsvExport::write(file, data, progress, sMsg);
    if (rows < 0) {
        file.cancelWriting();
        return -1;
    }
    if (!file.commit()) {
        sMsg = cannotWrite(fileName, file.errorString());
        return -1;
    }
    return rows;
}

// The workbook is written by its library under a name of its own beside the file and renamed
// over it at the end.
qint64 writeWorkbook(const QString &fileName, const PrintData &data, const PrintProgress &progress,
                     QString &sMsg)
{
    const QFileInfo target(fileName);
    QTemporaryFile part(target.absolutePath() + QStringLiteral("/.") + target.completeBaseName()
                        + QStringLiteral("-XXXXXX.xlsx"));
    if (!part.open()) {
        sMsg = cannotWrite(fileName, part.errorString());
        return -1;
    }
    part.close();
    const qint64 rows = XlsxExport::write(part.fileName(), data, progress, sMsg);
    if (rows < 0)
        return -1;
    // The name beside was made for this process alone; the file gets the rights a new file of
    // the user has.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(part.fileName()).constData(), 0666 & ~mask);
    if (std::rename(QFile::encodeName(part.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData())
        != 0) {
        sMsg = cannotWrite(fileName, QString::fromLocal8Bit(std::strerror(errno)));
        return -1;
    }
    part.setAutoRemove(false);
    return rows;
}

} // namespace

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

qint64 PrintFileExport::write(const QString &fileName, const PrintData &data,
                              const QPageLayout &layout, const PrintProgress &progress,
                              QString &sMsg)
{
    sMsg.clear();
    if (!data.rows) {
        sMsg = QStringLiteral("there are no rows to write.");
        return -1;
    }
    switch (formatOf(fileName)) {
    case Format::Pdf:
    case Format::Csv:
        return writeSaved(fileName, formatOf(fileName), data, layout, progress, sMsg);
    case Format::Xlsx:
        return writeWorkbook(fileName, data, progress, sMsg);
    case Format::Unknown:
        break;
    }
    sMsg = QStringLiteral("%1: the file type is not known; use .pdf, .csv or .xlsx.").arg(fileName);
    return -1;
}

} // namespace suite
