#include "DemoCompanyCopy.h"

#include "plugins/creditreview/CreditFigures.h"
#include "suite/SuiteServices.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/SqlTrace.h"

#include <gtest/gtest.h>

using namespace creditreview;
using namespace Qt::StringLiterals;

namespace {

const QDate kAsOf(2026, 6, 30);

// A customer of the demo company with a ledger the test writes, read through the data service
// as the card hands it to the plug-in.
class CreditFiguresTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        suite::registerSuiteServices();
        m_service =
            suite::createObject<suite::IClsCommon>(QLatin1String(suite::IClsCommon::kProgId));
        ASSERT_TRUE(m_service);
        m_service->Init(m_company.connectionText());
        m_company.run(DemoCompanyCopy<>::Company,
                      u"insert into Customer (cCusCode, cCusName, cCusAbbName, iCusCreDate) "
                      "values ('O''B1', 'O''Brien Ltd', 'O''Brien', 45)"_s);
    }

    void entry(const QString &date, const QString &voucher, double debit, double credit,
               const QString &code = u"O'B1"_s)
    {
        m_company.run(DemoCompanyCopy<>::Company,
                      u"insert into Ar_Detail (cDwCode, dVouchDate, cVouchType, cVouchID, "
                      "iDAmount, iCAmount) values ('%1', '%2 00:00:00.000', '26', '%3', %4, "
                      "%5)"_s.arg(QString(code).replace(u'\'', u"''"_s), date, voucher)
                          .arg(debit)
                          .arg(credit));
    }

    CreditFigures read(const QString &code = u"O'B1"_s)
    {
        CreditFigures figures;
        QString sMsg;
        EXPECT_TRUE(CreditFiguresReader(*m_service).read(code, kAsOf, figures, sMsg))
            << qPrintable(sMsg);
        return figures;
    }

    DemoCompanyCopy<> m_company;
    std::shared_ptr<suite::IClsCommon> m_service;
};

TEST_F(CreditFiguresTest, ReceiptsSettleTheOldestInvoicesFirst)
{
    entry(u"2025-05-10"_s, u"XS-OLD"_s, 400, 0);
    entry(u"2026-01-15"_s, u"XS-1"_s, 1000, 0);
    entry(u"2026-02-20"_s, u"XS-2"_s, 2500.5, 0);
    entry(u"2026-03-01"_s, u"SK-1"_s, 0, 1900);
    entry(u"2026-07-10"_s, u"XS-LATER"_s, 300, 0);
    const CreditFigures figures = read();
    EXPECT_DOUBLE_EQ(figures.balance, 400 + 1000 + 2500.5 + 300 - 1900);
    EXPECT_DOUBLE_EQ(figures.yearSales, 3500.5) << "from 2025-07-01 to the business date";
    EXPECT_EQ(figures.oldestOpenDate, QDate(2026, 2, 20));
    EXPECT_EQ(figures.oldestOpenVoucher, u"XS-2"_s);
    EXPECT_DOUBLE_EQ(figures.oldestOpenAmount, 2000.5) << "500 of it was received";
    EXPECT_EQ(figures.creditDays, 45);
    EXPECT_EQ(figures.creditCompany, u"O'B1"_s) << "no credit company: its own line";
    EXPECT_FALSE(figures.creditSumsKnown);
}

TEST_F(CreditFiguresTest, APaidLedgerHasNoOpenItemAndAnEmptyOneNothingAtAll)
{
    entry(u"2026-01-15"_s, u"XS-1"_s, 1000, 0);
    entry(u"2026-02-15"_s, u"SK-1"_s, 0, 999.996);
    const CreditFigures paid = read();
    EXPECT_FALSE(paid.oldestOpenDate.isValid()) << "less than half a cent is paid";
    EXPECT_NEAR(paid.balance, 0.004, 1e-9);

    const CreditFigures none = read(u"NO-SUCH"_s);
    EXPECT_DOUBLE_EQ(none.balance, 0);
    EXPECT_DOUBLE_EQ(none.yearSales, 0);
    EXPECT_FALSE(none.oldestOpenDate.isValid());
}

TEST_F(CreditFiguresTest, ALongLedgerIsWalkedPageByPageToItsOldestOpenInvoice)
{
    const int invoices = CreditFiguresReader::kPageRows * 2 + 17;
    QStringList rows;
    for (int n = 0; n < invoices; ++n) {
        rows.append(u"('O''B1', '2026-01-01 00:00:00.000', '26', 'XS%1', 10, 0)"_s.arg(
            n, 4, 10, QLatin1Char('0')));
    }
    m_company.run(DemoCompanyCopy<>::Company,
                  u"insert into Ar_Detail (cDwCode, dVouchDate, cVouchType, cVouchID, iDAmount, "
                  "iCAmount) values "_s
                      + rows.join(u','));
    entry(u"2026-02-01"_s, u"SK-1"_s, 0, 10.0 * (invoices - 3));
    const QString trace = m_company.dir() + u"/trace.sql"_s;
    suite::SqlTrace::setFile(trace);
    const CreditFigures figures = read();
    suite::SqlTrace::setFile(QString());
    EXPECT_EQ(figures.oldestOpenVoucher, u"XS%1"_s.arg(invoices - 3, 4, 10, QLatin1Char('0')));
    EXPECT_DOUBLE_EQ(figures.oldestOpenAmount, 10);
    QFile file(trace);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll())
                  .count(u"from Ar_Detail where cDwCode='O''B1' and "
                         "iDAmount<>0"_s),
              3)
        << "three pages, one statement each";
}

TEST_F(CreditFiguresTest, TheCreditSumsAreThoseOfTheCreditCompany)
{
    m_company.run(DemoCompanyCopy<>::Company,
                  u"update Customer set cCusCreditCompany='GROUP1' where cCusCode='O''B1';"
                  "insert into SA_CusCreditSum (cCusCode, fCreditLine, fUsed, fAvailable) "
                  "values ('GROUP1', 500000, 120000.25, 379999.75)"_s);
    const CreditFigures figures = read();
    EXPECT_EQ(figures.creditCompany, u"GROUP1"_s);
    ASSERT_TRUE(figures.creditSumsKnown);
    EXPECT_DOUBLE_EQ(figures.creditLine, 500000);
    EXPECT_DOUBLE_EQ(figures.creditUsed, 120000.25);
    EXPECT_DOUBLE_EQ(figures.creditAvailable, 379999.75);
}

TEST_F(CreditFiguresTest, AStatementThatFailsIsReportedWithItsReason)
{
    m_company.run(DemoCompanyCopy<>::Company, u"drop table SA_CusCreditSum"_s);
    CreditFigures figures;
    QString sMsg;
    EXPECT_FALSE(CreditFiguresReader(*m_service).read(u"O'B1"_s, kAsOf, figures, sMsg));
    EXPECT_TRUE(sMsg.contains(u"SA_CusCreditSum"_s, Qt::CaseInsensitive)) << qPrintable(sMsg);
}

} // namespace
