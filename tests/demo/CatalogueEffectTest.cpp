#include "demo/DemoCompany.h"

#include "suite/data/DataService.h"
#include "suite/data/SqliteConnection.h"

#include "../suite/data/tsql/TsqlCatalogue.h"
#include "../suite/data/tsql/TsqlTestSupport.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// What the component's SQL texts do to a real company: each text goes through the data
// service as the component sends it, and its rows or changes are checked against plain SQLite
// reading the same files, or against values the demo generator wrote.
using namespace suite;
namespace cat = tsqlcatalogue;

namespace {

// The rights of the salesperson user "sales1" in the form the suite's rights object writes
// them; the demo gives that user a few customers of the north.
const QString kRights =
    QStringLiteral("(customer.cCusCode in (select Account_ID from customer_user where "
                   "User_ID='sales1') or customer.cCusPPerson is null)");
const QString kCustomerJoin =
    QStringLiteral(" from customer inner join Customer_extradefine on customer.cCusCode "
                   "=Customer_extradefine.cCusCode ");

// A value as the checks compare it: NULL spelt out, date-times to the second.
QString shown(const QVariant &value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    return value.toString();
}

// The rows, each as its cells joined by '|'.
QStringList lines(const RecordSet &rows)
{
    QStringList result;
    for (int row = 0; row < rows.RecordCount(); ++row) {
        QStringList cells;
        for (int field = 0; field < rows.FieldCount(); ++field)
            cells.append(shown(rows.valueAt(row, field)));
        result.append(cells.join(u'|'));
    }
    return result;
}

QStringList firstColumn(const RecordSet &rows)
{
    QStringList values;
    for (int row = 0; row < rows.RecordCount(); ++row)
        values.append(shown(rows.valueAt(row, 0)));
    return values;
}

// The lines whose first cell is a key of the map, replaced by the map's line.
QStringList replaced(QStringList rows, const QMap<QString, QString> &byKey)
{
    for (QString &row : rows) {
        const QString key = row.section(u'|', 0, 0);
        if (byKey.contains(key))
            row = byKey.value(key);
    }
    return rows;
}

// A text of the catalogue of the component's texts, by its name there.
QString catalogued(const char *name)
{
    for (const auto &[entry, text] : cat::catalogue()) {
        if (entry == QLatin1String(name))
            return text;
    }
    ADD_FAILURE() << "the catalogue has no text " << name;
    return {};
}

class CatalogueEffectTest : public ::testing::Test
{
protected:
    static constexpr int kCustomers = 300;

    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>();
        demo::DemoSettings settings;
        settings.customers = kCustomers;
        settings.seed = demo::DemoSettings::kDefaultSeed;
        if (!demo::DemoCompany::create(s_dir->path(), settings, {}, s_error))
            return;
        const QStringList files = demo::DemoCompany::paths(s_dir->path());
        auto plain = std::make_unique<SqliteConnection>();
        if (!plain->open(files[0], s_error, SqliteConnection::OpenMode::ReadOnly)
            || !plain->execute(QStringLiteral("attach database ? as kvsystem"), { files[1] },
                               s_error)
            || !plain->execute(QStringLiteral("attach database ? as KvMeta_001"), { files[2] },
                               s_error)) {
            return;
        }
        auto service = std::make_unique<ClsCommon>();
        service->Init(QStringLiteral("Provider=SQLite;Data Source=%1;Initial "
                                     "Catalog=KVDATA_001_2026")
                          .arg(files[0]));
        if (!service->Status()) {
            s_error = service->LastError();
            return;
        }
        s_plain = std::move(plain);
        s_service = std::move(service);
    }

    static void TearDownTestSuite()
    {
        s_service.reset();
        s_plain.reset();
        s_dir.reset();
    }

    // Every test works in a transaction that is rolled back, so each finds the company as
    // generated.
    void SetUp() override
    {
        ASSERT_TRUE(s_service) << qPrintable(s_error);
        ASSERT_TRUE(s_service->m_cnn().BeginTrans()) << qPrintable(s_service->LastError());
        m_inTransaction = true;
    }

    void TearDown() override
    {
        if (m_inTransaction) {
            EXPECT_TRUE(s_service->m_cnn().RollbackTrans()) << qPrintable(s_service->LastError());
        }
    }

    // The rows of a T-SQL text through the data service, inside the test's transaction.
    static RecordSet open(const QString &tsql)
    {
        const RecordSet rows = s_service->OpenX(tsql);
        EXPECT_TRUE(rows.IsOpen()) << qPrintable(tsql) << "\n"
                                   << qPrintable(s_service->LastError());
        return rows;
    }

    static bool run(const QString &tsql)
    {
        const bool ok = s_service->ExecuteX(tsql);
        EXPECT_TRUE(ok) << qPrintable(tsql) << "\n" << qPrintable(s_service->LastError());
        return ok;
    }

    // The rows of plain SQLite on the files: the company as it was before the test began.
    static RecordSet plain(const QString &sql)
    {
        QString sMsg;
        const RecordSet rows = s_plain->query(sql, {}, sMsg);
        EXPECT_TRUE(rows.IsOpen()) << qPrintable(sql) << "\n" << qPrintable(sMsg);
        return rows;
    }

    // Adds one row through the empty record set the component opens for that.
    static bool addRow(const QString &emptySelect, const QVariantMap &values)
    {
        RecordSet rows = open(emptySelect);
        QString sMsg;
        bool ok = rows.AddNew(sMsg);
        for (auto value = values.cbegin(); ok && value != values.cend(); ++value)
            ok = rows.SetValue(value.key(), value.value());
        ok = ok && rows.Update(sMsg);
        EXPECT_TRUE(ok) << qPrintable(emptySelect) << "\n" << qPrintable(sMsg);
        return ok;
    }

    static inline std::unique_ptr<QTemporaryDir> s_dir;
    static inline std::unique_ptr<SqliteConnection> s_plain;
    static inline std::unique_ptr<ClsCommon> s_service;
    static inline QString s_error;
    bool m_inTransaction = false;
};

} // namespace

// Session start, list, card and check texts: the rows that come back are those plain SQLite
// finds for what the text means (names compared without regard to case, as on SQL Server).
TEST_F(CatalogueEffectTest, SelectsReturnTheRowsTheyMean)
{
    const QString linked =
        firstColumn(plain("select cRelCustomer from Vendor where cRelCustomer is not null "
                          "order by cVenCode limit 1"))
            .value(0);
    ASSERT_FALSE(linked.isEmpty());
    // The card puts the extended fields, lower-cased, before "customer.*".
    const RecordSet extra = open(catalogued("extra fields"));
    QStringList extraNames;
    for (int field = 1; field < extra.FieldCount(); ++field)
        extraNames.append(extra.Fields().at(field).name.toLower());
    const QString extraFields = extraNames.join(u',') + u',';
    const QString extraColumns =
        QStringLiteral("e.") + extraNames.join(QStringLiteral(",e.")) + u',';

    struct Case
    {
        const char *name;
        QString tsql;
        QString sqlite;
        // The first row, when the demo fixes it.
        QString first;
    };
    const Case cases[] = {
        { "column dictionary",
          catalogued("column dictionary"),
          "select * from KvMeta_001.aa_columndic where cKey = 'customer'",
          {} },
        { "import column dictionary",
          catalogued("import column dictionary"),
          "select * from KvMeta_001.aa_columndic where cKey = 'Customer_import'",
          {} },
        { "account options",
          catalogued("account options"),
          "select * from AccInformation where cSysID in ('AA', 'ST')",
          {} },
        { "currency", catalogued("currency"),
          "select cCurName from kvsystem.ua_account where cAcc_Id = '001'", "人民币" },
        { "price grades", catalogued("price grades"),
          "select cPriceID, cDefaultName, cDefineName from sa_pricedef where bused = 1",
          "1|价格1|批发价" },
        { "user fields",
          catalogued("user fields"),
          "select * from userdef where cClass = '客户'",
          {} },
        { "gs option",
          "select top 1 * from accinformation where csysid='GS' and cname='bLicenceWarning'",
          "select * from AccInformation where cSysID = 'GS' and cName = 'bLicenceWarning'",
          {} },
        { "grade definition",
          catalogued("grade definition"),
          "select * from GradeDef where KeyWord = 'CustomerClass'",
          {} },
        { "class tree", catalogued("class tree"), "select * from CustomerClass order by cCCCode",
          "01|华北区客户|1|false" },
        { "rate decimals",
          catalogued("rate decimals"),
          "select * from AccInformation where cSysID = 'AA' and cName = 'iRateDecDgt'",
          {} },
        { "default management type",
          catalogued("default management type"),
          "select * from tc_type where obj_type = 1 and stop_flag = 0 and bdefault = 1",
          {} },
        { "card record",
          "select top 1 " + extraFields
              + "customer.* from customer  left join Customer_extradefine  on "
                "customer.cCusCode=Customer_extradefine.cCusCode where Customer.cCusCode='0000001' "
                "and "
              + kRights,
          "select " + extraColumns
              + "c.* from Customer c left join Customer_extradefine e on e.cCusCode = c.cCusCode "
                "where c.cCusCode = '0000001'",
          {} },
        { "card navigation",
          "select top 1 " + extraFields
              + "a.* from customer a left join Customer_extradefine b on a.cCusCode=b.cCusCode "
                "where a.cCuscode='0000300'",
          "select " + extraColumns
              + "c.* from Customer c left join Customer_extradefine e on e.cCusCode = c.cCusCode "
                "where c.cCusCode = '0000300'",
          {} },
        { "contact reference",
          "select * from Crm_Contact Left join Customer on Crm_contact.cCuscode=Customer.cCusCode "
          "LEFT JOIN Crm_BaseCode BaseCodeSex ON BaseCodeSex.ID = Crm_Contact.bcSexID LEFT JOIN "
          "Crm_BaseCode BaseCodeDuty ON BaseCodeDuty.ID = Crm_Contact.bcDutyID LEFT JOIN "
          "Crm_BaseCode BaseCodeMarriage ON BaseCodeMarriage.ID = Crm_Contact.bcMarriageID LEFT "
          "JOIN Crm_BaseCode BaseCodeTaste ON BaseCodeTaste.ID = Crm_Contact.bcTasteID  where "
          "Crm_contact.cCuscode='0000022'",
          "select * from Crm_Contact k left join Customer c on k.cCusCode = c.cCusCode left join "
          "Crm_BaseCode s on s.ID = k.bcSexID left join Crm_BaseCode d on d.ID = k.bcDutyID left "
          "join Crm_BaseCode m on m.ID = k.bcMarriageID left join Crm_BaseCode t on t.ID = "
          "k.bcTasteID where k.cCusCode = '0000022'",
          {} },
        { "person department", "select cDepCode from Person where cPersonCode='001'",
          "select cDepCode from Person where cPersonCode = '001'", "0201" },
        { "address guid",
          "select cCusAddressGUID  from Customer where cCusCode ='0000001'",
          "select cCusAddressGUID from Customer where cCusCode = '0000001'",
          {} },
        { "credit dependants",
          "select top 1 * from customer where cCusCreditCompany='0000132' and "
          "cCuscode<>'0000132'",
          "select * from Customer where cCusCreditCompany = '0000132' and cCusCode <> '0000132' "
          "limit 1",
          {} },
        { "dimension names", catalogued("dimension names"),
          "select iADTID, cADTName from AA_AuthDimenType order by iADTID", "0|部门" },
        { "area name", "select  top 1 vsimpleName from HR_CT007  where ccodeID ='3501'",
          "select vsimpleName from HR_CT007 where ccodeID = '3501'", "福州市" },
        { "dimension type",
          "select iADTID,cADTName,bEnabled from V_AA_AuthDimen_Type where bEnabled=1 and "
          "iADTID='1'",
          "select iADTID, cADTName, bEnabled from AA_AuthDimenType where iADTID = 1",
          "1|销售区域|true" },
        { "department name",
          "select top 1 cDepName as cADName from department where cDepCode='0201'",
          "select cDepName from Department where cDepCode = '0201'", "华北销售部" },
        { "dimension value",
          "select top 1 cADName  from  V_AA_AuthDimen_Sub where bEnabled=1 and iADTID='1'and "
          "cADCode='n'",
          "select cADName from AA_AuthDimenSub where iADTID = 1 and cADCode = 'N'", "北方区域" },
        { "credit company",
          "select top 1 * from customer where cCusCode='0000132'",
          "select * from Customer where cCusCode = '0000132'",
          {} },
        { "related vendor",
          "select cVenName,cDCCode,cVenTradeCCode,cVenLPerson,cVenAddress,cVenPostCode,cVenPerson,"
          "cVenPhone,cVenFax,cVenEmail,cVenHand from vendor where cVenCode='V001'",
          "select cVenName, cDCCode, cVenTradeCCode, cVenLPerson, cVenAddress, cVenPostCode, "
          "cVenPerson, cVenPhone, cVenFax, cVenEmail, cVenHand from Vendor where cVenCode = "
          "'V001'",
          {} },
        { "city codes",
          "select  top 1 ccodeID,isnull(cpCodeID,'') as cpCodeID  from HR_CT007  where "
          "vsimpleName  ='福州市'",
          "select ccodeID, cpCodeID from HR_CT007 where vsimpleName = '福州市'", "3501|35" },
        { "province codes",
          "select  top 1 ccodeID,isnull(cpCodeID,'') as cpCodeID  from HR_CT007  where "
          "vdescription  ='福建省'",
          "select ccodeID, '' from HR_CT007 where vdescription = '福建省'", "35|" },
        { "vendor link",
          "select top 1 cVenCode,cRelCustomer from vendor where cRelCustomer='" + linked + "'",
          "select cVenCode, cRelCustomer from Vendor where cRelCustomer = '" + linked + "'",
          {} },
        { "delivery addresses",
          "select cCusAddressGUID from CusDeliverAdd where cCusCode ='0000001'",
          "select cCusAddressGUID from CusDeliverAdd where cCusCode = '0000001'",
          {} },
        { "delivery address codes",
          "select  cAddCode ,cCusCode  from CusDeliverAdd  where cCusCode ='0000001' order by "
          "cAddCode desc ",
          "select cAddCode, cCusCode from CusDeliverAdd where cCusCode = '0000001' order by "
          "cAddCode desc",
          "0001|0000001" },
        { "import last change",
          catalogued("import last change"),
          "select max(dModifyDate) from customer_import",
          {} },
    };
    for (const Case &c : cases) {
        const QStringList expected = lines(plain(c.sqlite));
        EXPECT_FALSE(expected.isEmpty()) << c.name;
        EXPECT_EQ(lines(open(c.tsql)), expected) << c.name;
        if (!c.first.isEmpty()) {
            EXPECT_EQ(expected.value(0), c.first) << c.name;
        }
    }
}

// The texts whose empty answer decides something: a class that is no end class, a customer
// outside the user's rights, a disabled rights dimension, an option the account lacks.
TEST_F(CatalogueEffectTest, SelectsFindNothingWhereNothingMatches)
{
    const QString texts[] = {
        "select top 1  cCCCode from customerclass where bCCEnd=1 and cCCCode = '01'",
        "select top 1 ccdefine1,customer.* from customer  left join Customer_extradefine  on "
        "customer.cCusCode=Customer_extradefine.cCusCode where Customer.cCusCode='0000002' and "
            + kRights,
        "select iADTID,cADTName,bEnabled from V_AA_AuthDimen_Type where bEnabled=1 and iADTID='3'",
        "select top 1 * from accinformation where csysid='GS' and cname='bGSP'",
        "select top 1 * from customer where cCusCreditCompany='0000001' and cCuscode<>'0000001'",
        "select top 1 cVenCode,cRelCustomer from vendor where cRelCustomer='0000001'",
        "select top 1 Picture from AA_Picture where cGUID='6F9619FF-8B86-D011-B42D-00C04FC964FF'",
        "SELECT cBusObId,bDeptControl,bPersonControl,bAuthDim1Control,bAuthDim2Control, "
        "bAuthDim3Control,bAuthDim4Control,bCustDimControl FROM aa_busobject_base  WHERE "
        "bAuthDimControl=1 and iAuthType=0 AND bAuthControl=1 AND cBusObId='customer' AND "
        "langid= dbo.UDF_GetLocaleID() ",
    };
    for (const QString &text : texts) {
        const RecordSet rows = open(text);
        EXPECT_TRUE(rows.IsOpen() && rows.Eof()) << qPrintable(text);
    }
}

// Texts read without rows for their columns: the card and the merge window size their fields
// by the defined sizes, batch modification reads the types.
TEST_F(CatalogueEffectTest, EmptySelectsGiveTheColumnsWithTheirSizes)
{
    struct Column
    {
        const char *name;
        int definedSize;
        int type;
    };
    struct Case
    {
        const char *name;
        QString tsql;
        int fieldCount; // 0: not fixed
        std::vector<Column> columns;
    };
    const Case cases[] = {
        { "extra fields",
          catalogued("extra fields"),
          8,
          { { "cCusCode", 20, adVarWChar }, { "cCDefine7", 120, adVarWChar } } },
        { "list header",
          catalogued("list header"),
          30,
          { { "ccusname", 98, adVarWChar },
            { "cccname", 50, adVarWChar },
            { "cdepname", 255, adVarWChar },
            { "cpersonname", 40, adVarWChar },
            { "ccdefine1", 120, adVarWChar } } },
        { "card field lengths",
          catalogued("card field lengths"),
          0,
          { { "cCusName", 98, adVarWChar },
            { "cCusAbbName", 60, adVarWChar },
            { "cVenName", 98, adVarWChar },
            { "cWhName", 40, adVarWChar },
            { "cTradeCName", 50, adVarWChar } } },
        { "merge", catalogued("merge"), 2, { { "cCusName", 98, adVarWChar } } },
        { "batch modify fields",
          catalogued("batch modify fields"),
          0,
          { { "cCCName", 50, adVarWChar }, { "cSCName", 0, adVarWChar } } },
        { "batch modify types",
          catalogued("batch modify types"),
          0,
          { { "bCredit", 0, adBoolean },
            { "cdcname", 50, adVarWChar },
            { "cltccustomercode", 100, adVarWChar } } },
        { "delivery address insert",
          catalogued("delivery address insert"),
          9,
          { { "cAddCode", 30, adVarWChar }, { "bDefault", 0, adBoolean } } },
    };
    for (const Case &c : cases) {
        const RecordSet rows = open(c.tsql);
        EXPECT_TRUE(rows.IsOpen() && rows.RecordCount() == 0) << c.name;
        if (c.fieldCount > 0) {
            EXPECT_EQ(rows.FieldCount(), c.fieldCount) << c.name;
        }
        for (const Column &column : c.columns) {
            const int index = rows.FieldIndex(QLatin1String(column.name));
            ASSERT_GE(index, 0) << c.name << ": " << column.name;
            const Field field = rows.Fields().at(index);
            EXPECT_EQ(field.type, column.type) << c.name << ": " << column.name;
            if (column.definedSize > 0) {
                EXPECT_EQ(field.definedSize, column.definedSize) << c.name << ": " << column.name;
            }
        }
    }
    const QString guid = shown(open(catalogued("new guid")).Value(QStringLiteral("guid")));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}$"))
                    .match(guid)
                    .hasMatch())
        << qPrintable(guid);
    EXPECT_NE(shown(open(catalogued("new guid")).Value(0)), guid);
}

// The list's page statement: the user's customers of the chosen class, without those already
// transferred, with the names its joins bring; read whole and a page at a time.
TEST_F(CatalogueEffectTest, ListPageShowsTheClassCustomersWithTheirNames)
{
    ASSERT_TRUE(run("update Customer set bTransFlag=1 where cCusCode='0000019'"));
    const QString statement = cat::listPageStatement(kRights);
    const QStringList expected = lines(plain(
        "select c.cCusCode, k.cCCName, d.cDepName, p.cPersonName, t.type_name, i.cCusName, "
        "h.cCusName, a.cACName, e.cCDefine1 from Customer c left join CustomerClass k on "
        "k.cCCCode = c.cCCCode left join Department d on d.cDepCode = c.cCusDepart left join "
        "Person p on p.cPersonCode = c.cCusPPerson left join tc_type t on t.type_code = "
        "c.cCusMngTypeCode and t.obj_type = 1 left join Customer i on i.cCusCode = "
        "c.cInvoiceCompany left join Customer h on h.cCusCode = c.cCusHeadCode left join "
        "AA_AuthClass a on c.iId = cast(a.id as text) left join Customer_extradefine e on "
        "e.cCusCode = c.cCusCode where c.cCCCode like '01%' and c.cCusCode in (select Account_ID "
        "from customer_user where User_ID = 'sales1') and c.cCusCode <> '0000019' order by "
        "c.cCusCode"));
    ASSERT_GE(expected.size(), 5);
    ASSERT_LT(expected.size(), 15) << "the class narrows the user's customers";

    const RecordSet page = open(statement);
    EXPECT_EQ(page.FieldCount(), 30);
    const auto shownColumns = [](const RecordSet &rows) {
        QStringList result;
        for (int row = 0; row < rows.RecordCount(); ++row) {
            QStringList cells;
            for (const char *name : { "ccuscode", "cccname", "cdepname", "cpersonname", "type_name",
                                      "cinvoicename", "ccusheadname", "cacname", "ccdefine1" })
                cells.append(shown(rows.valueAt(row, rows.FieldIndex(QLatin1String(name)))));
            result.append(cells.join(u'|'));
        }
        return result;
    };
    EXPECT_EQ(shownColumns(page), expected);

    int pageSize = 3;
    int currentPage = 2;
    int pageCount = 0;
    RecordSet second;
    QString sMsg;
    bool read = false;
    ASSERT_TRUE(
        s_service->OpenPage(statement, pageSize, currentPage, pageCount, second, sMsg, read))
        << qPrintable(sMsg);
    EXPECT_TRUE(read);
    EXPECT_EQ(pageCount, (expected.size() + 2) / 3);
    EXPECT_EQ(shownColumns(second), expected.mid(3, 3));
}

// The trade query's code table: dropped when it exists, created, filled through its empty
// record set, and then names exactly the ticked customers.
TEST_F(CatalogueEffectTest, TradeQueryCodeTableHoldsTheTickedCodes)
{
    const auto fill = [](const QStringList &codes) {
        if (!run(cat::codeTableDrop()) || !run(cat::codeTableCreate()))
            return false;
        for (const QString &code : codes) {
            if (!addRow(cat::codeTableOpen(), { { QStringLiteral("cCusCode"), code } }))
                return false;
        }
        return true;
    };
    EXPECT_FALSE(s_service->OpenX(cat::codeTableOpen()).IsOpen())
        << "no code table before the first fill";

    ASSERT_TRUE(fill({ "0000150", "0000003", "0000300" }));
    EXPECT_EQ(firstColumn(open(cat::codeTableCustomers() + " order by cCusCode")),
              QStringList({ "0000003", "0000150", "0000300" }));
    const Field code = open(cat::codeTableOpen()).Fields().value(0);
    EXPECT_EQ(code.name, "cCusCode");
    EXPECT_EQ(code.definedSize, 40);

    ASSERT_TRUE(fill({ "0000042" }));
    EXPECT_EQ(firstColumn(open(cat::codeTableCustomers())), QStringList({ "0000042" }));
}

// The card's own reads and writes: the duplicate-name check with a quote in the name, the copy
// of the credit terms to the customers a credit company vouches for, the rights rows, the
// rights dimensions of the session's language and the picture.
TEST_F(CatalogueEffectTest, CardTextsReadAndWriteTheirCustomers)
{
    ASSERT_TRUE(run("update Customer set cCusName='O''Brien 贸易有限公司', cCusAbbName='O''Brien' "
                    "where cCusCode='0000002'"));
    const auto duplicate = [](const QString &name, const QString &abbreviation,
                              const QString &code) {
        return lines(open("select top 1 cCusName,cCusAbbName from customer where (cCusName='" + name
                          + "' or cCusAbbName='" + abbreviation + "')  and cCuscode<>'" + code
                          + "'"));
    };
    const QStringList found = { "O'Brien 贸易有限公司|O'Brien" };
    EXPECT_EQ(duplicate("O''Brien 贸易有限公司", "甲", "0000001"), found);
    EXPECT_EQ(duplicate("乙", "o''brien", "0000001"), found) << "names compare without case";
    EXPECT_TRUE(duplicate("O''Brien 贸易有限公司", "O''Brien", "0000002").isEmpty());

    const QString terms = "select cCusCode, bCredit, bCreditDate, cCusSAProtocol, "
                          "cCusExProtocol, iCusCreLine, iCusCreDate from Customer order by "
                          "cCusCode";
    const QStringList before = lines(plain(terms));
    ASSERT_TRUE(run("Update Customer Set bCredit=1,bCreditDate=1,cCusSAProtocol='XS001',"
                    "cCusExProtocol='',cCusCMProtocol='',cCusOtherProtocol='',"
                    "cCusImAgentProtocol='',iCusCreLine=5000,iCusCreDate=45 where "
                    "cCusCreditCompany='0000132' and cCuscode<>'0000132'"));
    EXPECT_EQ(s_service->LastRowsChanged(), 3);
    const QString copied = "|true|true|XS001||5000|45";
    EXPECT_EQ(lines(open(terms)),
              replaced(before,
                       { { "0000133", "0000133" + copied },
                         { "0000134", "0000134" + copied },
                         { "0000135", "0000135" + copied } }));

    ASSERT_TRUE(run("insert into customer_auth (Account_ID, Privilege_Type, Privilege_ID) values "
                    "('0000001', 1, 'N'), ('0000001', 2, 'EL'), ('0000001', 0, '0201'), "
                    "('0000002', 1, 'S'), ('0000002', 0, '0202')"));
    QStringList privileges = lines(open(
        "select s.iADTID,t.cADTName,s.cADCode,s.cADName from customer_auth c  left join "
        "V_AA_AuthDimen_Sub s on c.Privilege_ID=s.cADCode and c.Privilege_Type=s.iADTID inner "
        "join V_AA_AuthDimen_Type t on c.Privilege_Type=t.iADTID   where c.Privilege_Type <> 0 "
        "and c.Account_ID=N'0000001' union select '0','部门',cDepCode,cDepName  from Department "
        "where  cDepCode in (select Privilege_ID from customer_auth where Privilege_Type=0 and "
        "Account_ID='0000001')"));
    privileges.sort();
    EXPECT_EQ(privileges,
              QStringList(
                  { "0|部门|0201|华北销售部", "1|销售区域|N|北方区域", "2|产品线|EL|电子产品线" }));

    ASSERT_TRUE(run("update aa_busobject_base set bAuthControl=1, bAuthDimControl=1 where "
                    "cBusObId='customer'"));
    EXPECT_EQ(lines(open("SELECT cBusObId,bDeptControl,bPersonControl,bAuthDim1Control,"
                         "bAuthDim2Control, bAuthDim3Control,bAuthDim4Control,bCustDimControl "
                         "FROM aa_busobject_base  WHERE bAuthDimControl=1 and iAuthType=0 AND "
                         "bAuthControl=1 AND cBusObId='customer' AND langid= "
                         "dbo.UDF_GetLocaleID() ")),
              QStringList({ "customer|true|false|true|false|false|false|false" }))
        << "one row, of the session's language";

    const QString picture = "6F9619FF-8B86-D011-B42D-00C04FC964FF";
    const QByteArray png("\x89PNG\r\n\x1a\n", 8);
    ASSERT_TRUE(addRow("select top 0 * from AA_Picture",
                       { { "cGUID", picture }, { "Picture", png }, { "cPictureType", "png" } }));
    ASSERT_TRUE(run("update Customer set PictureGUID='" + picture + "' where cCusCode='0000001'"));
    const RecordSet card = open("select Picture, cpicturetype from customer inner join "
                                "AA_Picture on customer.PictureGUID=AA_Picture.cGUID where "
                                "cCusCode='0000001'");
    ASSERT_EQ(card.RecordCount(), 1);
    EXPECT_EQ(card.Value(0).toByteArray(), png);
    EXPECT_EQ(card.Value(1).toString(), "png");
    EXPECT_EQ(open("select top 1 Picture from AA_Picture where cGUID='" + picture.toLower() + "'")
                  .Value(0)
                  .toByteArray(),
              png)
        << "GUIDs compare without case";
}

// Each form of the batch modification statement changes the named columns of exactly the
// customers that the condition and the write rights select (found here by plain SQLite), and
// stamps them with the user and the time; every other customer stays as it was. The count and
// the target list the window reads first name the same customers.
TEST_F(CatalogueEffectTest, BatchModifyChangesExactlyItsTargets)
{
    const auto modify = [](const QString &assignment, const QString &condition) {
        return cat::batchModifyHead() + assignment + cat::batchModifyJoin(condition, kRights);
    };
    struct Case
    {
        const char *name;
        QString prepare = {};
        QString condition;
        // The condition for plain SQLite on the company as generated, when it differs.
        QString plainCondition = {};
        QString statement;
        // Column and the value written, or "=column" for the value that column held before.
        std::vector<std::pair<QString, QString>> writes;
    };
    const QString all = QStringLiteral("(1=1)");
    const QString devDate = "(1=1)and ((dEndDate is null )or(dEndDate>='2026-10-08'))";
    const QString developed = "(1=1)and (dCusDevDate<='2015-12-31')";
    const QString licence = "(1=1)and (dLicenceSDate is null or (dLicenceSDate<='2026-03-01'))";
    const QString branch = "(1=1) and bHomeBranch=1";
    const QString domestic = "(1=1) and bCusDomestic=1";
    const QString credited = "(1=1) and bCredit=1 ";
    const QString shop = "(1=1) and isnull(cCusDepart,'')<>'' and isnull(cCusWhCode,'')<>''";
    const QString northern = "(1=1) and customer.cCCCode like '0101%'";
    const Case cases[] = {
        { .name = "an emptied name takes the abbreviation",
          .condition = all,
          .statement = modify("cCusName=cCusAbbName", all),
          .writes = { { "cCusName", "=cCusAbbName" } } },
        { .name = "an emptied credit company becomes the customer itself",
          .prepare = "update Customer set cCusCreditCompany='0000132' where cCusCode in "
                     "('0000001','0000019','0000133')",
          .condition = all,
          .statement = modify("Customer.cCusCreditCompany=customer.cCusCode", all),
          .writes = { { "cCusCreditCompany", "=customer.cCusCode" } } },
        { .name = "an extended field, then the modifier, in two statements",
          .condition = all,
          .statement = cat::batchModifyUserField("Customer_extradefine.cCDefine1='O''Brien 红'",
                                                 all, kRights),
          .writes = { { "Customer_extradefine.cCDefine1", "O'Brien 红" } } },
        { .name = "the trade code writes the trade name and the rights id",
          .condition = all,
          .statement = modify("cCusTradeCCode='0201' ,iid=3 ,cTrade=(select top 1 cTradecName "
                              "from TradeClass where cTradeCCode='0201')",
                              all),
          .writes = { { "cCusTradeCCode", "0201" }, { "iId", "3" }, { "cTrade", "批发业" } } },
        { .name = "a class with its rights id",
          .condition = northern,
          .statement = modify("cCCCode='0103' ,iid=4 ", northern),
          .writes = { { "cCCCode", "0103" }, { "iId", "4" } } },
        { .name = "a development date spares customers that ended before it",
          .condition = devDate,
          .statement = modify("dCusDevDate='2026-10-08'", devDate),
          .writes = { { "dCusDevDate", "2026-10-08 00:00:00" } } },
        { .name = "an end date only for customers developed by then",
          .condition = developed,
          .statement = modify("dEndDate='2015-12-31'", developed),
          .writes = { { "dEndDate", "2015-12-31 00:00:00" } } },
        { .name = "a licence end date only after its start",
          .prepare = "update Customer set dLicenceSDate='2026-05-01' where cCusCode='0000001'",
          .condition = licence,
          .plainCondition = "customer.cCusCode<>'0000001'",
          .statement = modify("dLicenceEDate='2026-03-01'", licence),
          .writes = { { "dLicenceEDate", "2026-03-01 00:00:00" } } },
        { .name = "branch details only for head offices",
          .prepare = "update Customer set bHomeBranch=1 where cCusCode in "
                     "('0000001','0000022','0000002')",
          .condition = branch,
          .plainCondition = "customer.cCusCode in ('0000001','0000022','0000002')",
          .statement = modify("cBranchAddr='O''Brien 分部'", branch),
          .writes = { { "cBranchAddr", "O'Brien 分部" } } },
        { .name = "no longer domestic only where it was",
          .condition = domestic,
          .statement = modify("bCusDomestic='0'", domestic),
          .writes = { { "bCusDomestic", "false" } } },
        { .name = "credit by head office only for customers with credit",
          .condition = credited,
          .statement = modify("bCreditByHead='1'", credited),
          .writes = { { "bCreditByHead", "true" } } },
        { .name = "a shop needs a department and a warehouse",
          .prepare = "update Customer set cCusWhCode=NULL where cCusCode='0000019'",
          .condition = shop,
          .plainCondition = "customer.cCusCode<>'0000019'",
          .statement = modify("bShop='1'", shop),
          .writes = { { "bShop", "1" } } },
        { .name = "an empty value clears the field",
          .condition = all,
          .statement = modify("cCusDefine1=NULL", all),
          .writes = { { "cCusDefine1", "NULL" } } },
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(s_service->m_cnn().RollbackTrans() && s_service->m_cnn().BeginTrans());
        ASSERT_TRUE(c.prepare.isEmpty() || run(c.prepare)) << c.name;
        const QString where = "where " + c.condition + " and " + kRights;
        const QStringList targets =
            firstColumn(plain("select customer.cCusCode" + kCustomerJoin + "where "
                              + (c.plainCondition.isEmpty() ? c.condition : c.plainCondition)
                              + " and " + kRights + " order by customer.cCusCode"));
        ASSERT_GE(targets.size(), 2) << c.name;
        ASSERT_LT(targets.size(), 40) << c.name;
        EXPECT_EQ(shown(open("select Num=count(*)" + kCustomerJoin + where).Value("Num")),
                  QString::number(targets.size()))
            << c.name;
        EXPECT_EQ(
            firstColumn(open("select customer.cCusCode,*" + kCustomerJoin + where + " order by 1")),
            targets)
            << c.name;

        // Read: code, modifier, modify date, the written columns, the columns copied from.
        QStringList columns = { "customer.cCusCode", "customer.cModifyPerson",
                                "customer.dModifyDate" };
        for (const auto &write : c.writes)
            columns.append(write.first);
        for (const auto &write : c.writes) {
            if (write.second.startsWith(u'='))
                columns.append(write.second.mid(1));
        }
        const QString read = "select " + columns.join(u',') + kCustomerJoin + "order by 1";
        const int written = 3 + int(c.writes.size());
        const RecordSet before = open(read);
        const QDateTime start = QDateTime::currentDateTime().addSecs(-1);
        ASSERT_TRUE(run(c.statement)) << c.name;
        const QDateTime end = QDateTime::currentDateTime().addSecs(1);
        const RecordSet after = open(read);
        ASSERT_EQ(after.RecordCount(), kCustomers);
        for (int row = 0; row < after.RecordCount(); ++row) {
            const QString code = shown(after.valueAt(row, 0));
            if (!targets.contains(code)) {
                for (int field = 1; field < written; ++field) {
                    EXPECT_EQ(shown(after.valueAt(row, field)), shown(before.valueAt(row, field)))
                        << c.name << ": " << qPrintable(code) << " is no target";
                }
                continue;
            }
            EXPECT_EQ(shown(after.valueAt(row, 1)), "demo") << c.name;
            const QDateTime stamp = after.valueAt(row, 2).toDateTime();
            EXPECT_TRUE(stamp >= start && stamp <= end) << c.name << ": " << qPrintable(code);
            for (int field = 3; field < written; ++field) {
                const QString &value = c.writes.at(field - 3).second;
                const QString expected = value.startsWith(u'=')
                    ? shown(before.valueAt(row, columns.indexOf(value.mid(1))))
                    : value;
                EXPECT_EQ(shown(after.valueAt(row, field)), expected)
                    << c.name << ": " << qPrintable(code);
            }
        }
    }
}

// The value checks of batch modification find a valid value and nothing for a value the field
// must not take (no end class, stopped, outside the rights, unknown).
TEST_F(CatalogueEffectTest, BatchModifyValueChecksTellValidFromInvalid)
{
    struct Case
    {
        QString head; // the value goes after it
        QString tail; // "'" and the rights clause that follow the value
        const char *valid;
        const char *invalid;
    };
    const Case cases[] = {
        { "select top 1  cCCCode from customerclass where bCCEnd=1 and cCCCode = '", "'", "0101",
          "01" },
        { "select top 1 cDCCode from DistrictClass where cDCCode = '", "'", "0301", "99" },
        { "select top 1 cCusHeadCode from customer where cCusCode='", "' and " + kRights, "0000019",
          "0000002" },
        { "select top 1 cSCCode from shippingchoice where cSCCode='", "'", "04", "07" },
        { "select top 1 CWhCode from warehouse where CWhCode='", "' and cWhCode in ('01','02')",
          "02", "03" },
        { "select top 1 type_code from tc_type where stop_flag=0 and obj_type=1 and type_code='",
          "'", "02", "05" },
        { "select top 1 cPayCode from PayCondition where cPayCode='", "'", "05", "08" },
        { "select top 1 cDepCode from Department where bDepEnd=1 and cDepCode='",
          "' and cDepCode in ('0201','02')", "0201", "02" },
        { "select top 1 CPersonCode from Person where CPersonCode='",
          "' and cPersonCode in ('001','002')", "002", "003" },
    };
    for (const Case &c : cases) {
        EXPECT_EQ(open(c.head + c.valid + c.tail).RecordCount(), 1) << qPrintable(c.head);
        EXPECT_EQ(open(c.head + c.invalid + c.tail).RecordCount(), 0) << qPrintable(c.head);
    }
}

// The follow-up work of a batch change of the address and of the mobile phone: the delivery
// address rows of the customer's address GUID, a new GUID for a customer without one, the
// next address code, and the contact's mobile number.
TEST_F(CatalogueEffectTest, AddressAndContactFollowUpsTouchOnlyTheirRows)
{
    const QString guid = firstColumn(plain("select cCusAddressGUID from Customer where cCusCode = "
                                           "'0000001'"))
                             .value(0);
    ASSERT_EQ(firstColumn(open("select cCusAddressGUID from CusDeliverAdd where cCusCode "
                               "='0000001'")),
              QStringList({ guid }));
    const auto address = [](const QString &code, const QString &text, const QString &addressGuid,
                            bool isDefault) {
        return addRow(catalogued("delivery address insert"),
                      { { "cCusCode", "0000001" },
                        { "cAddCode", code },
                        { "cDeliverAdd", text },
                        { "cCusAddressGUID", addressGuid },
                        { "bDefault", isDefault } });
    };
    ASSERT_TRUE(address("0009", "仓库甲", "3F2504E0-4F89-11D3-9A0C-0305E82C3301", false));
    ASSERT_TRUE(address("0010", "仓库乙", "3F2504E0-4F89-11D3-9A0C-0305E82C3302", false));
    EXPECT_EQ(lines(open("select  cAddCode ,cCusCode  from CusDeliverAdd  where cCusCode "
                         "='0000001' order by cAddCode desc ")),
              QStringList({ "0010|0000001", "0009|0000001", "0001|0000001" }));

    const QString addresses = "select AutoID, cCusCode, cAddCode, cDeliverAdd, bDefault from "
                              "CusDeliverAdd order by AutoID";
    const QStringList before = lines(open(addresses));
    ASSERT_TRUE(run("update CusDeliverAdd set cDeliverAdd='O''Brien 路 8号'   where cCusCode "
                    "='0000001' and cCusAddressGUID ='"
                    + guid.toLower() + "'"));
    EXPECT_EQ(s_service->LastRowsChanged(), 1);
    const QStringList updated = lines(open(addresses));
    const int changed =
        before.indexOf(QRegularExpression(QStringLiteral("^\\d+\\|0000001\\|0001\\|.*")));
    ASSERT_GE(changed, 0);
    QStringList expected = before;
    expected[changed] = before[changed].section(u'|', 0, 2) + "|O'Brien 路 8号|true";
    EXPECT_EQ(updated, expected);

    ASSERT_TRUE(run("delete from CusDeliverAdd  where cCusAddressGUID='" + guid + "'"));
    expected.removeAt(changed);
    EXPECT_EQ(lines(open(addresses)), expected);

    ASSERT_TRUE(run("update Customer set cCusAddressGUID=NULL where cCusCode='0000002'"));
    const QString fresh = shown(open(catalogued("new guid")).Value(QStringLiteral("guid")));
    const QString guids = "select cCusCode, cCusAddressGUID from Customer order by cCusCode";
    const QStringList guidsBefore = lines(open(guids));
    ASSERT_TRUE(
        run("update Customer  set cCusAddressGUID='" + fresh + "' where cCusCode='0000002'"));
    EXPECT_EQ(lines(open(guids)), replaced(guidsBefore, { { "0000002", "0000002|" + fresh } }));

    const QString contact =
        firstColumn(plain("select cCusContactCode from Customer where cCusCode = '0000022'"))
            .value(0);
    ASSERT_FALSE(contact.isEmpty());
    const QString phones = "select OID, cMobilePhone from Crm_Contact order by OID";
    const QStringList phonesBefore = lines(plain(phones));
    ASSERT_TRUE(
        run("update crm_contact set cMobilePhone='13800000000' where OID ='" + contact + "'"));
    EXPECT_EQ(lines(open(phones)),
              replaced(phonesBefore, { { contact, contact + "|13800000000" } }));
}

// The rights script of a salesperson change: when the new salesperson is a user, the old
// salesperson's user loses the customer and its contact, the new one gains both, and the
// contact's principal becomes the new salesperson; otherwise nothing changes.
TEST_F(CatalogueEffectTest, SalespersonScriptMovesTheUserRights)
{
    struct Case
    {
        const char *name;
        const char *customer;
        const char *newPerson;
        bool withContact;
        QStringList users;
        QStringList contactUsers;
        QString principal;
    };
    const Case cases[] = {
        { "to a salesperson who is a user",
          "0000022",
          "022",
          true,
          { "demo|true" },
          { "demo|true" },
          "022" },
        { "to a salesperson who is no user",
          "0000037",
          "002",
          true,
          { "sales1|true" },
          { "sales1|false" },
          "001" },
        { "of a customer without contact", "0000001", "022", false, { "demo|true" }, {}, {} },
    };
    ASSERT_TRUE(run("insert into crm_contact_User (Contact_Id, User_ID, Is_Self) select "
                    "k.cContactCode, 'sales1', 0 from Crm_Contact k join Customer c on c.cCusCode "
                    "= k.cCusCode and c.cCusContactCode = k.OID where c.cCusCode in "
                    "('0000022','0000037')"));
    const QString others = "select Account_ID, User_ID from customer_user where Account_ID not "
                           "in ('0000022','0000037','0000001') order by 1, 2";
    const QStringList otherUsers = lines(plain(others));
    for (const Case &c : cases) {
        const QString contact = c.withContact
            ? firstColumn(open(QStringLiteral("select cCusContactCode from Customer where "
                                              "cCusCode='%1'")
                                   .arg(QLatin1String(c.customer))))
                  .value(0)
            : QString();
        const QString contactCode =
            firstColumn(open("select cContactCode from Crm_Contact where OID='" + contact + "'"))
                .value(0);
        ASSERT_EQ(contactCode.isEmpty(), !c.withContact) << c.name;
        ASSERT_TRUE(run(cat::salespersonScript("001", c.newPerson, c.customer, contact))) << c.name;
        EXPECT_EQ(lines(open(QStringLiteral("select User_ID, Is_Self from customer_user where "
                                            "Account_ID='%1' order by 1")
                                 .arg(QLatin1String(c.customer)))),
                  c.users)
            << c.name;
        if (!c.withContact)
            continue;
        EXPECT_EQ(lines(open("select User_ID, Is_Self from crm_contact_User where Contact_Id='"
                             + contactCode + "' order by 1")),
                  c.contactUsers)
            << c.name;
        EXPECT_EQ(
            shown(open("select cPrincipal from Crm_Contact where OID='" + contact + "'").Value(0)),
            c.principal)
            << c.name;
    }
    EXPECT_EQ(lines(open(others)), otherUsers);
    EXPECT_EQ(shown(open("select count(*) from crm_contact_User").Value(0)), "2");
}

// The two procedures recompute what they claim: every balance and last sale or receipt from
// the receivables ledger, every credit sum from the balances of the customers a credit company
// vouches for; the generator computed the same figures on its own when it wrote the company.
TEST_F(CatalogueEffectTest, ProceduresRecomputeFromTheLedger)
{
    const QString balances = "select cCusCode, iARMoney, dLastDate, iLastMoney, dLRDate, iLRMoney "
                             "from Customer order by cCusCode";
    const QStringList generated = lines(plain(balances));
    ASSERT_TRUE(run("update Customer set iARMoney=0, dLastDate=NULL, iLastMoney=NULL, "
                    "dLRDate=NULL, iLRMoney=NULL"));
    for (const QString &code : firstColumn(plain("select cCusCode from Customer"))) {
        QVariant result;
        ASSERT_TRUE(s_service->ExecPROCNew("TCPro_UpCustomerArBalance", { code }, result, 0))
            << qPrintable(s_service->LastError());
    }
    EXPECT_EQ(lines(open(balances)), generated);

    const QString sums = "select cCusCode, fCreditLine, fUsed, fAvailable from SA_CusCreditSum "
                         "order by cCusCode";
    const QStringList generatedSums = lines(plain(sums));
    ASSERT_TRUE(run("delete from SA_CusCreditSum"));
    for (const QString &company :
         firstColumn(plain("select distinct cCusCreditCompany from Customer where bCredit = 1"))) {
        ASSERT_TRUE(run("SA_UpdateCusCreditSum '" + company + "'"));
    }
    EXPECT_EQ(lines(open(sums)), generatedSums);

    // A receipt of a customer under a credit company lowers its balance and the credit used.
    const RecordSet group = open("select top 1 cCusCode, cCusCreditCompany, iARMoney from "
                                 "Customer where cCusCreditCompany<>cCusCode and iARMoney>2000");
    ASSERT_EQ(group.RecordCount(), 1);
    const QString member = group.Value(0).toString();
    const QString company = group.Value(1).toString();
    const double used = open("select fUsed from SA_CusCreditSum where cCusCode='" + company + "'")
                            .Value(0)
                            .toDouble();
    ASSERT_TRUE(run("insert into Ar_Detail (cDwCode, dVouchDate, cVouchType, cVouchID, iDAmount, "
                    "iCAmount) values ('"
                    + member + "', '2026-12-01', '48', 'SK990001', 0, 1000.5)"));
    QVariant balance;
    ASSERT_TRUE(s_service->ExecPROCNew("TCPro_UpCustomerArBalance", { member }, balance, 0));
    const RecordSet written = balance.value<RecordSet>();
    EXPECT_DOUBLE_EQ(written.Value("iARMoney").toDouble(), group.Value(2).toDouble() - 1000.5);
    EXPECT_EQ(shown(written.Value("dLRDate")), "2026-12-01 00:00:00");
    EXPECT_DOUBLE_EQ(written.Value("iLRMoney").toDouble(), 1000.5);
    QVariant credit;
    ASSERT_TRUE(s_service->ExecPROCNew("SA_UpdateCusCreditSum", { company }, credit, 0));
    const RecordSet sum = credit.value<RecordSet>();
    EXPECT_DOUBLE_EQ(sum.Value("fUsed").toDouble(), used - 1000.5);
    EXPECT_DOUBLE_EQ(sum.Value("fAvailable").toDouble(),
                     sum.Value("fCreditLine").toDouble() - sum.Value("fUsed").toDouble());
}

// The transfer's texts on the staging table: the selection marks exactly the ticked rows, a
// transferred row gets its archive code and loses its message, an error message is kept as
// written; the list leaves transferred rows out; the last change falls back to 1900-01-01.
TEST_F(CatalogueEffectTest, ImportStagingTextsMarkListAndDate)
{
    ASSERT_TRUE(
        run("update customer_import set cSelCol='Y', cErrorMsg='旧' where AutoID in (4, 7)"));
    ASSERT_TRUE(run("update customer_import set cSelCol=''\r\nupdate customer_import set "
                    "cSelCol='Y' where autoid in (3,5,-1)"));
    EXPECT_EQ(firstColumn(open(catalogued("import selected rows") + " order by AutoID")),
              QStringList({ "3", "5" }));
    EXPECT_EQ(shown(open("select count(*) from customer_import where cSelCol=''").Value(0)),
              QString::number(firstColumn(plain("select AutoID from customer_import")).size() - 2));

    ASSERT_TRUE(run("update customer_import set cErrorMsg='' , cCusCode='0000301' where AutoID=4"));
    ASSERT_TRUE(run("update customer_import set cErrorMsg='O''Brien: 编码重复' where AutoID=5"));
    EXPECT_EQ(lines(open("select AutoID, cCusCode, cErrorMsg from customer_import where AutoID in "
                         "(4, 5, 7) order by AutoID")),
              QStringList({ "4|0000301|", "5|NULL|O'Brien: 编码重复", "7|NULL|旧" }));

    ASSERT_TRUE(run("update customer_import set bTransFlag=1 where AutoID=2"));
    ASSERT_TRUE(run("update customer_import set cCCCode='0101' where AutoID=1"));
    const RecordSet list = open(catalogued("import list page"));
    QStringList listed;
    for (int row = 0; row < list.RecordCount(); ++row)
        listed.append(shown(list.valueAt(row, 1)) + u'|' + shown(list.valueAt(row, 2)));
    // The demo stages its rows with a class; the row moved to 0101 shows that class's name
    // (plain reads the company as it was before the move).
    QStringList expected =
        lines(plain("select i.cCusName, case i.AutoID when 1 then '北京客户' else "
                    "ifnull(c.cCCName, 'NULL') end from customer_import i left join "
                    "CustomerClass c on c.cCCCode = i.cCCCode where i.AutoID <> 2"));
    EXPECT_EQ(shown(plain("select cCCName from CustomerClass where cCCCode='0101'").Value(0)),
              "北京客户");
    listed.sort();
    expected.sort();
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(shown(list.valueAt(0, 0)), "NULL") << "rows without a code come first";

    const QString lastChange = catalogued("import last change");
    EXPECT_EQ(shown(open(lastChange).Value(0)),
              shown(plain("select max(dModifyDate) from customer_import").Value(0)));
    ASSERT_TRUE(run("delete from customer_import"));
    EXPECT_EQ(shown(open(lastChange).Value(0)), "1900-01-01");
}

// A download: the temporary table is created, or emptied when it exists; each page lands in
// it by plain inserts; the merge adds the new source records and updates the known one, and
// leaves every other staging row alone.
TEST_F(CatalogueEffectTest, ImportDownloadMergesTheLandedPages)
{
    const auto landed = [](const QString &values) {
        return "insert into #customer_import (iSourceId,iSourceType,cLocationSite,cCusName,"
               "cCusAbbName,cCusPhone,cModifyPerson,dModifyDate)values("
            + values + ")";
    };
    const QString temporary = "select count(*) from #customer_import";
    ASSERT_TRUE(run(cat::importTempTable()));
    ASSERT_TRUE(run(landed("'1',8,'','甲','甲','1','007','2026-01-01 00:00:00'")));
    EXPECT_EQ(shown(open(temporary).Value(0)), "1");
    ASSERT_TRUE(run(cat::importTempTable()));
    EXPECT_EQ(shown(open(temporary).Value(0)), "0");

    ASSERT_TRUE(run(landed("'880001',8,'26.07,119.30','O''Brien 福州贸易有限公司','O''Brien "
                           "福州贸易','0591-88886666','011','2026-12-05 09:30:00'")));
    ASSERT_TRUE(run(landed("'990001',8,'24.48,118.09','厦门新客户有限公司','厦门新客户',"
                           "'0592-1234567','012','2026-12-04 08:00:00'")));
    const QString staging = "select AutoID, iSourceId, iSourceType, cCusName, cCusAbbName, "
                            "cCusPhone, cModifyPerson, dModifyDate, cCusMngTypeCode, "
                            "cLocationSite from customer_import order by AutoID";
    QStringList expected = lines(plain(staging));
    const int known =
        expected.indexOf(QRegularExpression(QStringLiteral("^\\d+\\|880001\\|8\\|.*")));
    ASSERT_GE(known, 0);
    const QString id = expected[known].section(u'|', 0, 0);
    // The landed pages hold no management type, which the merge writes all the same; their
    // location it does not carry at all.
    expected[known] = id
        + "|880001|8|O'Brien 福州贸易有限公司|O'Brien 福州贸易|0591-88886666|011|2026-12-05 "
          "09:30:00|NULL|"
        + expected[known].section(u'|', -1);
    expected.append(QString::number(expected.size() + 1)
                    + "|990001|8|厦门新客户有限公司|厦门新客户|0592-1234567|012|2026-12-04 "
                      "08:00:00|NULL|NULL");

    ASSERT_TRUE(run(cat::importMergeInsert()));
    EXPECT_EQ(s_service->LastRowsChanged(), 1);
    ASSERT_TRUE(run(cat::importMergeUpdate()));
    EXPECT_EQ(s_service->LastRowsChanged(), 2) << "the row just added is known by now";
    EXPECT_EQ(lines(open(staging)), expected);
    EXPECT_EQ(shown(open(catalogued("import last change")).Value(0)), "2026-12-05 09:30:00");
}
