#include "suite/print/PrintControl.h"

#include "suite/controls/ModalDisplay.h"
#include "suite/print/ListPrintLayout.h"
#include "suite/print/PrintFileExport.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace suite {

namespace {

const QStringList kFileFilters{ QStringLiteral("PDF (*.pdf)"), QStringLiteral("CSV (*.csv)"),
                                QStringLiteral("Excel (*.xlsx)") };
const QStringList kFilterSuffixes{ QStringLiteral("pdf"), QStringLiteral("csv"),
                                   QStringLiteral("xlsx") };

} // namespace

PrintControl::PrintControl(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Prn"));
    hide();
}

int PrintControl::SetDataStyleXML(const PrintData &data, bool, const PrintStyle &style, bool,
                                  const QString &)
{
    if (data.headers.isEmpty())
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

void PrintControl::paintOn(QPrinter *printer) const
{
    ListPrintLayout(m_data).paint(*printer);
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
    paintOn(&printer);
    return 1;
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
    return PrintFileExport::write(fileName, m_data, m_style.layout, m_lastError);
}

} // namespace suite
