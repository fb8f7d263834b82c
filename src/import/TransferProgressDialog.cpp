#include "import/TransferProgressDialog.h"

#include "import/ImportProgressDialog.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace customer {

TransferProgressDialog::TransferProgressDialog(QWidget *parent)
    : m_dialog(newImportProgressDialog(parent, QStringLiteral("TransferProgress"),
                                       importText("Tarn.AA.ARCHIVE.TOOLBAR.sync")))
{ }

TransferProgressDialog::~TransferProgressDialog()
{
    delete m_dialog;
}

void TransferProgressDialog::started(int rows)
{
    m_rows = rows;
    m_dialog->setRange(0, qMax(1, rows));
    rowDone(0);
    m_dialog->show();
}

void TransferProgressDialog::rowDone(int done)
{
    m_dialog->setValue(qMin(done, m_dialog->maximum()));
    m_dialog->setLabelText(importText("Tarn.AA.ARCHIVE.IMPORT.syncprogress",
                                      { QString::number(done), QString::number(m_rows) }));
    QCoreApplication::processEvents();
}

bool TransferProgressDialog::cancelRequested()
{
    return m_dialog->wasCanceled();
}

} // namespace customer
