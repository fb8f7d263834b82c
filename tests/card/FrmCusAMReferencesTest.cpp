#include "EntryFixture.h"

#include "card/FrmCusAM.h"
#include "card/ReferenceConditions.h"
#include "list/FrmCus.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ILogin.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

using namespace customer;

namespace {

// The card's reference fields as a user drives them: the reference window's events are raised
// directly, with rows read from the demo company.
class CardReferencesTest : public EntryTest
{
protected:
    void TearDown() override
    {
        delete m_card;
        delete m_list;
        m_entry.reset();
        EntryTest::TearDown();
    }

    FrmCusAM *openCard(const QString &command)
    {
        m_entry = ClsCustomer::create();
        m_entry->setBusiness(portal(login(), m_portal));
        m_entry->ShowModeless(QStringLiteral("AA0101"), QString(), QString(), QString());
        m_list = qobject_cast<FrmCus *>(m_entry->listWindow());
        if (!m_list)
            return nullptr;
        m_list->show();
        QApplication::processEvents();
        m_list->Operating(command);
        m_card = qobject_cast<FrmCusAM *>(m_portal.forms.last());
        if (m_card) {
            m_card->show();
            m_card->activateWindow();
            QApplication::processEvents();
        }
        return m_card;
    }

    // The user picks the row of table whose key column holds code in the reference window:
    // F2, the code typed into the search, Enter, down the rows to it, Enter.
    static void choose(suite::RefEdit *field, const char *table, const char *key,
                       const QString &code)
    {
        const suite::RecordSet row =
            g_oSrv->OpenX(QStringLiteral("select * from %1 where %2='%3'").arg(table, key, code));
        ASSERT_EQ(row.RecordCount(), 1) << table << " " << qPrintable(code);
        bool chosen = false;
        suite::ScopedModalHandler user([&](QWidget *window) {
            window->show();
            auto *search = window->findChild<QLineEdit *>(QStringLiteral("search"));
            auto *rows = window->findChild<QTableView *>(QStringLiteral("rows"));
            ASSERT_TRUE(search && rows);
            search->selectAll();
            for (const QChar c : code)
                press(search, Qt::Key_unknown, QString(c));
            press(search, Qt::Key_Return);
            int at = -1;
            const QAbstractItemModel *offered = rows->model();
            for (int r = 0; r < offered->rowCount() && at < 0; ++r) {
                for (int c = 0; c < offered->columnCount(); ++c) {
                    if (offered->index(r, c).data().toString() == code)
                        at = r;
                }
            }
            ASSERT_GE(at, 0) << "the window offers " << qPrintable(code);
            press(search, Qt::Key_Down);
            for (int step = 0; step < at; ++step)
                press(rows, Qt::Key_Down);
            press(rows, Qt::Key_Return);
            chosen = true;
        });
        field->setFocus();
        press(field, Qt::Key_F2);
        ASSERT_TRUE(chosen) << "F2 opens the reference window";
    }

    static void press(QWidget *target, int key, const QString &text = QString())
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &event);
    }

    static RefConditions opening(suite::RefEdit *field)
    {
        RefConditions conditions{ QStringLiteral("<in/>"), QString() };
        emit field->beforeReferenceOpens(conditions.conditionXml, conditions.filter);
        return conditions;
    }

    QString value(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<>::Company, sql).value(0);
    }

    QString dimensionName(int type) const
    {
        return value(
            QStringLiteral("select cADTName from AA_AuthDimenType where iADTID=%1").arg(type));
    }

    // A rights row as a chosen class appends it.
    QString appendedRow(int type, const QString &valueCode) const
    {
        const QString valueName = type == 0
            ? QStringLiteral("select cDepName from Department where cDepCode='%1'")
            : kValueName;
        return QStringLiteral("<row><privilege_type>%1</privilege_type><privilege_id>%2"
                              "</privilege_id><cadtname>%3</cadtname><cadname>%4</cadname></row>")
            .arg(QString::number(type), valueCode, dimensionName(type),
                 value(valueName.arg(valueCode)));
    }

    const QString kValueName =
        QStringLiteral("select cADName from AA_AuthDimenSub where cADCode='%1'");

    PortalRecord m_portal;
    std::shared_ptr<ClsCustomer> m_entry;
    FrmCus *m_list = nullptr;
    FrmCusAM *m_card = nullptr;
};

TEST_F(CardReferencesTest, RightsRowsAreReadOnceAndRebuiltOnlyWhenTheClassChanges)
{
    FrmCusAM *card = openCard(QStringLiteral("Modify"));
    ASSERT_NE(card, nullptr);
    const QString code = card->Edt(0)->text();
    choose(card->Edt(3), "CustomerClass", "cCCCode", card->Edt(3)->text());
    EXPECT_TRUE(card->rightsXml().isEmpty());

    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("insert into customer_auth (Account_ID, Privilege_Type, "
                                 "Privilege_ID) values ('%1', 5, 'KA')")
                      .arg(code));
    choose(card->Edt(3), "CustomerClass", "cCCCode", QStringLiteral("02"));
    const QString stored =
        QStringLiteral("<cusprivilege><ccuscode>%1</ccuscode><row><privilege_type>5"
                       "</privilege_type><cadtname>%2</cadtname><privilege_id>KA</privilege_id>"
                       "<cadname>%3</cadname></row>")
            .arg(code, dimensionName(5), value(kValueName.arg(QStringLiteral("KA"))));
    const QString marker = QStringLiteral("<btextdata>1</btextdata></cusprivilege>");
    EXPECT_EQ(card->rightsXml(),
              stored + appendedRow(0, QStringLiteral("0206")) + appendedRow(1, QStringLiteral("N"))
                  + marker);

    m_company.run(DemoCompanyCopy<>::Company, QStringLiteral("delete from customer_auth"));
    choose(card->Edt(3), "CustomerClass", "cCCCode", QStringLiteral("03"));
    EXPECT_EQ(card->rightsXml(),
              stored + appendedRow(0, QStringLiteral("0202")) + appendedRow(1, QStringLiteral("S"))
                  + marker);
}

TEST_F(CardReferencesTest, CitiesFollowTheProvinceAndTypingClearsWhatDependsOnIt)
{
    FrmCusAM *card = openCard(QStringLiteral("Add"));
    ASSERT_NE(card, nullptr);
    suite::RefEdit *province = card->refEdit(QStringLiteral("EdtcProvince"));
    suite::RefEdit *city = card->refEdit(QStringLiteral("EdtcCity"));
    suite::RefEdit *county = card->refEdit(QStringLiteral("EdtcCounty"));
    EXPECT_EQ(opening(city).filter, QStringLiteral("1=2"));

    choose(province, "HR_CT007", "ccodeID", QStringLiteral("11"));
    EXPECT_EQ(province->tag(), QStringLiteral("11"));
    EXPECT_EQ(province->text(),
              value(QStringLiteral("select vsimpleName from HR_CT007 where ccodeID='11'")));
    const RefConditions cities = opening(city);
    EXPECT_EQ(cities.conditionXml,
              QStringLiteral("<RefConditions><Condition paramName='@cpCodeId' "
                             "paramValue='11' /></RefConditions>"));
    EXPECT_EQ(cities.filter, QStringLiteral("#FN[cpCodeId]=@cpCodeId"));

    choose(city, "HR_CT007", "ccodeID", QStringLiteral("1101"));
    county->setText(QStringLiteral("x"));
    city->setFocus();
    city->setText(QStringLiteral("typed"));
    EXPECT_TRUE(county->text().isEmpty());
    EXPECT_EQ(province->tag(), QStringLiteral("11"));
    county->setText(QStringLiteral("x"));
    province->setFocus();
    province->setText(QStringLiteral("typed"));
    EXPECT_EQ(city->text() + city->tag() + county->text(), QString());
}

TEST_F(CardReferencesTest, ANewCustomersContactsAreUnownedAndTheSalespersonGivesTheDepartment)
{
    FrmCusAM *card = openCard(QStringLiteral("Add"));
    ASSERT_NE(card, nullptr);
    const RefConditions contacts = opening(card->Edt(13));
    EXPECT_EQ(contacts.conditionXml, QStringLiteral("<in/>"));
    EXPECT_EQ(contacts.filter,
              QStringLiteral("(#FN[cCusCode] is null or #FN[cCusCode]='') and "
                             "(#FN[dConEDate]>'%1' or #FN[dConEDate] is null)")
                  .arg(g_oLogin->CurDate()));
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("update Crm_Contact set cCusCode=null where "
                                 "cContactCode='LXR00000001'"));
    choose(card->Edt(13), "Crm_Contact", "cContactCode", QStringLiteral("LXR00000001"));
    EXPECT_EQ(card->Edt(18)->text(),
              value(QStringLiteral("select cMobilePhone from Crm_Contact "
                                   "where cContactCode='LXR00000001'")));
    EXPECT_EQ(card->Edt(13)->tag(), QStringLiteral("LXR00000001"));

    card->Edt(31)->setText(QStringLiteral("004"));
    card->Edt(31)->setCodeValue(QStringLiteral("004"));
    emit card->Edt(31)->confirmed();
    const QString department =
        value(QStringLiteral("select cDepCode from Person where cPersonCode='004'"));
    EXPECT_EQ(card->Edt(30)->text(), department);
    const RefConditions salespeople = opening(card->Edt(31));
    EXPECT_EQ(salespeople.conditionXml,
              QStringLiteral("<RefConditions><Condition paramName="
                             "'@cDepCode' paramValue='%1' />"
                             "</RefConditions>")
                  .arg(department));
    EXPECT_EQ(card->Edt(31)->filter(), QStringLiteral("#FN[cDepCode]=@cDepCode"));
}

TEST_F(CardReferencesTest, TheVendorAsksFirstAndTheCreditCompanyLendsItsCredit)
{
    FrmCusAM *card = openCard(QStringLiteral("Modify"));
    ASSERT_NE(card, nullptr);
    EXPECT_TRUE(card->refEdit(QStringLiteral("EdtcCusExch_name"))->toolTip().isEmpty())
        << "loading tells the public service nothing";

    const auto answers = std::make_shared<suite::MessageScript>(
        std::deque<int>{ suite::MessageStyle::kNo, suite::MessageStyle::kYes });
    suite::ClsPub::installMessageScript(answers);
    const QStringList loaded{ card->Edt(1)->text(), card->Edt(4)->text() };
    suite::RefEdit *vendor = card->refEdit(QStringLiteral("EdtVenCode"));
    vendor->setText(QStringLiteral("V001"));
    vendor->setCodeValue(QStringLiteral("V001"));
    emit vendor->leaving();
    EXPECT_EQ(answers->shown().size(), 1);
    EXPECT_EQ(QStringList({ card->Edt(1)->text(), card->Edt(4)->text() }), loaded);
    emit vendor->leaving();
    EXPECT_EQ(card->Edt(1)->text(),
              value(QStringLiteral("select cVenName from Vendor where cVenCode='V001'")));

    const QString company = value(QStringLiteral("select cCusCode from Customer where bCredit=1 "
                                                 "and cCusCode<>'%1'")
                                      .arg(card->Edt(0)->text()));
    card->refEdit(QStringLiteral("EdtcCusCreditCompany"))->setCodeValue(company);
    emit card->refEdit(QStringLiteral("EdtcCusCreditCompany"))->leaving();
    EXPECT_TRUE(card->isChecked(QStringLiteral("ChkbCredit")));
    EXPECT_EQ(
        card->Edt(26)->text(),
        value(QStringLiteral("select iCusCreDate from Customer where cCusCode='%1'").arg(company)));
}

} // namespace
