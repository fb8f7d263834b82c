#include "merge/DuplicateScan.h"
#include "DemoCompanyCopy.h"
#include "demo/CustomerGenerator.h"
#include "demo/PlantedDuplicates.h"
#include "entry/ClsCustomer.h"
#include "entry/SessionContext.h"
#include "suite/SuiteServices.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ClsLogin.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/MessageScript.h"

#include <gtest/gtest.h>

using namespace customer;

namespace {

using BigCompany = DemoCompanyCopy<200>;

} // namespace

// The scan entered as the list enters it, on a demo company large enough to hold the twins the
// generator plants.
class DuplicateScanTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        suite::registerSuiteServices();
        registerCustomerComponent();
        resetSessionContext();
        suite::ClsPub::installMessageScript(m_messages);
    }

    void TearDown() override
    {
        if (m_entry)
            m_entry->LogOff();
        resetSessionContext();
        suite::ClsPub::installMessageScript(nullptr);
    }

    void enter(const QString &userId)
    {
        m_login = std::make_shared<suite::ClsLogin>();
        QString sMsg;
        ASSERT_TRUE(
            m_login->Login({ userId, QString(), m_company.connectionText(),
                             QStringLiteral("2026-03-15"), QStringLiteral("en-us"), QString() },
                           sMsg))
            << qPrintable(sMsg);
        m_entry = ClsCustomer::create();
        m_entry->Init(m_login);
        ASSERT_TRUE(
            m_entry->CreateObj(0, m_login->cUserId(), m_login->cUserName(), m_login->KvDbName()));
    }

    QList<DuplicatePair> scan(int minScore = DuplicateScan::kDefaultMinScore)
    {
        QList<DuplicatePair> pairs;
        EXPECT_TRUE(DuplicateScan().run(minScore, -1, pairs));
        return pairs;
    }

    QString value(const QString &sql) const
    {
        return m_company.column(BigCompany::Company, sql).value(0);
    }

    // The twins the generator planted: "first-second:reason" for every twin whose planting the
    // company shows.
    QStringList plantedPairs() const
    {
        QStringList planted;
        for (int index = 1; index < BigCompany::kCustomers; ++index) {
            const auto kind = demo::PlantedDuplicates::kindOf(index);
            if (kind == demo::PlantedDuplicates::Kind::None)
                continue;
            const QString first = demo::CustomerGenerator::customerCode(index - 1);
            const QString second = demo::CustomerGenerator::customerCode(index);
            const auto same = [&](const char *column) {
                return value(QStringLiteral("select count(distinct %1) || '/' || count(%1) from"
                                            " Customer where cCusCode in ('%2', '%3')")
                                 .arg(QLatin1StringView(column), first, second))
                    == u"1/2";
            };
            const int reason = kind == demo::PlantedDuplicates::Kind::TaxNumber
                ? int(DuplicateReason::TaxNumber)
                : kind == demo::PlantedDuplicates::Kind::Phone ? int(DuplicateReason::Phone)
                                                               : int(DuplicateReason::Name);
            const bool plantedHere = kind == demo::PlantedDuplicates::Kind::TaxNumber
                ? same("cCusRegCode")
                : kind == demo::PlantedDuplicates::Kind::Phone
                ? same("cCusPhone")
                : value(QStringLiteral("select cCusName from Customer where cCusCode = '%1'")
                            .arg(second))
                      .startsWith(value(QStringLiteral("select cCusAbbName from Customer where "
                                                       "cCusCode = '%1'")
                                            .arg(first)));
            if (plantedHere)
                planted.append(QStringLiteral("%1-%2:%3").arg(first, second).arg(reason));
        }
        return planted;
    }

    // The pairs that share a key (tax number, normalised name, e-mail, phone), by their first
    // reason; pairs of merely similar names are left out.
    static QStringList keyPairs(const QList<DuplicatePair> &pairs)
    {
        QStringList texts;
        for (const DuplicatePair &pair : pairs) {
            if (pair.reasons.first() == DuplicateReason::SimilarName)
                continue;
            texts.append(QStringLiteral("%1-%2:%3")
                             .arg(pair.code1, pair.code2)
                             .arg(int(pair.reasons.first())));
        }
        texts.sort();
        return texts;
    }

    BigCompany m_company;
    std::shared_ptr<suite::MessageScript> m_messages = std::make_shared<suite::MessageScript>();
    std::shared_ptr<suite::ClsLogin> m_login;
    std::shared_ptr<ClsCustomer> m_entry;
};

TEST_F(DuplicateScanTest, FindsExactlyTheTwinsTheDemoCompanyPlants)
{
    const QStringList planted = plantedPairs();
    ASSERT_GE(planted.size(), 6) << "the generator plants twins of every kind";
    enter(QStringLiteral("demo"));
    EXPECT_EQ(keyPairs(scan()), planted);
}

TEST_F(DuplicateScanTest, AUserFindsOnlyPairsOfCustomersHeMayRead)
{
    enter(QStringLiteral("demo"));
    const int everyone = int(scan(50).size());
    m_entry->LogOff();
    m_entry.reset();
    resetSessionContext();
    enter(QStringLiteral("sales1"));
    const suite::RecordSet readable = g_oSrv->OpenX(
        QStringLiteral("select Customer.cCusCode from Customer where ") + g_sRowAuthInv);
    ASSERT_TRUE(readable.IsOpen());
    QStringList codes;
    for (int row = 0; row < readable.RecordCount(); ++row)
        codes.append(readable.valueAt(row, 0).toString());
    ASSERT_LT(codes.size(), BigCompany::kCustomers);
    const QList<DuplicatePair> pairs = scan(50);
    EXPECT_LT(pairs.size(), everyone);
    for (const DuplicatePair &pair : pairs) {
        EXPECT_TRUE(codes.contains(pair.code1)) << qPrintable(pair.code1);
        EXPECT_TRUE(codes.contains(pair.code2)) << qPrintable(pair.code2);
    }
}

TEST_F(DuplicateScanTest, APageStatementQuotesTheCodeItContinuesAfter)
{
    enter(QStringLiteral("demo"));
    const QString statement = DuplicateScan::pageStatement(QStringLiteral("O'Neil"));
    EXPECT_TRUE(statement.contains(QStringLiteral("Customer.cCusCode > N'O''Neil'")))
        << qPrintable(statement);
    EXPECT_TRUE(g_oSrv->OpenX(statement).IsOpen()) << qPrintable(g_oSrv->LastError());
}
