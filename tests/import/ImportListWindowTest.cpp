#include "ImportListFixture.h"

#include "import/FrmCus_import.h"
#include "suite/controls/FindControl.h"
#include "suite/controls/Grid.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/Toolbar.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <functional>

using namespace customer;

namespace {

// A left click in the middle of a grid cell, as the mouse makes it.
void clickCell(suite::Grid *grid, int row, int col)
{
    const QModelIndex index = grid->model()->index(row - grid->FixedRows(), col);
    grid->scrollTo(index);
    const QPointF at = grid->visualRect(index).center();
    QWidget *viewport = grid->viewport();
    for (const QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
        QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
}

// The toolbar button a user can press (shown in the toolbar or its overflow); null when it is
// hidden or disabled.
QToolButton *shownButton(suite::Toolbar *toolbar, const QString &key)
{
    auto *button = toolbar->findChild<QToolButton *>(key);
    return button && toolbar->visibleKeys().contains(key) && button->isEnabled() ? button : nullptr;
}

} // namespace

// The import staging list opened from the customer list's toolbar, driven as a user drives it.
class ImportListWindowTest : public ImportListFixture
{
protected:
    QStringList rows(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<>::Company, sql);
    }

    // Every column of every row of table as one line per row, key first, in key order, to tell
    // exactly what changed.
    QStringList wholeTable(const QString &table, const QString &key) const
    {
        using Company = DemoCompanyCopy<>;
        const auto columns = m_company.declaredColumns(Company::Company, table);
        qsizetype keyAt = 0;
        while (keyAt < columns.size()
               && columns.at(keyAt).first.compare(key, Qt::CaseInsensitive) != 0)
            ++keyAt;
        QStringList lines;
        for (const QStringList &row : m_company.tableSnapshot(Company::Company, table)) {
            // A text key is written quoted, a number as it is.
            QString key = row.value(keyAt);
            if (key.startsWith(u'\''))
                key = key.mid(1, key.size() - 2);
            lines.append(key + u'|' + row.join(u'|'));
        }
        lines.sort();
        return lines;
    }
    QStringList archive() const
    {
        return wholeTable(QStringLiteral("Customer"), QStringLiteral("cCusCode"));
    }

    QStringList staging() const
    {
        return rows(QStringLiteral("select AutoID || '|' || %1 || '|' || %2 || '|' || %3 || '|' "
                                   "|| %4 from customer_import order by AutoID")
                        .arg(quotedInSql(QStringLiteral("cCusCode")),
                             quotedInSql(QStringLiteral("cErrorMsg")),
                             quotedInSql(QStringLiteral("cCusName")),
                             quotedInSql(QStringLiteral("cCusPhone"))));
    }

    // The first grid row whose code cell is empty (a new customer) or not (a known one) and
    // that shows no message of an earlier transfer.
    static int firstRow(FrmCus *list, bool withCode)
    {
        const int message = list->Grid->ColIndex(QStringLiteral("cErrorMsg"));
        for (int row = 1; row < list->Grid->Rows(); ++row) {
            const bool hasCode = !list->Grid->TextMatrix(row, list->iKeyPos).isEmpty();
            const bool clean = message < 0 || list->Grid->TextMatrix(row, message).isEmpty();
            if (hasCode == withCode && clean)
                return row;
        }
        return -1;
    }
};

TEST_F(ImportListWindowTest, TickedRowsReachTheArchiveAndNothingElseChanges)
{
    ASSERT_TRUE(openList());
    const QStringList archiveBefore = archive();
    const QStringList stagingBefore = staging();
    QString newId;
    QString knownId;
    QString knownCode;
    QString newCodeShown;
    QStringList opened;
    suite::ScopedModalHandler handler([&](QWidget *window) {
        opened.append(window->objectName());
        auto *imports = qobject_cast<FrmCus_import *>(window);
        ASSERT_NE(imports, nullptr);
        imports->resize(1000, 640);
        imports->show();
        settle();
        waitForPageCount();
        suite::Grid *grid = imports->Grid;
        const int last = grid->Cols() - 1;
        const int newRow = firstRow(imports, false);
        const int knownRow = firstRow(imports, true);
        ASSERT_GT(newRow, 0);
        ASSERT_GT(knownRow, 0);
        newId = grid->TextMatrix(newRow, last);
        knownId = grid->TextMatrix(knownRow, last);
        knownCode = grid->TextMatrix(knownRow, imports->iKeyPos);
        clickCell(grid, newRow, 1);
        clickCell(grid, knownRow, 1);
        ASSERT_EQ(grid->TextMatrix(newRow, 1), QStringLiteral("Y"));
        ASSERT_EQ(grid->TextMatrix(knownRow, 1), QStringLiteral("Y"));
        QToolButton *sync = shownButton(imports->TLB2, QStringLiteral("Sync"));
        ASSERT_NE(sync, nullptr);
        sync->click();
        settle();
        for (int row = 1; row < grid->Rows(); ++row) {
            if (grid->TextMatrix(row, last) == newId)
                newCodeShown = grid->TextMatrix(row, imports->iKeyPos);
        }
        imports->close();
    });
    QToolButton *import = shownButton(m_list->TLB2, QStringLiteral("Import"));
    ASSERT_NE(import, nullptr);
    import->click();

    ASSERT_EQ(opened, QStringList{ QStringLiteral("FrmCus_import") });
    EXPECT_EQ(shownTexts(), QStringList{ text("Tarn.AA.ARCHIVE.IMPORT.syncdone").arg(2) });
    const QString newCode =
        rows(QStringLiteral("select cCusCode from customer_import where AutoID=") + newId).value(0);
    ASSERT_FALSE(newCode.isEmpty());
    EXPECT_EQ(newCodeShown, newCode) << "the list shows the new code after the transfer";

    // The staging table: the two ticked rows carry their archive code and no message, the
    // others are as they were; only the ticked rows are marked as the transfer's.
    const QStringList stagingAfter = staging();
    ASSERT_EQ(stagingAfter.size(), stagingBefore.size());
    for (int row = 0; row < stagingBefore.size(); ++row) {
        const QString id = stagingBefore.at(row).section(u'|', 0, 0);
        if (id != newId && id != knownId) {
            EXPECT_EQ(stagingAfter.at(row), stagingBefore.at(row));
        }
    }
    EXPECT_EQ(rows(QStringLiteral("select AutoID || ':' || cCusCode || ':' || %1 from "
                                  "customer_import where cSelCol='Y' order by AutoID")
                       .arg(quotedInSql(QStringLiteral("cErrorMsg")))),
              newId.toInt() < knownId.toInt()
                  ? (QStringList{ QStringLiteral("%1:%2:''").arg(newId, newCode),
                                  QStringLiteral("%1:%2:''").arg(knownId, knownCode) })
                  : (QStringList{ QStringLiteral("%1:%2:''").arg(knownId, knownCode),
                                  QStringLiteral("%1:%2:''").arg(newId, newCode) }));
    EXPECT_EQ(rows(QStringLiteral("select count(*) from customer_import where cSelCol<>'' "
                                  "and cSelCol<>'Y' or cSelCol is null")),
              QStringList{ QStringLiteral("0") });

    // The archive: exactly one customer more, the known one modified, no other touched.
    const QStringList archiveAfter = archive();
    ASSERT_EQ(archiveAfter.size(), archiveBefore.size() + 1);
    QStringList unchangedBefore;
    QStringList unchangedAfter;
    for (const QString &line : archiveBefore) {
        if (!line.startsWith(knownCode + u'|'))
            unchangedBefore.append(line);
    }
    for (const QString &line : archiveAfter) {
        if (!line.startsWith(knownCode + u'|') && !line.startsWith(newCode + u'|'))
            unchangedAfter.append(line);
    }
    EXPECT_EQ(unchangedAfter, unchangedBefore);
    const QString staged = QStringLiteral(" from customer_import where AutoID=");
    EXPECT_EQ(rows(QStringLiteral("select cCusName || '|' || cCusPhone from Customer where "
                                  "cCusCode='%1'")
                       .arg(newCode)),
              rows(QStringLiteral("select cCusName || '|' || cCusPhone") + staged + newId));
    EXPECT_EQ(rows(QStringLiteral("select cCusName || '|' || cCusPhone from Customer where "
                                  "cCusCode='%1'")
                       .arg(knownCode)),
              rows(QStringLiteral("select cCusName || '|' || cCusPhone") + staged + knownId));
}

TEST_F(ImportListWindowTest, ATransferWithNothingTickedChangesNoCustomer)
{
    ASSERT_TRUE(openList());
    const QStringList archiveBefore = archive();
    const QStringList stagingBefore = staging();
    withImportList([&](FrmCus_import *imports) {
        QToolButton *sync = shownButton(imports->TLB2, QStringLiteral("Sync"));
        ASSERT_NE(sync, nullptr);
        sync->click();
        settle();
    });

    EXPECT_EQ(shownTexts(), QStringList{ text("Tarn.AA.ARCHIVE.IMPORT.syncdone").arg(0) });
    EXPECT_EQ(archive(), archiveBefore);
    EXPECT_EQ(staging(), stagingBefore);
}

TEST_F(ImportListWindowTest, SetCusClassGivesTheTickedRowsTheClassAndNothingElse)
{
    ASSERT_TRUE(openList());
    const QString newClass = rows(QStringLiteral("select cCCCode from CustomerClass where "
                                                 "bCCEnd=1 order by cCCCode desc"))
                                 .value(0);
    ASSERT_FALSE(newClass.isEmpty());
    const QStringList archiveBefore = archive();
    const QStringList stagingBefore =
        wholeTable(QStringLiteral("customer_import"), QStringLiteral("AutoID"));
    QStringList ticked;
    QString catalogue;
    QString fixedField;
    bool fieldLocked = false;
    QString recordsChoice;
    QString userName;
    withImportList([&](FrmCus_import *imports) {
        userName = customer::g_cUserName;
        suite::Grid *grid = imports->Grid;
        ASSERT_GE(grid->Rows(), 4);
        for (const int row : { 1, 3 }) {
            clickCell(grid, row, 1);
            ticked.append(grid->TextMatrix(row, grid->Cols() - 1));
        }
        suite::ScopedModalHandler batch([&](QWidget *dialog) {
            dialog->show();
            settle();
            auto *find = dialog->findChild<suite::FindControl *>(QStringLiteral("Find"));
            ASSERT_NE(find, nullptr);
            fixedField = find->field();
            fieldLocked = !find->findChild<QComboBox *>(QStringLiteral("cboField"))->isEnabled();
            recordsChoice = find->selectedRowsChoice()->isChecked()
                ? find->selectedRowsChoice()->text()
                : QString();
            auto *edit = qobject_cast<QLineEdit *>(find->valueEditor());
            ASSERT_NE(edit, nullptr);
            edit->setFocus();
            edit->setText(newClass);
            QKeyEvent f8(QEvent::KeyPress, Qt::Key_F8, Qt::NoModifier);
            QApplication::sendEvent(edit, &f8);
            find->cancelButton()->click();
        });
        QToolButton *setClass = shownButton(imports->TLB2, QStringLiteral("SetCusClass"));
        ASSERT_NE(setClass, nullptr);
        setClass->click();
        catalogue = imports->property("colInfoXml").toString();
    });

    ASSERT_EQ(ticked.size(), 2);
    EXPECT_TRUE(catalogue.startsWith(QStringLiteral("<Customer_import fixfld='0'")))
        << qPrintable(catalogue.left(80));
    EXPECT_EQ(fixedField.section(u'.', -1).toLower(), QStringLiteral("ccccode"));
    EXPECT_TRUE(fieldLocked);
    EXPECT_EQ(recordsChoice, QStringLiteral("Ticked rows (2)"));
    EXPECT_EQ(shownTexts(),
              (QStringList{ text("Tarn.AA.CUSTOMER.FRMMULMODIFY.410_1").arg(2),
                            text("Tarn.AA.ARCHIVE.COMMON.modifysuccess") }));
    EXPECT_EQ(rows(QStringLiteral("select AutoID || ':' || cCCCode || ':' || cModifyPerson from "
                                  "customer_import where AutoID in (%1) order by AutoID")
                       .arg(ticked.join(u','))),
              (QStringList{ QStringLiteral("%1:%2:%3").arg(ticked.at(0), newClass, userName),
                            QStringLiteral("%1:%2:%3").arg(ticked.at(1), newClass, userName) }));
    QStringList untouchedBefore;
    for (const QString &line : stagingBefore) {
        if (!ticked.contains(line.section(u'|', 0, 0)))
            untouchedBefore.append(line);
    }
    QStringList untouchedAfter;
    for (const QString &line :
         wholeTable(QStringLiteral("customer_import"), QStringLiteral("AutoID"))) {
        if (!ticked.contains(line.section(u'|', 0, 0)))
            untouchedAfter.append(line);
    }
    EXPECT_EQ(untouchedAfter, untouchedBefore);
    EXPECT_EQ(archive(), archiveBefore);
}

TEST_F(ImportListWindowTest, TheStagingCommandsShowAndTheArchiveOnesDoNot)
{
    ASSERT_TRUE(openList());
    QStringList shown;
    QStringList opened;
    withImportList([&](FrmCus_import *imports) {
        shown = imports->TLB2->visibleKeys();
        suite::ScopedModalHandler batch([&](QWidget *dialog) {
            opened.append(dialog->objectName() + u'|' + dialog->windowTitle());
            qobject_cast<QDialog *>(dialog)->reject();
        });
        imports->activateWindow();
        QApplication::setActiveWindow(imports);
        QKeyEvent f8(QEvent::KeyPress, Qt::Key_F8, Qt::NoModifier);
        QApplication::sendEvent(imports->Grid, &f8);
    });

    for (const char *key :
         { "Sync", "MulModify", "SetCusClass", "FieldSet", "Refresh", "Filter", "Download" })
        EXPECT_TRUE(shown.contains(QLatin1StringView(key))) << key;
    for (const char *key : { "Add", "Modify", "Delete", "Unite", "Import", "Credit", "Cus_Trade" })
        EXPECT_FALSE(shown.contains(QLatin1StringView(key))) << key;
    EXPECT_EQ(opened,
              QStringList{ QStringLiteral("FrmZMulModify|") + text("Tarn.AA.PUB.LOCK.task7") });
}

TEST_F(ImportListWindowTest, ImportFileLandsTheFileAndTheListShowsItsRows)
{
    ASSERT_TRUE(openList());
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("leads.csv"));
    {
        QFile csv(file);
        ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
        csv.write(
            "Customer Name,Phone\n\xE5\x8D\x8E\xE4\xBF\xA1\xE8\xBF\x9C\xE8\x88\xAA,0731-1234\n");
    }
    const QStringList archiveBefore = archive();
    const int stagedBefore =
        rows(QStringLiteral("select count(*) from customer_import")).value(0).toInt();
    QStringList gridNames;
    QStringList asked;
    withImportList([&](FrmCus_import *imports) {
        suite::ScopedModalHandler chooser([&](QWidget *dialog) {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            ASSERT_NE(files, nullptr);
            asked.append(files->windowTitle());
            files->show();
            auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(file);
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(name, &enter);
        });
        QToolButton *importFile = shownButton(imports->TLB2, QStringLiteral("ImportFile"));
        ASSERT_NE(importFile, nullptr);
        importFile->click();
        settle();
        waitForPageCount();
        const int name = imports->Grid->ColIndex(QStringLiteral("cCusName"));
        for (int row = 1; row < imports->Grid->Rows(); ++row)
            gridNames.append(imports->Grid->TextMatrix(row, name));
    });

    EXPECT_EQ(asked, QStringList{ text("Tarn.AA.IMPORT.FILE.title") });
    EXPECT_EQ(shownTexts(),
              QStringList{ text("Tarn.AA.IMPORT.FILE.summary")
                               .arg(QStringLiteral("leads.csv"))
                               .arg(1)
                               .arg(0)
                               .arg(0) });
    EXPECT_EQ(rows(QStringLiteral("select cCusName || '|' || cCusPhone || '|' || iSourceType from "
                                  "customer_import where iSourceType = 1")),
              QStringList{ QStringLiteral("华信远航|0731-1234|1") });
    EXPECT_EQ(rows(QStringLiteral("select count(*) from customer_import")).value(0).toInt(),
              stagedBefore + 1);
    EXPECT_TRUE(gridNames.contains(QStringLiteral("华信远航"))) << "the list shows the new row";
    EXPECT_EQ(archive(), archiveBefore) << "the archive gets rows only by a transfer";
}
