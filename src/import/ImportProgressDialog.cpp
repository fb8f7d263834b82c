#include "import/ImportProgressDialog.h"

#include "entry/SessionContext.h"
#include "suite/pub/IPub.h"

#include <QProgressDialog>

namespace customer {

QProgressDialog *newImportProgressDialog(QWidget *parent, const QString &objectName,
                                         const QString &title)
{
    auto *dialog = new QProgressDialog(parent);
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(title);
    dialog->setCancelButtonText(importText("Tarn.AA.ARCHIVE.BUTTON.cancel"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumDuration(0);
    return dialog;
}

QString importText(const char *key, const QStringList &args)
{
    if (!g_oPub)
        return QString::fromLatin1(key);
    return args.isEmpty() ? g_oPub->GetResString(QLatin1StringView(key))
                          : g_oPub->GetResFormatString(QLatin1StringView(key), args);
}

} // namespace customer
