#include "suite/print/PrintControl.h"

#include "suite/controls/ModalDisplay.h"
#include "suite/print/ListPrintLayout.h"
#include "suite/print/PainterReportSurface.h"
#include "suite/print/PrintFileExport.h"
#include "suite/print/ReportFont.h"
#include "suite/pub/ResourceTable.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>

#include <algorithm>
#include <climits>

namespace suite {

namespace {

const QStringList kFileFilters{ QStringLiteral("PDF (*.pdf)"), QStringLiteral("CSV (*.csv)"),
                                QStringLiteral("Excel (*.xlsx)") };
const QStringList kFilterSuffixes{ QStringLiteral("pdf"), QStringLiteral("csv"),
                                   QStringLiteral("xlsx") };

// Work that ends within this time shows no progress at all.
constexpr int kProgressDelayMs = 800;

} // namespace

PrintControl::PrintControl(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Prn"));
    hide();
}

void PrintControl::setLanguage(const QString &languageRegion)
{
    m_language = languageRegion;
}

int PrintControl::SetDataStyleXML(const PrintData &data, bool, const PrintStyle &style, bool,
                                  const QString &)
{
    if (data.columns.isEmpty() || !data.rows)
        return 1;
    m_data = data;
    m_style = style;
    return 0;
}

QWidget *PrintControl::dialogParent() const
{
    return m_owner ? m_owner.data() : parentWidget();
}

int PrintControl::PageSetup()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(m_style.layout);
    QPageSetupDialog dialog(&printer, dialogParent());
    showModal(&dialog);
    if (dialog.result() != QDialog::Accepted)
        return 0;
    m_style.layout = printer.pageLayout();
    return 1;
}

void PrintControl::TriggerEvent(int iEvent)
{
    if (iEvent == 0)
        emit styleEvent(m_style.keyText(), m_style.layoutText());
}

// A long print or export shows how far it has come and can be stopped; a short one shows
// nothing.
template<class Work> auto PrintControl::withProgress(const QString &labelKey, Work work)
{
    const ResourceTable &texts = ResourceTable::builtIn(m_language);
    QProgressDialog progress(texts.text(labelKey),
                             texts.text(QStringLiteral("Tarn.AA.PUB.DIALOG.cancel")), 0, 100,
                             dialogParent());
    progress.setObjectName(QStringLiteral("progress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressDelayMs);
    const PrintProgress report = [this, &progress](qint64 done, qint64 total) {
        progress.setMaximum(int(std::min<qint64>(total, INT_MAX)));
        progress.setValue(int(std::min<qint64>(done, INT_MAX)));
        emit progressed(done, total);
        return !progress.wasCanceled();
    };
    return work(report);
}

// The preview asks for its pages when it opens and again after each change of the page; a
// preview stopped from its progress shows the pages painted so far.
void PrintControl::paintOn(QPrinter *printer)
{
    withProgress(QStringLiteral("Tarn.AA.PRINT.previewing"), [&](const PrintProgress &report) {
        PainterReportSurface surface(*printer, ReportFont::standard());
        return ListPrintLayout(m_data).paint(surface, report, m_lastError);
    });
}

int PrintControl::DoPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(m_style.layout);
    printer.setDocName(m_data.title);
    QPrintDialog dialog(&printer, dialogParent());
    showModal(&dialog);
    if (dialog.result() != QDialog::Accepted)
        return 0;
    const int pages =
        withProgress(QStringLiteral("Tarn.AA.PRINT.printing"), [&](const PrintProgress &report) {
            // The surface lets go of the printer at the end of this scope, before an abort.
            PainterReportSurface surface(printer, ReportFont::standard());
            return ListPrintLayout(m_data).paint(surface, report, m_lastError);
        });
    if (pages < 0)
        printer.abort();
    return pages > 0 ? 1 : 0;
}

void PrintControl::SetOwner(QWidget *owner)
{
    m_owner = owner;
}

void PrintControl::PrintPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(m_style.layout);
    QPrintPreviewDialog dialog(&printer, dialogParent());
    dialog.setWindowTitle(m_data.title);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *target) { paintOn(target); });
    showModal(&dialog);
}

QString PrintControl::askFileName()
{
    QFileDialog dialog(dialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(kFileFilters);
    dialog.selectFile(m_data.title);
    showModal(&dialog);
    if (dialog.result() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    QString fileName = dialog.selectedFiles().constFirst();
    if (PrintFileExport::formatOf(fileName) == PrintFileExport::Format::Unknown) {
        const qsizetype filter = kFileFilters.indexOf(dialog.selectedNameFilter());
        fileName += u'.' + kFilterSuffixes.value(filter, kFilterSuffixes.constFirst());
    }
    return fileName;
}

int PrintControl::ExportToFile(const QString &cFile)
{
    m_lastError.clear();
    const QString fileName = cFile.isEmpty() ? askFileName() : cFile;
    if (fileName.isEmpty())
        return -1;
    const qint64 rows =
        withProgress(QStringLiteral("Tarn.AA.PRINT.exporting"), [&](const PrintProgress &report) {
            return PrintFileExport::write(fileName, m_data, m_style.layout, report, m_lastError);
        });
    return int(std::min<qint64>(rows, INT_MAX));
}

} // namespace suite
