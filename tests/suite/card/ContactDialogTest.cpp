#include "CardFixture.h"

#include "suite/card/IContact.h"

using namespace suite;

namespace {

class ContactDialogTest : public CardTest
{
protected:
    void SetUp() override
    {
        CardTest::SetUp();
        m_code = column(QStringLiteral("select cCusCode from Customer order by cCusCode")).value(0);
        run(QStringLiteral("delete from Crm_Contact"));
        run(QStringLiteral("insert into Crm_Contact (OID,ID,cContactCode,cContactName,cCusCode,"
                           "cMobilePhone) values ('G-1','LXR00000041','LXR00000041','Old',"
                           "'%1','139')")
                .arg(m_code));
        run(QStringLiteral("update Customer set cCusContactCode='G-1',cCusPerson='Old' where "
                           "cCusCode='%1'")
                .arg(m_code));
        m_contact = createObject<IContact>(QLatin1String(IContact::kProgId));
        ASSERT_TRUE(m_contact);
        m_contact->SetServices(m_pub, m_srv);
    }

    QString m_code;
    std::shared_ptr<IContact> m_contact;
};

} // namespace

TEST_F(ContactDialogTest, ANewDefaultContactIsWrittenAndBecomesTheCustomersContactPerson)
{
    bool saved = false;
    withDialog(
        [](SubRecordDialog &dialog, QTableWidget &table) {
            ASSERT_EQ(table.rowCount(), 1);
            EXPECT_EQ(table.item(0, 5)->text(), QStringLiteral("✓"));
            click(dialog, "add");
            EXPECT_EQ(table.item(1, 0)->text(), QStringLiteral("LXR00000042"));
            type(table, 1, 1, QStringLiteral("O'Hara & Co"));
            type(table, 1, 2, QStringLiteral("138"));
            click(dialog, "setDefault");
            table.setCurrentCell(0, 0);
            click(dialog, "remove");
            clickOk(dialog);
        },
        [&] {
            saved = m_contact->showCalledByCusomterArchive(m_login, m_code, QStringLiteral("A"));
        });
    ASSERT_TRUE(saved) << qPrintable(shownTexts().join(u'\n'));
    EXPECT_EQ(column(QStringLiteral("select cContactCode||'|'||ID||'|'||cContactName||'|'||"
                                    "cMobilePhone||'|'||ifnull(cEmail,'null') from Crm_Contact "
                                    "where cCusCode='%1'")
                         .arg(m_code)),
              QStringList{ QStringLiteral("LXR00000042|LXR00000042|O'Hara & Co|138|null") });
    EXPECT_EQ(column(QStringLiteral("select cCusPerson||'|'||cCusHand||'|'||(cCusContactCode="
                                    "(select OID from Crm_Contact)) from Customer where "
                                    "cCusCode='%1'")
                         .arg(m_code)),
              QStringList{ QStringLiteral("O'Hara & Co|138|1") });
}

TEST_F(ContactDialogTest, CancelWritesNothingAndANewCustomerCannotHaveContactsYet)
{
    withDialog(
        [](SubRecordDialog &dialog, QTableWidget &table) {
            type(table, 0, 1, QStringLiteral("Changed"));
            dialog.reject();
        },
        [&] { EXPECT_FALSE(m_contact->showCalledByCusomterArchive(m_login, m_code, QString())); });
    EXPECT_EQ(column(QStringLiteral("select cContactName from Crm_Contact")),
              QStringList{ QStringLiteral("Old") });

    EXPECT_FALSE(m_contact->showCalledByCusomterArchive(m_login, QString(), QString()));
    EXPECT_EQ(shownTexts(), QStringList{ QStringLiteral("请先保存客户，再维护联系人。") });
}
