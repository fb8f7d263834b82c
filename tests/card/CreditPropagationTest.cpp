#include "CardLogicSession.h"

#include "card/CreditPropagation.h"

using customer::CreditPropagation;

namespace {

class CreditPropagationTest : public CardLogicSession
{
protected:
    // The credit company with dependants and the settings of its card as loaded.
    void SetUp() override
    {
        CardLogicSession::SetUp();
        m_code = firstValue(QStringLiteral("select min(cCusCode) from Customer"));
        m_company.run(DemoCompanyCopy<>::Company,
                      QStringLiteral("update Customer set cCusCreditCompany='%1', bCredit=0 "
                                     "where cCusCode in (select cCusCode from Customer "
                                     "order by cCusCode limit 3)")
                          .arg(m_code));
        for (const char *control : { "EdtcCusSAProtocol", "EdtcCusExProtocol", "EdtcCusCMProtocol",
                                     "EdtcCusOtherProtocol", "EdtcCusImportAgentProtocol" }) {
            loaded(QLatin1StringView(control), -1, QString());
        }
        loaded(QStringLiteral("Edt"), 25, QStringLiteral("50000.00"));
        loaded(QStringLiteral("Edt"), 26, QStringLiteral("30"));
        m_fields.setTag(QStringLiteral("ChkbCredit"), -1, QStringLiteral("0"));
        m_fields.setTag(QStringLiteral("ChkbCreditDate"), -1, QStringLiteral("1"));
        m_fields.setChecked(QStringLiteral("ChkbCreditDate"), true);
    }

    void loaded(const QString &control, int index, const QString &value)
    {
        m_fields.setText(control, index, value);
        m_fields.setTag(control, index, value);
    }

    QString dependantsWithCredit() const
    {
        return firstValue(
            QStringLiteral("select count(*) from Customer where cCusCreditCompany='%1' "
                           "and cCusCode<>'%1' and bCredit=1 and iCusCreLine=80000")
                .arg(m_code));
    }

    QString m_code;
    MapCardFields m_fields;
};

TEST_F(CreditPropagationTest, UpdateStatementCarriesEverySetting)
{
    CreditPropagation propagation(m_fields, *m_service, *m_pub);
    m_fields.setChecked(QStringLiteral("ChkbCredit"), true);
    m_fields.set(QStringLiteral("EdtcCusSAProtocol"), QStringLiteral("SA'1"));
    m_fields.set(QStringLiteral("EdtcCusImportAgentProtocol"), QStringLiteral("IA"));
    m_fields.setEdt(26, QString());
    EXPECT_EQ(propagation.updateStatement(QStringLiteral("C'9")),
              QStringLiteral("Update Customer Set bCredit=1,bCreditDate=1,cCusSAProtocol='SA''1',"
                             "cCusExProtocol='',cCusCMProtocol='',cCusOtherProtocol='',"
                             "cCusImAgentProtocol='IA',iCusCreLine=50000.00,iCusCreDate=null "
                             "where cCusCreditCompany='C''9' and cCuscode<>'C''9'"));
    m_fields.setEdt(25, QStringLiteral("1;drop table Customer"));
    EXPECT_TRUE(propagation.updateStatement(m_code).contains(
        QStringLiteral("iCusCreLine='1;drop table Customer',")));
}

TEST_F(CreditPropagationTest, UnchangedSettingsAskNothing)
{
    CreditPropagation propagation(m_fields, *m_service, *m_pub);
    EXPECT_FALSE(propagation.changedSinceLoad());
    EXPECT_FALSE(propagation.propagate(m_code));
    EXPECT_TRUE(m_messages->shown().isEmpty());
}

TEST_F(CreditPropagationTest, DependantsTakeTheSettingsOnlyWhenTheUserAgrees)
{
    m_fields.setChecked(QStringLiteral("ChkbCredit"), true);
    m_fields.setEdt(25, QStringLiteral("80000"));
    CreditPropagation propagation(m_fields, *m_service, *m_pub);

    answerWith({ suite::MessageStyle::kNo });
    EXPECT_FALSE(propagation.propagate(m_code));
    ASSERT_EQ(m_messages->shown().size(), 1);
    EXPECT_EQ(m_messages->shown().first().text, text("Tarn.AA.ARCHIVE.COMMON.according_credit"));
    EXPECT_EQ(m_messages->shown().first().title, text("Tarn.AA.ARCHIVE.COMMON.exclamation"));
    EXPECT_EQ(dependantsWithCredit(), QStringLiteral("0"));

    answerWith({ suite::MessageStyle::kYes });
    EXPECT_TRUE(propagation.propagate(m_code));
    EXPECT_NE(dependantsWithCredit(), QStringLiteral("0"));
    EXPECT_EQ(firstValue(QStringLiteral("select count(*) from Customer where cCusCode='%1' and "
                                        "iCusCreLine=80000")
                             .arg(m_code)),
              QStringLiteral("0"))
        << "the credit company itself is saved by the card, not here";

    answerWith({});
    EXPECT_FALSE(propagation.propagate(QStringLiteral("NO-SUCH")));
    EXPECT_TRUE(m_messages->shown().isEmpty()) << "no dependant, no question";
}

} // namespace
