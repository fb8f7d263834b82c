#include "LockMatrix.h"
#include "PostgresCompany.h"

#include "suite/pub/FunctionLocks.h"
#include "suite/pub/LocalProcess.h"

#include <gtest/gtest.h>

using namespace suite;

// The function locks of sessions on a company of a PostgreSQL server, which clients on many
// machines share: the lock rows live in the server's system schema.
namespace {

const QString kCustomer = QStringLiteral("Customer");

class PostgresFunctionLocksTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_POSTGRES();
        ASSERT_TRUE(company.ok()) << qPrintable(company.error());
        QString sMsg;
        ASSERT_TRUE(company.buildEmptyCompany(sMsg)) << qPrintable(sMsg);
    }

    std::unique_ptr<FunctionLocks> session(const QString &userId, const QString &userName)
    {
        QString sMsg;
        std::unique_ptr<FunctionLocks> locks = FunctionLocks::open(
            company.connectionText(), userId, userName, QStringLiteral("en-US"), sMsg);
        EXPECT_TRUE(locks) << qPrintable(sMsg);
        return locks;
    }

    PostgresCompany company;
};

} // namespace

TEST_F(PostgresFunctionLocksTest, EveryPairOfTasksOfTwoSessionsFollowsTheConflictMatrix)
{
    auto holder = session(QStringLiteral("demo"), QStringLiteral("Admin"));
    auto other = session(QStringLiteral("sales1"), QStringLiteral("Wang"));
    ASSERT_TRUE(holder && other);
    expectTheConflictMatrix(*holder, *other);
}

TEST_F(PostgresFunctionLocksTest, ARefusalNamesTheHolderAndAnEndedSessionFreesItsTasks)
{
    auto holder = session(QStringLiteral("sales1"), QStringLiteral("Wang"));
    auto refused = session(QStringLiteral("demo"), QStringLiteral("Admin"));
    ASSERT_TRUE(holder && refused);
    QString sMsg;
    ASSERT_FALSE(holder->isLocked(kCustomer, 7, nullptr, sMsg)) << qPrintable(sMsg);
    LockHolder who;
    EXPECT_TRUE(refused->isLocked(kCustomer, 3, &who, sMsg));
    EXPECT_EQ(sMsg,
              QStringLiteral("Wang is running \"Batch modify\" on %1; try again later.")
                  .arg(machineName()));
    EXPECT_EQ(who.sessionId, holder->sessionId());
    EXPECT_EQ(who.task, 7);
    holder.reset();
    EXPECT_FALSE(refused->isLocked(kCustomer, 3, nullptr, sMsg)) << qPrintable(sMsg);
}
