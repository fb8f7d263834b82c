#include "import/DownloadProgressDialog.h"

#include "import/ImportProgressDialog.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace customer {

DownloadProgressDialog::DownloadProgressDialog(QWidget *parent)
    : m_dialog(newImportProgressDialog(parent, QStringLiteral("DownloadProgress"),
                                       importText("Tarn.AA.ARCHIVE.IMPORT.downloadtitle")))
{
    // The number of pages is known only at the last one: the bar just shows that work goes on.
    m_dialog->setRange(0, 0);
}

DownloadProgressDialog::~DownloadProgressDialog()
{
    delete m_dialog;
}

void DownloadProgressDialog::show(int page)
{
    m_dialog->setLabelText(importText("Tarn.AA.ARCHIVE.IMPORT.downloadprogress",
                                      { QString::number(page), QString::number(m_rows) }));
    m_dialog->show();
    QCoreApplication::processEvents();
}

void DownloadProgressDialog::requesting(int page)
{
    show(page);
}

void DownloadProgressDialog::pageLanded(int page, qint64 rows)
{
    m_rows = rows;
    show(page);
}

bool DownloadProgressDialog::cancelRequested()
{
    QCoreApplication::processEvents();
    return m_dialog->wasCanceled();
}

} // namespace customer
