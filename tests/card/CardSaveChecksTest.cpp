#include "CardLogicSession.h"

#include "card/CardSaveChecks.h"

using customer::checkBeforeSave;
using customer::checkDuplicateNames;

namespace {

class CardSaveChecksTest : public CardLogicSession
{
protected:
    void SetUp() override
    {
        CardLogicSession::SetUp();
        m_fields.set(QStringLiteral("lblfAdvancePaymentRatio"), QStringLiteral("Advance ratio"));
        m_fields.set(QStringLiteral("LbliCusTaxRate"), QStringLiteral("Tax rate"));
        m_inputs = { 1,
                     true,
                     true,
                     [this] { return m_userDefinedValid; },
                     [this] { ++m_codeRefreshes; },
                     QString(),
                     m_pub,
                     m_service,
                     m_login };
        m_fields.setEdt(0, QStringLiteral("NEW001"));
        m_fields.setEdt(1, QStringLiteral("Nordwind Trading"));
        m_fields.setEdt(2, QStringLiteral("Nordwind"));
    }

    void enableAuthDimensions(const QString &more = {})
    {
        m_company.run(DemoCompanyCopy<>::Company,
                      QStringLiteral("update aa_busobject_base set bAuthDimControl=1, "
                                     "bAuthControl=1%1 where cBusObId='customer'")
                          .arg(more));
    }

    MapCardFields m_fields;
    customer::SaveCheckInputs m_inputs;
    bool m_userDefinedValid = true;
    int m_codeRefreshes = 0;
};

// Everything wrong at once; each repair lets the next check speak.
TEST_F(CardSaveChecksTest, ChecksComeInTheirOrder)
{
    enableAuthDimensions();
    auto holder = login(QStringLiteral("sales1"));
    auto holderPub = publicService(holder);
    const QString function = QStringLiteral("Customer");
    ASSERT_FALSE(holderPub->IsLockFun(m_service, holder, function, 7));
    m_inputs.canAdd = false;
    m_fields.set(QStringLiteral("EdtfAdvancePaymentRatio"), QStringLiteral("100.01"));
    m_fields.set(QStringLiteral("EdtiCusTaxRate"), QStringLiteral("100"));
    m_userDefinedValid = false;
    m_fields.setEdt(0, QString());
    m_fields.setEdt(2, QStringLiteral("  "));
    const QString taken = firstValue(QStringLiteral("select min(cCusAbbName) from Customer"));

    struct Step
    {
        QString key; // empty: someone else told the user
        QString message;
        QString focus;
        std::function<void()> repair;
    };
    const auto own = [](const char *key) {
        return std::pair(QString::fromLatin1(key), text(key));
    };
    const auto [noAdd, noAddText] = own("Tarn.AA.ARCHIVE.COMMON.no_add_arch_fun");
    const auto [noCode, noCodeText] = own("Tarn.AA.ARCHIVE.COMMON.cus_code_notnull");
    const auto [noAbb, noAbbText] = own("Tarn.AA.ARCHIVE.COMMON.cus_abbname_notnull");
    const auto [usedAbb, usedAbbText] = own("Tarn.AA.CUSTOMER.2276_1");
    const QString tooBig = QStringLiteral("Tarn.AA.ARCHIVE.COMMON.nobiger");
    const QList<Step> steps = {
        { noAdd,
          noAddText,
          {},
          [&] {
              m_inputs.canAdd = true;
          } },
        { tooBig, QStringLiteral("Advance ratio must not be greater than 100."),
          QStringLiteral("EdtfAdvancePaymentRatio"),
          [&] {
              m_fields.set(QStringLiteral("EdtfAdvancePaymentRatio"), QStringLiteral("100"));
          } },
        { tooBig, QStringLiteral("Tax rate must not be greater than 100."),
          QStringLiteral("EdtiCusTaxRate"),
          [&] {
              m_fields.set(QStringLiteral("EdtiCusTaxRate"), QStringLiteral("99.99"));
          } },
        { {},
          {},
          {},
          [&] {
              m_userDefinedValid = true;
          } },
        { noCode,
          noCodeText,
          {},
          [&] {
              m_fields.setEdt(0, QStringLiteral("NEW001"));
          } },
        { noAbb,
          noAbbText,
          {},
          [&] {
              m_fields.setEdt(2, taken);
          } },
        { {},
          {},
          {},
          [&] {
              holderPub->IsLockFun(m_service, holder, function, -7);
          } },
        { usedAbb,
          usedAbbText,
          {},
          [&] {
              m_fields.setEdt(2, QStringLiteral("Nordwind"));
          } },
        { QStringLiteral("Tarn.CRM.CONTACT.iclscommon.00026"),
          text("Tarn.CRM.CONTACT.iclscommon.00026") + QStringLiteral("部门，销售区域")
              + text("Tarn.CRM.CONTACT.iclscommon.00027"),
          {},
          [&] {
              m_inputs.rightsXml =
                  QStringLiteral("<cusprivilege><row><privilege_type>0</privilege_type></row>"
                                 "<row><privilege_type>1</privilege_type></row></cusprivilege>");
          } },
    };
    for (const Step &step : steps) {
        const auto failure = checkBeforeSave(m_fields, m_inputs);
        ASSERT_TRUE(failure) << qPrintable(step.key);
        EXPECT_EQ(failure->messageKey, step.key);
        EXPECT_EQ(failure->message, step.message);
        EXPECT_EQ(failure->focusControl, step.focus);
        step.repair();
    }
    EXPECT_EQ(checkBeforeSave(m_fields, m_inputs), std::nullopt);
    EXPECT_EQ(m_codeRefreshes, 1) << "only an empty code is numbered again";
    EXPECT_EQ(m_messages->shown().size(), 1) << "only the lock service told the user";
}

TEST_F(CardSaveChecksTest, ModifyNeedsItsRightAndLeavesTheCustomerItselfOut)
{
    const QString code = firstValue(QStringLiteral("select min(cCusCode) from Customer"));
    const QString where = QStringLiteral(" from Customer where cCusCode='%1'").arg(code);
    m_fields.setEdt(0, code);
    m_fields.setEdt(1, firstValue(QStringLiteral("select cCusName") + where));
    m_fields.setEdt(2, firstValue(QStringLiteral("select cCusAbbName") + where));
    m_inputs.state = 2;
    m_inputs.canAdd = false;
    EXPECT_EQ(checkBeforeSave(m_fields, m_inputs), std::nullopt);

    m_inputs.canModify = false;
    EXPECT_EQ(checkBeforeSave(m_fields, m_inputs)->messageKey,
              QStringLiteral("Tarn.AA.ARCHIVE.COMMON.no_modify_arch_fun"));
}

TEST_F(CardSaveChecksTest, DuplicateStatementDoublesQuotes)
{
    EXPECT_EQ(customer::duplicateNameStatement(QStringLiteral("O'Brien's"), QStringLiteral("O'B"),
                                               1, QStringLiteral("C'1")),
              QStringLiteral("select top 1 cCusName,cCusAbbName from customer where "
                             "(cCusName='O''Brien''s' or cCusAbbName='O''B') "));
    EXPECT_EQ(customer::duplicateNameStatement(QStringLiteral("N"), QStringLiteral("A"), 2,
                                               QStringLiteral("C'1")),
              QStringLiteral("select top 1 cCusName,cCusAbbName from customer where "
                             "(cCusName='N' or cCusAbbName='A')  and cCuscode<>'C''1'"));
}

// The other customer is found by its name; its name meeting the new abbreviation asks.
TEST_F(CardSaveChecksTest, AbbreviationMeetingAnotherNameAsksAndNoStops)
{
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("update Customer set cCusName='O''Brien', cCusAbbName='OB' "
                                 "where cCusCode=(select min(cCusCode) from Customer)"));
    m_fields.setEdt(1, QStringLiteral("O'Brien"));
    m_fields.setEdt(2, QStringLiteral("O'Brien"));

    answerWith({ suite::MessageStyle::kNo });
    const auto refused = checkDuplicateNames(m_fields, 1, *m_service, *m_pub);
    ASSERT_TRUE(refused);
    EXPECT_TRUE(refused->message.isEmpty());
    ASSERT_EQ(m_messages->shown().size(), 1);
    EXPECT_EQ(m_messages->shown().first().text,
              text("Tarn.AA.CUSTOMER.2281_1") + text("Tarn.AA.CUSTOMER.2290_1"));
    EXPECT_EQ(m_messages->shown().first().title, text("Tarn.AA.ARCHIVE.COMMON.information"));

    answerWith({ suite::MessageStyle::kYes });
    EXPECT_EQ(checkDuplicateNames(m_fields, 1, *m_service, *m_pub), std::nullopt);

    m_fields.setEdt(2, QStringLiteral("OBX"));
    answerWith({});
    EXPECT_EQ(checkDuplicateNames(m_fields, 1, *m_service, *m_pub), std::nullopt);
    EXPECT_TRUE(m_messages->shown().isEmpty()) << "an equal name alone is accepted silently";
}

TEST_F(CardSaveChecksTest, StoredRightsCoverTheDimensionsWhenTheCardKeepsNone)
{
    enableAuthDimensions(QStringLiteral(", bAuthDim1Control=0"));
    EXPECT_EQ(checkBeforeSave(m_fields, m_inputs)->message,
              text("Tarn.CRM.CONTACT.iclscommon.00026") + QStringLiteral("部门")
                  + text("Tarn.CRM.CONTACT.iclscommon.00027"));

    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("insert into customer_auth (Account_ID, Privilege_Type, "
                                 "Privilege_ID) values ('NEW001', 0, '0201')"));
    EXPECT_EQ(checkBeforeSave(m_fields, m_inputs), std::nullopt);
}

} // namespace
