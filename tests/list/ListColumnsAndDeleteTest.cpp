#include "EntryFixture.h"

#include "entry/SessionContext.h"
#include "list/FrmCus.h"
#include "list/FrmSet.h"
#include "suite/controls/ColumnSettings.h"
#include "suite/controls/Grid.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/ResultListDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

using namespace customer;

namespace {

// The list's column settings and its delete, driven offscreen as a user drives them.
class ListColumnsAndDeleteTest : public EntryTest
{
protected:
    void TearDown() override
    {
        for (FrmCus *list : { m_list, m_second }) {
            if (list) {
                list->close();
                delete list;
            }
        }
        m_entries.clear();
        EntryTest::TearDown();
    }

    FrmCus *openList(const QString &userId = QStringLiteral("demo"))
    {
        auto entry = ClsCustomer::create();
        entry->setBusiness(portal(login(userId), m_portal));
        entry->ShowModeless(QStringLiteral("AA0101"), QString(), QString(), QString());
        m_entries.append(entry);
        auto *list = qobject_cast<FrmCus *>(entry->listWindow());
        if (!list)
            return nullptr;
        list->show();
        list->EdtPageSize->setText(QStringLiteral("100"));
        list->CmdRequest->click();
        for (int round = 0; round < 3; ++round)
            QApplication::processEvents();
        return list;
    }

    QStringList columnKeys() const
    {
        QStringList keys;
        for (int col = 2; col < m_list->Grid->Cols(); ++col)
            keys.append(m_list->Grid->ColKey(col).toLower());
        return keys;
    }

    QStringList storedColumns() const
    {
        return m_company.column(
            DemoCompanyCopy<>::Company,
            QStringLiteral("select lower(cFieldName) from AA_ColumnSet "
                           "where cUser_Id='demo' and bShow=1 order by iOrder"));
    }

    // Opens the column settings, hides the column of field, and confirms or cancels.
    void setColumns(const QString &field, bool save, bool confirm = true)
    {
        suite::ScopedModalHandler dialog([&](QWidget *window) {
            auto *set = window->findChild<suite::ColumnSettings *>(QStringLiteral("ColSet1"));
            ASSERT_NE(set, nullptr);
            EXPECT_EQ(window->size(), FrmSet::fixedSize(window));
            const int row = rowOf(*set, field);
            ASSERT_GE(row, 0) << qPrintable(field);
            set->findChild<QTableWidget *>(QStringLiteral("Columns"))
                ->item(row, suite::ColumnSettings::ShownColumn)
                ->setCheckState(Qt::Unchecked);
            set->findChild<QCheckBox *>(QStringLiteral("ChkbSave"))->setChecked(save);
            set->findChild<QPushButton *>(confirm ? QStringLiteral("cmdOk")
                                                  : QStringLiteral("cmdCancel"))
                ->click();
        });
        m_list->Operating(QStringLiteral("FIELDSET"));
    }

    static int rowOf(const suite::ColumnSettings &set, const QString &field)
    {
        for (int row = 0; row < set.model().count(); ++row) {
            if (set.model().column(row).field.section(u'.', -1).compare(field, Qt::CaseInsensitive)
                == 0)
                return row;
        }
        return -1;
    }

    PortalRecord m_portal;
    QList<std::shared_ptr<ClsCustomer>> m_entries;
    FrmCus *m_list = nullptr;
    FrmCus *m_second = nullptr;
};

TEST_F(ListColumnsAndDeleteTest, ConfirmWithSaveStoresTheSetAndRebuildsTheList)
{
    ASSERT_TRUE(m_list = openList());
    ASSERT_TRUE(columnKeys().contains(QStringLiteral("ccusphone")));
    setColumns(QStringLiteral("cCusPhone"), true);
    EXPECT_FALSE(columnKeys().contains(QStringLiteral("ccusphone")));
    EXPECT_GT(m_list->Grid->Rows(), 1);
    EXPECT_FALSE(storedColumns().isEmpty());
    EXPECT_FALSE(storedColumns().join(u',').contains(QStringLiteral("ccusphone")));
    EXPECT_TRUE(shownTexts().isEmpty()) << qPrintable(shownTexts().join(u'\n'));
}

TEST_F(ListColumnsAndDeleteTest, ConfirmWithoutSaveRebuildsTheListOnlyAndIsKeptForTheSession)
{
    ASSERT_TRUE(m_list = openList());
    setColumns(QStringLiteral("cCusPhone"), false);
    EXPECT_FALSE(columnKeys().contains(QStringLiteral("ccusphone")));
    EXPECT_TRUE(storedColumns().isEmpty());
    bool reopenedHidden = false;
    suite::ScopedModalHandler dialog([&](QWidget *window) {
        auto *set = window->findChild<suite::ColumnSettings *>(QStringLiteral("ColSet1"));
        reopenedHidden = !set->model().column(rowOf(*set, QStringLiteral("cCusPhone"))).visible;
        set->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
    });
    m_list->Operating(QStringLiteral("FieldSet"));
    EXPECT_TRUE(reopenedHidden);
}

TEST_F(ListColumnsAndDeleteTest, CancelChangesNothing)
{
    ASSERT_TRUE(m_list = openList());
    const QStringList before = columnKeys();
    const int rows = m_list->Grid->Rows();
    setColumns(QStringLiteral("cCusPhone"), true, false);
    EXPECT_EQ(columnKeys(), before);
    EXPECT_EQ(m_list->Grid->Rows(), rows);
    EXPECT_TRUE(storedColumns().isEmpty());
    EXPECT_TRUE(g_cColInfoXml.isEmpty());
}

TEST_F(ListColumnsAndDeleteTest, HidingTheCodeColumnMakesTheListRefuseToLoad)
{
    ASSERT_TRUE(m_list = openList());
    setColumns(QStringLiteral("cCusCode"), false);
    EXPECT_EQ(m_list->Grid->Rows(), 1);
    const QString refusal = suite::ResourceTable::builtIn(QStringLiteral("en-us"))
                                .format(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.no_code_no_use"),
                                        { text("Tarn.AA.ARCHIVE.FIELD.ccuscode") });
    EXPECT_EQ(shownTexts(), QStringList{ refusal });
}

TEST_F(ListColumnsAndDeleteTest, DeleteReportsEachCustomerWithItsOwnOutcome)
{
    const QString permitted = QStringLiteral("cCCCode like '01%' and cCusDepart = '0201'");
    const QStringList referenced =
        m_company.column(DemoCompanyCopy<>::Company,
                         QStringLiteral("select cCusCode from Customer where %1 and cCusCode in "
                                        "(select cDwCode from Ar_Detail) order by cCusCode")
                             .arg(permitted));
    const QStringList free = m_company.column(
        DemoCompanyCopy<>::Company,
        QStringLiteral("select cCusCode from Customer where %1 and cCusCode not in "
                       "(select cDwCode from Ar_Detail) order by cCusCode")
            .arg(permitted));
    ASSERT_FALSE(referenced.isEmpty());
    ASSERT_GE(free.size(), 2);
    // sales1 may also read, not change, the customers of department 0206; one moves there.
    const QString readOnly = free.last();
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("update Customer set cCusDepart = '0206' where cCusCode = '%1';"
                                 "insert into AA_HoldAuth (cUser_Id, cBusObId, cFuncId, "
                                 "cDimension, cCode) values "
                                 "('sales1','customer','R','department','0206')")
                      .arg(readOnly));
    ASSERT_TRUE(m_list = openList(QStringLiteral("sales1")));

    const QMap<QString, QString> expected{
        { free.first(), text("Tarn.AA.ARCHIVE.COMMON.del_success") },
        { readOnly, text("Tarn.AA.ARCHIVE.COMMON.readonly_not_del") },
        { referenced.first(),
          QStringLiteral("The customer '%1' is still in use").arg(referenced.first()) }
    };
    QStringList tickedInRowOrder;
    for (int row = 1; row < m_list->Grid->Rows(); ++row) {
        const QString code = m_list->Grid->TextMatrix(row, m_list->iKeyPos);
        if (expected.contains(code)) {
            m_list->Grid->setTextMatrix(row, 1, QStringLiteral("Y"));
            tickedInRowOrder.append(code);
        }
    }
    ASSERT_EQ(tickedInRowOrder.size(), 3);

    *m_messages = suite::MessageScript({ suite::MessageStyle::kYes });
    QList<QStringList> lines;
    suite::ScopedModalHandler results([&lines](QWidget *window) {
        auto *list = qobject_cast<suite::ResultListDialog *>(window);
        ASSERT_NE(list, nullptr);
        for (int line = 0; line < list->lineCount(); ++line)
            lines.append({ list->cellText(line, 0), list->cellText(line, 1) });
    });
    m_list->Operating(QStringLiteral("Delete"));

    ASSERT_EQ(lines.size(), 3);
    for (int line = 0; line < 3; ++line) {
        EXPECT_EQ(lines.at(line).at(0), tickedInRowOrder.at(line));
        EXPECT_TRUE(lines.at(line).at(1).startsWith(expected.value(tickedInRowOrder.at(line))))
            << qPrintable(lines.at(line).join(u'|'));
    }
    EXPECT_TRUE(m_list->bDelSuccess);
    const QStringList left = m_company.column(DemoCompanyCopy<>::Company,
                                              QStringLiteral("select cCusCode from Customer"));
    EXPECT_FALSE(left.contains(free.first()));
    EXPECT_TRUE(left.contains(readOnly));
    EXPECT_TRUE(left.contains(referenced.first()));
}

TEST_F(ListColumnsAndDeleteTest, TwoListWindowsFillTwoCodeTables)
{
    ASSERT_TRUE(m_list = openList());
    ASSERT_TRUE(m_second = openList());
    ASSERT_NE(m_list->CodeListTableName(), m_second->CodeListTableName());
    m_list->FillCodeTable(QStringLiteral("A001,A002"));
    m_second->FillCodeTable(QStringLiteral("B001"));
    m_list->FillCodeTable(QStringLiteral("A003"));
    const auto codesOf = [this](const FrmCus *list) {
        return m_company.column(DemoCompanyCopy<>::Company,
                                QStringLiteral("select cCusCode from \"%1\" order by cCusCode")
                                    .arg(list->CodeListTableName().toLower()));
    };
    EXPECT_EQ(codesOf(m_list), QStringList{ QStringLiteral("A003") });
    EXPECT_EQ(codesOf(m_second), QStringList{ QStringLiteral("B001") });
}

} // namespace
