#include "batch/BatchModifyStatements.h"
#include "batch/DeliveryAddressCode.h"

#include <gtest/gtest.h>

using namespace customer;
namespace sql = customer::BatchModifyStatements;

namespace {

const QString kHead =
    QStringLiteral("update customer set cModifyPerson='demo' ,DModifyDate=getdate(), ");
const QString kCondition = QStringLiteral("(1=1)");
const QString kRights = QStringLiteral("(Customer.cCCCode like '01%')");

QString joined(const QString &condition = kCondition)
{
    return QStringLiteral(" from customer inner join Customer_extradefine on customer.cCusCode "
                          "=Customer_extradefine.cCusCode where ")
        + condition + QStringLiteral(" and ") + kRights;
}

QString update(const QString &field, const QString &value, const QString &fragment = {})
{
    return sql::updateStatement(field, value, kCondition, kRights, QStringLiteral("demo"),
                                fragment);
}

} // namespace

TEST(BatchUpdateStatement, EachCaseHasItsExactText)
{
    EXPECT_EQ(update("cCusName", "  "), kHead + "cCusName=cCusAbbName" + joined());
    EXPECT_EQ(update("Customer.cCusName", ""), kHead + "Customer.cCusName=cCusAbbName" + joined());
    EXPECT_EQ(update("cCusCreditCompany", ""),
              kHead + "cCusCreditCompany=customer.cCusCode" + joined());
    EXPECT_EQ(update("Customer.cCusCreditCompany", " "),
              kHead + "Customer.cCusCreditCompany=customer.cCusCode" + joined());
    EXPECT_EQ(update("cCusTradeCCode", "0101", " ,iid=3 "),
              kHead
                  + "cCusTradeCCode='0101' ,iid=3 ,cTrade=(select top 1 cTradecName from "
                    "TradeClass where cTradeCCode='0101')"
                  + joined());
    EXPECT_EQ(update("Customer.cCCCode", "0101", " ,iid=7 "),
              kHead + "Customer.cCCCode='0101' ,iid=7 " + joined());
    EXPECT_EQ(update("cCusDepart", "0201"), kHead + "cCusDepart='0201'" + joined());
    EXPECT_EQ(update("cCusDepart", "   "), kHead + "cCusDepart=NULL" + joined());
}

TEST(BatchUpdateStatement, NameAndCreditCompanyWithAValueAreSetLikeAnyField)
{
    EXPECT_EQ(update("cCusName", "北京公司"), kHead + "cCusName='北京公司'" + joined());
    EXPECT_EQ(update("cCusCreditCompany", "C001"), kHead + "cCusCreditCompany='C001'" + joined());
}

TEST(BatchUpdateStatement, UserFieldsUpdateTheExtraTableThenMarkTheCustomers)
{
    EXPECT_EQ(update("Customer_extradefine.cCDefine3", "红"),
              "update Customer_extradefine set Customer_extradefine.cCDefine3='红' from customer "
              "with(nolock) inner join Customer_extradefine on customer.cCusCode "
              "=Customer_extradefine.cCusCode where (1=1) and "
                  + kRights
                  + "\rupdate customer set cModifyPerson='demo' ,DModifyDate=getdate()  from "
                    "customer with(nolock) inner join Customer_extradefine on customer.cCusCode "
                    "=Customer_extradefine.cCusCode  where (1=1) and "
                  + kRights);
    EXPECT_TRUE(update("customer_extradefine.ccdefine9", "")
                    .contains("set customer_extradefine.ccdefine9=NULL from"));
}

TEST(BatchUpdateStatement, QuotesInValuesAndUserNamesStayInsideTheirLiterals)
{
    EXPECT_EQ(update("cCusAddress", "O'Brien'; drop table Customer --"),
              kHead + "cCusAddress='O''Brien''; drop table Customer --'" + joined());
    EXPECT_EQ(sql::updateStatement("cCusPhone", "1", kCondition, kRights, "d'Arcy", {}),
              "update customer set cModifyPerson='d''Arcy' ,DModifyDate=getdate(), cCusPhone='1'"
                  + joined());
    EXPECT_EQ(update("cCusTradeCCode", "a'b"),
              kHead
                  + "cCusTradeCCode='a''b',cTrade=(select top 1 cTradecName from TradeClass where "
                    "cTradeCCode='a''b')"
                  + joined());
}

TEST(BatchStatements, CountAndTargetsReadTheJoinedCustomersUnderTheRights)
{
    EXPECT_EQ(sql::countStatement("(1=1)and (dCusDevDate<='2026-01-01')", kRights),
              "select Num=count(*) from Customer inner join Customer_extradefine on "
              "customer.cCusCode =Customer_extradefine.cCusCode where (1=1)and "
              "(dCusDevDate<='2026-01-01') and "
                  + kRights);
    EXPECT_EQ(sql::targetsStatement(kCondition, kRights),
              "select * from Customer inner join Customer_extradefine on customer.cCusCode "
              "=Customer_extradefine.cCusCode where (1=1) and "
                  + kRights);
    EXPECT_EQ(sql::creditTargetsStatement(kCondition, kRights),
              "select customer.cCusCode, customer.bCredit from Customer inner join "
              "Customer_extradefine on customer.cCusCode =Customer_extradefine.cCusCode where "
              "(1=1) and "
                  + kRights);
}

TEST(BatchStatements, PerCustomerWorkKeepsOneTextAndTakesItsValuesAsVariables)
{
    EXPECT_EQ(sql::contactMobileStatement(),
              "declare @mobile nvarchar(100)\r\ndeclare @contact nvarchar(100)\r\n"
              "update crm_contact set cMobilePhone=@mobile where OID =@contact");
    EXPECT_EQ(sql::contactMobileValues("139'00", "G-1"),
              (QVariantHash{ { "mobile", "139'00" }, { "contact", "G-1" } }));

    const QStringList lines = sql::salespersonScript().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 21) << "every line ends with a carriage return and a line feed";
    EXPECT_TRUE(lines.last().isEmpty());
    EXPECT_EQ(lines.at(0), "declare @oldPsnNum nvarchar(40)");
    EXPECT_EQ(lines.at(5), "declare @contact_Id nvarchar(60)");
    EXPECT_EQ(lines.at(6),
              "if exists(select 1 from UserHRPersonContro where cPsn_Num=@newPsnNum) begin");
    EXPECT_EQ(lines.at(11), "and cCusCode=@cusCode");
    EXPECT_EQ(lines.at(19),
              "update Crm_Contact set cPrincipal=@newPsnNum where "
              "cContactCode=@contact_Id and OID=@cusContactCode end end");
    EXPECT_FALSE(sql::salespersonScript().contains(u'\''))
        << "no value is ever written into the script";

    const QVariantHash values = sql::salespersonValues("001", "0'2", "C001", QString());
    EXPECT_EQ(values,
              (QVariantHash{ { "oldPsnNum", "001" },
                             { "newPsnNum", "0'2" },
                             { "cusCode", "C001" },
                             { "cusContactCode", "" } }));
    EXPECT_FALSE(values.value("cusContactCode").isNull())
        << "no contact is an empty text, as the length test of the script expects";
}

TEST(DeliveryAddressCodes, FollowTheHighestNumberWithFourDigits)
{
    struct Case
    {
        QStringList codes;
        QString next;
        bool isDefault;
        bool beyond;
    };
    const QList<Case> cases{
        { {}, "0001", true, false },
        { { "0010", "0002" }, "0011", false, false },
        { { "0999" }, "1000", false, false },
        { { "9999", "0001" }, "10000", false, true },
        { { "12345" }, "12346", false, true },
        { { "ABC", "0007" }, "0008", false, false },
        { { "ABC", "0000" }, "0001", false, false },
        { { "8" }, "0009", false, false },
    };
    for (const Case &c : cases) {
        const DeliveryAddressCode next = nextDeliveryAddressCode(c.codes);
        EXPECT_EQ(next.code, c.next) << qPrintable(c.codes.join(u','));
        EXPECT_EQ(next.isDefault, c.isDefault) << qPrintable(c.codes.join(u','));
        EXPECT_EQ(next.beyondFourDigits, c.beyond) << qPrintable(c.codes.join(u','));
    }
}

TEST(BatchUpdateStatement, TheStagingTableIsUpdatedAloneByItsBareColumns)
{
    const QString table = QStringLiteral("Customer_import");
    const QString rights = QStringLiteral("(Customer_import.cCusDepart like '02%')");
    const QString head = QStringLiteral(
        "update Customer_import set cModifyPerson='O''Neil' ,DModifyDate=getdate(), ");
    const QString where =
        QStringLiteral(" where (Customer_import.AutoID in (N'4',N'7')) and ") + rights;
    const auto staged = [&](const QString &field, const QString &value,
                            const QString &fragment = {}) {
        return sql::updateStatement(field, value,
                                    QStringLiteral("(Customer_import.AutoID in (N'4',N'7'))"),
                                    rights, QStringLiteral("O'Neil"), fragment, table);
    };

    EXPECT_EQ(staged("Customer_import.cCCCode", "0102", " ,iid=3 "),
              head + "cCCCode='0102' ,iid=3 " + where);
    EXPECT_EQ(staged("cCusPhone", "x' or '1'='1"), head + "cCusPhone='x'' or ''1''=''1'" + where);
    EXPECT_EQ(staged("cCusName", " "), head + "cCusName=cCusAbbName" + where);
    EXPECT_EQ(staged("cCusCreditCompany", ""), head + "cCusCreditCompany=cCusCode" + where);
    EXPECT_EQ(staged("cCusTradeCCode", "05"),
              head
                  + "cCusTradeCCode='05',cTrade=(select top 1 cTradecName from TradeClass where "
                    "cTradeCCode='05')"
                  + where);
    EXPECT_EQ(staged("cCusDepart", ""), head + "cCusDepart=NULL" + where);
    EXPECT_EQ(sql::countStatement(QStringLiteral("(1=1)"), rights, table),
              "select Num=count(*) from Customer_import where (1=1) and " + rights);
    EXPECT_EQ(sql::countStatement(QStringLiteral("(1=1)"), rights),
              "select Num=count(*) from Customer inner join Customer_extradefine on "
              "customer.cCusCode =Customer_extradefine.cCusCode where (1=1) and "
                  + rights);
}
