#include "import/DownloadProgressDialog.h"

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

DownloadProgressDialog::DownloadProgressDialog(QWidget *parent)
    : m_dialog(new QProgressDialog(parent))
{
    m_dialog->setObjectName(QStringLiteral("DownloadProgress"));
    m_dialog->setWindowTitle(res("Tarn.AA.ARCHIVE.IMPORT.downloadtitle"));
    m_dialog->setCancelButtonText(res("Tarn.AA.ARCHIVE.BUTTON.cancel"));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumDuration(0);
    // The number of pages is known only at the last one: the bar just shows that work goes on.
    m_dialog->setRange(0, 0);
}

DownloadProgressDialog::~DownloadProgressDialog()
{
    delete m_dialog;
}

void DownloadProgressDialog::show(int page)
{
    m_dialog->setLabelText(res("Tarn.AA.ARCHIVE.IMPORT.downloadprogress",
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
