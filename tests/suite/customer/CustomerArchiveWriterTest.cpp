#include "DemoCompanyCopy.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/DataService.h"

#include <QDateTime>

#include <gtest/gtest.h>

using namespace suite;

namespace {

using Company = DemoCompanyCopy<>;

const QString kCustomer = QStringLiteral("Customer");

// The plain elements of the card's record XML in the card's order and spelling, with values
// of the shape the card writes.
const QList<std::pair<QString, QString>> kPlainElements = {
    { "CCusCode", "T001" },
    { "CCusName", "R&D \"远航\" O'Neil <1>" },
    { "CCusAbbName", "远航" },
    { "cCusMnemCode", "YH" },
    { "cCCCode", "01" },
    { "cDCCode", "01" },
    { "cCusHeadCode", "0000001" },
    { "cTrade", "0101" },
    { "cCusRegCode", "91110000" },
    { "cCusLPerson", "王五" },
    { "cCusAddress", "" },
    { "cCusAddressGUID", "" },
    { "cCusPostCode", "100080" },
    { "cCusPerson", "李四" },
    { "cCusEmail", "a@b.cn" },
    { "cCusPhone", "010-1" },
    { "cCusFax", "010-2" },
    { "cCusBP", "1" },
    { "cLocationSite", "39.9,116.3" },
    { "cCusHand", "139" },
    { "cCusSSCode", "01" },
    { "cCusOType", "01" },
    { "cCusWhCode", "01" },
    { "iARMoney", "1,234.50" },
    { "iCusDisRate", "5" },
    { "cCusCreGrade", "A" },
    { "iCusCreLine", "10,000.00" },
    { "iCusCreDate", "30" },
    { "cCusPayCond", "01" },
    { "cCusMngTypeCode", "999" },
    { "iLastMoney", "100" },
    { "iLRMoney", "50" },
    { "cCusDepart", "0201" },
    { "cCusPPerson", "013" },
    { "iFrequency", "3" },
    { "CCreatePerson", "demo" },
    { "dCusCreateDatetime", "2026-03-01 10:20:30" },
    { "cModifyPerson", "demo" },
    { "dModifyDate", "2026-03-02 11:00:00" },
    { "cRelVendor", "VK00002" },
    { "cCusDefine1", "自定义" },
    { "cCDefine1", "扩展" },
    { "cPriceGroup", "P1" },
    { "cOfferGrade", "G1" },
    { "iOfferRate", "0.9" },
    { "dRecentlyContractTime", "2026-01-05" },
    { "dTouchedTime", "2026-01-06" },
    { "dLastDate", "2026-01-07" },
    { "dLRDate", "2026-01-08" },
    { "dCusDevDate", "2025-12-01" },
    { "dEndDate", "2027-12-31" },
    { "iCostGrade", "-1" },
    { "cUserId", "demo" },
    { "CustomerKCode", "01" },
    { "cCusTradeCCode", "0101" },
    { "cCusExch_name", "人民币" },
    { "cProvince", "北京" },
    { "cCity", "北京" },
    { "cCounty", "海淀" },
    { "cCreditAddCode", "C1" },
    { "cRegCash", "100万" },
    { "dDepBeginDate", "2020-01-01" },
    { "iEmployeeNum", "50" },
    { "cURL", "http://x.cn/?a=1&b=2" },
    { "bCusDomestic", "1" },
    { "bCusOverseas", "0" },
    { "bServiceAttribute", "1" },
    { "bCredit", "1" },
    { "bCreditDate", "0" },
    { "bLimitSale", "1" },
    { "cCusCreditCompany", "0000001" },
    { "cCusSAProtocol", "S1" },
    { "cCusExProtocol", "E1" },
    { "cCusCMProtocol", "M1" },
    { "cCusOtherProtocol", "O1" },
    { "cCusImAgentProtocol", "I1" },
    { "cMemo", "a < b & c" },
    { "bShop", "1" },
    { "bOnGPinStore", "0" },
    { "bCusState", "1" },
    { "fCusDiscountRate", "2.5" },
    { "iCusTaxRate", "13" },
    { "fAdvancePaymentRatio", "100" },
    { "iLicenceADays", "10" },
    { "dLicenceSDate", "2026-01-01" },
    { "dLicenceEDate", "2026-12-31" },
    { "iBusinessADays", "11" },
    { "dBusinessSDate", "2026-02-01" },
    { "dBusinessEDate", "2026-11-30" },
    { "iProxyADays", "12" },
    { "dProxySDate", "2026-03-01" },
    { "dProxyEDate", "2026-10-31" },
    { "iCusGSPADays", "13" },
    { "dCusGSPSDate", "2026-04-01" },
    { "dCusGSPEDate", "2026-09-30" },
    { "iCusGSPType", "2" },
    { "cLicenceNo", "L1" },
    { "cLicenceRange", "LR" },
    { "cCusBusinessNo", "B1" },
    { "cCusBusinessRange", "BR" },
    { "cCusGSPAuthNo", "G1" },
    { "cCusGSPAuthRange", "GR" },
    { "dCusGSPEDate", "2026-09-30" },
    { "bRequestSign", "1" },
    { "cCusCountryCode", "CN" },
    { "cCusPortCode", "SH" },
    { "cPrimaryVen", "VK00001" },
    { "cCusEnName", "Yuanhang" },
    { "cCusEnAddr1", "No. 8" },
    { "cCusEnAddr2", "Haidian" },
    { "cCusEnAddr3", "Beijing" },
    { "cCusEnAddr4", "China" },
    { "fCommisionRate", "1.5" },
    { "fInsueRate", "0.3" },
    { "bHomeBranch", "1" },
    { "cBranchAddr", "分部" },
    { "cBranchPhone", "010-3" },
    { "cBranchPerson", "赵六" },
    { "bIsCusAttachFile", "1" },
};

const QString kFragments = QStringLiteral(
    "<cusinvoicecorp> <ccuscode></ccuscode><RW>2</RW><url></url><Rows>"
    "<Row><cInvoiceCompany>0000002</cInvoiceCompany><bDefault>0</bDefault></Row>"
    "<Row><cInvoiceCompany>0000003</cInvoiceCompany><bDefault>1</bDefault></Row></Rows>"
    "</cusinvoicecorp>"
    "<cusstuff> <ccuscode></ccuscode><RW>2</RW><url></url><Rows>"
    "<Row><cPersonCode>013</cPersonCode><bDefault>1</bDefault></Row></Rows></cusstuff>"
    "<cusprivilege> <ccuscode></ccuscode><row> <privilege_type>0</privilege_type>"
    " <cadtname>部门</cadtname> <privilege_id>0201</privilege_id> <cadname>销售部</cadname>"
    "</row><btextdata>1</btextdata></cusprivilege>");

QString element(const QString &name, const QString &value)
{
    return QStringLiteral("<%1>%2</%1>").arg(name, escapeXmlText(value));
}

QString addressFragment(const QString &codes)
{
    QString rows;
    for (const QString &code : codes.split(u',')) {
        rows += QStringLiteral("<Row><cAddCode>%1</cAddCode><cDeliverAdd>送货 %1</cDeliverAdd>"
                               "<cCusAddressGUID></cCusAddressGUID><bDefault>%2</bDefault></Row>")
                    .arg(code, code == codes.section(u',', -1) ? "1" : "0");
    }
    return QStringLiteral("<Addr><ccuscode></ccuscode><rw>2</rw><url></url><Rows>%1</Rows></Addr>")
        .arg(rows);
}

const QString kBankFragment = QStringLiteral(
    "<Bank><cCusCode></cCusCode><cCusName></cCusName><RW>2</RW><url></url><Rows>"
    "<Row><cBankCode>03</cBankCode><cBranch>中行海淀支行</cBranch>"
    "<cAccountNum>6222</cAccountNum><cAccountName>远航</cAccountName><bDefault>1</bDefault>"
    "</Row></Rows></Bank>");

// The card's record: every plain element, the bank and address fragments in their columns, the
// three dialog fragments, the picture. The card leaves its own address empty, as the delivery
// addresses carry it.
QString cardRecord()
{
    QString xml = QStringLiteral("<Customer bCreateBillNum='0' bManualChangeCode='1' "
                                 "cCusPersonCode='LXR00000001'>");
    for (const auto &[name, value] : kPlainElements) {
        if (name == u"cCusAddress")
            xml += "<cCusBank>" + kBankFragment + "</cCusBank><cCusOAddress>"
                + addressFragment("01,02") + "</cCusOAddress>";
        if (name == u"CustomerKCode")
            xml += kFragments;
        xml += element(name, value);
    }
    return xml
        + QStringLiteral("<bCopy>0</bCopy><PictureGUID bXML='False'>iVBORw0KGgo=</PictureGUID>"
                         "<cPictureType >png</cPictureType></Customer>");
}

class CustomerArchiveWriterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(company.ok()) << qPrintable(company.error());
        service.Init(company.connectionText());
        ASSERT_TRUE(service.Status()) << qPrintable(service.LastError());
    }

    bool add(const QString &xml) { return service.Add(xml, kCustomer, sMsg); }
    bool modify(const QString &xml) { return service.Modify(xml, kCustomer, sMsg); }
    bool remove(const QString &code)
    {
        return service.Delete(code, QStringLiteral("cCusCode"), kCustomer, sMsg, "demo");
    }
    QStringList column(const QString &sql) const { return company.column(Company::Company, sql); }
    RecordSet customer(const QString &code)
    {
        return service.OpenX(QStringLiteral("select * from Customer c join Customer_extradefine"
                                            " e on e.cCusCode = c.cCusCode where c.cCusCode = '%1'")
                                 .arg(code));
    }
    // Everything that delete, merge or a failed write could touch, as one text.
    QString snapshot() const
    {
        QStringList parts;
        for (const QString &table :
             { "Customer", "Customer_extradefine", "CusDeliverAdd", "CustomerBank",
               "CustomerInvoiceCorp", "CustomerPerson", "customer_auth", "Vendor", "Crm_Contact",
               "Ar_Detail", "SA_CusCreditSum" })
            parts += column(QStringLiteral("select count(*) from ") + table);
        return parts.join(u',');
    }

    Company company;
    ClsCommon service;
    QString sMsg = QStringLiteral("stale");
};

bool sameValue(const QVariant &stored, const QString &given)
{
    if (stored.typeId() == QMetaType::Bool)
        return stored.toBool() == (given == u"1");
    if (stored.typeId() == QMetaType::QDateTime)
        return stored.toDateTime() == QDateTime::fromString(given, Qt::ISODate)
            || stored.toDateTime().date().toString(Qt::ISODate) == given;
    bool number = false;
    const double value = QString(given).remove(u',').toDouble(&number);
    if (number && stored.canConvert<double>() && stored.typeId() != QMetaType::QString)
        return qFuzzyCompare(stored.toDouble() + 1, value + 1);
    return stored.toString() == given;
}

} // namespace

TEST_F(CustomerArchiveWriterTest, AddStoresEveryElementOfTheCardsRecordInItsColumnOrTable)
{
    ASSERT_TRUE(add(cardRecord())) << qPrintable(sMsg);
    EXPECT_EQ(sMsg, QString());
    const RecordSet row = customer("T001");
    ASSERT_EQ(row.RecordCount(), 1);
    for (const auto &[name, value] : kPlainElements) {
        if (name == u"cUserId" || name == u"cTrade" || name.startsWith(u"cCusAddress"))
            continue;
        EXPECT_TRUE(sameValue(row.Value(name), value))
            << qPrintable(name) << ": " << qPrintable(row.Value(name).toString());
    }
    EXPECT_EQ(row.Value("cCusAddress").toString(), "送货 02") << "the default delivery address";
    EXPECT_EQ(row.Value("cCusOAddress").toString(), "送货 02");
    EXPECT_EQ(row.Value("cTrade").toString(), "电子设备制造") << "the trade class's name";
    EXPECT_EQ(row.Value("cCusBank").toString(), "中行海淀支行");
    EXPECT_EQ(row.Value("cCusAccount").toString(), "6222");
    EXPECT_EQ(row.Value("cCusBankCode").toString(), "03");
    EXPECT_EQ(row.Value("cInvoiceCompany").toString(), "0000003");
    EXPECT_EQ(row.Value("cCusContactCode").toString(),
              column("select OID from Crm_Contact where cContactCode = 'LXR00000001'").value(0));

    EXPECT_EQ(column("select cAddCode || '/' || bDefault || '/' || length(cCusAddressGUID)"
                     " from CusDeliverAdd where cCusCode = 'T001' order by AutoID"),
              (QStringList{ "01/0/36", "02/1/36" }));
    EXPECT_EQ(column("select cCusAddressGUID from CusDeliverAdd where cAddCode = '02' and"
                     " cCusCode = 'T001'"),
              QStringList{ row.Value("cCusAddressGUID").toString() });
    EXPECT_EQ(column("select cBranch || '/' || cAccountNum from CustomerBank where cCusCode = "
                     "'T001'"),
              QStringList{ "中行海淀支行/6222" });
    EXPECT_EQ(column("select cInvoiceCompany from CustomerInvoiceCorp where cCusCode = 'T001'"),
              (QStringList{ "0000002", "0000003" }));
    EXPECT_EQ(column("select cPersonCode from CustomerPerson where cCusCode = 'T001'"),
              QStringList{ "013" });
    EXPECT_EQ(column("select Privilege_Type || ':' || Privilege_ID from customer_auth"
                     " where Account_ID = 'T001'"),
              QStringList{ "0:0201" });
    const QList<QStringList> picture =
        company.rows(Company::Company,
                     "select p.cPictureType, length(p.Picture) from AA_Picture p join Customer c"
                     " on c.PictureGUID = p.cGUID where c.cCusCode = 'T001'");
    EXPECT_EQ(picture, (QList<QStringList>{ { "png", "8" } }));
    EXPECT_EQ(company
                  .value(Company::Company,
                         "select Picture from AA_Picture p join Customer c"
                         " on c.PictureGUID = p.cGUID where c.cCusCode = 'T001'")
                  .toByteArray()
                  .toHex()
                  .toUpper(),
              "89504E470D0A1A0A");
}

TEST_F(CustomerArchiveWriterTest, ModifyReplacesTheSubRecordsItCarriesAndKeepsTheOthers)
{
    ASSERT_TRUE(add(cardRecord())) << qPrintable(sMsg);
    const QString record =
        QStringLiteral("<Customer bCreateBillNum='0' bManualChangeCode='0'><CCusCode>t001"
                       "</CCusCode><CCusAbbName>新简称</CCusAbbName><cCusOAddress>%1"
                       "</cCusOAddress><cusstuff> <ccuscode>T001</ccuscode><RW>2</RW><url></url>"
                       "</cusstuff><cusinvoicecorp> <ccuscode>T001</ccuscode><Rows></Rows>"
                       "</cusinvoicecorp></Customer>")
            .arg(addressFragment("07"));
    ASSERT_TRUE(modify(record)) << qPrintable(sMsg);
    EXPECT_EQ(column("select cAddCode || '/' || cCusCode from CusDeliverAdd where cCusCode ="
                     " 'T001'"),
              QStringList{ "07/T001" })
        << "rows take the stored spelling of the code";
    EXPECT_EQ(column("select cCusAbbName || '/' || cCusOAddress || '/' || cCusAddress from"
                     " Customer where cCusCode = 'T001'"),
              QStringList{ "新简称/送货 07/送货 02" })
        << "the own address is not written when the record does not give it";
    EXPECT_EQ(column("select count(*) from CustomerPerson where cCusCode = 'T001'"),
              QStringList{ "1" })
        << "a fragment of parameters only leaves the rows";
    EXPECT_EQ(column("select count(*) from CustomerInvoiceCorp where cCusCode = 'T001'"),
              QStringList{ "0" })
        << "an empty list of rows empties the table";
    EXPECT_EQ(column("select count(*) from CustomerBank where cCusCode = 'T001'"),
              QStringList{ "1" });
}

TEST_F(CustomerArchiveWriterTest, EmptyCarriersLeaveTheBanksAndAddressesAsTheyAre)
{
    ASSERT_TRUE(add(cardRecord())) << qPrintable(sMsg);
    const QString stored = QStringLiteral(
        "select cCusBank || '/' || cCusAccount || '/' || cCusOAddress || '/' || cCusAddress ||"
        " '/' || (select count(*) from CustomerBank where cCusCode = 'T001') || '/' ||"
        " (select count(*) from CusDeliverAdd where cCusCode = 'T001') from Customer"
        " where cCusCode = 'T001'");
    const QStringList before = column(stored);
    ASSERT_EQ(before, QStringList{ "中行海淀支行/6222/送货 02/送货 02/1/2" });
    ASSERT_TRUE(modify("<Customer bCreateBillNum='0' bManualChangeCode='0'><CCusCode>T001"
                       "</CCusCode><cCusBank></cCusBank><cCusOAddress> </cCusOAddress>"
                       "<cCusAddress>送货 02</cCusAddress></Customer>"))
        << qPrintable(sMsg);
    EXPECT_EQ(column(stored), before);
}

TEST_F(CustomerArchiveWriterTest, TheIndustryIsTheNameOfTheTradeClass)
{
    ASSERT_TRUE(add(cardRecord())) << qPrintable(sMsg);
    const auto industryAfter = [this](const QString &tradeCode) {
        EXPECT_TRUE(modify(QStringLiteral("<Customer><CCusCode>T001</CCusCode>"
                                          "<cTrade>%1</cTrade><cCusTradeCCode>%1</cCusTradeCCode>"
                                          "</Customer>")
                               .arg(tradeCode)))
            << qPrintable(sMsg);
        return column("select coalesce(cTrade, 'NULL') || '/' || coalesce(cCusTradeCCode, 'NULL')"
                      " from Customer where cCusCode = 'T001'")
            .value(0);
    };
    EXPECT_EQ(industryAfter("0102"), "通用机械制造/0102");
    EXPECT_EQ(industryAfter("NOSUCH"), "通用机械制造/NOSUCH") << "no such class: kept as it was";
    EXPECT_EQ(industryAfter("0102"), "通用机械制造/0102");
    EXPECT_EQ(industryAfter(""), "NULL/") << "the trade class cleared clears the industry";
    EXPECT_EQ(industryAfter(""), "NULL/");
    ASSERT_TRUE(modify("<Customer><CCusCode>T001</CCusCode><cTrade>零售</cTrade></Customer>"))
        << qPrintable(sMsg);
    EXPECT_EQ(column("select cTrade from Customer where cCusCode = 'T001'"), QStringList{ "零售" })
        << "without a trade class the industry is written as given";
}

TEST_F(CustomerArchiveWriterTest, BadRecordsAreRefusedWithTheirReasonAndChangeNothing)
{
    const QString before = snapshot();
    const QList<std::pair<QString, QString>> refused = {
        { "<Customer><CCusCode>0000001</CCusCode><CCusName>N</CCusName>"
          "<CCusAbbName>N</CCusAbbName></Customer>",
          "The customer code '0000001' is already used by the customer '0000001'." },
        { "<Customer><CCusCode> </CCusCode><CCusAbbName>N</CCusAbbName></Customer>",
          "The customer code is empty: every customer needs a code." },
        { "<Customer><CCusCode>T9</CCusCode><CCusName>N</CCusName></Customer>",
          "The abbreviation of the customer 'T9' is empty: every customer needs an "
          "abbreviation." },
        { "<Customer><CCusCode>T9</CCusCode><CCusName>" + QString(99, u'长')
              + "</CCusName><CCusAbbName>N</CCusAbbName></Customer>",
          "<CCusName> of Customer: the value is 99 characters long; the column cCusName holds "
          "at most 98." },
        { "<Customer><CCusCode>T9</CCusCode><CCusName>N</CCusName><CCusAbbName>N</CCusAbbName>"
          "<cCusBank><Bank><Rows><Row><cBranch>B</cBranch></Row></Rows></Bank></cCusBank>"
          "</Customer>",
          "Row 1 of CustomerBank gives no cAccountNum." },
    };
    for (const auto &[xml, message] : refused) {
        EXPECT_FALSE(add(xml));
        EXPECT_EQ(sMsg, message);
    }
    EXPECT_FALSE(modify("<Customer><CCusCode>0000001</CCusCode><CCusAbbName> </CCusAbbName>"
                        "</Customer>"));
    EXPECT_EQ(sMsg,
              "The abbreviation of the customer '0000001' is empty: every customer needs an "
              "abbreviation.");
    EXPECT_FALSE(modify("<Customer><CCusCode>GONE</CCusCode><CCusName>x</CCusName></Customer>"));
    EXPECT_EQ(sMsg,
              "There is no customer with the code 'GONE': it may have been deleted "
              "meanwhile.");
    EXPECT_FALSE(remove("GONE"));
    EXPECT_EQ(sMsg,
              "There is no customer with the code 'GONE': it may have been deleted "
              "meanwhile.");
    EXPECT_EQ(snapshot(), before);
}

TEST_F(CustomerArchiveWriterTest, ControlCharactersAndAmountsOutOfRangeAreRefused)
{
    const QString before = snapshot();
    const QString start = "<Customer><CCusCode>T9</CCusCode><CCusAbbName>N</CCusAbbName>";
    const QList<std::pair<QString, QString>> refused = {
        { start + "<CCusName>red\u001b[31m</CCusName></Customer>",
          "<CCusName> of Customer holds the control character U+001b; a customer's fields take "
          "printable text only." },
        { start + "<cCusAddress>a\u0085b</cCusAddress></Customer>",
          "<cCusAddress> of Customer holds the control character U+0085; a customer's fields "
          "take printable text only." },
        { start + "<iCusCreLine>1e300</iCusCreLine></Customer>",
          "<iCusCreLine> of Customer: '1e300' is out of the range of the column iCusCreLine (at "
          "most 922,337,203,685,477 either side of zero)." },
        { start + "<iCusCreLine>-922337203685478</iCusCreLine></Customer>",
          "<iCusCreLine> of Customer: '-922337203685478' is out of the range of the column "
          "iCusCreLine (at most 922,337,203,685,477 either side of zero)." },
    };
    for (const auto &[xml, message] : refused) {
        EXPECT_FALSE(add(xml));
        EXPECT_EQ(sMsg, message);
    }
    EXPECT_EQ(snapshot(), before);
    ASSERT_TRUE(add(start
                    + "<CCusName>Nine</CCusName><cCusAddress>line 1\nline 2\tend</cCusAddress>"
                    + "<iCusCreLine>922337203685477</iCusCreLine></Customer>"))
        << qPrintable(sMsg);
}

TEST_F(CustomerArchiveWriterTest, HostileValuesRoundTripWithoutChangingAStatement)
{
    const QString hostile = QStringLiteral("x'); delete from Customer; -- <&> \"");
    const QString xml = "<Customer><CCusCode>O'Neil</CCusCode>" + element("CCusName", hostile)
        + element("CCusAbbName", hostile) + "<cCusBank><Bank><Rows><Row>"
        + element("cBranch", hostile) + "<cAccountNum>1</cAccountNum></Row></Rows></Bank>"
        + "</cCusBank></Customer>";
    ASSERT_TRUE(add(xml)) << qPrintable(sMsg);
    EXPECT_EQ(column("select cCusName from Customer where cCusCode = 'O''Neil'"),
              QStringList{ hostile });
    EXPECT_EQ(column("select cBranch from CustomerBank where cCusCode = 'O''Neil'"),
              QStringList{ hostile });
    EXPECT_EQ(column("select count(*) from Customer"), QStringList{ "21" });
}

TEST_F(CustomerArchiveWriterTest, DeleteRefusesAReferencedCustomerAndTakesOwnRowsOtherwise)
{
    const QString before = snapshot();
    EXPECT_FALSE(remove("0000004"));
    EXPECT_TRUE(sMsg.startsWith("The customer '0000004' is still in use and is not deleted: "))
        << qPrintable(sMsg);
    EXPECT_TRUE(sMsg.contains("1 vendors related to it (Vendor.cRelCustomer)")) << qPrintable(sMsg);
    EXPECT_TRUE(sMsg.contains("contacts (Crm_Contact.cCusCode)")) << qPrintable(sMsg);
    EXPECT_FALSE(sMsg.contains("head office")) << "a customer naming itself is no reference";
    EXPECT_EQ(snapshot(), before);

    ASSERT_TRUE(add(cardRecord())) << qPrintable(sMsg);
    ASSERT_TRUE(remove("t001")) << qPrintable(sMsg);
    EXPECT_EQ(sMsg, QString());
    for (const QString &table :
         { "CusDeliverAdd", "CustomerBank", "CustomerInvoiceCorp", "CustomerPerson" })
        EXPECT_EQ(
            column(QStringLiteral("select count(*) from %1 where cCusCode = 'T001'").arg(table)),
            QStringList{ "0" })
            << qPrintable(table);
    EXPECT_EQ(column("select count(*) from customer_auth where Account_ID = 'T001'"),
              QStringList{ "0" });
    EXPECT_EQ(column("select count(*) from AA_Picture"), QStringList{ "0" });
    EXPECT_EQ(snapshot(), before) << "the contact it named is unlinked from nothing it owned";
}

TEST_F(CustomerArchiveWriterTest, CreditRecomputesTheReceivablesOfEveryCustomer)
{
    ASSERT_TRUE(modify("<Customer Operating='Credit' />")) << qPrintable(sMsg);
    ASSERT_TRUE(modify("<Customer Operating='Credit' />")) << qPrintable(sMsg);
    EXPECT_EQ(sMsg, "Credit recomputed for 20 customers; 0 of them updated.");

    company.run(Company::Company,
                "insert into Ar_Detail (cDwCode, dVouchDate, cVouchType, cVouchID, iDAmount,"
                " iCAmount) values ('0000007', '2027-01-02', '26', 'X1', 500, 0),"
                " ('0000007', '2027-01-03', '48', 'X2', 0, 120.25),"
                " ('0000008', '2027-01-04', '26', 'X3', 99.5, 0)");
    const QStringList balances = column("select iARMoney from Customer where cCusCode in"
                                        " ('0000007', '0000008') order by cCusCode");
    ASSERT_TRUE(modify("<Customer Operating='Credit' />")) << qPrintable(sMsg);
    EXPECT_EQ(sMsg, "Credit recomputed for 20 customers; 2 of them updated.");
    const QStringList figures = company
                                    .rows(Company::Company,
                                          "select iARMoney - " + balances.value(0)
                                              + ", iLastMoney, iLRMoney, dLRDate from Customer"
                                                " where cCusCode = '0000007'")
                                    .value(0);
    ASSERT_EQ(figures.size(), 4) << qPrintable(figures.join(u'|'));
    EXPECT_NEAR(figures.at(0).toDouble(), 379.75, 0.005);
    EXPECT_NEAR(figures.at(1).toDouble(), 500, 0.005);
    EXPECT_NEAR(figures.at(2).toDouble(), 120.25, 0.005);
    EXPECT_EQ(figures.at(3).left(10), "2027-01-03");
    EXPECT_NEAR(column("select fUsed - " + balances.value(1)
                       + " from SA_CusCreditSum where cCusCode = '0000008'")
                    .value(0)
                    .toDouble(),
                99.5, 0.005);
}

TEST_F(CustomerArchiveWriterTest, UniteMovesEveryReferenceAndRemovesTheFirstCustomer)
{
    const QString arRows = column("select count(*) from Ar_Detail where cDwCode in"
                                  " ('0000004', '0000005')")
                               .value(0);
    ASSERT_TRUE(modify("<Customer Operating ='Unite'><Code1>0000004</Code1><Code2>0000005"
                       "</Code2></Customer>"))
        << qPrintable(sMsg);
    EXPECT_EQ(column("select count(*) from Customer where cCusCode = '0000004'"),
              QStringList{ "0" });
    EXPECT_EQ(column("select cRelCustomer from Vendor where cVenCode = 'VK00001'"),
              QStringList{ "0000005" });
    EXPECT_EQ(column("select cCusCode from Crm_Contact where cContactCode = 'LXR00000001'"),
              QStringList{ "0000005" });
    EXPECT_EQ(column("select count(*) from Ar_Detail where cDwCode = '0000005'"),
              QStringList{ arRows });
    for (const QString &table : { "Customer_extradefine", "CusDeliverAdd", "CustomerBank" })
        EXPECT_EQ(
            column(QStringLiteral("select count(*) from %1 where cCusCode = '0000004'").arg(table)),
            QStringList{ "0" })
            << qPrintable(table);
    EXPECT_EQ(column("select count(*) from Customer where '0000004' in (cCusHeadCode,"
                     " cCusCreditCompany, cInvoiceCompany)"),
              QStringList{ "0" });

    const QString before = snapshot();
    const QList<std::pair<QString, QString>> refused = {
        { "<Code1>0000005</Code1><Code2>0000005</Code2>",
          "A customer cannot be merged into itself ('0000005')." },
        { "<Code1>0000004</Code1><Code2>0000005</Code2>",
          "There is no customer with the code '0000004' to merge." },
        { "<Code1>0000006</Code1><Code2>NONE</Code2>",
          "There is no customer with the code 'NONE' to merge." },
        { "<Code1>0000006</Code1>",
          "The merge request must name two customers (Code1 and Code2)." },
    };
    for (const auto &[codes, message] : refused) {
        EXPECT_FALSE(modify("<Customer Operating ='Unite'>" + codes + "</Customer>"));
        EXPECT_EQ(sMsg, message);
    }
    EXPECT_EQ(snapshot(), before);
}

TEST_F(CustomerArchiveWriterTest, AFailureMidwayUndoesTheWholeCall)
{
    ASSERT_TRUE(add(cardRecord())) << qPrintable(sMsg);
    const QString before = snapshot();
    const QString names = column("select cCusName from Customer where cCusCode = 'T001'").value(0);
    // The main row and the addresses are written before the second bank row is found wanting.
    EXPECT_FALSE(modify("<Customer><CCusCode>T001</CCusCode><CCusName>changed</CCusName>"
                        "<cCusOAddress>"
                        + addressFragment("09")
                        + "</cCusOAddress><cCusBank><Bank><Rows><Row><cBranch>B</cBranch>"
                          "<cAccountNum>1</cAccountNum></Row><Row><cBranch>C</cBranch>"
                          "<cAccountNum>2</cAccountNum><bDefault>yes</bDefault></Row></Rows>"
                          "</Bank></cCusBank></Customer>"));
    EXPECT_EQ(sMsg,
              "Row 2 of CustomerBank: 'yes' is not a flag (1 or 0, true or false), as the "
              "column bDefault needs.");
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(column("select cCusName from Customer where cCusCode = 'T001'"),
              QStringList{ names });
    EXPECT_EQ(column("select cAddCode from CusDeliverAdd where cCusCode = 'T001'"),
              (QStringList{ "01", "02" }));
}
