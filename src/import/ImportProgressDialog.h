#pragma once

#include <QString>
#include <QStringList>

class QProgressDialog;
class QWidget;

namespace customer {

// The progress window of a long import step (transfer, download): window-modal, shown at once,
// with a Cancel button, and left open until its owner closes it. Owned by the caller.
QProgressDialog *newImportProgressDialog(QWidget *parent, const QString &objectName,
                                         const QString &title);

// A resource text, formatted with args when there are any; the key itself without a public
// service.
QString importText(const char *key, const QStringList &args = {});

} // namespace customer
