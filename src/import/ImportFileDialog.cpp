#include "import/ImportFileDialog.h"

#include "import/StagingFileImport.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/pub/IPub.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>

namespace customer {

namespace {

constexpr int kInformationIcon = 64;
constexpr int kProgressSteps = 1000;

QString askFile(QWidget *parent, suite::IPub &pub)
{
    QFileDialog dialog(parent, pub.GetResString(QStringLiteral("Tarn.AA.IMPORT.FILE.title")));
    dialog.setObjectName(QStringLiteral("importFileChooser"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(pub.GetResString(QStringLiteral("Tarn.AA.IMPORT.FILE.filter")));
    suite::showModal(&dialog);
    if (dialog.result() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<StagingImportReport> showImportFileDialog(QWidget *parent, suite::IClsCommon &service,
                                                        suite::IPub &pub)
{
    const QString path = askFile(parent, pub);
    if (path.isEmpty())
        return std::nullopt;
    StagingFileImport fileImport(service, pub);
    const StagingFileImport::Texts texts = fileImport.texts();
    const QString fileName = QFileInfo(path).fileName();
    auto label = [&texts, &fileName](qint64 rows) {
        return texts("Tarn.AA.IMPORT.FILE.progress", { fileName, QString::number(rows) });
    };
    QProgressDialog progress(label(0),
                             pub.GetResString(QStringLiteral("Tarn.AA.PUB.DIALOG.cancel")), 0,
                             kProgressSteps, parent);
    progress.setObjectName(QStringLiteral("importProgress"));
    progress.setWindowTitle(pub.GetResString(QStringLiteral("Tarn.AA.IMPORT.FILE.title")));
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    fileImport.setProgress([&progress, &label](qint64 rows, qint64 done, qint64 total) {
        progress.setLabelText(label(rows));
        progress.setValue(total > 0 ? int(done * kProgressSteps / total) : 0);
        // The file is read in large pieces, so the bar moves seldom; the count of rows and
        // the Cancel button are served at every report.
        QCoreApplication::processEvents();
    });
    fileImport.setCancelled([&progress] { return progress.wasCanceled(); });
    progress.show();
    QCoreApplication::processEvents();
    const StagingImportReport report = fileImport.run(path);
    progress.close();
    pub.MsgBox(report.summary(texts), kInformationIcon,
               pub.GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information")));
    return report;
}

} // namespace customer
