#include "demo/CompletionSchedule.h"

#include <QStringList>

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

using demo::CompletionSchedule;

namespace {

const QString kTrigram = QStringLiteral(
    "-- The quick search\nCREATE INDEX customer_search ON customer USING gin ((ccusname::text) "
    "gin_trgm_ops)");
const QString kStatistics =
    QStringLiteral("-- Every list reads it\nCREATE STATISTICS customer_trans_flag ON "
                   "(coalesce(btransflag, 0)) FROM customer");
const QString kCustomerList =
    QStringLiteral("CREATE INDEX \"customer_ix_customer_list\" ON Customer(cCusCode, bTransFlag)");
const QString kAddressCode = QStringLiteral(
    "CREATE INDEX \"cusdeliveradd_ix_cusdeliveradd_ccuscode\" ON CusDeliverAdd(cCusCode)");

// Takes a statement that must be ready now and gives its text.
QString takeNow(CompletionSchedule &schedule, int &number)
{
    const std::optional<CompletionSchedule::Statement> statement = schedule.take();
    if (!statement)
        return QStringLiteral("(none)");
    number = statement->number;
    return statement->sql;
}

} // namespace

TEST(CompletionSchedule, ReadsTheTableOfEachStatementItCompletes)
{
    EXPECT_EQ(CompletionSchedule::tableOf(kTrigram), QStringLiteral("customer"));
    EXPECT_EQ(CompletionSchedule::tableOf(kStatistics), QStringLiteral("customer"));
    EXPECT_EQ(CompletionSchedule::tableOf(kAddressCode), QStringLiteral("cusdeliveradd"));
    EXPECT_EQ(CompletionSchedule::tableOf(
                  QStringLiteral("create unique index ux on kvdata_001.\"Ar_Detail\" (iId)")),
              QStringLiteral("ar_detail"));
    EXPECT_EQ(CompletionSchedule::tableOf(
                  QStringLiteral("CREATE STATISTICS s ON (a), (b)\n FROM person;\n")),
              QStringLiteral("person"));
    // "on" inside a comment or a column list does not name the table.
    EXPECT_EQ(CompletionSchedule::tableOf(
                  QStringLiteral("-- built on customer\ncreate index x on vendor (cOn)")),
              QStringLiteral("vendor"));
    EXPECT_TRUE(CompletionSchedule::tableOf(QStringLiteral("vacuum customer")).isEmpty());

    CompletionSchedule schedule;
    QString sMsg;
    EXPECT_FALSE(schedule.add(QStringLiteral("select 1"), sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("the statement names no table it completes: select 1"));
}

TEST(CompletionSchedule, IndexesGoFirstAndATablesOtherStatementsWaitForItsIndexes)
{
    CompletionSchedule schedule;
    QString sMsg;
    for (const QString &sql : { kTrigram, kStatistics, kCustomerList, kAddressCode })
        ASSERT_TRUE(schedule.add(sql, sMsg)) << qPrintable(sMsg);
    schedule.addAnalyze(QStringLiteral("vendor"));
    schedule.addAnalyze(QStringLiteral("cusdeliveradd"));
    schedule.addAnalyze(QStringLiteral("customer"));

    // Two connections: the trigram index and the next customer index run side by side; the
    // statistics object of the customers waits for both.
    int trigram = -1;
    int list = -1;
    EXPECT_EQ(takeNow(schedule, trigram), kTrigram);
    EXPECT_EQ(takeNow(schedule, list), kCustomerList);
    schedule.finish(list, true);
    int next = -1;
    EXPECT_EQ(takeNow(schedule, next), kAddressCode);
    schedule.finish(next, true);
    // The delivery addresses are complete; the customers are not, and come first once they are.
    EXPECT_EQ(takeNow(schedule, next), QStringLiteral("analyze cusdeliveradd"));
    schedule.finish(next, true);
    schedule.finish(trigram, true);
    EXPECT_EQ(takeNow(schedule, next), kStatistics);
    schedule.finish(next, true);
    EXPECT_EQ(takeNow(schedule, next), QStringLiteral("analyze customer"));
    schedule.finish(next, true);
    // A table with no statements of its own is analysed when nothing else is left.
    EXPECT_EQ(takeNow(schedule, next), QStringLiteral("analyze vendor"));
    EXPECT_EQ(schedule.progress(), std::make_pair(6, 7));
    schedule.finish(next, true);
    EXPECT_EQ(schedule.progress(), std::make_pair(7, 7));
    EXPECT_FALSE(schedule.take());
}

TEST(CompletionSchedule, AConnectionWithNothingReadyWaitsForTheOtherOnesStatement)
{
    CompletionSchedule schedule;
    QString sMsg;
    ASSERT_TRUE(schedule.add(kTrigram, sMsg));
    schedule.addAnalyze(QStringLiteral("customer"));
    const std::optional<CompletionSchedule::Statement> index = schedule.take();
    ASSERT_TRUE(index);

    std::atomic<bool> indexDone = false;
    QString takenBeside;
    bool doneBeforeTaken = false;
    std::thread beside([&] {
        const std::optional<CompletionSchedule::Statement> analyze = schedule.take();
        doneBeforeTaken = indexDone;
        takenBeside = analyze ? analyze->sql : QStringLiteral("(none)");
    });
    indexDone = true;
    schedule.finish(index->number, true);
    beside.join();
    EXPECT_EQ(takenBeside, QStringLiteral("analyze customer"));
    EXPECT_TRUE(doneBeforeTaken);
}

TEST(CompletionSchedule, AFailedStatementStopsBothConnections)
{
    CompletionSchedule schedule;
    QString sMsg;
    ASSERT_TRUE(schedule.add(kTrigram, sMsg));
    ASSERT_TRUE(schedule.add(kStatistics, sMsg));
    ASSERT_TRUE(schedule.add(kAddressCode, sMsg));
    const std::optional<CompletionSchedule::Statement> trigram = schedule.take();
    ASSERT_TRUE(trigram);

    // The other connection waits for the statistics object, which can never come now.
    std::optional<CompletionSchedule::Statement> afterFailure;
    const std::optional<CompletionSchedule::Statement> address = schedule.take();
    ASSERT_TRUE(address);
    EXPECT_EQ(address->sql, kAddressCode);
    schedule.finish(address->number, true);
    std::thread beside([&] { afterFailure = schedule.take(); });
    schedule.finish(trigram->number, false);
    beside.join();
    EXPECT_FALSE(afterFailure);
    EXPECT_FALSE(schedule.take());
}
