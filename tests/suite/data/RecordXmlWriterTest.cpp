#include "suite/data/RecordXmlWriter.h"

#include "CompanyFolder.h"
#include "suite/core/ErrorLog.h"
#include "suite/data/ConnectionText.h"
#include "suite/data/DataBackend.h"

#include <QDateTime>

#include <gtest/gtest.h>

using namespace suite;

namespace {

// The record XML as the card writes it: single-quoted attributes, one element per field,
// names in the card's spelling, amounts as FormatNum left them.
const QString kNewCustomer = QStringLiteral("<Customer bCreateBillNum='0' bManualChangeCode='1'>"
                                            "<CCusCode>C100</CCusCode>"
                                            "<CCusName>R&amp;D \"远航\" O'Neil &lt;1&gt;</CCusName>"
                                            "<CCusAbbName>R&amp;D</CCusAbbName>"
                                            "<iCusCreLine>10,000.50</iCusCreLine>"
                                            "<bCusState>1</bCusState>"
                                            "<dCusDevDate>2026-03-01</dCusDevDate>"
                                            "<iCusCreDate></iCusCreDate>"
                                            "<cCusCreditCompany></cCusCreditCompany>"
                                            "<cCusOAddress><row cAddCode='0001'/></cCusOAddress>"
                                            "<cUnknownField>x</cUnknownField>"
                                            "<cCDefine1>红色</cCDefine1>"
                                            "<cCDefine4>2026/3/9</cCDefine4>"
                                            "</Customer>");

class RecordXmlWriterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.runOnCompany(
            kCustomerTables
            + QStringLiteral("insert into Customer (cCusCode, cCusName, cCusAbbName, bCusState)"
                             " values ('C001', 'First', 'F', 0);"
                             "insert into Customer_extradefine (cCusCode, cCDefine1)"
                             " values ('C001', 'blue');"
                             "create table Note (cText nvarchar(20));"));
        const std::optional<ConnectionText> connection =
            ConnectionText::parse(folder.connectionText(), sMsg);
        ASSERT_TRUE(connection) << qPrintable(sMsg);
        backend = openBackend(*connection, sMsg);
        ASSERT_TRUE(backend) << qPrintable(sMsg);
        writer = std::make_unique<RecordXmlWriter>(*backend);
    }

    bool add(const QString &xml, const QString &table = QStringLiteral("Customer"))
    {
        return writer->add(xml, table, sMsg);
    }
    bool remove(const QVariant &id, const QString &idName)
    {
        return writer->remove(id, idName, QStringLiteral("Customer"), sMsg);
    }
    bool modify(const QString &xml)
    {
        return writer->modify(xml, QStringLiteral("Customer"), sMsg);
    }

    RecordSet customer(const QString &code) const
    {
        return folder.query(QStringLiteral("select * from Customer c left join"
                                           " Customer_extradefine e on e.cCusCode = c.cCusCode"
                                           " where c.cCusCode = ?"),
                            { code });
    }
    QStringList customerCodes() const
    {
        return folder.column(QStringLiteral("select cCusCode from Customer order by cCusCode"));
    }
    QStringList companionCodes() const
    {
        return folder.column(
            QStringLiteral("select cCusCode from Customer_extradefine order by cCusCode"));
    }

    CompanyFolder folder;
    std::unique_ptr<DataBackend> backend;
    std::unique_ptr<RecordXmlWriter> writer;
    QString sMsg;
};

} // namespace

TEST_F(RecordXmlWriterTest, AddStoresEveryFieldWithItsTypeAndTheCompanionRow)
{
    ErrorLog::instance().clear();
    ASSERT_TRUE(add(kNewCustomer)) << qPrintable(sMsg);

    const RecordSet row = customer(QStringLiteral("C100"));
    ASSERT_EQ(row.RecordCount(), 1);
    EXPECT_EQ(row.Value(QStringLiteral("cCusName")).toString(),
              QStringLiteral("R&D \"远航\" O'Neil <1>"));
    EXPECT_EQ(row.Value(QStringLiteral("cCusAbbName")).toString(), QStringLiteral("R&D"));
    EXPECT_DOUBLE_EQ(row.Value(QStringLiteral("iCusCreLine")).toDouble(), 10000.5);
    EXPECT_EQ(row.Value(QStringLiteral("bCusState")), QVariant(true));
    EXPECT_EQ(row.Value(QStringLiteral("dCusDevDate")).toDateTime(),
              QDateTime(QDate(2026, 3, 1), QTime(0, 0)));
    EXPECT_TRUE(row.Value(QStringLiteral("iCusCreDate")).isNull()) << "empty number is NULL";
    EXPECT_EQ(row.Value(QStringLiteral("cCusCreditCompany")), QVariant(QString()))
        << "empty text stays text";
    EXPECT_EQ(row.Value(QStringLiteral("cCDefine1")).toString(), QStringLiteral("红色"));
    EXPECT_EQ(row.Value(QStringLiteral("cCDefine4")).toDateTime(),
              QDateTime(QDate(2026, 3, 9), QTime(0, 0)));

    const QList<ErrorLog::Entry> entries = ErrorLog::instance().entries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.front().level, ErrorLog::Level::Warning);
    EXPECT_EQ(entries.front().text,
              QStringLiteral("Left out of the record XML for Customer: "
                             "attribute bManualChangeCode of <Customer>; "
                             "<cCusOAddress>, which holds a sub-record; <cUnknownField>, which "
                             "names no column of Customer."));
}

TEST_F(RecordXmlWriterTest, AddMakesTheCompanionRowEvenWithoutItsFields)
{
    ASSERT_TRUE(add(QStringLiteral("<Customer><cCusCode>C200</cCusCode>"
                                   "<cCusName>Only main</cCusName></Customer>")))
        << qPrintable(sMsg);
    EXPECT_EQ(companionCodes(), (QStringList{ QStringLiteral("C001"), QStringLiteral("C200") }));
}

TEST_F(RecordXmlWriterTest, ValuesAreBoundSoQuotesCannotChangeTheStatement)
{
    const QString hostile = QStringLiteral("X'); drop table Customer; --");
    ASSERT_TRUE(add(QStringLiteral("<Customer><cCusCode>C300</cCusCode><cCusName>%1</cCusName>"
                                   "</Customer>")
                        .arg(hostile)))
        << qPrintable(sMsg);
    EXPECT_EQ(customer(QStringLiteral("C300")).Value(QStringLiteral("cCusName")).toString(),
              hostile);
    EXPECT_EQ(customerCodes().size(), 2);
}

TEST_F(RecordXmlWriterTest, AddFailuresChangeNothing)
{
    EXPECT_FALSE(add(QStringLiteral("<Customer><cCusCode>C001</cCusCode><cCusName>Again"
                                    "</cCusName></Customer>")));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("UNIQUE constraint failed: Customer.cCusCode")))
        << qPrintable(sMsg);

    // The companion refuses a negative amount after the main row went in: both are undone.
    EXPECT_FALSE(add(QStringLiteral("<Customer><cCusCode>C400</cCusCode><cCusName>N</cCusName>"
                                    "<cCDefine3>-1</cCDefine3></Customer>")));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("CHECK constraint failed"))) << qPrintable(sMsg);
    EXPECT_EQ(customerCodes(), QStringList{ QStringLiteral("C001") });
    EXPECT_EQ(companionCodes(), QStringList{ QStringLiteral("C001") });
}

TEST_F(RecordXmlWriterTest, ValuesThatDoNotFitTheirColumnsAreRefusedByName)
{
    EXPECT_FALSE(add(QStringLiteral("<Customer><cCusCode>C500</cCusCode><cCusName>N</cCusName>"
                                    "<iCusCreLine>abc</iCusCreLine></Customer>")));
    EXPECT_EQ(sMsg,
              QStringLiteral("<iCusCreLine> of Customer: 'abc' is not a number, as the column "
                             "iCusCreLine needs."));
    EXPECT_FALSE(add(QStringLiteral("<Customer><cCusCode>C500</cCusCode><cCusName>N</cCusName>"
                                    "<iCusCreDate>1.5</iCusCreDate></Customer>")));
    EXPECT_EQ(sMsg,
              QStringLiteral("<iCusCreDate> of Customer: '1.5' is not a whole number, as the "
                             "column iCusCreDate needs."));
    EXPECT_FALSE(add(QStringLiteral("<Customer><cCusCode>C500</cCusCode><cCusName>N</cCusName>"
                                    "<bCusState>yes</bCusState></Customer>")));
    EXPECT_EQ(sMsg,
              QStringLiteral("<bCusState> of Customer: 'yes' is not a flag (1 or 0, true or "
                             "false), as the column bCusState needs."));
    EXPECT_FALSE(add(QStringLiteral("<Customer><cCusCode>C500</cCusCode><cCusName>N</cCusName>"
                                    "<cCDefine4>31.02.2026</cCDefine4></Customer>")));
    EXPECT_EQ(sMsg,
              QStringLiteral("<cCDefine4> of Customer_extradefine: '31.02.2026' is not a date, "
                             "as the column cCDefine4 needs."));
    EXPECT_FALSE(add(QStringLiteral("<Customer><cCusCode>C5000000000000000000X</cCusCode>"
                                    "</Customer>")));
    EXPECT_EQ(sMsg,
              QStringLiteral("<cCusCode> of Customer: the value is 21 characters long; the "
                             "column cCusCode holds at most 20."));
    EXPECT_EQ(customerCodes(), QStringList{ QStringLiteral("C001") });
}

TEST_F(RecordXmlWriterTest, BadXmlAndTablesAreRefused)
{
    EXPECT_FALSE(add(QStringLiteral("<Customer><cCusCode>C1</cCusCode>")));
    EXPECT_TRUE(sMsg.startsWith(QStringLiteral("The record XML for Customer cannot be read: ")))
        << qPrintable(sMsg);
    EXPECT_FALSE(add(QStringLiteral("<X><a>1</a></X>"), QStringLiteral("NoTable")));
    EXPECT_EQ(sMsg, QStringLiteral("The company database has no table NoTable."));
    EXPECT_FALSE(add(QStringLiteral("<Customer><cCusCode>C1</cCusCode><CCUSCODE>C2</CCUSCODE>"
                                    "</Customer>")));
    EXPECT_EQ(sMsg, QStringLiteral("The record XML for Customer gives <CCUSCODE> twice."));
    EXPECT_FALSE(add(QStringLiteral("<Note><other>1</other></Note>"), QStringLiteral("Note")));
    EXPECT_EQ(sMsg, QStringLiteral("The record XML holds no column of Note."));
}

TEST_F(RecordXmlWriterTest, ModifyWritesTheGivenFieldsOfTheKeyedRowOnly)
{
    ASSERT_TRUE(modify(QStringLiteral("<Customer><ccuscode>c001</ccuscode>"
                                      "<cCusName>First &amp; best</cCusName>"
                                      "<bCusState>true</bCusState>"
                                      "<cCDefine1>green</cCDefine1></Customer>")))
        << qPrintable(sMsg);
    const RecordSet row = customer(QStringLiteral("C001"));
    EXPECT_EQ(row.Value(QStringLiteral("cCusCode")).toString(), QStringLiteral("C001"));
    EXPECT_EQ(row.Value(QStringLiteral("cCusName")).toString(), QStringLiteral("First & best"));
    EXPECT_EQ(row.Value(QStringLiteral("cCusAbbName")).toString(), QStringLiteral("F"));
    EXPECT_EQ(row.Value(QStringLiteral("bCusState")), QVariant(true));
    EXPECT_EQ(row.Value(QStringLiteral("cCDefine1")).toString(), QStringLiteral("green"));
}

TEST_F(RecordXmlWriterTest, ModifyWritesOnlyValuesThatDiffer)
{
    folder.runOnCompany(
        QStringLiteral("update Customer set cCusCreditCompany = null, iCusCreLine = 5000,"
                       " dCusDevDate = '2026-03-01 00:00:00', bCusState = 1"
                       " where cCusCode = 'C001'"));
    const auto typed = [this](const QString &column) {
        return folder
            .column(QStringLiteral("select typeof(%1) || ':' || coalesce(%1, 'NULL') from"
                                   " Customer where cCusCode = 'C001'")
                        .arg(column))
            .value(0);
    };
    const QStringList before{ typed("cCusCreditCompany"), typed("iCusCreLine"),
                              typed("dCusDevDate"), typed("bCusState") };
    ASSERT_TRUE(modify(
        QStringLiteral("<Customer><cCusCode>C001</cCusCode><cCusCreditCompany></cCusCreditCompany>"
                       "<iCusCreLine>5,000.00</iCusCreLine>"
                       "<dCusDevDate>2026-03-01</dCusDevDate>"
                       "<bCusState>1</bCusState><cCDefine1>blue</cCDefine1>"
                       "</Customer>")))
        << qPrintable(sMsg);
    EXPECT_EQ((QStringList{ typed("cCusCreditCompany"), typed("iCusCreLine"), typed("dCusDevDate"),
                            typed("bCusState") }),
              before)
        << "an empty text stays NULL, a number and a date written alike stay as stored";

    ASSERT_TRUE(
        modify(QStringLiteral("<Customer><cCusCode>C001</cCusCode><cCusCreditCompany>1"
                              "</cCusCreditCompany><iCusCreLine>5000.5</iCusCreLine></Customer>")))
        << qPrintable(sMsg);
    EXPECT_EQ(typed("cCusCreditCompany"), QStringLiteral("text:1"));
    EXPECT_EQ(typed("iCusCreLine"), QStringLiteral("real:5000.5"));
}

TEST_F(RecordXmlWriterTest, ModifyAddsAMissingCompanionRow)
{
    folder.runOnCompany(QStringLiteral("delete from Customer_extradefine"));
    ASSERT_TRUE(modify(QStringLiteral("<Customer><cCusCode>C001</cCusCode>"
                                      "<cCusName>Renamed</cCusName></Customer>")))
        << qPrintable(sMsg);
    EXPECT_EQ(companionCodes(), QStringList{ QStringLiteral("C001") });
    ASSERT_TRUE(modify(QStringLiteral("<Customer><cCusCode>C001</cCusCode>"
                                      "<cCDefine3>7.25</cCDefine3></Customer>")))
        << qPrintable(sMsg);
    EXPECT_DOUBLE_EQ(customer(QStringLiteral("C001")).Value(QStringLiteral("cCDefine3")).toDouble(),
                     7.25);
}

TEST_F(RecordXmlWriterTest, ModifyFailuresChangeNothing)
{
    EXPECT_FALSE(modify(QStringLiteral("<Customer><cCusCode>C999</cCusCode>"
                                       "<cCusName>Nobody</cCusName></Customer>")));
    EXPECT_EQ(sMsg, QStringLiteral("No row of Customer has cCusCode 'C999'."));
    EXPECT_EQ(companionCodes(), QStringList{ QStringLiteral("C001") });

    EXPECT_FALSE(modify(QStringLiteral("<Customer><cCusName>No key</cCusName></Customer>")));
    EXPECT_EQ(sMsg,
              QStringLiteral("The record XML has no value for <cCusCode>, the key of "
                             "Customer."));
    EXPECT_FALSE(modify(QStringLiteral("<Customer Operating ='Unite'><Code1>C001</Code1>"
                                       "<Code2>C002</Code2></Customer>")));
    EXPECT_EQ(sMsg,
              QStringLiteral("The record XML has no value for <cCusCode>, the key of "
                             "Customer."));

    EXPECT_FALSE(modify(QStringLiteral("<Customer><cCusCode>C001</cCusCode><cCusName>Changed"
                                       "</cCusName><cCDefine3>-5</cCDefine3></Customer>")));
    EXPECT_EQ(customer(QStringLiteral("C001")).Value(QStringLiteral("cCusName")).toString(),
              QStringLiteral("First"));
}

TEST_F(RecordXmlWriterTest, DeleteRemovesTheRowWithItsCompanion)
{
    ASSERT_TRUE(add(QStringLiteral("<Customer><cCusCode>O'Brien</cCusCode><cCusName>Q</cCusName>"
                                   "</Customer>")))
        << qPrintable(sMsg);
    ASSERT_TRUE(remove(QStringLiteral("o'brien"), QStringLiteral("ccuscode"))) << qPrintable(sMsg);
    EXPECT_EQ(customerCodes(), QStringList{ QStringLiteral("C001") });
    EXPECT_EQ(companionCodes(), QStringList{ QStringLiteral("C001") });

    ASSERT_TRUE(remove(QStringLiteral("First"), QStringLiteral("cCusName"))) << qPrintable(sMsg);
    EXPECT_EQ(customerCodes(), QStringList());
    EXPECT_EQ(companionCodes(), QStringList()) << "found through the main row's key";
}

TEST_F(RecordXmlWriterTest, DeleteFailuresChangeNothing)
{
    EXPECT_FALSE(remove(QStringLiteral("C999"), QStringLiteral("cCusCode")));
    EXPECT_EQ(sMsg, QStringLiteral("No row of Customer has cCusCode 'C999'."));
    EXPECT_FALSE(remove(QStringLiteral("C001"), QStringLiteral("cNoColumn")));
    EXPECT_EQ(sMsg, QStringLiteral("The table Customer has no column cNoColumn."));
    EXPECT_FALSE(remove(QVariant(), QStringLiteral("cCusCode")));
    EXPECT_EQ(sMsg,
              QStringLiteral("No value of cCusCode was given for the row of Customer to "
                             "delete."));
    EXPECT_EQ(customerCodes(), QStringList{ QStringLiteral("C001") });
    EXPECT_EQ(companionCodes(), QStringList{ QStringLiteral("C001") });
}

TEST_F(RecordXmlWriterTest, WritesJoinTheCallersTransaction)
{
    ASSERT_TRUE(backend->connection().beginTransaction(sMsg)) << qPrintable(sMsg);
    ASSERT_TRUE(add(QStringLiteral("<Customer><cCusCode>C600</cCusCode><cCusName>T</cCusName>"
                                   "</Customer>")))
        << qPrintable(sMsg);
    EXPECT_FALSE(add(QStringLiteral("<Customer><cCusCode>C700</cCusCode><cCusName>T</cCusName>"
                                    "<cCDefine3>-1</cCDefine3></Customer>")));
    ASSERT_TRUE(backend->connection().commitTransaction(sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(customerCodes(), (QStringList{ QStringLiteral("C001"), QStringLiteral("C600") }))
        << "the failed write is undone alone, the earlier one stays in the transaction";

    ASSERT_TRUE(backend->connection().beginTransaction(sMsg)) << qPrintable(sMsg);
    ASSERT_TRUE(remove(QStringLiteral("C600"), QStringLiteral("cCusCode")));
    ASSERT_TRUE(backend->connection().rollbackTransaction(sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(customerCodes(), (QStringList{ QStringLiteral("C001"), QStringLiteral("C600") }));
}

// The writer's backend keeps the tables' columns between records; a column another session
// adds meanwhile (a new user-defined field) is written by the next record, not left out.
TEST_F(RecordXmlWriterTest, AColumnAddedBetweenTwoRecordsIsWrittenByTheSecond)
{
    ASSERT_TRUE(add(QStringLiteral("<Customer><cCusCode>C400</cCusCode><cCusName>Before</cCusName>"
                                   "<cCDefine9>early</cCDefine9></Customer>")))
        << qPrintable(sMsg);
    folder.runOnCompany(
        QStringLiteral("alter table Customer_extradefine add column cCDefine9 nvarchar(20)"));
    ASSERT_TRUE(add(QStringLiteral("<Customer><cCusCode>C401</cCusCode><cCusName>After</cCusName>"
                                   "<cCDefine9>late</cCDefine9></Customer>")))
        << qPrintable(sMsg);
    EXPECT_EQ(folder.column(QStringLiteral("select cCusCode || ':' || ifnull(cCDefine9, 'null') "
                                           "from Customer_extradefine where cCusCode like 'C40%' "
                                           "order by cCusCode")),
              (QStringList{ QStringLiteral("C400:null"), QStringLiteral("C401:late") }));
}
