#include "CompanyFolder.h"
#include "CompanyUnderTest.h"
#include "suite/data/DataService.h"

#include <QDateTime>

#include <gtest/gtest.h>

using namespace suite;

namespace {

// Receivables of C001: debits 1000 and 50, receipts 300 and 200, the later receipt on
// 2026-03-10 (two vouchers that day: the higher number is the later one). C002 owns one row
// of its own, which C001's balance must not see.
const QString kLedger = QStringLiteral(
    "create table Ar_Detail (Auto_ID int identity(1, 1) not null primary key,"
    " cDwCode nvarchar(20) collate nocase"
    " not null, dVouchDate datetime not null, cVouchType nvarchar(10), cVouchID nvarchar(30),"
    " iDAmount money default 0, iCAmount money default 0);"
    "create table SA_CusCreditSum (cCusCode nvarchar(20) collate nocase not null primary key,"
    " fCreditLine money, fUsed money, fAvailable money, dUpdate datetime);"
    "insert into Customer (cCusCode, cCusName, cCusCreditCompany, iCusCreLine, iARMoney) values"
    " ('C001', 'Head office', '', 10000, 0),"
    " ('C002', 'Branch', 'C001', 500, 300),"
    " ('C003', 'Shop', 'c001', null, 150.5),"
    " ('C004', 'Self', 'C004', 2000, 20),"
    " ('C005', 'Under self', 'C004', 0, 5),"
    " ('C006', 'No ledger', null, null, 99),"
    " ('C007', 'Cents', null, null, 0);"
    "insert into Ar_Detail (cDwCode, dVouchDate, cVouchType, cVouchID, iDAmount, iCAmount)"
    " values"
    " ('C001', '2026-01-05 00:00:00', 'SI', 'V001', 1000, 0),"
    " ('C001', '2026-02-01 00:00:00', 'RV', 'V002', 0, 300),"
    " ('C001', '2026-03-10 00:00:00', 'RV', 'V004', 0, 200),"
    " ('C001', '2026-03-10 00:00:00', 'RV', 'V003', 0, 100),"
    " ('C001', '2026-03-15 00:00:00', 'SI', 'V005', 150, 0),"
    " ('c001', '2026-03-16 00:00:00', 'SI', 'V006', 0, 0),"
    " ('C002', '2026-04-01 00:00:00', 'RV', 'V007', 0, 70),"
    " ('C007', '2026-04-01 00:00:00', 'SI', 'V008', 0.1, 0),"
    " ('C007', '2026-04-02 00:00:00', 'SI', 'V009', 0.2, 0);");

class CompanyProceduresTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.runOnCompany(kCustomerTables + kLedger);
        service.Init(folder.connectionText());
        ASSERT_TRUE(service.Status()) << qPrintable(service.LastError());
    }

    RecordSet customer(const QString &code) const
    {
        RecordSet row =
            folder.query(QStringLiteral("select * from Customer where cCusCode = ?"), { code });
        EXPECT_EQ(row.RecordCount(), 1);
        return row;
    }

    RecordSet creditSum(const QString &code) const
    {
        return folder.query(QStringLiteral("select * from SA_CusCreditSum where cCusCode = ?"),
                            { code });
    }

    CompanyUnderTest folder;
    ClsCommon service;
};

} // namespace

TEST_F(CompanyProceduresTest, ArBalanceIsDebitsLessCreditsWithTheLatestSaleAndReceipt)
{
    QVariant result;
    ASSERT_TRUE(service.ExecPROCNew(QStringLiteral("TCPro_UpCustomerArBalance"),
                                    { QStringLiteral("C001") }, result, 0))
        << qPrintable(service.LastError());

    const RecordSet c001 = customer(QStringLiteral("C001"));
    EXPECT_DOUBLE_EQ(c001.Value(QStringLiteral("iARMoney")).toDouble(), 550.0);
    EXPECT_EQ(c001.Value(QStringLiteral("dLastDate")).toDateTime(),
              QDateTime(QDate(2026, 3, 15), QTime(0, 0)))
        << "the empty voucher of 03-16 is no sale";
    EXPECT_DOUBLE_EQ(c001.Value(QStringLiteral("iLastMoney")).toDouble(), 150.0);
    EXPECT_EQ(c001.Value(QStringLiteral("dLRDate")).toDateTime(),
              QDateTime(QDate(2026, 3, 10), QTime(0, 0)));
    EXPECT_DOUBLE_EQ(c001.Value(QStringLiteral("iLRMoney")).toDouble(), 200.0);
    EXPECT_DOUBLE_EQ(customer(QStringLiteral("C002")).Value(QStringLiteral("iARMoney")).toDouble(),
                     300.0);

    const RecordSet written = result.value<RecordSet>();
    ASSERT_TRUE(written.IsOpen());
    EXPECT_DOUBLE_EQ(written.Value(QStringLiteral("iARMoney")).toDouble(), 550.0);
}

TEST_F(CompanyProceduresTest, ACustomerWithoutLedgerRowsOwesNothingAndHasNoReceipt)
{
    QVariant result;
    ASSERT_TRUE(service.ExecPROCNew(QStringLiteral("tcpro_upcustomerarbalance"),
                                    { QStringLiteral("C006") }, result, 0))
        << qPrintable(service.LastError());
    const RecordSet c006 = customer(QStringLiteral("C006"));
    EXPECT_DOUBLE_EQ(c006.Value(QStringLiteral("iARMoney")).toDouble(), 0.0);
    EXPECT_TRUE(c006.Value(QStringLiteral("dLastDate")).isNull());
    EXPECT_TRUE(c006.Value(QStringLiteral("iLastMoney")).isNull());
    EXPECT_TRUE(c006.Value(QStringLiteral("dLRDate")).isNull());
    EXPECT_TRUE(c006.Value(QStringLiteral("iLRMoney")).isNull());
}

TEST_F(CompanyProceduresTest, BalancesKeepTheFourDecimalsOfMoneyExactly)
{
    QVariant result;
    ASSERT_TRUE(service.ExecPROCNew(QStringLiteral("TCPro_UpCustomerArBalance"),
                                    { QStringLiteral("C007") }, result, 0));
    EXPECT_EQ(customer(QStringLiteral("C007")).Value(QStringLiteral("iARMoney")).toDouble(), 0.3);
}

TEST_F(CompanyProceduresTest, CreditSumCoversTheCustomersThatNameTheCreditCompany)
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    QVariant result;
    ASSERT_TRUE(service.ExecPROCNew(QStringLiteral("SA_UpdateCusCreditSum"),
                                    { QStringLiteral("C001") }, result, 0))
        << qPrintable(service.LastError());
    const RecordSet c001 = creditSum(QStringLiteral("C001"));
    ASSERT_EQ(c001.RecordCount(), 1);
    EXPECT_DOUBLE_EQ(c001.Value(QStringLiteral("fCreditLine")).toDouble(), 10000.0);
    // C001 itself (empty credit company), C002 and C003 (named in another case).
    EXPECT_DOUBLE_EQ(c001.Value(QStringLiteral("fUsed")).toDouble(), 450.5);
    EXPECT_DOUBLE_EQ(c001.Value(QStringLiteral("fAvailable")).toDouble(), 9549.5);
    EXPECT_GE(c001.Value(QStringLiteral("dUpdate")).toDateTime(), before);

    ASSERT_TRUE(service.ExecPROCNew(QStringLiteral("SA_UpdateCusCreditSum"),
                                    { QStringLiteral("C004") }, result, 0));
    const RecordSet c004 = creditSum(QStringLiteral("C004"));
    EXPECT_DOUBLE_EQ(c004.Value(QStringLiteral("fUsed")).toDouble(), 25.0);
    EXPECT_DOUBLE_EQ(c004.Value(QStringLiteral("fAvailable")).toDouble(), 1975.0);

    ASSERT_TRUE(service.ExecPROCNew(QStringLiteral("SA_UpdateCusCreditSum"),
                                    { QStringLiteral("C006") }, result, 0));
    const RecordSet c006 = creditSum(QStringLiteral("C006"));
    EXPECT_DOUBLE_EQ(c006.Value(QStringLiteral("fCreditLine")).toDouble(), 0.0);
    EXPECT_DOUBLE_EQ(c006.Value(QStringLiteral("fUsed")).toDouble(), 99.0);
    EXPECT_DOUBLE_EQ(c006.Value(QStringLiteral("fAvailable")).toDouble(), -99.0);
}

TEST_F(CompanyProceduresTest, CreditSumsOfSeveralCustomersAreThoseOfOneCallEach)
{
    const QStringList codes{ QStringLiteral("C004"), QStringLiteral("C001"),
                             QStringLiteral("C006") };
    QStringList oneByOne;
    QVariant result;
    for (const QString &code : codes) {
        ASSERT_TRUE(
            service.ExecPROCNew(QStringLiteral("SA_UpdateCusCreditSum"), { code }, result, 0));
        const RecordSet row = creditSum(code);
        oneByOne.append(QStringLiteral("%1 %2 %3 %4")
                            .arg(code, row.Value(QStringLiteral("fCreditLine")).toString(),
                                 row.Value(QStringLiteral("fUsed")).toString(),
                                 row.Value(QStringLiteral("fAvailable")).toString()));
    }
    ASSERT_TRUE(service.ExecuteX(QStringLiteral("delete from SA_CusCreditSum")));
    ASSERT_TRUE(service.ExecPROCNew(QStringLiteral("SA_UpdateCusCreditSum"),
                                    { codes.at(0), codes.at(1), codes.at(2), codes.at(1) }, result,
                                    0))
        << qPrintable(service.LastError());
    const RecordSet rows = result.value<RecordSet>();
    QStringList together;
    for (int row = 0; row < rows.RecordCount(); ++row) {
        together.append(QStringLiteral("%1 %2 %3 %4")
                            .arg(rows.valueAt(row, 0).toString(), rows.valueAt(row, 1).toString(),
                                 rows.valueAt(row, 2).toString(), rows.valueAt(row, 3).toString()));
    }
    oneByOne.sort();
    EXPECT_EQ(together, oneByOne) << "one row per customer, a repeated code written once";
}

TEST_F(CompanyProceduresTest, CreditSumIsRewrittenNotAddedAgain)
{
    QVariant result;
    ASSERT_TRUE(service.ExecPROCNew(QStringLiteral("SA_UpdateCusCreditSum"),
                                    { QStringLiteral("C001") }, result, 0));
    ASSERT_TRUE(service.ExecPROCNew(QStringLiteral("TCPro_UpCustomerArBalance"),
                                    { QStringLiteral("C001") }, result, 0));
    ASSERT_TRUE(service.ExecPROCNew(QStringLiteral("SA_UpdateCusCreditSum"),
                                    { QStringLiteral("C001") }, result, 0));
    const RecordSet c001 = creditSum(QStringLiteral("C001"));
    ASSERT_EQ(c001.RecordCount(), 1);
    EXPECT_DOUBLE_EQ(c001.Value(QStringLiteral("fUsed")).toDouble(), 1000.5);
    EXPECT_DOUBLE_EQ(c001.Value(QStringLiteral("fAvailable")).toDouble(), 8999.5);
    EXPECT_DOUBLE_EQ(result.value<RecordSet>().Value(QStringLiteral("fUsed")).toDouble(), 1000.5);
}

TEST_F(CompanyProceduresTest, ProcedureStatementsOfTsqlReachTheSameProcedures)
{
    ASSERT_TRUE(service.ExecuteX(QStringLiteral("TCPro_UpCustomerArBalance 'C001'")))
        << qPrintable(service.LastError());
    ASSERT_TRUE(service.ExecuteX(QStringLiteral("exec SA_UpdateCusCreditSum 'C001'")))
        << qPrintable(service.LastError());
    EXPECT_DOUBLE_EQ(creditSum(QStringLiteral("C001")).Value(QStringLiteral("fUsed")).toDouble(),
                     1000.5);
}

TEST_F(CompanyProceduresTest, FailuresNameTheProcedureAndTheCause)
{
    QVariant result = QStringLiteral("stale");
    EXPECT_FALSE(service.ExecPROCNew(QStringLiteral("TCPro_UpCustomerArBalance"),
                                     { QStringLiteral("C999") }, result, 0));
    EXPECT_EQ(service.LastError(),
              QStringLiteral("TCPro_UpCustomerArBalance: no customer has the code 'C999'."));
    EXPECT_FALSE(result.isValid());

    EXPECT_FALSE(service.ExecPROCNew(QStringLiteral("SA_UpdateCusCreditSum"), {}, result, 0));
    EXPECT_EQ(service.LastError(),
              QStringLiteral("SA_UpdateCusCreditSum takes one or more customer codes; it was "
                             "given none."));
    EXPECT_FALSE(
        service.ExecPROCNew(QStringLiteral("SA_UpdateCusCreditSum"), { QString() }, result, 0));
    EXPECT_EQ(service.LastError(),
              QStringLiteral("SA_UpdateCusCreditSum takes customer codes; one of them is empty."));
    EXPECT_FALSE(service.ExecPROCNew(QStringLiteral("SA_UpdateCusCreditSum"),
                                     { QStringLiteral("C001"), QStringLiteral("C999") }, result,
                                     0));
    EXPECT_EQ(service.LastError(),
              QStringLiteral("SA_UpdateCusCreditSum: no customer has the code 'C999'."));
    EXPECT_EQ(creditSum(QStringLiteral("C999")).RecordCount(), 0);
    EXPECT_EQ(creditSum(QStringLiteral("C001")).RecordCount(), 0)
        << "a code no customer has stops the call before anything is written";

    EXPECT_FALSE(service.ExecPROCNew(QStringLiteral("SA_Missing"), { 1 }, result, 0));
    EXPECT_EQ(service.LastError(),
              QStringLiteral("The company database has no stored procedure SA_Missing."));
}
