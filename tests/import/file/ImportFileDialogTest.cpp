#include "import/ImportFileDialog.h"
#include "ImportFiles.h"
#include "ImportSession.h"
#include "QtPrinters.h"
#include "suite/controls/ModalDisplay.h"

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

namespace {

void press(QWidget *widget, int key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &up);
}

} // namespace

// The dialog as a user meets it: the file chooser answered by typing the file's name and
// pressing Enter, the progress shown while the rows land, the summary in a message box.
class ImportFileDialogTest : public ImportSession
{
protected:
    // Answers the file chooser with the file (or Escape for none); true when it was asked.
    std::unique_ptr<suite::ScopedModalHandler> choose(const QString &file, bool &asked)
    {
        return std::make_unique<suite::ScopedModalHandler>([file, &asked](QWidget *window) {
            auto *chooser = qobject_cast<QFileDialog *>(window);
            ASSERT_NE(chooser, nullptr);
            asked = true;
            EXPECT_EQ(chooser->windowTitle(), "Import customers from a file");
            EXPECT_EQ(chooser->nameFilters(), QStringList{ "Customer files (*.csv *.xlsx)" });
            chooser->show();
            if (file.isEmpty()) {
                press(chooser, Qt::Key_Escape);
                return;
            }
            auto *name = chooser->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(file);
            press(name, Qt::Key_Return);
        });
    }

    QWidget m_parent;
};

TEST_F(ImportFileDialogTest, AChosenFileLandsAndItsSummaryIsShown)
{
    ASSERT_TRUE(writeCsv(path("list.csv"), "客户名称,Salesperson\n华信,001\n远航,nobody\n"));
    bool asked = false;
    const auto handler = choose(path("list.csv"), asked);
    const auto report =
        customer::showImportFileDialog(&m_parent, *customer::g_oSrv, *customer::g_oPub);
    EXPECT_TRUE(asked);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->landed, 2);
    EXPECT_EQ(shownTexts(),
              QStringList{ "Import of list.csv: 2 rows new, 0 rows updated, 1 of them "
                           "with errors." });
    EXPECT_EQ(m_messages->shown().value(0).style, 64);
    EXPECT_EQ(m_company.column(DemoCompanyCopy<>::Company,
                               "select cCusName || '/' || coalesce(cCusPPerson, '-') from "
                               "customer_import where iSourceType=1 order by AutoID"),
              (QStringList{ "华信/001", "远航/-" }));
    EXPECT_EQ(m_parent.findChild<QProgressDialog *>(), nullptr) << "gone with the import";
}

TEST_F(ImportFileDialogTest, NoFileChosenImportsNothingAndSaysNothing)
{
    bool asked = false;
    const auto handler = choose(QString(), asked);
    EXPECT_FALSE(customer::showImportFileDialog(&m_parent, *customer::g_oSrv, *customer::g_oPub)
                     .has_value());
    EXPECT_TRUE(asked);
    EXPECT_EQ(shownTexts(), QStringList());
    EXPECT_EQ(value("select count(*) from customer_import where iSourceType=1"), "0");
}

TEST_F(ImportFileDialogTest, CancelInTheProgressStopsAfterTheSavedBatches)
{
    QString text = QStringLiteral("客户名称\n");
    for (int row = 0; row < 2 * customer::StagingFileImport::kBatchRows; ++row)
        text += QStringLiteral("客户%1\n").arg(row);
    ASSERT_TRUE(writeCsv(path("long.csv"), text));
    bool asked = false;
    const auto handler = choose(path("long.csv"), asked);
    // The user watches the count and presses Cancel once it passes 2,100 rows.
    QStringList labels;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [this, &labels] {
        auto *progress = m_parent.findChild<QProgressDialog *>(QStringLiteral("importProgress"));
        if (!progress || labels.contains(progress->labelText()))
            return;
        labels.append(progress->labelText());
        if (progress->labelText().contains(QStringLiteral(": 2100 rows")))
            progress->findChild<QPushButton *>()->click();
    });
    watcher.start(0);
    const auto report =
        customer::showImportFileDialog(&m_parent, *customer::g_oSrv, *customer::g_oPub);
    ASSERT_TRUE(report.has_value());
    EXPECT_TRUE(report->cancelled);
    EXPECT_EQ(labels.value(0), "Importing long.csv: 0 rows read…");
    EXPECT_TRUE(labels.contains("Importing long.csv: 2100 rows read…"));
    EXPECT_EQ(shownTexts(),
              QStringList{ "Import cancelled: the 2000 rows saved before stay, the unfinished "
                           "batch was not saved; importing the file again updates those rows.\n"
                           "Import of long.csv: 2000 rows new, 0 rows updated, 0 of them "
                           "with errors." });
    EXPECT_EQ(value("select count(*) from customer_import where iSourceType=1"), "2000");
}
