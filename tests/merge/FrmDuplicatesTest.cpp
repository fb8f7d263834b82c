#include "merge/FrmDuplicates.h"
#include "ListWindowFixture.h"
#include "merge/FrmUnite.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/RefEdit.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/MessageScript.h"

#include <QDir>
#include <QPushButton>
#include <QTableWidget>

// The duplicate list opened from the list's toolbar as a user opens it; a pair merged from it.
class FrmDuplicatesTest : public ListWindowFixture
{
protected:
    QString value(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<20>::Company, sql).value(0);
    }
};

TEST_F(FrmDuplicatesTest, APairSharingATaxNumberIsShownAndItsButtonMergesIt)
{
    m_company.run(DemoCompanyCopy<20>::Company,
                  "update Customer set cCusRegCode = '91110000MA00TWIN01' where cCusCode in"
                  " ('0000006', '0000007')");
    ASSERT_TRUE(openList());
    m_messages = std::make_shared<suite::MessageScript>(std::deque<int>{ 6, 6 });
    suite::ClsPub::installMessageScript(m_messages);
    QStringList firstRow;
    QStringList uniteCodes;
    int rowsAfterMerge = -1;
    suite::ScopedModalHandler handler([&](QWidget *window) {
        if (auto *unite = qobject_cast<customer::FrmUnite *>(window)) {
            unite->show();
            settle();
            uniteCodes = { unite->txtCus1->text(), unite->txtCus2->text() };
            unite->Cmdok->click();
            return;
        }
        auto *duplicates = qobject_cast<customer::FrmDuplicates *>(window);
        ASSERT_NE(duplicates, nullptr);
        duplicates->show();
        settle();
        QTableWidget *grid = duplicates->GridPairs;
        ASSERT_EQ(grid->rowCount(), 1);
        for (int column = 1; column < grid->columnCount(); ++column)
            firstRow.append(grid->item(0, column)->text());
        EXPECT_TRUE(duplicates->grab().save(QDir::temp().filePath("frmDuplicates-en.png")));
        qobject_cast<QPushButton *>(grid->cellWidget(0, 0))->click();
        settle();
        rowsAfterMerge = grid->rowCount();
        duplicates->CmdClose->click();
    });
    m_list->Operating(QStringLiteral("Unite"), QStringLiteral("Duplicates"));

    ASSERT_EQ(firstRow.size(), 10);
    EXPECT_EQ(firstRow.mid(0, 3), (QStringList{ "100", "same tax number", "0000006" }));
    EXPECT_EQ(firstRow.at(4), "91110000MA00TWIN01");
    EXPECT_EQ(firstRow.at(6), "0000007");
    EXPECT_EQ(uniteCodes, (QStringList{ "0000006", "0000007" }));
    EXPECT_EQ(rowsAfterMerge, 0) << "the list is read again after the merge";
    EXPECT_EQ(value("select count(*) from Customer where cCusCode = '0000006'"), "0");
    EXPECT_EQ(m_messages->shown().last().text, text("Tarn.AA.ARCHIVE.COMMON.unitesuccess"));
}
