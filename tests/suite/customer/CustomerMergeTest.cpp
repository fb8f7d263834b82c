#include "DemoCompanyCopy.h"
#include "suite/data/CustomerReferences.h"
#include "suite/data/DataService.h"
#include "suite/login/StoredDeleteLog.h"

#include <gtest/gtest.h>

using namespace suite;

namespace {

using Company = DemoCompanyCopy<>;

const QString kFirst = QStringLiteral("0000004");
const QString kSecond = QStringLiteral("0000005");

QString request(const QString &code1, const QString &code2)
{
    return QStringLiteral("<Customer Operating ='Unite'><Code1>%1</Code1><Code2>%2</Code2>"
                          "</Customer>")
        .arg(code1, code2);
}

// Where a customer's code is stored, by table and column, with the condition that picks the
// rows of one code (?1): the references and own rows as the merge knows them.
struct CodePlace
{
    QString table;
    QString column;
    QString condition;
};

QList<CodePlace> codePlaces()
{
    QList<CodePlace> places;
    for (const CustomerReference &reference : customerReferences())
        places.append({ reference.table, reference.column,
                        reference.column + QStringLiteral(" = ?1")
                            + (reference.selfColumn.isEmpty()
                                   ? QString()
                                   : QStringLiteral(" and %1 <> ?1").arg(reference.selfColumn)) });
    for (const CustomerOwnRows &own : customerOwnRows())
        places.append({ own.table, own.codeColumn, own.condition });
    return places;
}

} // namespace

class CustomerMergeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(company.ok()) << qPrintable(company.error());
        service.Init(company.connectionText());
        ASSERT_TRUE(service.Status()) << qPrintable(service.LastError());
    }

    bool unite(const QString &code1 = kFirst, const QString &code2 = kSecond)
    {
        return service.Modify(request(code1, code2), QStringLiteral("Customer"), sMsg);
    }
    void run(const QString &sql) const { company.run(Company::Company, sql); }
    QStringList column(const QString &sql) const { return company.column(Company::Company, sql); }
    qint64 rowsOf(const CodePlace &place, const QString &code) const
    {
        return column(
                   QStringLiteral("select count(*) from %1 where %2")
                       .arg(place.table, QString(place.condition).replace("?1", "'" + code + "'")))
            .value(0)
            .toLongLong();
    }

    // Rows of the first customer that another of the second's makes redundant, and the other
    // rows both have, so that a merge has everything to hand over.
    void giveBothCustomersRows() const
    {
        for (const char *table : { "CustomerInvoiceCorp", "CustomerPerson" })
            run(QStringLiteral("delete from %1 where cCusCode in ('0000004', '0000005')")
                    .arg(QLatin1StringView(table)));
        for (const char *table : { "customer_auth", "customer_user" })
            run(QStringLiteral("delete from %1 where Account_ID in ('0000004', '0000005')")
                    .arg(QLatin1StringView(table)));
        run("insert into CusDeliverAdd (cCusCode, cAddCode, cDeliverAdd, cDeliverUnit, cLinkPerson,"
            " cPhone, bDefault) values ('0000005', '0007', '南京路7号', '收货部', '张三', '021-7',"
            " 0), ('0000004', '0002', '南京路7号', '收货部', '张三', '021-7', 1),"
            " ('0000004', '0003', '北京路3号', '仓库', '李四', '010-3', 0)");
        run("insert into CustomerBank (cCusCode, cBankCode, cBranch, cAccountNum, cAccountName,"
            " bDefault) values ('0000004', '01', '工行南京路支行', '6222001', '甲', 1)");
        run("insert into CustomerInvoiceCorp (cCusCode, cInvoiceCompany, bDefault) values"
            " ('0000004', '0000001', 1), ('0000005', '0000001', 1), ('0000004', '0000002', 0)");
        run("insert into CustomerPerson (cCusCode, cPersonCode, bDefault) values"
            " ('0000004', '013', 1), ('0000005', '013', 1), ('0000004', '014', 0)");
        run("insert into customer_auth (Account_ID, Privilege_Type, Privilege_ID) values"
            " ('0000004', 0, '0201'), ('0000004', 1, 'N'), ('0000005', 0, '0201')");
        run("insert into customer_user (Account_ID, User_ID, Is_Self) values"
            " ('0000004', 'sales1', 0), ('0000005', 'sales1', 1), ('0000004', 'sales2', 0)");
        run("insert into AA_HoldAuth (cUser_Id, cBusObId, cFuncId, cDimension, cCode) values"
            " ('sales1', 'customer', 'W', 'code', '0000004')");
        run("insert into AA_AttachFile (cFileId, cObject, cRecordId, cFileName, iSize) values"
            " ('F1', 'customer', '0000004', '合同.pdf', 10)");
        run("insert into customer_import (cCusCode, cCusName, cCusHeadCode) values"
            " ('0000004', '导入', '0000004')");
        run("update Customer set cCusHeadCode = '0000004', cCusCreditCompany = '0000004',"
            " cInvoiceCompany = '0000004' where cCusCode = '0000006'");
    }

    // Every row of every table the merge may touch, as one text.
    QString snapshot() const
    {
        QStringList tables{ "Customer", "AA_DeleteLog", "AA_ArchiveLog" };
        for (const CodePlace &place : codePlaces())
            tables.append(place.table);
        tables.removeDuplicates();
        QStringList rows;
        for (const QString &table : tables) {
            for (const QStringList &row : company.tableSnapshot(Company::Company, table))
                rows.append(table + u'|' + row.join(u'|'));
        }
        return rows.join(u'\n');
    }

    Company company;
    ClsCommon service;
    QString sMsg;
};

TEST_F(CustomerMergeTest, EveryRowOfTheFirstCustomerGoesToTheSecondAndNoneIsLost)
{
    giveBothCustomersRows();
    // The rows the second customer had alike: one address, invoice unit, person, right, user.
    const QHash<QString, qint64> alike{ { "CusDeliverAdd.cCusCode", 1 },
                                        { "CustomerInvoiceCorp.cCusCode", 1 },
                                        { "CustomerPerson.cCusCode", 1 },
                                        { "customer_auth.Account_ID", 1 },
                                        { "customer_user.Account_ID", 1 } };
    QList<std::tuple<CodePlace, qint64, qint64>> before;
    for (const CodePlace &place : codePlaces())
        before.append({ place, rowsOf(place, kFirst), rowsOf(place, kSecond) });
    const QString name =
        column("select cCusName from Customer where cCusCode = '0000004'").value(0);

    ASSERT_TRUE(unite()) << qPrintable(sMsg);

    for (const auto &[place, first, second] : before) {
        const auto own =
            std::find_if(customerOwnRows().begin(), customerOwnRows().end(),
                         [&](const CustomerOwnRows &rows) { return rows.table == place.table; });
        const bool dropped = own != customerOwnRows().end()
            && own->onMerge == CustomerOwnRows::OnMerge::Drop && own->codeColumn == place.column;
        SCOPED_TRACE(qPrintable(place.table + "." + place.column));
        EXPECT_EQ(rowsOf(place, kFirst), 0);
        if (!dropped) {
            EXPECT_EQ(rowsOf(place, kSecond),
                      second + first - alike.value(place.table + "." + place.column));
        }
    }
    EXPECT_EQ(column("select count(*) from Customer where cCusCode = '0000004'"),
              QStringList{ "0" });
    EXPECT_EQ(column("select cCusHeadCode || cCusCreditCompany || cInvoiceCompany from Customer"
                     " where cCusCode = '0000006'"),
              QStringList{ "000000500000050000005" });
    EXPECT_EQ(column("select cCusCode || '/' || cCusHeadCode from customer_import"
                     " where cCusName = '导入'"),
              QStringList{ "0000005/0000005" });
    EXPECT_EQ(column("select count(*) from Customer where cCusCode = '0000005'"
                     " and bIsCusAttachFile = 1"),
              QStringList{ "1" });
    EXPECT_EQ(column("select count(*) from CusDeliverAdd where cCusCode = '0000005' and"
                     " bDefault = 1"),
              QStringList{ "1" })
        << "the survivor keeps its one default address";

    std::shared_ptr<DeleteLog> log = storedDeleteLog(service, nullptr, "customer", kFirst, sMsg);
    ASSERT_TRUE(log) << qPrintable(sMsg);
    const RecordSet kept = log->GetRecordset("customer");
    ASSERT_EQ(kept.RecordCount(), 1);
    EXPECT_EQ(kept.Value("cCusName").toString(), name);
    EXPECT_EQ(log->GetRecordset("CusDeliverAdd").RecordCount(), 3);
}

TEST_F(CustomerMergeTest, MovedAddressesFollowTheSecondCustomersHighestCode)
{
    giveBothCustomersRows();
    const auto address = [this](const char *code) {
        return column(QStringLiteral("select cDeliverAdd from CusDeliverAdd where cCusCode = '%1'"
                                     " and cAddCode = '0001'")
                          .arg(QLatin1StringView(code)))
            .value(0);
    };
    const QString first = address("0000004");
    const QString second = address("0000005");
    ASSERT_TRUE(unite()) << qPrintable(sMsg);
    EXPECT_EQ(
        column("select cAddCode || ':' || cDeliverAdd from CusDeliverAdd"
               " where cCusCode = '0000005' order by cAddCode"),
        (QStringList{ "0001:" + second, "0007:南京路7号", "0008:" + first, "0009:北京路3号" }));
}

TEST_F(CustomerMergeTest, AFailureMidwayLeavesBothCustomersAsTheyWere)
{
    giveBothCustomersRows();
    const QString before = snapshot();
    // The addresses, references and rights have moved by the time the banks refuse.
    company.refuseUpdates(Company::Company, "CustomerBank", "banks are closed");
    EXPECT_FALSE(unite());
    EXPECT_TRUE(sMsg.contains("banks are closed")) << qPrintable(sMsg);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(CustomerMergeTest, EveryTableWithACustomerCodeColumnIsKnownToTheMerge)
{
    const QList<CodePlace> places = codePlaces();
    const auto unknownPlaces =
        [this, &places] {
            static const QStringList codeColumns{ "ccuscode",          "cdwcode",
                                                  "crelcustomer",      "ccusheadcode",
                                                  "ccuscreditcompany", "cinvoicecompany" };
            QStringList unknown;
            for (const QString &table : company.tableNames(Company::Company)) {
                for (const auto &declared : company.declaredColumns(Company::Company, table)) {
                    const QString &col = declared.first;
                    const bool holdsCode = codeColumns.contains(col.toLower())
                        || (table.startsWith("customer_", Qt::CaseInsensitive)
                            && col.compare("Account_ID", Qt::CaseInsensitive) == 0);
                    if (!holdsCode
                        || (table.compare(u"Customer", Qt::CaseInsensitive) == 0
                            && col.compare(u"cCusCode", Qt::CaseInsensitive) == 0))
                        continue;
                    const bool known =
                        std::any_of(places.begin(), places.end(), [&](const CodePlace &place) {
                            return place.table.compare(table, Qt::CaseInsensitive) == 0
                                && place.column.compare(col, Qt::CaseInsensitive) == 0;
                        });
                    if (!known)
                        unknown.append((table + u'.' + col).toLower());
                }
            }
            return unknown;
        };
    EXPECT_EQ(unknownPlaces(), QStringList());
    run("create table SA_Order (AutoID integer primary key, cCusCode varchar(20))");
    EXPECT_EQ(unknownPlaces(), QStringList{ "sa_order.ccuscode" });
}
