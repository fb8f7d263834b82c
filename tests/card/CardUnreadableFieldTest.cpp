#include "CardWindowFixture.h"

#include "suite/pub/IPub.h"

namespace {

const QString kSecretPhone = u"010-5555 0199"_s;
const QString kSecretMemo = u"credit on hold"_s;

// sales1 may neither read nor change the phone number and the memo: the list and the card
// never hold them, and a save of the card leaves them as they are stored.
class CardUnreadableField : public CardCommandTest
{
protected:
    void SetUp() override
    {
        CardCommandTest::SetUp();
        m_company.run(DemoCompanyCopy<>::Company,
                      u"update Customer set cCusPhone='%1', cMemo='%2'; insert into "
                      "AA_HoldColAuth (cUser_Id, cBusObId, cFieldName, cLevel) values "
                      "('sales1', 'customer', 'cCusPhone', 'N'), "
                      "('sales1', 'customer', 'cMemo', 'N')"_s.arg(kSecretPhone, kSecretMemo));
    }

    // A customer sales1 may read and change.
    QString salesCustomer() const
    {
        return firstCode(u"cCCCode like '01%' and cCusDepart='0201' and "
                         "coalesce(bTransFlag,0)=0"_s);
    }

    static QStringList textsShown(QWidget *window)
    {
        QStringList texts;
        for (const QLineEdit *edit : window->findChildren<QLineEdit *>())
            texts.append(edit->text());
        return texts;
    }
};

TEST_F(CardUnreadableField, TheListHasNoColumnToShowOrLocateIt)
{
    ASSERT_TRUE(openList(u"sales1"_s));
    ASSERT_GT(m_list->Grid->Rows(), 1);
    int position = -1;
    EXPECT_FALSE(g_oPub->FindFldColPos(m_list->Grid, u"cCusPhone"_s, position));
    EXPECT_TRUE(g_oPub->FindFldColPos(m_list->Grid, u"cCusAbbName"_s, position));
    for (int row = 1; row < m_list->Grid->Rows(); ++row) {
        for (int col = 0; col < m_list->Grid->Cols(); ++col)
            EXPECT_NE(m_list->Grid->TextMatrix(row, col), kSecretPhone) << row << ',' << col;
    }
}

TEST_F(CardUnreadableField, AnotherUserSeesItInTheListAndTheCard)
{
    ASSERT_TRUE(openList());
    int position = -1;
    EXPECT_TRUE(g_oPub->FindFldColPos(m_list->Grid, u"cCusPhone"_s, position));
    FrmCusAM *card = openOnRow(rowOf(salesCustomer()));
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->Edt(15)->text(), kSecretPhone);
}

TEST_F(CardUnreadableField, TheCardShowsNothingAndItsSaveKeepsTheStoredValue)
{
    ASSERT_TRUE(openList(u"sales1"_s));
    const QString code = salesCustomer();
    const int row = rowOf(code);
    ASSERT_GT(row, 0) << qPrintable(code);
    FrmCusAM *card = openOnRow(row);
    ASSERT_NE(card, nullptr);
    ASSERT_EQ(card->Edt(0)->text(), code);
    EXPECT_EQ(card->Edt(15)->text(), QString());
    EXPECT_EQ(card->refEdit(u"EdtcMemo"_s)->text(), QString());
    EXPECT_FALSE(textsShown(card).contains(kSecretPhone));
    EXPECT_FALSE(textsShown(card).contains(kSecretMemo));

    retype(card->Edt(16), u"010-6666 0200"_s);
    card->Operating(u"SaveRs"_s);
    EXPECT_TRUE(shownTexts().isEmpty()) << qPrintable(shownTexts().join(u'\n'));
    EXPECT_EQ(stored(u"cCusFax"_s, code), u"010-6666 0200"_s);
    EXPECT_EQ(stored(u"cCusPhone"_s, code), kSecretPhone);
    EXPECT_EQ(stored(u"cMemo"_s, code), kSecretMemo);
    EXPECT_EQ(card->Edt(15)->text(), QString()) << "the saved record is shown again without it";
}

} // namespace
