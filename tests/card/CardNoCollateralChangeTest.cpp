#include "CardWindowFixture.h"

#include "suite/controls/Toolbar.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTableWidget>

namespace {

// The tables that hold what a customer is made of.
const QStringList kCustomerTables = {
    u"Customer"_s,         u"Customer_extradefine"_s, u"CusDeliverAdd"_s,
    u"CustomerBank"_s,     u"CustomerInvoiceCorp"_s,  u"CustomerPerson"_s,
    u"customer_auth"_s,    u"customer_user"_s,        u"Crm_Contact"_s,
    u"crm_contact_User"_s, u"AA_Picture"_s,           u"AA_AttachFile"_s,
};

// Every save writes who saved and when.
const QStringList kWrittenOnEverySave = { u"Customer.cModifyPerson"_s, u"Customer.dModifyDate"_s };

// Each value of every row of those tables, written so that NULL, '' and 5000 against 5000.0
// all tell apart, keyed "table#row.column" with the rows in the order of all their columns.
using Snapshot = QMap<QString, QString>;

// Saving a customer changes what the user changed and nothing else: not the stored bank name,
// not a NULL into an empty text or a -1, not the industry into its code, not one sub-record.
class CardNoCollateralChange : public CardCommandTest
{
protected:
    Snapshot snapshot() const
    {
        Snapshot values;
        for (const QString &table : kCustomerTables) {
            const auto columns = m_company.declaredColumns(DemoCompanyCopy<>::Company, table);
            EXPECT_FALSE(columns.isEmpty()) << qPrintable(table);
            const QList<QStringList> rows =
                m_company.tableSnapshot(DemoCompanyCopy<>::Company, table);
            for (int row = 0; row < rows.size(); ++row) {
                for (int i = 0; i < rows.at(row).size() && i < columns.size(); ++i)
                    values.insert(u"%1#%2.%3"_s.arg(table).arg(row).arg(columns.at(i).first),
                                  rows.at(row).at(i));
            }
        }
        return values;
    }

    // The columns ("table.column") whose values differ, with what changed for the message.
    static QMap<QString, QString> changes(const Snapshot &before, const Snapshot &after)
    {
        QMap<QString, QString> changed;
        QStringList keys = before.keys() + after.keys();
        keys.removeDuplicates();
        for (const QString &key : std::as_const(keys)) {
            const QString beforeValue = before.value(key, u"(no row)"_s);
            const QString afterValue = after.value(key, u"(no row)"_s);
            if (beforeValue == afterValue)
                continue;
            const QString column = key.section(u'#', 0, 0) + u'.' + key.section(u'.', -1);
            if (!kWrittenOnEverySave.contains(column))
                changed.insert(column, beforeValue + u" -> "_s + afterValue);
        }
        return changed;
    }

    static QString describe(const QMap<QString, QString> &changed)
    {
        QStringList lines;
        for (auto it = changed.cbegin(); it != changed.cend(); ++it)
            lines.append(it.key() + u": "_s + it.value());
        return lines.join(u'\n');
    }

    // Demo customers that between them have a bank, a contact, an invoice unit, a related
    // vendor, NULLs where the card shows empty text or no choice, and whole-number amounts.
    QStringList sample()
    {
        const QString nulls = valueOf(u"select min(cCusCode) from Customer"_s);
        m_company.run(
            DemoCompanyCopy<>::Company,
            u"update Customer set iCusGSPType=null, cCusRegCode=null, cMemo=null, "
            "iCusCreLine=5000, dEndDate=null, fCommisionRate=null where cCusCode='%1'"_s.arg(
                nulls));
        // The demo's customers have no invoice units, persons or rights rows of their own.
        const QString units = valueOf(u"select max(cCusCode) from Customer"_s);
        m_company.run(DemoCompanyCopy<>::Company,
                      u"insert into CustomerInvoiceCorp (cCusCode, cInvoiceCompany, bDefault) "
                      "values ('%1', '%2', 1); update Customer set cInvoiceCompany='%2' where "
                      "cCusCode='%1'; insert into CustomerPerson (cCusCode, cPersonCode, bDefault) "
                      "select '%1', min(cPersonCode), 1 from Person; insert into customer_auth "
                      "(Account_ID, Privilege_Type, Privilege_ID) select '%1', 0, min(cDepCode) "
                      "from Department"_s.arg(units, nulls));
        QStringList codes{ nulls, units };
        for (const QString &condition :
             { u"cCusBank is not null"_s, u"cCusContactCode is not null"_s,
               u"cRelVendor is not null"_s,
               u"cTrade is not null and cCusTradeCCode is not null"_s }) {
            const QString code =
                valueOf(u"select min(cCusCode) from Customer where %1"_s.arg(condition));
            EXPECT_FALSE(code.isEmpty())
                << "the demo company has a customer with " << qPrintable(condition);
            if (!code.isEmpty() && !codes.contains(code))
                codes.append(code);
        }
        return codes;
    }

    FrmCusAM *openCustomer(const QString &code)
    {
        const int row = rowOf(code);
        EXPECT_GT(row, 0) << qPrintable(code);
        return row > 0 ? openOnRow(row) : nullptr;
    }

    // Saves and tells what changed since before; no message may come up.
    QMap<QString, QString> saveAndCompare(FrmCusAM *card, const Snapshot &before)
    {
        card->Operating(u"SaveRs"_s);
        EXPECT_TRUE(shownTexts().isEmpty()) << qPrintable(shownTexts().join(u'\n'));
        EXPECT_FALSE(card->TLB2->isButtonEnabled(u"SaveRs"_s)) << "the save went through";
        return changes(before, snapshot());
    }

    void closeCard()
    {
        answer({ suite::MessageStyle::kNo });
        m_card->close();
        delete m_card;
        m_card = nullptr;
    }

    // Each sample customer opened in the card, whatever the user does that should change
    // nothing, then saved: no column of any customer table may differ.
    void saveEachSampleCustomerAfter(const std::function<void(FrmCusAM *)> &userDoes)
    {
        const QStringList codes = sample();
        ASSERT_TRUE(openList());
        for (const QString &code : codes) {
            SCOPED_TRACE(code.toStdString());
            FrmCusAM *card = openCustomer(code);
            ASSERT_NE(card, nullptr);
            ASSERT_EQ(card->Edt(0)->text(), code);
            const Snapshot before = snapshot();
            userDoes(card);
            const QMap<QString, QString> changed = saveAndCompare(card, before);
            EXPECT_TRUE(changed.isEmpty()) << qPrintable(describe(changed));
            closeCard();
        }
    }

    // Opens a sub-record dialog from the card's toolbar and presses OK on it as it is.
    static void acceptDialogUnchanged(FrmCusAM *card, const QString &key)
    {
        bool shown = false;
        suite::ScopedModalHandler press([&](QWidget *window) {
            auto *dialog = qobject_cast<QDialog *>(window);
            ASSERT_NE(dialog, nullptr) << qPrintable(key);
            auto *buttons = dialog->findChild<QDialogButtonBox *>();
            ASSERT_NE(buttons, nullptr);
            QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
            ASSERT_NE(ok, nullptr) << qPrintable(key) << " opens read-only";
            shown = true;
            ok->click();
        });
        card->Operating(key);
        EXPECT_TRUE(shown) << qPrintable(key);
    }
};

TEST_F(CardNoCollateralChange, SavingWithoutAChangeChangesNothing)
{
    saveEachSampleCustomerAfter([](FrmCusAM *) {});
}

TEST_F(CardNoCollateralChange, OneEditChangesExactlyItsColumn)
{
    const QString code = sample().front();
    ASSERT_TRUE(openList());
    FrmCusAM *card = openCustomer(code);
    ASSERT_NE(card, nullptr);

    Snapshot before = snapshot();
    retype(card->Edt(15), u"022-8888 1234"_s);
    EXPECT_EQ(saveAndCompare(card, before).keys(), QStringList{ u"Customer.cCusPhone"_s });

    before = snapshot();
    card->checkBox(u"ChkbLimitSale"_s)->click();
    EXPECT_EQ(saveAndCompare(card, before).keys(), QStringList{ u"Customer.bLimitSale"_s });

    before = snapshot();
    retype(card->Edt(25), u"7500.5"_s);
    EXPECT_EQ(saveAndCompare(card, before).keys(), QStringList{ u"Customer.iCusCreLine"_s });
    EXPECT_DOUBLE_EQ(stored(u"iCusCreLine"_s, code).toDouble(), 7500.5);

    before = snapshot();
    retype(card->EdtDTPicker1(3), u"2027-01-31"_s);
    EXPECT_EQ(saveAndCompare(card, before).keys(), QStringList{ u"Customer.dEndDate"_s });

    before = snapshot();
    retype(card->refEdit(u"EdtcMemo"_s), u"R&D <lab> \"quoted\" it's"_s);
    EXPECT_EQ(saveAndCompare(card, before).keys(), QStringList{ u"Customer.cMemo"_s });
    EXPECT_EQ(stored(u"cMemo"_s, code), u"R&D <lab> \"quoted\" it's"_s);
}

TEST_F(CardNoCollateralChange, DialogsAcceptedUnchangedChangeNothing)
{
    saveEachSampleCustomerAfter([](FrmCusAM *card) {
        for (const QString &key :
             { u"CusBank"_s, u"cusAddress"_s, u"Invoice"_s, u"Person"_s, u"Privilege"_s })
            acceptDialogUnchanged(card, key);
    });
}

// A cell edited as a user does it: the editor opened on the cell, the text typed, Enter.
void typeIntoCell(QTableWidget *table, int row, int column, const QString &text)
{
    // The editor of the cell before is gone only once its deferred deletion ran.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    table->setCurrentCell(row, column);
    table->editItem(table->item(row, column));
    auto *editor = table->viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(editor, &press);
    }
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(editor, &enter);
    QApplication::processEvents();
}

TEST_F(CardNoCollateralChange, ABankAddedInTheDialogIsSavedWithTheCustomer)
{
    const QString code = valueOf(u"select min(cCusCode) from Customer where cCusCode not in "
                                 "(select cCusCode from CustomerBank)"_s);
    ASSERT_FALSE(code.isEmpty());
    ASSERT_TRUE(openList());
    FrmCusAM *card = openCustomer(code);
    ASSERT_NE(card, nullptr);
    const Snapshot before = snapshot();
    suite::ScopedModalHandler edit([](QWidget *window) {
        window->show();
        auto *table = window->findChild<QTableWidget *>(u"rows"_s);
        ASSERT_NE(table, nullptr);
        window->findChild<QPushButton *>(u"add"_s)->click();
        ASSERT_EQ(table->rowCount(), 1);
        typeIntoCell(table, 0, 2, u"中国银行天津宝坻支行 & Co"_s);
        typeIntoCell(table, 0, 3, u"6217 0000 1234"_s);
        window->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    card->Operating(u"CusBank"_s);
    ASSERT_TRUE(card->TLB2->isButtonEnabled(u"SaveRs"_s));
    const QMap<QString, QString> changed = saveAndCompare(card, before);
    EXPECT_EQ(stored(u"cCusBank"_s, code), u"中国银行天津宝坻支行 & Co"_s);
    EXPECT_EQ(stored(u"cCusAccount"_s, code), u"6217 0000 1234"_s);
    EXPECT_EQ(valueOf(u"select count(*) from CustomerBank where cCusCode='%1'"_s.arg(code)),
              u"1"_s);
    for (const QString &column : changed.keys())
        EXPECT_TRUE(column.startsWith(u"CustomerBank.") || column == u"Customer.cCusBank"
                    || column == u"Customer.cCusAccount")
            << qPrintable(column);
    EXPECT_EQ(card->Edt(9)->text(), u"中国银行天津宝坻支行 & Co"_s) << "the card shows it";
}

} // namespace
