#include "suite/controls/RefEdit.h"

#include "DemoCompanyCopy.h"

#include "suite/controls/ModalDisplay.h"
#include "suite/data/DataService.h"
#include "suite/ref/ReferenceWindow.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using suite::RefEdit;

namespace {

void type(RefEdit &edit, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&edit, &press);
    }
}

QAction *buttonOf(const RefEdit &edit)
{
    return edit.findChild<QAction *>(QStringLiteral("refButton"));
}

} // namespace

TEST(RefEdit, ButtonShowsOnlyForANamedReferenceAndReportsClicksWhenUsable)
{
    RefEdit edit;
    int clicks = 0;
    QObject::connect(&edit, &RefEdit::buttonClicked, [&] { ++clicks; });
    EXPECT_FALSE(edit.hasButton());
    EXPECT_FALSE(buttonOf(edit)->isVisible());
    edit.clickButton();
    EXPECT_EQ(clicks, 0) << "no reference, no look-up";

    edit.Init(nullptr, true, QStringLiteral("http://h?refid=Customer_AA"),
              QStringLiteral("<Ref><RefSet  cRefFilterSql=\"bDCEnd=1 \"/></Ref>"));
    EXPECT_TRUE(edit.hasButton());
    EXPECT_TRUE(edit.isWeb());
    EXPECT_EQ(edit.refKey(), QStringLiteral("http://h?refid=Customer_AA"));
    EXPECT_EQ(edit.refSetXml(),
              QStringLiteral("<Ref><RefSet  cRefFilterSql=\"bDCEnd=1 \"/></Ref>"));
    buttonOf(edit)->trigger();
    EXPECT_EQ(clicks, 1);

    edit.setLocked(true);
    EXPECT_TRUE(edit.isLocked());
    EXPECT_FALSE(buttonOf(edit)->isEnabled());
    edit.clickButton();
    edit.setLocked(false);
    edit.setEnabled(false);
    EXPECT_FALSE(buttonOf(edit)->isEnabled());
    edit.clickButton();
    EXPECT_EQ(clicks, 1) << "locked or disabled edits look nothing up";
    edit.setEnabled(true);
    EXPECT_TRUE(buttonOf(edit)->isEnabled());
}

TEST(RefEdit, TypingClearsTheChosenCodeUnlessTheEditTakesFreeText)
{
    RefEdit edit;
    edit.Init(nullptr, false, QStringLiteral("CustomerClass_AA"));
    edit.setText(QStringLiteral("0101"));
    edit.setTag(QStringLiteral("0101"));
    EXPECT_EQ(edit.tag(), QStringLiteral("0101")) << "texts set by the program keep the tag";
    type(edit, QStringLiteral("9"));
    EXPECT_EQ(edit.text(), QStringLiteral("01019"));
    EXPECT_TRUE(edit.tag().isEmpty());

    RefEdit address;
    address.setFreeText(true);
    type(address, QStringLiteral("北京"));
    EXPECT_EQ(address.tag(), QStringLiteral("北京"));
}

TEST(RefEdit, KeepsToItsLengthAndReportsLeaving)
{
    RefEdit edit;
    edit.setMaxLength(3);
    type(edit, QStringLiteral("ABCDE"));
    EXPECT_EQ(edit.text(), QStringLiteral("ABC"));
    int changes = 0;
    int leaving = 0;
    QObject::connect(&edit, &QLineEdit::textChanged, [&] { ++changes; });
    QObject::connect(&edit, &RefEdit::leaving, [&] { ++leaving; });
    edit.setText(QStringLiteral("XY"));
    EXPECT_EQ(changes, 1);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&edit, &out);
    EXPECT_EQ(leaving, 1);
}

namespace {

// Reference edits reading the rows of a demo company of their own.
class RefEditLookUp : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        m_service->Init(m_company.connectionText());
        ASSERT_TRUE(m_service->Status()) << qPrintable(m_service->LastError());
    }

    void prepare(RefEdit &edit, const QString &refKey, const QString &refSetXml = QString())
    {
        edit.Init(nullptr, false, refKey, refSetXml);
        edit.setDataService(m_service);
        QObject::connect(&edit, &RefEdit::referenceChosen, [this](suite::RecordSet *row) {
            m_chosen.append(row ? row->Value(0).toString() + u'|'
                                    + QString::number(row->RecordCount())
                                : QStringLiteral("null"));
            if (row)
                m_row = *row;
        });
        QObject::connect(&edit, &RefEdit::confirmed, [this] { ++m_confirmations; });
    }

    QStringList firstColumn(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<>::Company, sql);
    }

    static void leave(RefEdit &edit)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&edit, &out);
    }

    DemoCompanyCopy<> m_company;
    std::shared_ptr<suite::ClsCommon> m_service = std::make_shared<suite::ClsCommon>();
    QStringList m_chosen;
    suite::RecordSet m_row;
    int m_confirmations = 0;
};

suite::ReferenceWindow *referenceWindow(QWidget *window)
{
    auto *shown = qobject_cast<suite::ReferenceWindow *>(window);
    EXPECT_NE(shown, nullptr);
    return shown;
}

void pressOk(suite::ReferenceWindow *window)
{
    window->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
}

} // namespace

TEST_F(RefEditLookUp, ThePickedRowWritesTextAndCodeAndIsReported)
{
    RefEdit edit;
    prepare(edit, QStringLiteral("http://h?refid=Department_AA"));
    const QStringList codes =
        firstColumn(QStringLiteral("select cDepCode from Department order by cDepCode"));
    ASSERT_GE(codes.size(), 3);
    int opening = 0;
    QObject::connect(&edit, &RefEdit::beforeReferenceOpens, [&] { ++opening; });
    int shown = 0;
    const suite::ScopedModalHandler user([&](QWidget *window) {
        ++shown;
        suite::ReferenceWindow *reference = referenceWindow(window);
        auto *search = reference->findChild<QLineEdit *>(QStringLiteral("search"));
        search->setText(codes.at(2));
        reference->applySearch();
        ASSERT_GE(reference->rowCount(), 1);
        pressOk(reference);
    });
    EXPECT_TRUE(edit.openReference());
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(opening, 1);
    EXPECT_EQ(edit.text(), codes.at(2));
    EXPECT_EQ(edit.codeValue(), codes.at(2));
    EXPECT_TRUE(edit.isConfirmed());
    EXPECT_EQ(m_confirmations, 1);
    ASSERT_EQ(m_chosen.size(), 1);
    EXPECT_TRUE(m_chosen.first().endsWith(QStringLiteral("|1")));
    EXPECT_EQ(
        m_row.Value(QStringLiteral("cDepName")).toString(),
        firstColumn(
            QStringLiteral("select cDepName from Department where cDepCode='%1'").arg(codes.at(2)))
            .value(0));
}

TEST_F(RefEditLookUp, CancellingChangesNothingAndTheOwnersConditionsApply)
{
    RefEdit city;
    prepare(city, QStringLiteral("hr_ct007_AA"));
    city.setText(QStringLiteral("北京市"));
    city.setCodeValue(QStringLiteral("1101"));
    QObject::connect(&city, &RefEdit::beforeReferenceOpens,
                     [](QString &conditionXml, QString &filter) {
                         conditionXml.clear();
                         filter = QStringLiteral("1=2");
                     });
    int offered = -1;
    const suite::ScopedModalHandler user([&](QWidget *window) {
        suite::ReferenceWindow *reference = referenceWindow(window);
        offered = reference->rowCount();
        reference->reject();
    });
    EXPECT_FALSE(city.openReference());
    EXPECT_EQ(offered, 0);
    EXPECT_EQ(city.filter(), QStringLiteral("1=2"));
    EXPECT_EQ(city.text(), QStringLiteral("北京市"));
    EXPECT_EQ(city.codeValue(), QStringLiteral("1101"));
    EXPECT_EQ(m_chosen, QStringList{ QStringLiteral("null") });
    EXPECT_EQ(m_confirmations, 0);
}

TEST_F(RefEditLookUp, FreeTextTakesTheShownColumnAndF2OpensTheWindow)
{
    RefEdit contact;
    prepare(contact, QStringLiteral("Contact_CS"),
            QStringLiteral("<Ref><RefSet cRetFld='cContactName' cShowFld='cContactName' "
                           "iRetStyle='3'  /></Ref>"));
    contact.setFreeText(true);
    const suite::ScopedModalHandler user(
        [&](QWidget *window) { pressOk(referenceWindow(window)); });
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QApplication::sendEvent(&contact, &f2);
    const QString name =
        firstColumn(QStringLiteral("select cContactName from Crm_Contact order by cContactCode"))
            .value(0);
    EXPECT_EQ(contact.text(), name);
    EXPECT_EQ(contact.codeValue(), name);
    EXPECT_FALSE(m_row.Value(QStringLiteral("ID")).toString().isEmpty());
    EXPECT_TRUE(m_row.HasField(QStringLiteral("cMobilePhone")));

    contact.setLocked(true);
    m_chosen.clear();
    QApplication::sendEvent(&contact, &f2);
    EXPECT_TRUE(m_chosen.isEmpty()) << "a locked edit opens nothing";
}

TEST_F(RefEditLookUp, LeavingConfirmsATypedCodeThatNamesExactlyOneOfferedRow)
{
    const QStringList people = firstColumn(
        QStringLiteral("select cPersonCode || '|' || cDepCode from Person order by cPersonCode"));
    ASSERT_FALSE(people.isEmpty());
    const QString code = people.first().section(u'|', 0, 0);
    const QString department = people.first().section(u'|', 1, 1);

    RefEdit person;
    prepare(person, QStringLiteral("Person_AA"));
    type(person, code.toLower());
    EXPECT_FALSE(person.isConfirmed());
    int left = 0;
    QObject::connect(&person, &RefEdit::leaving, [&] {
        ++left;
        EXPECT_TRUE(person.isConfirmed()) << "confirmed before the owner hears of the leaving";
    });
    leave(person);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(person.text(), code);
    EXPECT_EQ(person.codeValue(), code);
    EXPECT_EQ(m_confirmations, 1);
    leave(person);
    EXPECT_EQ(m_confirmations, 1) << "a confirmed value is not confirmed again";

    RefEdit other;
    prepare(other, QStringLiteral("Person_AA"));
    other.setConditions(
        QStringLiteral("<RefConditions><Condition paramName='@cDepCode' paramValue='%1x' />"
                       "</RefConditions>")
            .arg(department),
        QStringLiteral("#FN[cDepCode]=@cDepCode"));
    type(other, code);
    leave(other);
    EXPECT_FALSE(other.isConfirmed()) << "a code outside the conditions";
    EXPECT_EQ(other.text(), code);
    EXPECT_TRUE(other.codeValue().isEmpty());

    RefEdit partial;
    prepare(partial, QStringLiteral("Person_AA"));
    type(partial, code.left(code.size() - 1));
    leave(partial);
    EXPECT_FALSE(partial.isConfirmed());
    EXPECT_EQ(partial.text(), code.left(code.size() - 1)) << "nothing typed is lost";

    RefEdit address;
    prepare(address, QStringLiteral("CusDeliverAdd_AA"));
    address.setFreeText(true);
    type(address, code);
    leave(address);
    EXPECT_FALSE(address.isConfirmed());
    EXPECT_EQ(m_confirmations, 1);

    person.clearValue();
    EXPECT_TRUE(person.text().isEmpty());
    EXPECT_TRUE(person.codeValue().isEmpty());
    EXPECT_FALSE(person.isConfirmed());
}
