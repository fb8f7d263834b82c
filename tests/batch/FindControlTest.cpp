#include "suite/controls/FindControl.h"
#include "BatchSession.h"
#include "batch/BatchModify.h"
#include "suite/controls/ConditionDialog.h"
#include "suite/controls/DateCalendarPopup.h"
#include "suite/controls/FindCondition.h"
#include "suite/controls/RefEdit.h"
#include "suite/data/IClsCommon.h"
#include "suite/ref/ReferenceWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

namespace {

void press(QWidget *widget, int key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
}

struct Confirmation
{
    QString field, caption, value, condition, description;
};

} // namespace

class FindControlTest : public BatchSession
{
protected:
    void SetUp() override
    {
        BatchSession::SetUp();
        m_columns = customer::g_oSrv->OpenX(
            "select  * from CustomerClass,DistrictClass,Person,PayCondition,ShippingChoice,"
            "warehouse,Department,Vendor,customer where 1=2");
        QString error;
        ASSERT_TRUE(m_find.Setup(customer::g_oLogin, customer::g_cFieldCatalogXml, m_columns, error,
                                 "Modify", "(F8)"))
            << qPrintable(error);
        m_find.setDataService(customer::g_oSrv);
        QObject::connect(&m_find, &suite::FindControl::confirmed,
                         [this](const QString &field, const QString &caption, const QString &value,
                                const QString &condition, const QString &description, bool) {
                             m_confirmed.append({ field, caption, value, condition, description });
                         });
    }

    template<typename Editor> Editor *editorOf(const QString &field)
    {
        EXPECT_TRUE(m_find.selectField(field)) << qPrintable(field);
        QWidget *editor = m_find.valueEditor();
        if (auto *typed = qobject_cast<Editor *>(editor))
            return typed;
        return editor->findChild<Editor *>();
    }

    suite::RecordSet m_columns;
    suite::FindControl m_find;
    QList<Confirmation> m_confirmed;
};

TEST_F(FindControlTest, AReferenceIsChosenInTheReferenceWindowAndF8Confirms)
{
    auto *edit = editorOf<suite::RefEdit>("cCusDepart");
    ASSERT_NE(edit, nullptr);
    suite::ScopedModalHandler choose([](QWidget *window) {
        auto *references = qobject_cast<suite::ReferenceWindow *>(window);
        ASSERT_NE(references, nullptr);
        references->setSearchText("华南销售部");
        references->applySearch();
        ASSERT_EQ(references->rowCount(), 1);
        press(references->findChild<QTableView *>(), Qt::Key_Return);
    });
    press(edit, Qt::Key_F2);
    EXPECT_EQ(m_find.value(), "0203");
    EXPECT_FALSE(m_find.selectedRowsChoice()->isEnabled()) << "no ticked rows were handed over";
    press(edit, Qt::Key_F8);
    ASSERT_EQ(m_confirmed.size(), 1);
    EXPECT_EQ(m_confirmed.first().field, "cCusDepart");
    EXPECT_EQ(m_confirmed.first().value, "0203");
    EXPECT_EQ(m_confirmed.first().condition, "(1=1)");
    EXPECT_EQ(m_confirmed.first().description, text("Tarn.AA.PUB.FIND.allrecords"));
}

TEST_F(FindControlTest, EachFieldGetsAnEditorThatSuitsIt)
{
    suite::ScopedModalHandler pick([](QWidget *window) {
        auto *popup = qobject_cast<suite::DateCalendarPopup *>(window);
        ASSERT_NE(popup, nullptr);
        popup->calendar()->setSelectedDate(QDate(2026, 7, 9));
        press(popup->calendar()->findChild<QAbstractItemView *>(), Qt::Key_Return);
    });
    editorOf<QToolButton>("Customer.dEndDate")->click();
    EXPECT_EQ(m_find.value(), "2026-07-09");

    auto *check = editorOf<QCheckBox>("bCusDomestic");
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(m_find.value(), "0");
    check->setChecked(true);
    EXPECT_EQ(m_find.value(), "1");

    auto *choices = editorOf<QComboBox>("bShop");
    ASSERT_NE(choices, nullptr);
    EXPECT_GE(choices->count(), 3) << "an empty choice and the choices of the list";
    choices->setCurrentIndex(choices->findData("1"));
    EXPECT_EQ(m_find.value(), "1");

    auto *rate = editorOf<QLineEdit>("iCusTaxRate");
    ASSERT_NE(rate, nullptr);
    ASSERT_NE(qobject_cast<const QDoubleValidator *>(rate->validator()), nullptr);
    auto *days = editorOf<QLineEdit>("iCusCreDate");
    ASSERT_NE(qobject_cast<const QIntValidator *>(days->validator()), nullptr);
    auto *phone = editorOf<QLineEdit>("cCusPhone");
    EXPECT_EQ(phone->maxLength(),
              m_columns.Fields().at(m_columns.FieldIndex("cCusPhone")).definedSize);
}

TEST_F(FindControlTest, TheFilterDialogsConditionChoosesTheCustomers)
{
    m_find.SetSelected("cCusCode", { { "2", "0000002" }, { "10", "0000010" }, { "9", "0000009" } },
                       "Customer");
    EXPECT_TRUE(m_find.selectedRowsChoice()->isChecked());
    EXPECT_EQ(m_find.condition(), "(Customer.cCusCode in (N'0000002',N'0000009',N'0000010'))");

    suite::ScopedModalHandler filter([](QWidget *window) {
        auto *dialog = qobject_cast<suite::ConditionDialog *>(window);
        ASSERT_NE(dialog, nullptr);
        dialog->setRows({ { "cCusName", suite::FilterOperator::Contains, "O'Neil", false } });
        EXPECT_TRUE(dialog->tryAccept()) << qPrintable(dialog->errorText());
    });
    m_find.conditionChoice()->setChecked(true);
    m_find.conditionButton()->click();
    EXPECT_TRUE(m_find.condition().startsWith("(")) << qPrintable(m_find.condition());
    EXPECT_TRUE(m_find.condition().contains("N'O''Neil'")) << qPrintable(m_find.condition());
    EXPECT_TRUE(m_find.description().contains("O'Neil")) << qPrintable(m_find.description());

    run("update Customer set cCusName='O''Neil Trading' where cCusCode='0000004'");
    customer::BatchModifyRequest request{ "cCusPhone", "Phone", "1", m_find.condition(), {} };
    int count = 0;
    EXPECT_TRUE(customer::BatchModify().prepare(request, count));
    EXPECT_EQ(count, 1);
}

TEST(FindCondition, KeysAreQuotedAndAnEmptyPickMeansNobody)
{
    EXPECT_EQ(suite::keysCondition("Customer", "cCusCode", { "a'b", "c" }),
              "(Customer.cCusCode in (N'a''b',N'c'))");
    EXPECT_EQ(suite::keysCondition("Customer", "cCusCode", {}), "(1=2)");
    EXPECT_EQ(suite::keysInRowOrder({ { "10", "J" }, { "9", "I" }, { "1", "A" } }),
              (QStringList{ "A", "I", "J" }));
}
