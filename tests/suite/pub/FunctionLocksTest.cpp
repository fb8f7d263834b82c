#include "DemoCompanyCopy.h"
#include "LockMatrix.h"
#include "SecondProcessClient.h"

#include "suite/pub/FunctionLocks.h"
#include "suite/pub/LocalProcess.h"

#include <QDateTime>

#include <gtest/gtest.h>

using namespace suite;

namespace {

const QString kCustomer = QStringLiteral("Customer");
const QString kAdmin = QStringLiteral("演示管理员");
const QString kSales = QStringLiteral("王晓明");

class FunctionLocksTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(company.ok()) << qPrintable(company.error()); }

    std::unique_ptr<FunctionLocks> session(const QString &userId, const QString &userName,
                                           const QString &language = QStringLiteral("zh-cn"))
    {
        QString sMsg;
        std::unique_ptr<FunctionLocks> locks =
            FunctionLocks::open(company.connectionText(), userId, userName, language, sMsg);
        EXPECT_TRUE(locks) << qPrintable(sMsg);
        return locks;
    }

    // Records a session of some other process with the task it holds, as a crashed or a
    // remote session leaves them.
    void recordForeignSession(const QString &id, const QString &station, const QString &machine,
                              qint64 processId, const QString &mark, qint64 heartbeat, int task)
    {
        company.run(DemoCompanyCopy<>::System,
                    QStringLiteral("insert into ua_tasksession (cSessionId, cAcc_Id, iYear,"
                                   " cUser_Id, cUser_Name, cStation, cMachineId, iProcessId,"
                                   " cProcessMark, dStart, iHeartbeat) values ('%1', '001', 2026,"
                                   " 'sales1', '王晓明', '%2', '%3', %4, '%5',"
                                   " '2026-01-01 08:00:00.000', %6);"
                                   "insert into ua_task (cAcc_Id, iYear, cFunction, iTaskId,"
                                   " cUser_Id, cStation, dTime, cSessionId) values ('001', 2026,"
                                   " 'Customer', %7, 'sales1', '%2', '2026-01-01 08:00:00.000',"
                                   " '%1')")
                        .arg(id, station, machine)
                        .arg(processId)
                        .arg(mark)
                        .arg(heartbeat)
                        .arg(task));
    }

    QStringList rowsOfSession(const QString &id)
    {
        return company.column(DemoCompanyCopy<>::System,
                              QStringLiteral("select 'session' from ua_tasksession where"
                                             " cSessionId = '%1' union all select 'task ' ||"
                                             " iTaskId from ua_task where cSessionId = '%1'")
                                  .arg(id));
    }

    DemoCompanyCopy<> company;
};

QString heldBy(const QString &user, const QString &task)
{
    return QStringLiteral("%1 正在 %2 上执行“%3”，请稍后再试。").arg(user, machineName(), task);
}

} // namespace

TEST_F(FunctionLocksTest, EveryPairOfTasksOfTwoSessionsFollowsTheConflictMatrix)
{
    auto holder = session(QStringLiteral("demo"), kAdmin);
    auto other = session(QStringLiteral("sales1"), kSales);
    ASSERT_TRUE(holder && other);
    expectTheConflictMatrix(*holder, *other);
}

TEST_F(FunctionLocksTest, RefusalNamesTheHolderUserMachineAndTask)
{
    auto holder = session(QStringLiteral("sales1"), kSales);
    auto refusedZh = session(QStringLiteral("demo"), kAdmin);
    auto refusedEn = session(QStringLiteral("demo"), kAdmin, QStringLiteral("en-US"));
    ASSERT_TRUE(holder && refusedZh && refusedEn);
    QString sMsg;
    ASSERT_FALSE(holder->isLocked(kCustomer, 7, nullptr, sMsg));

    LockHolder who;
    EXPECT_TRUE(refusedZh->isLocked(kCustomer, 11, &who, sMsg));
    EXPECT_EQ(sMsg, heldBy(kSales, QStringLiteral("批量修改")));
    EXPECT_EQ(who.sessionId, holder->sessionId());
    EXPECT_EQ(who.userId, QStringLiteral("sales1"));
    EXPECT_EQ(who.userName, kSales);
    EXPECT_EQ(who.machine, machineName());
    EXPECT_EQ(who.processId, currentProcessId());
    EXPECT_EQ(who.task, 7);
    EXPECT_LE(qAbs(who.since.secsTo(QDateTime::currentDateTime())), 60);

    EXPECT_TRUE(refusedEn->isLocked(kCustomer, 3, nullptr, sMsg));
    EXPECT_EQ(sMsg,
              QStringLiteral("%1 is running \"Batch modify\" on %2; try again later.")
                  .arg(kSales, machineName()));
}

TEST_F(FunctionLocksTest, ASessionRetakesItsOwnTasksWithoutConflictOrDuplicateRows)
{
    auto locks = session(QStringLiteral("demo"), kAdmin);
    ASSERT_TRUE(locks);
    QString sMsg;
    EXPECT_FALSE(locks->isLocked(kCustomer, 2, nullptr, sMsg));
    EXPECT_FALSE(locks->isLocked(kCustomer, 2, nullptr, sMsg));
    EXPECT_FALSE(locks->isLocked(kCustomer, 3, nullptr, sMsg)) << "its own tasks never conflict";
    EXPECT_FALSE(locks->isLocked(kCustomer, 7, nullptr, sMsg));
    EXPECT_TRUE(sMsg.isEmpty()) << qPrintable(sMsg);
    EXPECT_EQ(rowsOfSession(locks->sessionId()),
              QStringList({ "session", "task 2", "task 3", "task 7" }));
}

TEST_F(FunctionLocksTest, NegativeCodeReleasesOnlyThatTask)
{
    auto holder = session(QStringLiteral("demo"), kAdmin);
    auto other = session(QStringLiteral("sales1"), kSales);
    ASSERT_TRUE(holder && other);
    QString sMsg;
    ASSERT_FALSE(holder->isLocked(kCustomer, 3, nullptr, sMsg));
    ASSERT_FALSE(holder->isLocked(kCustomer, 7, nullptr, sMsg));
    EXPECT_TRUE(other->isLocked(kCustomer, 1, nullptr, sMsg));

    EXPECT_FALSE(holder->isLocked(kCustomer, -3, nullptr, sMsg));
    EXPECT_FALSE(other->isLocked(kCustomer, 1, nullptr, sMsg)) << "the list only meets merging";
    EXPECT_TRUE(other->isLocked(kCustomer, 2, nullptr, sMsg)) << "batch modify is still held";
    EXPECT_FALSE(holder->isLocked(kCustomer, -7, nullptr, sMsg));
    EXPECT_FALSE(other->isLocked(kCustomer, 2, nullptr, sMsg));
    EXPECT_FALSE(holder->isLocked(kCustomer, -8, nullptr, sMsg)) << "a task not held";
    EXPECT_TRUE(sMsg.isEmpty()) << qPrintable(sMsg);
    EXPECT_EQ(rowsOfSession(holder->sessionId()), QStringList({ "session" }));
}

TEST_F(FunctionLocksTest, FunctionsAreKeptApartButTheirIdsIgnoreCase)
{
    auto holder = session(QStringLiteral("demo"), kAdmin);
    auto other = session(QStringLiteral("sales1"), kSales);
    ASSERT_TRUE(holder && other);
    QString sMsg;
    ASSERT_FALSE(holder->isLocked(kCustomer, 3, nullptr, sMsg));
    EXPECT_TRUE(other->isLocked(QStringLiteral("customer"), 1, nullptr, sMsg));
    EXPECT_FALSE(other->isLocked(QStringLiteral("Customer_import"), 3, nullptr, sMsg));
    EXPECT_FALSE(holder->isLocked(QStringLiteral("CUSTOMER"), -3, nullptr, sMsg));
    EXPECT_FALSE(other->isLocked(kCustomer, 1, nullptr, sMsg));
}

TEST_F(FunctionLocksTest, EndingASessionGivesBackAllItsTasks)
{
    auto holder = session(QStringLiteral("demo"), kAdmin);
    auto other = session(QStringLiteral("sales1"), kSales);
    ASSERT_TRUE(holder && other);
    QString sMsg;
    ASSERT_FALSE(holder->isLocked(kCustomer, 3, nullptr, sMsg));
    holder->endSession();
    EXPECT_TRUE(rowsOfSession(holder->sessionId()).isEmpty());
    EXPECT_FALSE(other->isLocked(kCustomer, 1, nullptr, sMsg));

    QString heartbeatMsg;
    EXPECT_TRUE(holder->heartbeat(heartbeatMsg));
    EXPECT_TRUE(rowsOfSession(holder->sessionId()).isEmpty()) << "an ended session stays ended";

    // A later take starts the session again, with only what it takes then.
    EXPECT_TRUE(holder->isLocked(kCustomer, 3, nullptr, sMsg)) << "the other session lists";
    EXPECT_FALSE(holder->isLocked(kCustomer, 7, nullptr, sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(rowsOfSession(holder->sessionId()), QStringList({ "session", "task 7" }));
}

TEST_F(FunctionLocksTest, DestroyingTheSessionGivesBackItsTasks)
{
    auto other = session(QStringLiteral("sales1"), kSales);
    auto holder = session(QStringLiteral("demo"), kAdmin);
    ASSERT_TRUE(holder && other);
    QString sMsg;
    ASSERT_FALSE(holder->isLocked(kCustomer, 7, nullptr, sMsg));
    const QString id = holder->sessionId();
    EXPECT_TRUE(other->isLocked(kCustomer, 2, nullptr, sMsg));
    holder.reset();
    EXPECT_TRUE(rowsOfSession(id).isEmpty());
    EXPECT_FALSE(other->isLocked(kCustomer, 2, nullptr, sMsg));
}

TEST_F(FunctionLocksTest, TheSessionRecordsWhoWorksWhere)
{
    auto locks = session(QStringLiteral("demo"), kAdmin);
    ASSERT_TRUE(locks);
    QString sMsg;
    ASSERT_FALSE(locks->isLocked(kCustomer, 11, nullptr, sMsg));
    EXPECT_EQ(company.column(DemoCompanyCopy<>::System,
                             QStringLiteral("select cAcc_Id || '/' || iYear || '/' || cUser_Id ||"
                                            " '/' || cUser_Name || '/' || cStation || '/' ||"
                                            " iProcessId from ua_tasksession where cSessionId ="
                                            " '%1'")
                                 .arg(locks->sessionId())),
              QStringList(QStringLiteral("001/2026/demo/演示管理员/%1/%2")
                              .arg(machineName())
                              .arg(currentProcessId())));
    EXPECT_EQ(company.column(DemoCompanyCopy<>::System,
                             QStringLiteral("select cAcc_Id || '/' || iYear || '/' || cFunction"
                                            " || '/' || iTaskId || '/' || cUser_Id || '/' ||"
                                            " cStation from ua_task where cSessionId = '%1'")
                                 .arg(locks->sessionId())),
              QStringList(QStringLiteral("001/2026/Customer/11/demo/%1").arg(machineName())));
}

TEST_F(FunctionLocksTest, HeartbeatRenewsTheSessionForOtherMachines)
{
    auto locks = session(QStringLiteral("demo"), kAdmin);
    ASSERT_TRUE(locks);
    company.run(DemoCompanyCopy<>::System,
                QStringLiteral("update ua_tasksession set iHeartbeat = 0 where cSessionId = '%1'")
                    .arg(locks->sessionId()));
    QString sMsg;
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    ASSERT_TRUE(locks->heartbeat(sMsg)) << qPrintable(sMsg);
    const QStringList beat = company.column(
        DemoCompanyCopy<>::System,
        QStringLiteral("select iHeartbeat from ua_tasksession where cSessionId = '%1'")
            .arg(locks->sessionId()));
    ASSERT_EQ(beat.size(), 1);
    EXPECT_GE(beat.first().toLongLong(), before);
}

TEST_F(FunctionLocksTest, SessionsOfEndedProcessesOnThisMachineNeitherBlockNorStay)
{
    const QString mark = processStartMark(currentProcessId());
    const QString reusedId = mark.left(mark.indexOf(u':') + 1) + QStringLiteral("1");
    recordForeignSession(QStringLiteral("reused-pid"), machineName(), machineId(),
                         currentProcessId(), reusedId, QDateTime::currentSecsSinceEpoch(), 3);
    auto locks = session(QStringLiteral("demo"), kAdmin);
    ASSERT_TRUE(locks);
    EXPECT_TRUE(rowsOfSession(QStringLiteral("reused-pid")).isEmpty())
        << "opening a session clears the dead ones";

    QProcess ended;
    ended.start(QStringLiteral("sleep"), { QStringLiteral("0") });
    ASSERT_TRUE(ended.waitForStarted(SecondProcessClient::kWaitMs));
    const qint64 endedId = ended.processId();
    ASSERT_TRUE(ended.waitForFinished(SecondProcessClient::kWaitMs));
    recordForeignSession(QStringLiteral("ended"), machineName(), machineId(), endedId, QString(),
                         QDateTime::currentSecsSinceEpoch(), 3);
    QString sMsg;
    EXPECT_FALSE(locks->isLocked(kCustomer, 1, nullptr, sMsg)) << qPrintable(sMsg);
    EXPECT_TRUE(rowsOfSession(QStringLiteral("ended")).isEmpty());
}

TEST_F(FunctionLocksTest, SessionsOfOtherMachinesLiveWhileTheirHeartbeatIsRecent)
{
    auto locks = session(QStringLiteral("demo"), kAdmin);
    ASSERT_TRUE(locks);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    // The same process id on another machine is another process.
    recordForeignSession(QStringLiteral("remote"), QStringLiteral("SALES-PC-07"),
                         QStringLiteral("f00d"), currentProcessId(), QString(), now, 3);
    LockHolder who;
    QString sMsg;
    EXPECT_TRUE(locks->isLocked(kCustomer, 1, &who, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("王晓明 正在 SALES-PC-07 上执行“合并”，请稍后再试。"));
    EXPECT_EQ(who.sessionId, QStringLiteral("remote"));

    company.run(DemoCompanyCopy<>::System,
                QStringLiteral("update ua_tasksession set iHeartbeat = %1")
                    .arg(now - FunctionLocks::kLeaseSeconds - 10));
    EXPECT_FALSE(locks->isLocked(kCustomer, 1, nullptr, sMsg)) << qPrintable(sMsg);
    EXPECT_TRUE(rowsOfSession(QStringLiteral("remote")).isEmpty());
}

TEST_F(FunctionLocksTest, BadTaskCodesAndMissingFunctionsAreRefusedWithAMessage)
{
    auto locks = session(QStringLiteral("demo"), kAdmin);
    ASSERT_TRUE(locks);
    QString sMsg;
    EXPECT_TRUE(locks->isLocked(kCustomer, 5, nullptr, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("5不是功能锁的任务号。"));
    EXPECT_FALSE(locks->isLocked(kCustomer, -5, nullptr, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("-5不是功能锁的任务号。"));
    EXPECT_FALSE(locks->isLocked(kCustomer, 0, nullptr, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("0不是功能锁的任务号。"));
    EXPECT_TRUE(locks->isLocked(QStringLiteral("  "), 1, nullptr, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("没有指明要锁定的功能。"));
    EXPECT_EQ(rowsOfSession(locks->sessionId()), QStringList({ "session" }));
}

TEST_F(FunctionLocksTest, AStoreThatFailsRefusesTheTakeAndSaysWhy)
{
    auto locks = session(QStringLiteral("demo"), kAdmin);
    ASSERT_TRUE(locks);
    company.run(DemoCompanyCopy<>::System, QStringLiteral("drop table ua_task"));
    QString sMsg;
    EXPECT_TRUE(locks->isLocked(kCustomer, 1, nullptr, sMsg));
    EXPECT_TRUE(sMsg.startsWith(QStringLiteral("无法检查功能锁：")));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("ua_task"))) << qPrintable(sMsg);
    EXPECT_FALSE(locks->isLocked(kCustomer, -1, nullptr, sMsg));
    EXPECT_TRUE(sMsg.startsWith(QStringLiteral("无法检查功能锁：")));
}

TEST_F(FunctionLocksTest, OpeningNeedsTheAccountAndTheSystemDatabase)
{
    SKIP_ON_SERVER_BACKEND("the test copies and removes the company's files");
    QString sMsg;
    const QString renamed = company.dir() + QStringLiteral("/company.db");
    ASSERT_TRUE(QFile::copy(company.file(DemoCompanyCopy<>::Company), renamed));
    EXPECT_FALSE(FunctionLocks::open(renamed, QStringLiteral("demo"), kAdmin, QString(), sMsg));
    EXPECT_EQ(sMsg,
              QStringLiteral("无法检查功能锁：连接“%1”没有指明账套和年度，无法确定功能锁的范围。")
                  .arg(renamed));

    ASSERT_TRUE(QFile::remove(company.file(DemoCompanyCopy<>::System)));
    EXPECT_FALSE(FunctionLocks::open(company.connectionText(), QStringLiteral("demo"), kAdmin,
                                     QString(), sMsg));
    EXPECT_TRUE(sMsg.startsWith(QStringLiteral("无法检查功能锁：")));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("ua_tasksession"))) << qPrintable(sMsg);

    EXPECT_FALSE(FunctionLocks::open(company.dir() + QStringLiteral("/KVDATA_009_2026.db"),
                                     QStringLiteral("demo"), kAdmin, QString(), sMsg));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("KVDATA_009_2026.db"))) << qPrintable(sMsg);
}

TEST_F(FunctionLocksTest, ALiveSecondProcessBlocksAndIsNamed)
{
    SecondProcessClient second;
    const QString ready = second.start(company.connectionText(), QStringLiteral("sales1"), kSales);
    ASSERT_TRUE(ready.startsWith(QStringLiteral("ready "))) << qPrintable(ready);
    ASSERT_EQ(second.ask(QStringLiteral("take Customer 3")), QStringLiteral("taken"));

    auto locks = session(QStringLiteral("demo"), kAdmin);
    ASSERT_TRUE(locks);
    LockHolder who;
    QString sMsg;
    EXPECT_TRUE(locks->isLocked(kCustomer, 1, &who, sMsg));
    EXPECT_EQ(sMsg, heldBy(kSales, QStringLiteral("合并")));
    EXPECT_EQ(who.sessionId, ready.mid(6));
    EXPECT_EQ(who.processId, second.processId());
    EXPECT_EQ(who.userId, QStringLiteral("sales1"));

    EXPECT_EQ(second.ask(QStringLiteral("release Customer 3")), QStringLiteral("released"));
    ASSERT_FALSE(locks->isLocked(kCustomer, 7, nullptr, sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(second.ask(QStringLiteral("take Customer 11")),
              QStringLiteral("refused ") + heldBy(kAdmin, QStringLiteral("批量修改")));
    EXPECT_EQ(second.ask(QStringLiteral("take Customer 1")), QStringLiteral("taken"));
}

TEST_F(FunctionLocksTest, AKilledSecondProcessLeavesNothingThatBlocks)
{
    SecondProcessClient second;
    const QString ready = second.start(company.connectionText(), QStringLiteral("sales1"), kSales);
    ASSERT_TRUE(ready.startsWith(QStringLiteral("ready "))) << qPrintable(ready);
    ASSERT_EQ(second.ask(QStringLiteral("take Customer 3")), QStringLiteral("taken"));
    ASSERT_EQ(second.ask(QStringLiteral("take Customer 7")), QStringLiteral("taken"));
    auto locks = session(QStringLiteral("demo"), kAdmin);
    ASSERT_TRUE(locks);
    QString sMsg;
    ASSERT_TRUE(locks->isLocked(kCustomer, 1, nullptr, sMsg));

    ASSERT_TRUE(second.killHard());
    EXPECT_EQ(rowsOfSession(ready.mid(6)), QStringList({ "session", "task 3", "task 7" }))
        << "the killed process could not clean up";
    EXPECT_FALSE(locks->isLocked(kCustomer, 1, nullptr, sMsg)) << qPrintable(sMsg);
    EXPECT_FALSE(locks->isLocked(kCustomer, 8, nullptr, sMsg)) << qPrintable(sMsg);
    EXPECT_TRUE(rowsOfSession(ready.mid(6)).isEmpty());
}
