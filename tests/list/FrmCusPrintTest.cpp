#include "ListWindowFixture.h"

#include "list/FrmCus.h"
#include "suite/controls/Grid.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/print/PrintControl.h"
#include "suite/print/PrintStyle.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

using namespace customer;

namespace {

// Printing from the customer list inside the portal; every dialog the print control opens is
// recorded and answered here, none is shown and nothing reaches a printer.
class ListPrintTest : public ListWindowFixture
{
protected:
    // Runs a command with answer standing in for the user in every dialog it opens.
    void run(const QString &key, const std::function<void(QDialog *)> &answer,
             const QString &menuId = QString())
    {
        suite::ScopedModalHandler handler([&](QWidget *window) {
            m_dialogs.append(QString::fromLatin1(window->metaObject()->className()));
            answer(qobject_cast<QDialog *>(window));
        });
        m_list->Operating(key, menuId);
    }

    QStringList storedStyles() const
    {
        return m_company.column(DemoCompanyCopy<>::Company,
                                QStringLiteral("select cKey || ' ' || cStyle from AA_PrintStyle"));
    }

    static void reject(QDialog *dialog) { dialog->reject(); }

    QStringList m_dialogs;
};

QList<QStringList> csvLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> lines;
    for (const QString &line : QString::fromUtf8(file.readAll().mid(3))
                                   .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        QStringList cells = line.mid(1, line.size() - 2).split(QStringLiteral("\",\""));
        lines.append(cells);
    }
    return lines;
}

int pdfPages(const QString &path)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), { path });
    if (!pdfinfo.waitForFinished())
        return -1;
    const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                   QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match =
        pages.match(QString::fromUtf8(pdfinfo.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

TEST_F(ListPrintTest, SaveFileWritesTheGridAsShownWithSerialNumbersOnlyWhenSwitchedOn)
{
    ASSERT_TRUE(openList());
    QTemporaryDir dir;
    const auto saveTo = [&](const QString &name) {
        run(QStringLiteral("SaveFile"), [&](QDialog *dialog) {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            ASSERT_TRUE(files);
            files->selectFile(dir.filePath(name));
            dialog->accept();
        });
        return csvLines(dir.filePath(name));
    };
    const bool serialNumbers = m_list->property("printNo").toBool();
    const QList<QStringList> first = saveTo(QStringLiteral("first.csv"));
    m_list->Operating(QStringLiteral("mPrintNo"));
    const QList<QStringList> second = saveTo(QStringLiteral("second.csv"));
    const QList<QStringList> &withSerial = serialNumbers ? first : second;
    const QList<QStringList> &without = serialNumbers ? second : first;

    const suite::Grid *grid = m_list->Grid;
    ASSERT_EQ(without.size(), grid->Rows());
    EXPECT_EQ(without.at(0).value(0), grid->TextMatrix(0, 2));
    EXPECT_EQ(without.at(1).value(0), grid->TextMatrix(1, 2));
    EXPECT_EQ(without.at(0).size(), grid->Cols() - 2);
    EXPECT_EQ(withSerial.at(0).value(0), grid->TextMatrix(0, 0));
    EXPECT_EQ(withSerial.last().value(0), QString::number(grid->Rows() - 1));
    EXPECT_EQ(withSerial.at(1).mid(1), without.at(1));
    const QString reported = suite::ResourceTable::builtIn(QStringLiteral("en-us"))
                                 .text(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.exportcount"))
                                 .arg(grid->Rows() - 1);
    EXPECT_EQ(shownTexts(), (QStringList{ reported, reported }));
}

TEST_F(ListPrintTest, SaveFileWritesEveryPageOfTheListUnderItsClassNotOnlyTheOneShown)
{
    ASSERT_TRUE(openList());
    m_list->EdtPageSize->setText(QStringLiteral("5"));
    m_list->DataRefresh(m_list->lastCondition());
    ASSERT_EQ(m_list->Grid->Rows(), 6) << "the window shows five customers";
    QTemporaryDir dir;
    run(QStringLiteral("SaveFile"), [&](QDialog *dialog) {
        qobject_cast<QFileDialog *>(dialog)->selectFile(dir.filePath(QStringLiteral("all.csv")));
        dialog->accept();
    });
    const QStringList listed = m_company.column(
        DemoCompanyCopy<>::Company,
        QStringLiteral("select cCusCode from Customer where coalesce(bTransFlag,0)=0 order by "
                       "cCusCode"));
    const QList<QStringList> lines = csvLines(dir.filePath(QStringLiteral("all.csv")));
    ASSERT_EQ(lines.size(), listed.size() + 1);
    const int code = int(lines.front().indexOf(m_list->Grid->TextMatrix(0, m_list->iKeyPos)));
    ASSERT_GE(code, 0);
    QStringList exported;
    for (const QStringList &line : lines.mid(1))
        exported.append(line.value(code));
    EXPECT_EQ(exported, listed);
}

TEST_F(ListPrintTest, AnExportStoppedFromItsProgressLeavesNoFile)
{
    ASSERT_TRUE(openList());
    QTemporaryDir dir;
    const auto saveAs = [&](const QString &name) {
        run(QStringLiteral("SaveFile"), [&](QDialog *dialog) {
            qobject_cast<QFileDialog *>(dialog)->selectFile(dir.filePath(name));
            dialog->accept();
        });
    };
    saveAs(QStringLiteral("first.csv"));
    ASSERT_NE(m_list->Prn, nullptr);
    int stops = 0;
    QObject::connect(m_list->Prn, &suite::PrintControl::progressed, m_list, [&] {
        auto *progress = m_list->findChild<QProgressDialog *>(QStringLiteral("progress"));
        ASSERT_NE(progress, nullptr);
        progress->findChild<QPushButton *>()->click();
        ++stops;
    });
    saveAs(QStringLiteral("stopped.csv"));
    EXPECT_GT(stops, 0);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("stopped.csv"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("first.csv"))));
}

TEST_F(ListPrintTest, PreviewShowsThePagesOfThePdfWithProgressThatCanStopIt)
{
    // Twice the customers, so that the rows take more than one band of pages.
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("create temp table twin as select * from Customer;"
                                 "update twin set cCusCode = cCusCode || 'B';"
                                 "insert into Customer select * from twin;"));
    ASSERT_TRUE(openList());
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
    run(QStringLiteral("SaveFile"), [&](QDialog *dialog) {
        qobject_cast<QFileDialog *>(dialog)->selectFile(pdf);
        dialog->accept();
    });
    const int exported = pdfPages(pdf);
    ASSERT_GT(exported, 2);

    const auto previewPages = [&] {
        int pages = -1;
        run(QStringLiteral("PREVIEW"), [&](QDialog *dialog) {
            dialog->show();
            pages = dialog->findChild<QPrintPreviewWidget *>()->pageCount();
            dialog->reject();
        });
        return pages;
    };
    ASSERT_NE(m_list->Prn, nullptr);
    qint64 done = -1;
    qint64 total = -1;
    const QMetaObject::Connection follow = QObject::connect(
        m_list->Prn, &suite::PrintControl::progressed, m_list, [&](qint64 now, qint64 all) {
            done = now;
            total = all;
        });
    EXPECT_EQ(previewPages(), exported) << "the preview shows what the PDF holds";
    EXPECT_GT(total, 0);
    EXPECT_EQ(done, total);
    QObject::disconnect(follow);

    QObject::connect(m_list->Prn, &suite::PrintControl::progressed, m_list, [&] {
        auto *progress = m_list->findChild<QProgressDialog *>(QStringLiteral("progress"));
        ASSERT_NE(progress, nullptr);
        progress->findChild<QPushButton *>()->click();
    });
    const int stopped = previewPages();
    EXPECT_GE(stopped, 0);
    EXPECT_LT(stopped, exported) << "a stopped preview shows only the pages painted so far";
}

TEST_F(ListPrintTest, PrintOnAnEmptyListSaysSoAndOpensNoDialog)
{
    ASSERT_TRUE(openList());
    m_list->DataRefresh(QStringLiteral("1=2"));
    ASSERT_EQ(m_list->Grid->Rows(), 1);
    const qsizetype shownBefore = shownTexts().size();
    run(QStringLiteral("Print"), reject);
    EXPECT_TRUE(m_dialogs.isEmpty());
    EXPECT_EQ(shownTexts().mid(shownBefore), QStringList{ text("Tarn.AA.ARCHIVE.COMMON.nodata") });
}

TEST_F(ListPrintTest, PageSetupStoresTheStyleOnlyWhenConfirmedAndPrintingUsesIt)
{
    ASSERT_TRUE(openList());
    run(QStringLiteral("SetUp"), reject);
    EXPECT_EQ(m_dialogs, QStringList{ QStringLiteral("QPageSetupDialog") });
    EXPECT_TRUE(storedStyles().isEmpty());

    // The page set-up dialog hands its choice to the printer only when it ran its own loop.
    run(QStringLiteral("setup"), [](QDialog *dialog) {
        QTimer::singleShot(0, dialog, [dialog] {
            if (auto *landscape = dialog->findChild<QRadioButton *>(QStringLiteral("landscape")))
                landscape->click();
            dialog->accept();
        });
        dialog->exec();
    });
    const QStringList stored = storedStyles();
    ASSERT_EQ(stored.size(), 1);
    EXPECT_TRUE(stored.first().startsWith(u"setup key=setup;")) << qPrintable(stored.first());
    EXPECT_TRUE(stored.first().contains(u"orientation=landscape")) << qPrintable(stored.first());

    suite::PrintStyle style;
    EXPECT_TRUE(g_oPub->GetPrnStyleFile(true, QString(), "Print", "Customer", g_oSrv, style));
    EXPECT_EQ(style.layout.orientation(), QPageLayout::Landscape);
}

TEST_F(ListPrintTest, PrintKeysOpenTheirOwnDialogs)
{
    ASSERT_TRUE(openList());
    run(QStringLiteral("Print"), reject);
    run(QStringLiteral("Print"), reject, QStringLiteral("Preview"));
    run(QStringLiteral("PREVIEW"), reject);
    EXPECT_EQ(m_dialogs,
              (QStringList{ "QPrintDialog", "QPrintPreviewDialog", "QPrintPreviewDialog" }));
    EXPECT_TRUE(shownTexts().isEmpty()) << qPrintable(shownTexts().join(u'\n'));
}

TEST_F(ListPrintTest, WithoutThePrintRightNothingHappens)
{
    m_company.run(DemoCompanyCopy<>::Company, QStringLiteral("delete from AA_HoldFuncAuth"));
    ASSERT_TRUE(openList(QStringLiteral("sales1")));
    ASSERT_GT(m_list->Grid->Rows(), 1);
    for (const char *key : { "Print", "Preview", "SetUp", "SaveFile" })
        run(QString::fromLatin1(key), reject);
    EXPECT_TRUE(m_dialogs.isEmpty());
    EXPECT_TRUE(shownTexts().isEmpty()) << qPrintable(shownTexts().join(u'\n'));
}
