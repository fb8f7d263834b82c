#include "import/TransferProgressDialog.h"

#include "entry/SessionContext.h"
#include "suite/pub/IPub.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace customer {

namespace {

QString res(const char *key, const QStringList &args = {})
{
    if (!g_oPub)
        return QString::fromLatin1(key);
    return args.isEmpty() ? g_oPub->GetResString(QLatin1StringView(key))
                          : g_oPub->GetResFormatString(QLatin1StringView(key), args);
}

} // namespace

TransferProgressDialog::TransferProgressDialog(QWidget *parent)
    : m_dialog(new QProgressDialog(parent))
{
    m_dialog->setObjectName(QStringLiteral("TransferProgress"));
    m_dialog->setWindowTitle(res("Tarn.AA.ARCHIVE.TOOLBAR.sync"));
    m_dialog->setCancelButtonText(res("Tarn.AA.ARCHIVE.BUTTON.cancel"));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumDuration(0);
}

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
    m_dialog->setLabelText(res("Tarn.AA.ARCHIVE.IMPORT.syncprogress",
                               { QString::number(done), QString::number(m_rows) }));
    QCoreApplication::processEvents();
}

bool TransferProgressDialog::cancelRequested()
{
    return m_dialog->wasCanceled();
}

} // namespace customer
