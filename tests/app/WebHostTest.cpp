#include "app/WebHost.h"
#include "app/HostOptions.h"

#include "DemoCompanyCopy.h"
#include "suite/SuiteServices.h"
#include "suite/colset/IColumnSet.h"
#include "suite/core/ObjectFactory.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ClsLogin.h"

#include <gtest/gtest.h>

using namespace host;

namespace {

const QString kCustomer = QStringLiteral("Customer");
const QString kSales1Customers =
    QStringLiteral("(Customer.cCCCode like '01%' and Customer.cCusDepart in ('0201'))");
const QString kNewCustomer = QStringLiteral("<Customer><cCusCode>W001</cCusCode>"
                                            "<cCusName>网页客户</cCusName>"
                                            "<cCusAbbName>网页</cCusAbbName></Customer>");

QStringList firstColumn(const suite::RecordSet &rows)
{
    QStringList values;
    for (int row = 0; row < rows.RecordCount(); ++row)
        values.append(rows.valueAt(row, 0).toString());
    return values;
}

class WebHostTest : public ::testing::Test
{
protected:
    using Company = DemoCompanyCopy<200>;

    void SetUp() override
    {
        suite::registerSuiteServices();
        ASSERT_TRUE(company.ok()) << qPrintable(company.error());
        host = open(QStringLiteral("demo"));
        ASSERT_TRUE(host);
    }

    suite::LoginRequest request(const QString &userId) const
    {
        HostOptions options;
        options.userId = userId;
        options.businessDate = QDate(2026, 3, 15);
        return webLoginRequest(options, company.database());
    }

    std::unique_ptr<WebHost> open(const QString &userId) const
    {
        QString sMsg;
        std::unique_ptr<WebHost> opened = WebHost::open(request(userId), sMsg);
        EXPECT_TRUE(opened) << qPrintable(sMsg);
        return opened;
    }

    QStringList companyColumn(const QString &sql) const
    {
        return company.column(Company::Company, sql);
    }

    QStringList allCodes() const
    {
        return companyColumn(QStringLiteral("select cCusCode from Customer order by cCusCode"));
    }

    Company company;
    std::unique_ptr<WebHost> host;
};

TEST_F(WebHostTest, OpenXAnswersTheRowsOrTheDataServiceMessage)
{
    suite::RecordSet rows;
    QString sMsg = QStringLiteral("stale");
    host->EventOpenX(QStringLiteral("select top 5 cCusCode from Customer order by cCusCode"), rows,
                     sMsg);
    EXPECT_EQ(firstColumn(rows), allCodes().mid(0, 5));
    EXPECT_EQ(sMsg, QString());

    host->EventOpenX(QStringLiteral("select cCusCode from NoSuchTable"), rows, sMsg);
    EXPECT_FALSE(rows.IsOpen());
    EXPECT_TRUE(sMsg.contains(QStringLiteral("NoSuchTable"), Qt::CaseInsensitive))
        << qPrintable(sMsg);
}

TEST_F(WebHostTest, OpenPageWritesThePageNumbersBackAndClampsThePage)
{
    const QStringList codes = allCodes();
    ASSERT_GT(codes.size(), 14);
    const int pages = int((codes.size() + 6) / 7);
    const QString sql = QStringLiteral("select cCusCode from Customer order by cCusCode");
    const auto page = [&](int pageSize, int requested, int &maxPages, bool &bFlag, QString &sMsg) {
        suite::RecordSet rows;
        int current = requested;
        maxPages = -1;
        host->EventOpenPage(sql, pageSize, current, maxPages, rows, sMsg, bFlag);
        return std::make_pair(current, firstColumn(rows));
    };
    int maxPages = 0;
    bool bFlag = false;
    QString sMsg;

    EXPECT_EQ(page(7, 2, maxPages, bFlag, sMsg), std::make_pair(2, codes.mid(7, 7)));
    EXPECT_TRUE(bFlag);
    EXPECT_EQ(maxPages, pages);
    EXPECT_EQ(page(7, 999, maxPages, bFlag, sMsg),
              std::make_pair(pages, codes.mid((pages - 1) * 7)));
    EXPECT_EQ(page(7, 0, maxPages, bFlag, sMsg), std::make_pair(1, codes.mid(0, 7)));

    EXPECT_EQ(page(0, 1, maxPages, bFlag, sMsg).second, QStringList());
    EXPECT_FALSE(bFlag);
    EXPECT_EQ(sMsg, QStringLiteral("The page size must be at least 1, not 0."));
    EXPECT_EQ(maxPages, -1) << "a failed read leaves the page count alone";
}

TEST_F(WebHostTest, RecordWritesAnswerTrueOnSuccessAndTheReasonOtherwise)
{
    QString sMsg = QStringLiteral("stale");
    bool bErr = false;
    host->EventAdd(kNewCustomer, kCustomer, sMsg, bErr);
    EXPECT_TRUE(bErr) << qPrintable(sMsg);
    EXPECT_EQ(sMsg, QString());
    EXPECT_EQ(companyColumn(QStringLiteral("select cCusName from Customer where cCusCode='W001'")),
              QStringList{ QStringLiteral("网页客户") });

    host->EventAdd(kNewCustomer, kCustomer, sMsg, bErr);
    EXPECT_FALSE(bErr);
    EXPECT_EQ(sMsg,
              QStringLiteral("The customer code 'W001' is already used by the customer "
                             "'W001'."));

    host->EventModify(QStringLiteral("<Customer><cCusCode>W001</cCusCode>"
                                     "<cCusName>改过的客户</cCusName></Customer>"),
                      kCustomer, sMsg, bErr);
    EXPECT_TRUE(bErr) << qPrintable(sMsg);
    EXPECT_EQ(companyColumn(QStringLiteral("select cCusName from Customer where cCusCode='W001'")),
              QStringList{ QStringLiteral("改过的客户") });
    host->EventModify(QStringLiteral("<Customer><cCusCode>W001</cCusCode>"), kCustomer, sMsg, bErr);
    EXPECT_FALSE(bErr);
    EXPECT_FALSE(sMsg.isEmpty());

    host->EventDelete(QStringLiteral("W001"), QStringLiteral("cCusCode"), kCustomer, sMsg,
                      QStringLiteral("demo"), bErr);
    EXPECT_TRUE(bErr) << qPrintable(sMsg);
    EXPECT_EQ(companyColumn(QStringLiteral("select count(*) from Customer where cCusCode='W001'")),
              QStringList{ QStringLiteral("0") });
    host->EventDelete(QStringLiteral("W001"), QStringLiteral("no column"), kCustomer, sMsg,
                      QStringLiteral("demo"), bErr);
    EXPECT_FALSE(bErr);
    EXPECT_FALSE(sMsg.isEmpty());
}

TEST_F(WebHostTest, ExecuteXTellsWhetherTheStatementRan)
{
    bool bFlag = false;
    host->EventExecuteX(QStringLiteral("update Customer set cCusAbbName='改' where cCusCode='%1'")
                            .arg(allCodes().first()),
                        bFlag);
    EXPECT_TRUE(bFlag);
    EXPECT_EQ(companyColumn(QStringLiteral("select cCusAbbName from Customer where cCusCode='%1'")
                                .arg(allCodes().first())),
              QStringList{ QStringLiteral("改") });
    host->EventExecuteX(QStringLiteral("update NoSuchTable set a=1"), bFlag);
    EXPECT_FALSE(bFlag);
}

TEST_F(WebHostTest, ColumnSetsRoundTripThroughTheHost)
{
    QString info;
    host->EventGetColInfo(kCustomer, suite::IColumnSet::UserSet, info);
    suite::XmlDocument document;
    ASSERT_TRUE(document.loadXml(info)) << qPrintable(info);
    const QList<suite::XmlElement> columns = document.documentElement().childElements();
    ASSERT_GT(columns.size(), 2);
    int visible = -1;
    host->EventiCols(visible);
    EXPECT_EQ(visible, columns.size());
    suite::RecordSet rows;
    host->EventGetColSet(kCustomer, suite::IColumnSet::UserSet, rows);
    EXPECT_EQ(rows.RecordCount(), columns.size());

    // Hide the second column, fix the first and sort by it; the host stores it for the user.
    suite::XmlElement first = columns.at(0);
    suite::XmlElement second = columns.at(1);
    const QString hidden = second.name();
    second.setAttribute(QStringLiteral("bshow"), QStringLiteral("0"));
    first.setAttribute(QStringLiteral("bfixed"), QStringLiteral("1"));
    first.setAttribute(QStringLiteral("csort"), QStringLiteral("desc"));
    QString changed = document.xml();
    bool bFlag = false;
    host->EventSave(changed, bFlag);
    ASSERT_TRUE(bFlag) << qPrintable(changed);

    QString stored;
    host->EventGetColInfo(kCustomer, suite::IColumnSet::UserSet, stored);
    host->EventiCols(visible);
    EXPECT_EQ(visible, columns.size() - 1);
    int fixed = -1;
    host->EventGetFixedCols(fixed);
    EXPECT_EQ(fixed, 1);
    QString select;
    host->EventGetSqlString(stored, select);
    EXPECT_TRUE(select.startsWith(first.name() + u',')) << qPrintable(select);
    EXPECT_FALSE(select.split(u',').contains(hidden)) << qPrintable(select);
    QString order;
    host->EventGetOrderString(stored, order);
    EXPECT_EQ(order, first.name() + QStringLiteral(" desc"));

    QString unreadable = QStringLiteral("<Customer");
    host->EventSave(unreadable, bFlag);
    EXPECT_FALSE(bFlag);
    EXPECT_NE(unreadable, QStringLiteral("<Customer"));
    EXPECT_FALSE(unreadable.isEmpty());
}

TEST_F(WebHostTest, AuthStringsAreTheReadConditionsOfTheLoggedInUser)
{
    const auto auth = [](WebHost &webHost, const QString &table) {
        QString sId = QStringLiteral("stale");
        webHost.EventGetAuthString(table, sId);
        return sId;
    };
    for (const QString &table : { kCustomer, QStringLiteral("Customer_import"),
                                  QStringLiteral("Department"), QStringLiteral("Person") })
        EXPECT_EQ(auth(*host, table), QStringLiteral("1=1")) << qPrintable(table);

    std::unique_ptr<WebHost> sales = open(QStringLiteral("sales1"));
    ASSERT_TRUE(sales);
    EXPECT_EQ(auth(*sales, kCustomer), kSales1Customers);
    EXPECT_EQ(auth(*sales, QStringLiteral("Customer_import")),
              QStringLiteral("(Customer_import.cCCCode like '01%' and Customer_import.cCusDepart"
                             " in ('0201'))"));
    EXPECT_EQ(auth(*sales, QStringLiteral("Department")),
              QStringLiteral("(Department.cDepCode in ('0201'))"));
    EXPECT_EQ(auth(*sales, QStringLiteral("Warehouse")), QStringLiteral("1=1"));
    EXPECT_EQ(auth(*sales, QStringLiteral("Inventory")), QStringLiteral("1=1"));
}

TEST_F(WebHostTest, FunctionRightsComeFromTheLoginsRightsObject)
{
    std::unique_ptr<WebHost> sales = open(QStringLiteral("sales1"));
    ASSERT_TRUE(sales);
    QString sErr;
    bool bFlag = false;
    sales->EventGetFunAuth(nullptr, kCustomer, 0, sErr, 0, QString(), 2026, bFlag);
    EXPECT_TRUE(bFlag) << qPrintable(sErr);
    sales->EventGetFunAuth(nullptr, kCustomer, 0, sErr, 0, QStringLiteral("Customer_import"), 2026,
                           bFlag);
    EXPECT_FALSE(bFlag);
    EXPECT_EQ(sErr,
              QStringLiteral("The user 'sales1' has no right to the function Customer_import."));
    host->EventGetFunAuth(nullptr, kCustomer, 0, sErr, 0, QStringLiteral("Customer_import"), 2026,
                          bFlag);
    EXPECT_TRUE(bFlag);
}

TEST_F(WebHostTest, FindReturnsTheRowsTheUserMayReadWithTheirTables)
{
    const QString find = QStringLiteral(
        "<find table='Customer' fields='Customer.cCusCode,CustomerClass.cCCName'"
        " where=\"Customer.cCCCode like '01%'\" order='Customer.cCusCode'>"
        "<join table='CustomerClass' on='Customer.cCCCode=CustomerClass.cCCCode'/></find>");
    QStringList findTables;
    QStringList showTables;
    QString sMsg = QStringLiteral("stale");
    suite::RecordSet rows;
    host->EventFind(find, findTables, showTables, sMsg, rows);
    EXPECT_EQ(sMsg, QString());
    EXPECT_EQ(findTables, QStringList{ kCustomer });
    EXPECT_EQ(showTables, (QStringList{ kCustomer, QStringLiteral("CustomerClass") }));
    ASSERT_EQ(rows.FieldCount(), 2);
    const QStringList classOne = companyColumn(
        QStringLiteral("select cCusCode from Customer where cCCCode like '01%' order by cCusCode"));
    ASSERT_GT(classOne.size(), 1);
    EXPECT_EQ(firstColumn(rows), classOne);
    EXPECT_EQ(rows.valueAt(0, 1).toString(),
              companyColumn(QStringLiteral("select c.cCCName from Customer u join CustomerClass c"
                                           " on c.cCCCode=u.cCCCode where u.cCusCode='%1'")
                                .arg(classOne.first()))
                  .value(0));

    std::unique_ptr<WebHost> sales = open(QStringLiteral("sales1"));
    ASSERT_TRUE(sales);
    sales->EventFind(find, findTables, showTables, sMsg, rows);
    EXPECT_EQ(firstColumn(rows),
              companyColumn(QStringLiteral("select cCusCode from Customer where cCusDepart='0201'"
                                           " and cCCCode like '01%' order by cCusCode")));
    EXPECT_LT(rows.RecordCount(), classOne.size());
}

TEST_F(WebHostTest, FindExplainsARequestItCannotRun)
{
    QStringList findTables;
    QStringList showTables;
    QString sMsg;
    suite::RecordSet rows = suite::RecordSet({}, {});
    host->EventFind(QStringLiteral("<find table='Customer; drop table Customer'/>"), findTables,
                    showTables, sMsg, rows);
    EXPECT_EQ(sMsg, QStringLiteral("'Customer; drop table Customer' is not a table name."));
    EXPECT_FALSE(rows.IsOpen());
    EXPECT_TRUE(findTables.isEmpty());

    host->EventFind(QStringLiteral("<find table='Customer' where='no_column = 1'/>"), findTables,
                    showTables, sMsg, rows);
    EXPECT_FALSE(rows.IsOpen());
    EXPECT_TRUE(sMsg.contains(QStringLiteral("no_column"))) << qPrintable(sMsg);
    EXPECT_EQ(allCodes().size(), Company::kCustomers);
}

TEST_F(WebHostTest, TheSessionExpiresWithItsLastAllowedRequestOrWhenTold)
{
    host->setRequestLimit(3);
    int col = 0;
    host->EventiCols(col);
    bool bFlag = false;
    host->EventExecuteX(QStringLiteral("select 1"), bFlag);
    EXPECT_FALSE(host->expired());
    EXPECT_EQ(host->requestCount(), 2);
    QString sId;
    host->EventGetAuthString(kCustomer, sId);
    EXPECT_TRUE(host->expired());
    EXPECT_EQ(sId, QStringLiteral("1=1")) << "the last request is still answered";

    std::unique_ptr<WebHost> unlimited = open(QStringLiteral("demo"));
    ASSERT_TRUE(unlimited);
    for (int i = 0; i < 20; ++i)
        unlimited->EventiCols(col);
    EXPECT_FALSE(unlimited->expired());
    unlimited->expire();
    EXPECT_TRUE(unlimited->expired());
}

TEST_F(WebHostTest, InitXmlCarriesTheBusinessDateAndTheReferenceAddress)
{
    EXPECT_EQ(host->webInitXml(QStringLiteral("http://localhost/ref")),
              QStringLiteral("<login curdate='2026-03-15' url='http://localhost/ref'/>"));
    EXPECT_EQ(
        host->webInitXml(QStringLiteral("http://h/ref?a=1&b='2'")),
        QStringLiteral("<login curdate='2026-03-15' url='http://h/ref?a=1&amp;b=&apos;2&apos;'/>"));
    EXPECT_EQ(host->login()->cUserId(), QStringLiteral("demo"));
}

TEST_F(WebHostTest, OpenFailsWithTheReasonOfTheStepThatFailed)
{
    QString sMsg;
    EXPECT_FALSE(WebHost::open(request(QStringLiteral("nobody")), sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("The user 'nobody' does not exist."));
    {
        suite::ScopedUnregistration withoutDataService(QLatin1String(suite::IClsCommon::kProgId));
        EXPECT_FALSE(WebHost::open(request(QStringLiteral("demo")), sMsg));
        EXPECT_EQ(sMsg,
                  QStringLiteral("The data service TarnSrvTrans.IClsCommon cannot be created."));
    }
    suite::ScopedUnregistration withoutColumnSets(QLatin1String(suite::IColumnSet::kProgId));
    EXPECT_FALSE(WebHost::open(request(QStringLiteral("demo")), sMsg));
    EXPECT_EQ(sMsg,
              QStringLiteral("The column-set service TarnColumnSetSvr.clsColsetsvr cannot be"
                             " created."));
}

TEST(WebHostOptions, WebModeIsAnOptionOfTheCommandLineAndItsHelp)
{
    EXPECT_FALSE(parseHostOptions({ QStringLiteral("customer-archive") }).web);
    const HostOptions web = parseHostOptions(
        { QStringLiteral("customer-archive"), QStringLiteral("--web"), QStringLiteral("--user"),
          QStringLiteral("sales1"), QStringLiteral("--lang"), QStringLiteral("en-US") });
    EXPECT_TRUE(web.error.isEmpty()) << qPrintable(web.error);
    EXPECT_TRUE(web.web);
    EXPECT_TRUE(hostOptionsHelp().contains(QStringLiteral("--web")));
    EXPECT_TRUE(hostOptionsHelp().contains(QStringLiteral("--trace-sql <file>")));

    const suite::LoginRequest request =
        webLoginRequest(web, QStringLiteral("/data/KVDATA_001_2026.db"));
    EXPECT_EQ(request.userId, QStringLiteral("sales1"));
    // A company file becomes a connection text, whose catalogue names the account.
    EXPECT_EQ(request.connectionText,
              QStringLiteral("Provider=SQLite;Data Source=/data/KVDATA_001_2026.db;"
                             "Initial Catalog=KVDATA_001_2026"));
    EXPECT_EQ(request.languageRegion, QStringLiteral("en-us"));
    EXPECT_EQ(request.businessDate, QDate::currentDate().toString(Qt::ISODate));
}

} // namespace
