#include "batch/BatchModify.h"
#include "../suite/pub/SecondProcessClient.h"
#include "BatchSession.h"

#include <stdexcept>

using customer::BatchModify;
using customer::BatchModifyRequest;
using Outcome = customer::BatchModify::Outcome;

namespace {

constexpr int kYes = suite::MessageStyle::kYes;
constexpr int kNo = suite::MessageStyle::kNo;

QString codesCondition(const QStringList &codes)
{
    QStringList quoted;
    for (const QString &code : codes)
        quoted.append("N'" + code + "'");
    return "(Customer.cCusCode in (" + quoted.join(u',') + "))";
}

} // namespace

class BatchModifyTest : public BatchSession
{
protected:
    Outcome modify(const QString &field, const QString &value, const QString &condition,
                   std::deque<int> answers = { kYes })
    {
        answerWith(std::move(answers));
        return BatchModify().confirm({ field, field, value, condition, QStringLiteral("test") });
    }

    // Another process on the company can take the batch task: no road left the lock behind.
    void expectLockFree()
    {
        SecondProcessClient other;
        ASSERT_TRUE(other.start(connectionText(), "sales1", "王晓明").startsWith("ready"));
        EXPECT_EQ(other.ask("take Customer 7"), "taken");
        EXPECT_EQ(other.ask("release Customer 7"), "released");
    }

    // The customers' rows with the modifier columns left out: a batch changes those for the
    // customers it modifies.
    QStringList rowsApartFrom(const QStringList &codes) const
    {
        QStringList rows;
        for (const QString &row : tableRows("Customer", "cCusCode")) {
            if (!codes.contains(row.section(u'|', 0, 0)))
                rows.append(row);
        }
        return rows;
    }
};

TEST_F(BatchModifyTest, ChangesExactlyTheTickedCustomersAndNothingElse)
{
    const QStringList codes = firstCodes(3);
    const QStringList others = rowsApartFrom(codes);
    const QStringList extras = tableRows("Customer_extradefine", "cCusCode");
    EXPECT_EQ(modify("cCusDepart", "0203", codesCondition(codes)), Outcome::Saved);
    EXPECT_EQ(shownTexts(),
              (QStringList{ text("Tarn.AA.CUSTOMER.FRMMULMODIFY.410_1").arg(3),
                            text("Tarn.AA.ARCHIVE.COMMON.modifysuccess") }));
    EXPECT_EQ(values("select cCusDepart || '/' || cModifyPerson from Customer where cCusCode in ('"
                     + codes.join("','") + "') order by cCusCode"),
              QStringList(3, "0203/" + m_login->cUserName()));
    EXPECT_EQ(rowsApartFrom(codes), others);
    EXPECT_EQ(tableRows("Customer_extradefine", "cCusCode"), extras);
    EXPECT_TRUE(customer::g_bCardSaved);
    EXPECT_EQ(values("select cState || ':' || cDescription from AA_ArchiveLog where iOperation=4 "
                     "order by AutoID"),
              (QStringList{ "0:test", "1:test" }));
    expectLockFree();
}

TEST_F(BatchModifyTest, AnsweringNoOrMatchingNobodyChangesNothing)
{
    const QStringList before = tableRows("Customer", "cCusCode");
    EXPECT_EQ(modify("cCusPhone", "110", "(1=1)", { kNo }), Outcome::Declined);
    EXPECT_EQ(shownTexts().size(), 1);
    EXPECT_EQ(modify("cCusPhone", "110", codesCondition({ "NOBODY" })), Outcome::NoCustomers);
    EXPECT_EQ(shownTexts(), QStringList{ text("Tarn.AA.CUSTOMER.FRMMULMODIFY.407_1") });
    EXPECT_EQ(tableRows("Customer", "cCusCode"), before);
    EXPECT_FALSE(customer::g_bCardSaved);
    expectLockFree();
}

TEST_F(BatchModifyTest, RefusedValuesAndFieldsStopBeforeAnythingIsWritten)
{
    const QStringList before = tableRows("Customer", "cCusCode");
    EXPECT_EQ(modify("fCommisionRate", "100", "(1=1)"), Outcome::Refused);
    EXPECT_EQ(modify("cCusCode", "X", "(1=1)"), Outcome::Refused);
    EXPECT_EQ(shownTexts(),
              QStringList{ text("Tarn.AA.CUSTOMER.FRMMULMODIFY.nofield").arg("cCusCode") });
    EXPECT_EQ(modify("cCusPhone='1',cCusName", "X", "(1=1)"), Outcome::Refused);
    EXPECT_EQ(tableRows("Customer", "cCusCode"), before);
}

TEST_F(BatchModifyTest, AValueWithQuotesAndCommentMarksStaysAValue)
{
    const QString hostile = QStringLiteral("O'Brien'); delete from Customer; --");
    const QStringList codes = firstCodes(1);
    EXPECT_EQ(modify("cCusPhone", hostile, codesCondition(codes)), Outcome::Saved);
    EXPECT_EQ(value("select cCusPhone from Customer where cCusCode='" + codes.first() + "'"),
              hostile);
    EXPECT_EQ(value("select count(*) from Customer"), QString::number(m_company.kCustomers));
}

TEST_F(BatchModifyTest, EmptyNameTakesTheAbbreviationAndEmptyCreditCompanyTheOwnCode)
{
    const QStringList codes = firstCodes(2);
    EXPECT_EQ(modify("cCusCreditCompany", "", codesCondition(codes)), Outcome::Saved);
    EXPECT_EQ(values("select count(*) from Customer where cCusCreditCompany = cCusCode and "
                     "cCusCode in ('"
                     + codes.join("','") + "')"),
              QStringList{ "2" });
}

TEST_F(BatchModifyTest, TradeCodeWritesTheTradeNameToo)
{
    const QStringList codes = firstCodes(2);
    EXPECT_EQ(modify("cCusTradeCCode", "0102", codesCondition(codes)), Outcome::Saved);
    EXPECT_EQ(values("select cTrade from Customer where cCusCode in ('" + codes.join("','") + "')"),
              QStringList(2, "通用机械制造"));
}

TEST_F(BatchModifyTest, EndDateKeepsCustomersWhoseDevelopmentIsLater)
{
    const QStringList codes = firstCodes(2);
    run("update Customer set dCusDevDate='2025-01-01', dEndDate=null where cCusCode='" + codes.at(0)
        + "'");
    run("update Customer set dCusDevDate='2020-01-01', dEndDate=null where cCusCode='" + codes.at(1)
        + "'");
    EXPECT_EQ(modify("Customer.dEndDate", "2024/5/1", codesCondition(codes)), Outcome::Saved)
        << qPrintable(shownTexts().join(u'\n'));
    EXPECT_EQ(
        values(
            "select coalesce(substr(cast(dEndDate as varchar(30)),1,10),'-') from Customer where "
            "cCusCode in ('"
            + codes.join("','") + "') order by cCusCode"),
        (QStringList{ "-", "2024-05-01" }));
}

TEST_F(BatchModifyTest, ShopOnlyForCustomersWithDepartmentAndWarehouse)
{
    const QStringList codes = firstCodes(2);
    run("update Customer set cCusDepart='0201', cCusWhCode='01', bShop=0 where cCusCode='"
        + codes.at(0) + "'");
    run("update Customer set cCusDepart=null, cCusWhCode='01', bShop=0 where cCusCode='"
        + codes.at(1) + "'");
    EXPECT_EQ(modify("bShop", "1", codesCondition(codes)), Outcome::Saved);
    EXPECT_EQ(values("select bShop from Customer where cCusCode in ('" + codes.join("','")
                     + "') order by cCusCode"),
              (QStringList{ "1", "0" }));
}

TEST_F(BatchModifyTest, NewDeliveryAddressFollowsTheHighestCode)
{
    const QStringList codes = firstCodes(2);
    run("delete from CusDeliverAdd where cCusCode in ('" + codes.join("','") + "')");
    run("update Customer set cCusAddressGUID=null where cCusCode in ('" + codes.join("','") + "')");
    run("insert into CusDeliverAdd (cCusCode, cAddCode, cDeliverAdd, bDefault) values ('"
        + codes.at(0) + "', '0010', 'old', 1), ('" + codes.at(1) + "', '9999', 'old', 1)");
    EXPECT_EQ(modify("cCusAddress", "北京市海淀区", codesCondition(codes)), Outcome::Saved);
    EXPECT_EQ(values("select d.cCusCode || ':' || d.cAddCode || ':' || d.bDefault from "
                     "CusDeliverAdd d join Customer c on c.cCusCode=d.cCusCode and "
                     "c.cCusAddressGUID=d.cCusAddressGUID where d.cDeliverAdd='北京市海淀区' "
                     "order by d.cCusCode"),
              (QStringList{ codes.at(0) + ":0011:0", codes.at(1) + ":10000:0" }));
    EXPECT_EQ(shownTexts().count(QStringLiteral("地址编码超过四位整数了！")), 1);
}

TEST_F(BatchModifyTest, AFailedUpdateTakesTheFollowUpRowsBackWithIt)
{
    const QStringList codes = firstCodes(2);
    const QStringList addresses = tableRows("CusDeliverAdd", "cCusCode, cAddCode");
    const QStringList customers = tableRows("Customer", "cCusCode");
    suite::ClsPub::addMulModifyHook(
        [](auto &, auto &, bool, auto &, auto &, auto &) { return false; });
    EXPECT_EQ(modify("cCusAddress", "北京市海淀区", codesCondition(codes)), Outcome::Failed);
    suite::ClsPub::clearMulModifyHooks();
    EXPECT_EQ(tableRows("CusDeliverAdd", "cCusCode, cAddCode"), addresses);
    EXPECT_EQ(tableRows("Customer", "cCusCode"), customers) << "no address GUID given either";
    expectLockFree();

    run("drop table CusDeliverAdd");
    EXPECT_EQ(modify("cCusAddress", "北京市海淀区", codesCondition(codes)), Outcome::Failed);
    EXPECT_EQ(shownTexts().last(), text("Tarn.AA.CUSTOMER.FRMMULMODIFY.436_1"))
        << "an address row that cannot be written stops the batch with a message";
    EXPECT_EQ(tableRows("Customer", "cCusCode"), customers);
    expectLockFree();
}

TEST_F(BatchModifyTest, SalespersonChangeMovesTheUserRights)
{
    const QStringList codes = firstCodes(1);
    run("update Customer set cCusPPerson='001' where cCusCode='" + codes.first() + "'");
    run("insert into customer_user (account_id, user_id, is_self) values ('" + codes.first()
        + "', 'sales1', 1) on conflict do nothing");
    EXPECT_EQ(modify("cCusPPerson", "022", codesCondition(codes)), Outcome::Saved);
    EXPECT_EQ(values("select user_id from customer_user where account_id='" + codes.first()
                     + "' order by user_id"),
              QStringList{ "demo" });
}

TEST_F(BatchModifyTest, AFailingSalespersonScriptRollsTheUpdateBack)
{
    const QStringList codes = firstCodes(2);
    const QStringList before = tableRows("Customer", "cCusCode");
    run("drop table customer_user");
    EXPECT_EQ(modify("cCusPPerson", "022", codesCondition(codes)), Outcome::Failed);
    EXPECT_EQ(shownTexts().last(), text("Tarn.AA.CUSTOMER.FRMMULMODIFY.447_1"));
    EXPECT_EQ(tableRows("Customer", "cCusCode"), before);
    expectLockFree();
}

TEST_F(BatchModifyTest, EveryRoadAfterTheLockGivesItBack)
{
    const QStringList codes = firstCodes(2);
    const QStringList before = tableRows("Customer", "cCusCode");

    suite::ClsPub::addMulModifyHook(
        [](auto &, auto &, bool, auto &, auto &, auto &) { return false; });
    EXPECT_EQ(modify("cCusPhone", "1", codesCondition(codes)), Outcome::Failed);
    expectLockFree();

    suite::ClsPub::clearMulModifyHooks();
    suite::ClsPub::addMulModifyHook([](auto &, auto &, bool, auto &, auto &, auto &) -> bool {
        throw std::runtime_error("hook failed");
    });
    EXPECT_EQ(modify("cCusPhone", "1", codesCondition(codes)), Outcome::Failed);
    EXPECT_EQ(shownTexts().last(), text("Tarn.AA.CUSTOMER.FRMMULMODIFY.447_1"));
    expectLockFree();

    suite::ClsPub::clearMulModifyHooks();
    run("alter table Customer drop column cModifyPerson");
    EXPECT_EQ(modify("cCusPhone", "1", codesCondition(codes)), Outcome::Failed);
    EXPECT_EQ(shownTexts().last(), text("Tarn.AA.CUSTOMER.FRMMULMODIFY.436_1"));
    expectLockFree();
    run("alter table Customer add column cModifyPerson varchar(50)");
    EXPECT_EQ(values("select count(*) from Customer where cCusPhone='1'"), QStringList{ "0" });
    EXPECT_EQ(before.size(), tableRows("Customer", "cCusCode").size());
}

TEST_F(BatchModifyTest, ALockHeldElsewhereStopsTheBatch)
{
    SecondProcessClient other;
    ASSERT_TRUE(other.start(connectionText(), "sales1", "王晓明").startsWith("ready"));
    ASSERT_EQ(other.ask("take Customer 7"), "taken");
    const QStringList before = tableRows("Customer", "cCusCode");
    EXPECT_EQ(modify("cCusPhone", "1", codesCondition(firstCodes(1))), Outcome::Failed);
    EXPECT_EQ(tableRows("Customer", "cCusCode"), before);
}

TEST_F(BatchModifyTest, ARestrictedUserChangesOnlyTheCustomersOfHisRights)
{
    enter(QStringLiteral("sales1"));
    const QStringList before = tableRows("Customer", "cCusCode");
    EXPECT_EQ(modify("cCusPhone", "sales1-batch", "(1=1)"), Outcome::Saved);
    const QStringList changed = values("select cCusCode from Customer where "
                                       "cCusPhone='sales1-batch' order by cCusCode");
    const QStringList outside = values("select cCusCode from Customer where cCusPhone is null or "
                                       "cCusPhone<>'sales1-batch'");
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_FALSE(outside.isEmpty());
    EXPECT_EQ(values("select count(*) from Customer where cCusPhone='sales1-batch' and not ("
                     "cCCCode like '01%' or cCusDepart='0201')"),
              QStringList{ "0" });
    EXPECT_EQ(shownTexts().first(),
              text("Tarn.AA.CUSTOMER.FRMMULMODIFY.410_1").arg(changed.size()));
    QStringList untouched;
    for (const QString &row : before) {
        if (!changed.contains(row.section(u'|', 0, 0)))
            untouched.append(row);
    }
    EXPECT_EQ(rowsApartFrom(changed), untouched);
}

TEST_F(BatchModifyTest, CreditSumsFollowForTheCustomersWithCreditOn)
{
    const QStringList codes = firstCodes(2);
    run("update Customer set bCredit=1, iCusCreLine=5000 where cCusCode='" + codes.at(0) + "'");
    run("update Customer set bCredit=0 where cCusCode='" + codes.at(1) + "'");
    run("delete from SA_CusCreditSum");
    EXPECT_EQ(modify("cCusPhone", "1", codesCondition(codes)), Outcome::Saved);
    EXPECT_EQ(values("select cCusCode || ':' || cast(fCreditLine as integer) from SA_CusCreditSum"),
              QStringList{ codes.at(0) + ":5000" });
}
