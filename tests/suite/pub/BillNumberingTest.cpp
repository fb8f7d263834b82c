#include "DemoCompanyCopy.h"
#include "SecondProcessClient.h"

#include "suite/core/ErrorLog.h"
#include "suite/data/DataService.h"
#include "suite/pub/BillNumbering.h"

#include <QDate>
#include <QSet>

#include <gtest/gtest.h>

using namespace suite;

namespace {

const QString kCustomer = QStringLiteral("Customer");

// The numbering context as the card builds it when a new customer's fields change.
QString cardContext(const QString &classCode, const QString &date = QStringLiteral("2026-03-05"))
{
    return QStringLiteral("<Customer><ccusname>北京华信商贸有限公司</ccusname><ccusabbname>华信"
                          "</ccusabbname><ccccode>%1</ccccode><cdccode>0101</cdccode>"
                          "<customerkcode></customerkcode><ccusmngtypecode>01</ccusmngtypecode>"
                          "<dmodifydate>%2 10:20:30</dmodifydate><cmodifyperson>演示管理员"
                          "</cmodifyperson></Customer>")
        .arg(classCode, date);
}

QString customerXml(const QString &code, bool generated, const QString &classCode = "0101")
{
    return QStringLiteral("<Customer bCreateBillNum='%1' bManualChangeCode='0'><CCusCode>%2"
                          "</CCusCode><CCusName>客户%2</CCusName><CCusAbbName>%2</CCusAbbName>"
                          "<cCCCode>%3</cCCCode></Customer>")
        .arg(generated ? QStringLiteral("1") : QStringLiteral("0"), code, classCode);
}

class BillNumberingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(company.ok()) << qPrintable(company.error());
        service.Init(company.connectionText());
        ASSERT_TRUE(service.Status()) << qPrintable(service.LastError());
    }

    QString propose(const QString &context)
    {
        QString code;
        QString sMsg;
        EXPECT_TRUE(numbering.GetBillNumber(kCustomer, context, code, sMsg)) << qPrintable(sMsg);
        return code;
    }

    QString refusal(const QString &context)
    {
        QString code = QStringLiteral("unchanged");
        QString sMsg;
        EXPECT_FALSE(numbering.GetBillNumber(kCustomer, context, code, sMsg));
        EXPECT_TRUE(code.isEmpty());
        return sMsg;
    }

    void save(const QString &code, bool generated)
    {
        QString sMsg;
        ASSERT_TRUE(service.Add(customerXml(code, generated), kCustomer, sMsg)) << qPrintable(sMsg);
    }

    QStringList history()
    {
        return company.column(DemoCompanyCopy<>::Company,
                              QStringLiteral("select cObject || '/' || cPrefix || '/' ||"
                                             " iLastNumber from VoucherHistory order by cPrefix"));
    }

    void setRule(const QString &sql) { company.run(DemoCompanyCopy<>::Company, sql); }

    DemoCompanyCopy<> company;
    ClsCommon service;
    BillNumbering numbering{ service };
};

} // namespace

TEST_F(BillNumberingTest, DemoRuleIsClassCodeAndFourDigitSerialWithManualChange)
{
    bool bAutoCode = false;
    bool bManualChange = false;
    const QString expected =
        QStringLiteral("<编码规则 对象=\"Customer\" 编码字段=\"cCusCode\" 自动编号=\"1\" "
                       "允许手工修改=\"1\" 流水号长度=\"4\" 起始流水号=\"1\">"
                       "<前缀 类型=\"field\" 值=\"ccccode\"/></编码规则>");
    EXPECT_EQ(numbering.GetBillFormat(QStringLiteral("customer"), bAutoCode, bManualChange),
              expected);
    EXPECT_TRUE(bAutoCode);
    EXPECT_TRUE(bManualChange);

    bAutoCode = false;
    bManualChange = false;
    EXPECT_EQ(
        BillNumbering::GetBillFormat(company.connectionText(), kCustomer, bAutoCode, bManualChange),
        expected);
    EXPECT_TRUE(bAutoCode && bManualChange);
}

TEST_F(BillNumberingTest, WithoutARuleTheFormatIsEmptyAndCodesAreTyped)
{
    bool bAutoCode = true;
    bool bManualChange = false;
    EXPECT_EQ(numbering.GetBillFormat(QStringLiteral("Vendor"), bAutoCode, bManualChange),
              QString());
    EXPECT_FALSE(bAutoCode);
    EXPECT_TRUE(bManualChange);

    ErrorLog::instance().clear();
    bAutoCode = true;
    EXPECT_EQ(BillNumbering::GetBillFormat(company.dir() + QStringLiteral("/KVDATA_009_2026.db"),
                                           kCustomer, bAutoCode, bManualChange),
              QString());
    EXPECT_FALSE(bAutoCode);
    EXPECT_FALSE(ErrorLog::instance().entries().isEmpty()) << "the failure is logged";
}

TEST_F(BillNumberingTest, ProposalFollowsTheClassOfTheContextWithoutConsumingIt)
{
    EXPECT_EQ(propose(cardContext(QStringLiteral("0101"))), QStringLiteral("01010001"));
    EXPECT_EQ(propose(cardContext(QStringLiteral("0101"))), QStringLiteral("01010001"));
    EXPECT_EQ(propose(cardContext(QStringLiteral("030201"))), QStringLiteral("0302010001"));
    EXPECT_EQ(propose(cardContext(QString())), QStringLiteral("0001"));
    EXPECT_EQ(propose(QStringLiteral("<Customer/>")), QStringLiteral("0001"));
    EXPECT_TRUE(history().isEmpty());
}

TEST_F(BillNumberingTest, SavingAGeneratedCodeConsumesItsSerialForItsPrefixOnly)
{
    save(propose(cardContext(QStringLiteral("0101"))), true);
    EXPECT_EQ(history(), QStringList({ "Customer/0101/1" }));
    EXPECT_EQ(propose(cardContext(QStringLiteral("0101"))), QStringLiteral("01010002"));
    EXPECT_EQ(propose(cardContext(QStringLiteral("0102"))), QStringLiteral("01020001"));

    save(QStringLiteral("01010002"), true);
    save(QStringLiteral("01020001"), true);
    EXPECT_EQ(history(), QStringList({ "Customer/0101/2", "Customer/0102/1" }));
}

TEST_F(BillNumberingTest, ProposalSkipsCodesTheArchiveHoldsAlready)
{
    save(QStringLiteral("01010001"), false);
    save(QStringLiteral("01010002"), false);
    save(QStringLiteral("01010004"), false);
    save(QStringLiteral("0101000X"), false);
    EXPECT_TRUE(history().isEmpty()) << "codes typed by hand use no serial";
    EXPECT_EQ(propose(cardContext(QStringLiteral("0101"))), QStringLiteral("01010003"));
    save(QStringLiteral("01010003"), true);
    EXPECT_EQ(propose(cardContext(QStringLiteral("0101"))), QStringLiteral("01010005"));
}

TEST_F(BillNumberingTest, ConsumptionOnlyEverRaisesTheSerialAndIgnoresOtherForms)
{
    QString sMsg;
    EXPECT_TRUE(numbering.consume(kCustomer, QStringLiteral("01010007"), sMsg));
    EXPECT_TRUE(numbering.consume(kCustomer, QStringLiteral("01010003"), sMsg));
    EXPECT_TRUE(numbering.consume(kCustomer, QStringLiteral("ABC"), sMsg));
    EXPECT_TRUE(numbering.consume(kCustomer, QStringLiteral("123"), sMsg));
    EXPECT_TRUE(numbering.consume(QStringLiteral("Vendor"), QStringLiteral("01010009"), sMsg));
    EXPECT_EQ(history(), QStringList({ "Customer/0101/7" }));
    EXPECT_EQ(propose(cardContext(QStringLiteral("0101"))), QStringLiteral("01010008"));

    save(QStringLiteral("HAND-MADE"), true);
    EXPECT_EQ(history(), QStringList({ "Customer/0101/7" }));
}

TEST_F(BillNumberingTest, ASaveThatCannotRecordItsSerialStoresNothing)
{
    company.run(DemoCompanyCopy<>::Company, QStringLiteral("drop table VoucherHistory"));
    QString sMsg;
    EXPECT_FALSE(service.Add(customerXml(QStringLiteral("01010001"), true), kCustomer, sMsg));
    EXPECT_TRUE(sMsg.startsWith(QStringLiteral("无法记录已使用的编码“01010001”：")))
        << qPrintable(sMsg);
    EXPECT_TRUE(company
                    .column(DemoCompanyCopy<>::Company,
                            QStringLiteral("select cCusCode from Customer where cCusCode ="
                                           " '01010001'"))
                    .isEmpty());
    EXPECT_TRUE(service.Add(customerXml(QStringLiteral("01010001"), false), kCustomer, sMsg))
        << qPrintable(sMsg);
}

TEST_F(BillNumberingTest, ACompanyWithoutNumberingTablesSavesAndRefusesProposals)
{
    company.run(DemoCompanyCopy<>::Company,
                QStringLiteral("drop table VoucherNumber; drop table VoucherNumberPart;"
                               " drop table VoucherHistory"));
    QString sMsg;
    EXPECT_TRUE(service.Add(customerXml(QStringLiteral("01010001"), true), kCustomer, sMsg))
        << qPrintable(sMsg);
    EXPECT_EQ(refusal(cardContext(QStringLiteral("0101"))),
              QStringLiteral("“Customer”没有编码规则，请手工输入编码。"));
}

TEST_F(BillNumberingTest, RulesWithTextDateAndStartSerial)
{
    setRule(QStringLiteral("update VoucherNumber set iSerialLength = 3, iSerialStart = 20;"
                           "delete from VoucherNumberPart;"
                           "insert into VoucherNumberPart values ('Customer', 1, 'text', 'K');"
                           "insert into VoucherNumberPart values ('Customer', 2, 'Date', 'yyMM')"));
    EXPECT_EQ(propose(cardContext(QStringLiteral("0101"))), QStringLiteral("K2603020"));
    EXPECT_EQ(propose(QStringLiteral("<Customer/>")),
              QStringLiteral("K") + QDate::currentDate().toString(QStringLiteral("yyMM"))
                  + QStringLiteral("020"));
    save(QStringLiteral("K2603020"), true);
    EXPECT_EQ(propose(cardContext(QStringLiteral("0101"))), QStringLiteral("K2603021"));
}

TEST_F(BillNumberingTest, SerialsThatRunOutAreReported)
{
    setRule(QStringLiteral("update VoucherNumber set iSerialLength = 1"));
    save(QStringLiteral("01018"), false);
    save(QStringLiteral("01019"), false);
    QString sMsg;
    ASSERT_TRUE(numbering.consume(kCustomer, QStringLiteral("01017"), sMsg));
    const QString exhausted =
        QStringLiteral("“Customer”前缀为“0101”的1位流水号已用完，请修改编码规则。");
    EXPECT_EQ(refusal(cardContext(QStringLiteral("0101"))), exhausted) << "8 and 9 are taken";
    ASSERT_TRUE(numbering.consume(kCustomer, QStringLiteral("01019"), sMsg));
    EXPECT_EQ(refusal(cardContext(QStringLiteral("0101"))), exhausted);
    EXPECT_EQ(propose(cardContext(QStringLiteral("0102"))), QStringLiteral("01021"));
}

TEST_F(BillNumberingTest, ARuleThatDoesNotGenerateOrCannotBeUsedIsExplained)
{
    setRule(QStringLiteral("update VoucherNumber set bAutoCode = 0"));
    EXPECT_EQ(refusal(cardContext(QStringLiteral("0101"))),
              QStringLiteral("“Customer”的编码不自动生成，请手工输入编码。"));
    bool bAutoCode = true;
    bool bManualChange = false;
    EXPECT_TRUE(numbering.GetBillFormat(kCustomer, bAutoCode, bManualChange)
                    .contains(QStringLiteral("自动编号=\"0\"")));
    EXPECT_FALSE(bAutoCode);
    save(QStringLiteral("01010005"), true);
    EXPECT_TRUE(history().isEmpty());

    const std::pair<QString, QString> broken[] = {
        { QStringLiteral("update VoucherNumber set bAutoCode = 1;"
                         " update VoucherNumberPart set cKind = 'week'"),
          QStringLiteral(
              "“Customer”的编码规则第1段的类型“week”无法识别，应为text、field或date。") },
        { QStringLiteral("update VoucherNumberPart set cKind = 'field';"
                         " update VoucherNumber set iSerialLength = 10"),
          QStringLiteral("“Customer”的编码规则中流水号为10位，应为1到9位。") },
        { QStringLiteral("update VoucherNumber set iSerialLength = 4,"
                         " cCodeField = 'cCusCode]; drop table T--'"),
          QStringLiteral("“Customer”的编码规则中的“cCusCode]; drop table T--”"
                         "不是有效的表名或字段名。") },
    };
    for (const auto &[change, message] : broken) {
        setRule(change);
        EXPECT_EQ(refusal(cardContext(QStringLiteral("0101"))), message);
        QString sMsg;
        EXPECT_FALSE(service.Add(customerXml(QStringLiteral("01010006"), true), kCustomer, sMsg));
        EXPECT_EQ(sMsg, message) << "a save that needs the rule fails with it";
    }
}

TEST_F(BillNumberingTest, BadInputIsRefusedWithTheReason)
{
    EXPECT_TRUE(refusal(QStringLiteral("<Customer><ccccode>0101</Customer>"))
                    .startsWith(QStringLiteral("编码用的XML无法读取：")));
    QString code;
    QString sMsg;
    EXPECT_FALSE(numbering.GetBillNumber(QStringLiteral("Vendor"), cardContext("01"), code, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("“Vendor”没有编码规则，请手工输入编码。"));
    EXPECT_FALSE(numbering.GetBillNumber(QStringLiteral("Customer where 1=1"), cardContext("01"),
                                         code, sMsg));
    EXPECT_EQ(sMsg,
              QStringLiteral("“Customer where 1=1”的编码规则中的“Customer where 1=1”"
                             "不是有效的表名或字段名。"));
}

TEST_F(BillNumberingTest, TwoConnectionsOfferedTheSameCodeCannotBothSaveIt)
{
    ClsCommon other;
    other.Init(company.connectionText());
    ASSERT_TRUE(other.Status());
    BillNumbering otherNumbering(other);
    QString otherCode;
    QString sMsg;
    const QString code = propose(cardContext(QStringLiteral("0101")));
    ASSERT_TRUE(otherNumbering.GetBillNumber(kCustomer, cardContext(QStringLiteral("0101")),
                                             otherCode, sMsg));
    EXPECT_EQ(otherCode, code);

    save(code, true);
    EXPECT_FALSE(other.Add(customerXml(otherCode, true), kCustomer, sMsg));
    EXPECT_EQ(sMsg,
              QStringLiteral("The customer code '%1' is already used by the customer '%1'.")
                  .arg(otherCode));
    ASSERT_TRUE(otherNumbering.GetBillNumber(kCustomer, cardContext(QStringLiteral("0101")),
                                             otherCode, sMsg));
    EXPECT_EQ(otherCode, QStringLiteral("01010002"));
    EXPECT_TRUE(other.Add(customerXml(otherCode, true), kCustomer, sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(history(), QStringList({ "Customer/0101/2" }));
}

TEST_F(BillNumberingTest, TwoProcessesNumberingAtOnceNeverShareACode)
{
    constexpr int kEach = 25;
    SecondProcessClient first;
    SecondProcessClient second;
    for (SecondProcessClient *process : { &first, &second }) {
        const QString ready = process->start(company.connectionText(), QStringLiteral("demo"),
                                             QStringLiteral("演示管理员"));
        ASSERT_TRUE(ready.startsWith(QStringLiteral("ready"))) << qPrintable(ready);
    }
    const QString command = QStringLiteral("number %1 0101").arg(kEach);
    first.send(command);
    second.send(command);
    QStringList codes;
    for (SecondProcessClient *process : { &first, &second }) {
        const QStringList answers = process->readUntil({ "done", "error" });
        ASSERT_EQ(answers.last(), QStringLiteral("done")) << qPrintable(answers.join(u'\n'));
        for (const QString &line : answers.mid(0, answers.size() - 1))
            codes.append(line.mid(5));
    }
    codes.sort();
    QStringList expected;
    for (int serial = 1; serial <= 2 * kEach; ++serial)
        expected.append(QStringLiteral("0101%1").arg(serial, 4, 10, QLatin1Char('0')));
    EXPECT_EQ(codes, expected);
    EXPECT_EQ(company.column(DemoCompanyCopy<>::Company,
                             QStringLiteral("select cCusCode from Customer where cCusCode like"
                                            " '0101____' order by cCusCode")),
              expected);
    EXPECT_EQ(history(), QStringList({ QStringLiteral("Customer/0101/%1").arg(2 * kEach) }));
}
